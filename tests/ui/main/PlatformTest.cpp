#include "platform/DesktopPlatform.h"
#include "platform/OwnTitleBar.h"

#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace kemurina {
namespace {

// A later start finds the running one, claims nothing and knocks on it; asking again never
// finds itself, and once the holder ends the lock is free.
TEST(Platform, InstanceLockAndKnock) {
    QTemporaryDir dir;
    const QString lock = dir.filePath("instance.lock");
    int knocks = 0;
    auto running = std::make_unique<DesktopPlatform>(lock);
    running->whenStartedAgain([&] { ++knocks; });
    ASSERT_FALSE(running->anotherInstanceRunning());
    EXPECT_FALSE(running->anotherInstanceRunning());
    for (int later = 1; later <= 2; ++later) {
        EXPECT_TRUE(DesktopPlatform(lock).anotherInstanceRunning());
        EXPECT_TRUE(QTest::qWaitFor([&] { return knocks == later; }, 5000)) << later;
    }
    DesktopPlatform waiting(lock); // alive while the holder ends
    EXPECT_TRUE(waiting.anotherInstanceRunning());
    running.reset();
    EXPECT_FALSE(DesktopPlatform(lock).anotherInstanceRunning());
}

// Controls placed by position, even placed again later, count from below the bar.
TEST(Platform, OwnTitleBarWithoutMaximise) {
    QWidget window;
    window.setFixedSize(200, 100);
    auto* placed = new QLabel("x", &window);
    auto* hidden = new QLabel(&window);
    hidden->hide();
    useOwnTitleBar(&window);
    EXPECT_EQ(window.size(), QSize(200, 100 + kOwnTitleBarHeight));
    window.show();
    placed->move(5, 6);
    EXPECT_EQ(placed->mapTo(&window, QPoint()), QPoint(5, 6 + kOwnTitleBarHeight));
    EXPECT_TRUE(placed->isVisible() && !hidden->isVisible());
    const QList<QToolButton*> buttons = window.findChildren<QToolButton*>();
    ASSERT_EQ(buttons.size(), 2);
    EXPECT_EQ(buttons[0]->accessibleName() + buttons[1]->accessibleName(), "最小化閉じる");
    buttons[0]->click();
    EXPECT_TRUE(window.isMinimized());
    buttons[1]->click();
    EXPECT_FALSE(window.isVisible());

    QWidget laidOut; // a layout keeps its controls below the bar by its margin
    const int top = (new QVBoxLayout(&laidOut))->contentsMargins().top();
    useOwnTitleBar(&laidOut);
    EXPECT_EQ(laidOut.layout()->contentsMargins().top(), top + kOwnTitleBarHeight);
}

TEST(Platform, RefusesAnAddressWithoutHost) {
    DesktopPlatform platform(QString{});
    EXPECT_FALSE(platform.openUrl("http://"));
    EXPECT_FALSE(platform.openUrl("http:// "));
}

} // namespace
} // namespace kemurina
