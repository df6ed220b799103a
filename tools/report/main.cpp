#include "core/Clock.h"
#include "tools/report/ReportCommand.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>

namespace {

bool writeAll(const QByteArray& bytes, std::FILE* stream) {
    const auto size = static_cast<std::size_t>(bytes.size());
    return std::fwrite(bytes.constData(), 1, size, stream) == size && std::fflush(stream) == 0;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    kemurina::SystemClock clock;
    kemurina::SystemRandom random;
    const auto result = kemurina::runReportCommand(QCoreApplication::arguments().mid(1),
                                                   QDir::currentPath(), clock, random);
    const bool printed = writeAll(result.out, stdout);
    writeAll(result.err, stderr);
    // A full disk must not pass for a printed report.
    if (!printed) {
        writeAll("kemurina-report: 標準出力に書き込めません\n", stderr);
        return kemurina::kFailure;
    }
    return result.exitCode;
}
