#pragma once

#include "core/Refresh.h"

#include <QString>

namespace kemurina {

// Six lines joined by CR LF for blogs and boards; read from the state as the last refresh
// left it, with the elapsed line in the form the elapsed label shows now.
QString longReport(const AppState& state);

// One line for a length-limited post.
QString shortPost(const AppState& state);

// The mini view's six lines: the long report's text, or "" when the profile suffix
// is none of the three known forms.
QString miniSummary(const AppState& state);

// "小", "中", "大" for 50, 85 and 100 mm; "" otherwise.
QString sizeWord(std::int32_t cigaretteLength);

} // namespace kemurina
