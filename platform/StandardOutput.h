#pragma once

#include <QByteArray>
#include <cstdio>

namespace kemurina {

// Writes UTF-8 text to stdout or stderr byte for byte, line ends as given, and flushes it;
// false when not all of it was written. On Windows a console is given the text itself
// instead, so that it shows in any console code page.
bool writeStandardStream(const QByteArray& utf8, std::FILE* stream);

} // namespace kemurina
