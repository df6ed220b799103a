#pragma once

#include "core/DataFiles.h"
#include "core/Refresh.h"

#include <QJsonObject>

namespace kemurina {

enum class LineBreaks { Lf, CrLf };

// The object `kemurina-report --json` prints, from the state a refresh at now left and the
// logs of past attempts and of urges. Every key is built here and documented in
// docs/report-json.md.
QJsonObject reportJson(const AppState& state, const LoadResult<History>& history,
                       const LoadResult<CravingLog>& cravings, const DateTimeParts& now,
                       LineBreaks breaks);

// The clipboard's CR LF, or LF for a terminal.
QString withLineBreaks(QString text, LineBreaks breaks);

} // namespace kemurina
