#include "platform/DesktopPlatform.h"

#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace kemurina {
namespace {

TEST(Platform, InstanceLockUntilHolderEnds) {
    QTemporaryDir dir;
    const QString lock = dir.filePath("instance.lock");
    auto first = std::make_unique<DesktopPlatform>(lock);
    EXPECT_FALSE(first->anotherInstanceRunning());
    EXPECT_FALSE(first->anotherInstanceRunning()); // asking again never finds itself
    DesktopPlatform second(lock);                  // finds the first, and so claims nothing
    EXPECT_TRUE(second.anotherInstanceRunning());
    first.reset();
    EXPECT_FALSE(DesktopPlatform(lock).anotherInstanceRunning());
}

TEST(Platform, LaterStartKnocksOnTheRunningInstance) {
    QTemporaryDir dir;
    const QString lock = dir.filePath("instance.lock");
    int knocks = 0;
    DesktopPlatform running(lock);
    running.whenStartedAgain([&] { ++knocks; });
    ASSERT_FALSE(running.anotherInstanceRunning());
    for (int later = 1; later <= 2; ++later) {
        EXPECT_TRUE(DesktopPlatform(lock).anotherInstanceRunning());
        EXPECT_TRUE(QTest::qWaitFor([&] { return knocks == later; }, 5000)) << later;
    }
}

TEST(Platform, RefusesAnAddressWithoutHost) {
    DesktopPlatform platform(QString{});
    EXPECT_FALSE(platform.openUrl("http://"));
    EXPECT_FALSE(platform.openUrl("http:// "));
}

} // namespace
} // namespace kemurina
