#include "core/Clock.h"
#include "platform/StandardOutput.h"
#include "tools/report/ReportCommand.h"

#include <QCoreApplication>
#include <QDir>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    kemurina::SystemClock clock;
    kemurina::SystemRandom random;
    const auto result = kemurina::runReportCommand(QCoreApplication::arguments().mid(1),
                                                   QDir::currentPath(), clock, random);
    const bool printed = kemurina::writeStandardStream(result.out, stdout);
    kemurina::writeStandardStream(result.err, stderr);
    // A full disk must not pass for a printed report.
    if (!printed) {
        kemurina::writeStandardStream("kemurina-report: 標準出力に書き込めません\n", stderr);
        return kemurina::kFailure;
    }
    return result.exitCode;
}
