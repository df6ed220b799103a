#pragma once

#include "core/Clock.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace kemurina {

// 0: both files read as they are; 1: a malformed file gave its record's defaults;
// 2: wrong arguments, data missing or unreadable, or the report could not be written.
enum ReportStatus : int { kSuccess = 0, kDefaultsUsed = 1, kFailure = 2 };

struct CommandOutput {
    int exitCode = 0;
    QByteArray out; // UTF-8
    QByteArray err; // UTF-8
};

// kemurina-report: reads kemurinadata/ under appDir exactly as the main view does,
// refreshes at the clock's now and prints one of the report texts. Never writes a file.
CommandOutput runReportCommand(const QStringList& arguments, const QString& appDir,
                               const Clock& clock, RandomSource& random);

} // namespace kemurina
