#pragma once

#include "core/Clock.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace kemurina {

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
