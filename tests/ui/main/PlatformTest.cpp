#include "platform/DesktopPlatform.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace kemurina {
namespace {

class InstanceLock : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    QString lockPath() const { return dir.filePath(QStringLiteral("instance.lock")); }
};

TEST_F(InstanceLock, HeldUntilTheEnd) {
    auto first = std::make_unique<DesktopPlatform>(lockPath());
    EXPECT_FALSE(first->anotherInstanceRunning());
    EXPECT_FALSE(first->anotherInstanceRunning()); // asking again never finds itself

    DesktopPlatform second(lockPath());
    EXPECT_TRUE(second.anotherInstanceRunning());

    first.reset();
    DesktopPlatform third(lockPath());
    EXPECT_FALSE(third.anotherInstanceRunning());
}

TEST(Platform, RefusesAnAddressWithoutHost) {
    DesktopPlatform platform(QString{});
    EXPECT_FALSE(platform.openUrl(QStringLiteral("http://")));
    EXPECT_FALSE(platform.openUrl(QStringLiteral("http:// ")));
}

} // namespace
} // namespace kemurina
