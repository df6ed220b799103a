#include "core/Clock.h"
#include "tools/report/ReportCommand.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    kemurina::SystemClock clock;
    kemurina::SystemRandom random;
    const auto result = kemurina::runReportCommand(QCoreApplication::arguments().mid(1),
                                                   QDir::currentPath(), clock, random);
    std::fwrite(result.out.constData(), 1, static_cast<std::size_t>(result.out.size()), stdout);
    std::fwrite(result.err.constData(), 1, static_cast<std::size_t>(result.err.size()), stderr);
    return result.exitCode;
}
