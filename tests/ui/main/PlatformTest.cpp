#include "platform/DesktopPlatform.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace kemurina {
namespace {

class InstanceLockTest : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    QString lockPath() const { return dir.filePath(QStringLiteral("instance.lock")); }
};

TEST_F(InstanceLockTest, TheFirstInstanceHoldsTheLockUntilItEnds) {
    auto first = std::make_unique<DesktopPlatform>(lockPath());
    EXPECT_FALSE(first->anotherInstanceRunning());
    EXPECT_FALSE(first->anotherInstanceRunning()); // asking again never finds itself

    DesktopPlatform second(lockPath());
    EXPECT_TRUE(second.anotherInstanceRunning());

    first.reset();
    DesktopPlatform third(lockPath());
    EXPECT_FALSE(third.anotherInstanceRunning());
}

TEST_F(InstanceLockTest, ALockLeftByAKilledProcessDoesNotBlockTheNextStart) {
    // A process that has gone away, as after a crash or a kill.
    QProcess gone;
    qint64 deadPid = 0;
    QObject::connect(&gone, &QProcess::started, [&] { deadPid = gone.processId(); });
    gone.start(QStringLiteral("true"), {});
    ASSERT_TRUE(gone.waitForFinished());
    ASSERT_GT(deadPid, 0);
    QFile lock(lockPath());
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write(QByteArray::number(deadPid) + '\n' + QCoreApplication::applicationName().toUtf8() +
               '\n' + QSysInfo::machineHostName().toUtf8() + '\n');
    lock.close();

    DesktopPlatform next(lockPath());
    EXPECT_FALSE(next.anotherInstanceRunning());
}

TEST(DesktopPlatformTest, LockPathIsPerUserInTheTemporaryDirectory) {
    const QString path = DesktopPlatform::instanceLockPath();
    EXPECT_TRUE(path.startsWith(QDir::tempPath()));
    EXPECT_EQ(path, DesktopPlatform::instanceLockPath());
}

TEST(DesktopPlatformTest, AnAddressWithoutAHostIsRefusedWithoutAskingTheDesktop) {
    DesktopPlatform platform(QString{});
    EXPECT_FALSE(platform.openUrl(QStringLiteral("http://")));
    EXPECT_FALSE(platform.openUrl(QStringLiteral("http:// ")));
}

} // namespace
} // namespace kemurina
