#include "core/Startup.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kemurina;

namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

TEST(StartWindowChoice, FollowsSetupDoneThenWindowMode) {
    Options o;
    EXPECT_EQ(chooseStartWindow(o), StartWindow::FirstRunSetup);
    o.setupDone = 1;
    for (int mode : {0, 2, -1, 7})
        EXPECT_EQ((o.windowMode = mode, chooseStartWindow(o)), StartWindow::MainShown) << mode;
    o.windowMode = 1;
    EXPECT_EQ(chooseStartWindow(o), StartWindow::MiniShown);
    o.setupDone = 5; // anything but 0 counts as done
    EXPECT_EQ(chooseStartWindow(o), StartWindow::MiniShown);
}

class StartupTest : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    DataStore store{dir.path()};
    const DateTimeParts now{2009, 1, 2, 3, 4};
};

TEST_F(StartupTest, FirstStartWritesBothDefaultFiles) {
    const StartupRecords r = loadAtStartup(store, now);
    EXPECT_TRUE(r.quitProfileWritten);
    EXPECT_TRUE(r.optionsWritten);
    EXPECT_EQ(readAll(store.quitProfilePath()), "2009,1,2,3,4,20,300,85\r\n");
    EXPECT_EQ(r.options, Options{});
    EXPECT_EQ(store.loadOptions().record, Options{});
    EXPECT_EQ(chooseStartWindow(r.options), StartWindow::FirstRunSetup);
}

TEST_F(StartupTest, ReloadGivesDefaultsPerRecordAndWritesNothing) {
    QDir().mkpath(store.dataDir());
    writeFile(store.quitProfilePath(), "2009,13,2,3,4,20,300,85\r\n");
    Options saved;
    saved.setupDone = 1;
    ASSERT_TRUE(store.saveOptions(saved));
    const LoadedRecords r = reloadRecords(store, now);
    EXPECT_EQ(r.profileStatus, ReadStatus::Malformed);
    EXPECT_EQ(r.profile, QuitProfile::defaultsAt(now));
    EXPECT_EQ(r.options, saved);
    EXPECT_EQ(readAll(store.quitProfilePath()), "2009,13,2,3,4,20,300,85\r\n");

    QFile::remove(store.optionsPath());
    EXPECT_EQ(reloadRecords(store, now).optionsStatus, ReadStatus::Missing);
    EXPECT_FALSE(QFile::exists(store.optionsPath()));
}
