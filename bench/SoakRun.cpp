// One process through thousands of timer ticks, view switches, visits to the notification
// area and copies: prints resident memory and open handles before and after, and fails when
// handles or icons leak or memory grows by more than 1 MiB.
//   soak_run [rounds, default 5000]   (runs offscreen)

#include "support/Fakes.h"
#include "ui/main/AppController.h"
#include "ui/main/MainWindow.h"
#include "ui/main/MiniWindow.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

using namespace kemurina;
using namespace kemurina::testing;

namespace {

// VmRSS of this process in KiB.
long residentKiB() {
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

qsizetype openHandles() {
    return QDir("/proc/self/fd").entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size();
}

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSanitizer = true;
#elif defined(__has_feature)
constexpr bool kAddressSanitizer = __has_feature(address_sanitizer);
#else
constexpr bool kAddressSanitizer = false;
#endif

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qt(argc, argv);
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 5000;
    QTemporaryDir dir;
    const DataStore files(dir.path());
    QuitProfile profile;
    profile.setQuitMoment({2010, 10, 1, 12, 0});
    Options options;
    options.setupDone = 1;
    if (!files.saveQuitProfile(profile) || !files.saveOptions(options))
        return 2;
    auto clock = std::make_unique<FixedClock>(DateTimeParts{2010, 10, 11, 12, 0});
    FixedClock& now = *clock;
    FakePlatform platform;
    Session session(dir.path(), std::move(clock), std::make_unique<FixedRandom>());
    AppController app(session, platform);
    if (!app.start())
        return 2;

    // One round: a tick a minute later, and now and then everything a user does in a day.
    const auto round = [&](int i) {
        now.current.minute = i % 60;
        now.current.hour = (i / 60) % 24;
        session.refresh();
        if (i % 10 == 0)
            session.showMiniView();
        if (i % 10 == 5)
            session.showMainView();
        if (i % 7 == 0) {
            ViewWindow* visible = app.mainView()->isVisible()
                                      ? static_cast<ViewWindow*>(app.mainView())
                                      : static_cast<ViewWindow*>(app.miniView());
            visible->sendToTray();
            platform.lastActivation(QSystemTrayIcon::Trigger);
        }
        if (i % 5 == 0)
            app.mainView()->run({ViewCommand::CopyReport});
        if (i % 5 == 2)
            app.miniView()->run({ViewCommand::CopyPost});
        if (i % 50 == 0)
            QCoreApplication::processEvents();
    };
    const int warmUp = std::min(500, rounds);
    for (int i = 0; i < warmUp; ++i)
        round(i);
    QCoreApplication::processEvents();
    const long rssBefore = residentKiB();
    const qsizetype handlesBefore = openHandles();
    for (int i = warmUp; i < warmUp + rounds; ++i)
        round(i);
    QCoreApplication::processEvents();
    const long rssAfter = residentKiB();
    const qsizetype handlesAfter = openHandles();

    std::printf("soak: %d ticks, %d view switches, %d tray visits, %d copies: resident %ld -> "
                "%ld KiB, open handles %lld -> %lld\n",
                rounds, rounds / 5, rounds / 7, 2 * rounds / 5, rssBefore, rssAfter,
                static_cast<long long>(handlesBefore), static_cast<long long>(handlesAfter));
    bool ok = handlesAfter == handlesBefore && platform.trayCalls.size() % 2 == 0;
    // AddressSanitizer keeps freed memory in quarantine, so there the size says nothing.
    if (!kAddressSanitizer && rssAfter - rssBefore >= 1024)
        ok = false;
    std::printf("soak: %s\n", ok ? "passed" : "FAILED (handles, icons or memory grew)");
    return ok ? 0 : 1;
}
