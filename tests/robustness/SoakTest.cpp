// One process through thousands of timer ticks, view switches, visits to the notification
// area and copies: memory and open handles must stay flat.

#include "ui/main/ViewFixture.h"

#include <QDir>
#include <QFile>
#include <iostream>

namespace kemurina::testing {
namespace {

// VmRSS of this process in KiB.
long residentKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

// What each open file descriptor refers to.
QStringList openHandles() {
    QStringList targets;
    const QDir fds(QStringLiteral("/proc/self/fd"));
    for (const QString& fd : fds.entryList(QDir::AllEntries | QDir::NoDotAndDotDot))
        targets << fd + QStringLiteral(" ") + QFile::symLinkTarget(fds.filePath(fd));
    return targets;
}

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kAddressSanitizer = true;
#else
constexpr bool kAddressSanitizer = false;
#endif
#else
constexpr bool kAddressSanitizer = false;
#endif

using SoakTest = ViewTest;

TEST_F(SoakTest, ThousandsOfTicksSwitchesTrayVisitsAndCopiesKeepMemoryAndHandlesFlat) {
    if (!QFile::exists(QStringLiteral("/proc/self/status")))
        GTEST_SKIP() << "needs /proc to read the resident size and the open handles";
    ASSERT_TRUE(startWith(options()));

    // One round: a tick a minute later, and now and then everything a user does in a day.
    int minutes = 0;
    const auto round = [&](int i) {
        setElapsed(10 + minutes / 1440, (minutes / 60) % 24, minutes % 60);
        ++minutes;
        app->refreshAll();
        if (i % 10 == 0)
            app->switchToMiniView();
        if (i % 10 == 5)
            app->switchToMainView();
        if (i % 7 == 0) {
            ViewWindow* visible = mainView().isVisible() ? static_cast<ViewWindow*>(&mainView())
                                                         : static_cast<ViewWindow*>(&miniView());
            visible->sendToTray();
            platform->lastCallback(0x202);
        }
        if (i % 5 == 0)
            app->copyLongReport();
        if (i % 5 == 2)
            app->copyShortPost();
        if (i % 50 == 0) {
            QCoreApplication::processEvents();
            settle();
        }
    };

    constexpr int kWarmUp = 500;
    constexpr int kRounds = 5000;
    for (int i = 0; i < kWarmUp; ++i)
        round(i);
    QCoreApplication::processEvents();
    settle();
    const long rssBefore = residentKiB();
    const QStringList handlesBefore = openHandles();
    for (int i = kWarmUp; i < kWarmUp + kRounds; ++i)
        round(i);
    QCoreApplication::processEvents();
    settle();
    const long rssAfter = residentKiB();
    const QStringList handlesAfter = openHandles();

    std::cout << "[ soak     ] " << kRounds << " ticks, " << kRounds / 5 << " view switches, "
              << kRounds / 7 << " tray visits, " << 2 * kRounds / 5 << " copies: resident "
              << rssBefore << " -> " << rssAfter << " KiB, open handles " << handlesBefore.size()
              << " -> " << handlesAfter.size() << "\n";
    RecordProperty("rssBeforeKiB", static_cast<int>(rssBefore));
    RecordProperty("rssAfterKiB", static_cast<int>(rssAfter));
    RecordProperty("handlesBefore", static_cast<int>(handlesBefore.size()));
    RecordProperty("handlesAfter", static_cast<int>(handlesAfter.size()));

    EXPECT_EQ(handlesAfter.size(), handlesBefore.size())
        << "before: " << handlesBefore.join(QStringLiteral(", ")).toStdString()
        << "\nafter: " << handlesAfter.join(QStringLiteral(", ")).toStdString();
    EXPECT_EQ(platform->notifyCalls.size() % 2, 0u) << "every icon added was deleted again";
    // AddressSanitizer keeps freed memory in quarantine, so there the size says nothing.
    if (!kAddressSanitizer) {
        EXPECT_LT(rssAfter - rssBefore, 1024) << "resident size grew by more than 1 MiB";
    }
}

} // namespace
} // namespace kemurina::testing
