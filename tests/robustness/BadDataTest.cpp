// Whatever is found on disk at start: no crash, that record's defaults in memory, nothing
// written that the user did not ask for, and the other record untouched.

#include "core/Refresh.h"
#include "core/Reports.h"
#include "core/Startup.h"
#include "robustness/BadFiles.h"
#include "robustness/DiskFixtures.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kemurina;
using namespace kemurina::testing;

namespace {

const DateTimeParts kNow{2010, 10, 1, 12, 0};
const QuitProfile kGoodProfile{2009, 5, 17, 21, 30, 40, 410, 100};

Options goodOptions() {
    Options o;
    o.setupDone = 1;
    o.profileSuffix = 2;
    o.mainLeft = 1200;
    o.windowMode = 1;
    o.statusTheme = QStringLiteral("日本旅行");
    return o;
}

class StartupOnDisk : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    DataStore store{dir.path()};

    void SetUp() override { ASSERT_TRUE(store.ensureDataDir()); }

    // The documented answer holds everywhere a record is read, and a refresh copes with it.
    void expectLoadedAs(const QuitProfile& profile, const Options& options) {
        const auto before = snapshot(dir.path());
        const StartupRecords started = loadAtStartup(store, kNow);
        EXPECT_FALSE(started.quitProfileWritten);
        EXPECT_FALSE(started.optionsWritten);
        EXPECT_EQ(started.options, options);
        const LoadedRecords loaded = reloadRecords(store, kNow);
        EXPECT_EQ(loaded.profile, profile);
        EXPECT_EQ(loaded.options, options);
        EXPECT_EQ(snapshot(dir.path()), before) << "start-up wrote to the data folder";

        AppState state;
        state.profile = loaded.profile;
        state.options = loaded.options;
        refreshAll(state, kNow, 0);
        EXPECT_EQ(longReport(state).count(QStringLiteral("\r\n")), 5);
        EXPECT_FALSE(shortPost(state).isEmpty());
    }
};

class BadProfileFile : public StartupOnDisk, public ::testing::WithParamInterface<BadFile> {};

TEST_P(BadProfileFile, GivesProfileDefaultsAndKeepsOptions) {
    ASSERT_TRUE(writeBytes(store.quitProfilePath(), GetParam().bytes));
    ASSERT_TRUE(store.saveOptions(goodOptions()));
    expectLoadedAs(QuitProfile::defaultsAt(kNow), goodOptions());
    EXPECT_NE(store.loadQuitProfile(kNow).status, ReadStatus::Ok);
}

INSTANTIATE_TEST_SUITE_P(Robustness, BadProfileFile, ::testing::ValuesIn(badProfileFiles()),
                         caseName);

class BadOptionsFile : public StartupOnDisk, public ::testing::WithParamInterface<BadFile> {};

TEST_P(BadOptionsFile, GivesOptionDefaultsAndKeepsProfile) {
    ASSERT_TRUE(store.saveQuitProfile(kGoodProfile));
    ASSERT_TRUE(writeBytes(store.optionsPath(), GetParam().bytes));
    expectLoadedAs(kGoodProfile, Options{});
    EXPECT_NE(store.loadOptions().status, ReadStatus::Ok);
}

INSTANTIATE_TEST_SUITE_P(Robustness, BadOptionsFile, ::testing::ValuesIn(badOptionsFiles()),
                         caseName);

// Values no dialog writes but the files hold by their type are taken as they stand.
TEST_F(StartupOnDisk, OddButWellFormedValuesAreKept) {
    ASSERT_TRUE(writeBytes(store.quitProfilePath(), "2011,2,29,0,0,20,300,85\r"));
    ASSERT_TRUE(writeBytes(store.optionsPath(),
                           "1,12244,5,0,5,1,-120,-99999,-1,-16777216,\"a.jp\",1,-2147483648,"
                           "2147483647,\"\"\r"));
    Options odd;
    odd.setupDone = 1;
    odd.mainLeft = -120;
    odd.mainTop = -99999;
    odd.backColor = -1;
    odd.textColor = -16777216;
    odd.blogAddress = QStringLiteral("a.jp");
    odd.windowMode = 1;
    odd.miniLeft = INT32_MIN;
    odd.miniTop = INT32_MAX;
    odd.statusTheme = QString();
    expectLoadedAs({2011, 2, 29, 0, 0, 20, 300, 85}, odd);

    EXPECT_EQ(Rgb::fromWindowsColor(odd.backColor), (Rgb{255, 255, 255}));
    EXPECT_EQ(Rgb::fromWindowsColor(odd.textColor), (Rgb{0, 0, 0}));
    ASSERT_TRUE(store.saveOptions(odd));
    EXPECT_EQ(store.loadOptions().record, odd);
}

TEST(OddQuitMoments, TwentyNinthFebruaryOfACommonYearCountsAsFirstMarch) {
    AppState state;
    state.profile = {2011, 2, 29, 0, 0, 20, 300, 85};
    refreshAll(state, {2011, 3, 2, 0, 0}, 0);
    EXPECT_EQ(state.metrics.totalMinutes, 1440);
    EXPECT_EQ(state.metrics.wholeDays, 1);
}

TEST_F(StartupOnDisk, DirectoriesWhereTheFilesShouldBeAreLeftAlone) {
    ASSERT_TRUE(QDir().mkpath(store.quitProfilePath()));
    ASSERT_TRUE(store.saveOptions(goodOptions()));
    expectLoadedAs(QuitProfile::defaultsAt(kNow), goodOptions());

    ASSERT_TRUE(QDir().rmdir(store.quitProfilePath()));
    ASSERT_TRUE(store.saveQuitProfile(kGoodProfile));
    ASSERT_TRUE(QFile::remove(store.optionsPath()));
    ASSERT_TRUE(QDir().mkpath(store.optionsPath()));
    expectLoadedAs(kGoodProfile, Options{});
    EXPECT_FALSE(store.saveOptions(goodOptions())) << "a save must not replace a folder";
    EXPECT_TRUE(QFileInfo(store.optionsPath()).isDir());
}

TEST(DataFolderOnDisk, AFileNamedLikeTheDataFolderIsNotTouched) {
    QTemporaryDir dir;
    const DataStore store(dir.path());
    ASSERT_TRUE(writeBytes(store.dataDir(), "not a folder"));
    const auto before = snapshot(dir.path());
    const StartupRecords started = loadAtStartup(store, kNow);
    EXPECT_FALSE(started.quitProfileWritten);
    EXPECT_FALSE(started.optionsWritten);
    EXPECT_EQ(started.profile, QuitProfile::defaultsAt(kNow));
    EXPECT_EQ(started.options, Options{});
    EXPECT_EQ(snapshot(dir.path()), before);
}

// A data folder nobody may write to: as root only a read-only mount is one.
class ReadOnlyDataFolder : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    DataStore store{dir.path()};
    std::unique_ptr<TmpfsMount> mount;

    void SetUp() override { ASSERT_TRUE(store.ensureDataDir()); }
    void TearDown() override {
        QFile::setPermissions(store.dataDir(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                   QFileDevice::ExeOwner);
    }

    // Leaves the folder's present contents in place and makes it read-only.
    void makeReadOnly() {
        if (!runningAsRoot()) {
            ASSERT_TRUE(QFile::setPermissions(store.dataDir(),
                                              QFileDevice::ReadOwner | QFileDevice::ExeOwner));
            return;
        }
        const auto contents = snapshot(store.dataDir());
        mount = std::make_unique<TmpfsMount>(store.dataDir(), "size=64k,mode=0755");
        if (!mount->mounted())
            GTEST_SKIP() << "running as root, and a read-only tmpfs could not be mounted "
                            "(no CAP_SYS_ADMIN?): permissions cannot make a folder read-only";
        for (auto it = contents.begin(); it != contents.end(); ++it)
            ASSERT_TRUE(writeBytes(QDir(store.dataDir()).filePath(it.key()), it.value()));
        ASSERT_TRUE(mount->remountReadOnly());
    }
};

TEST_F(ReadOnlyDataFolder, ExistingFilesLoadAndAFailedSaveKeepsThem) {
    ASSERT_TRUE(store.saveQuitProfile(kGoodProfile));
    ASSERT_TRUE(store.saveOptions(goodOptions()));
    makeReadOnly();
    if (HasFatalFailure() || IsSkipped())
        return;
    const auto before = snapshot(dir.path());
    const StartupRecords started = loadAtStartup(store, kNow);
    EXPECT_EQ(started.options, goodOptions());
    EXPECT_EQ(reloadRecords(store, kNow).profile, kGoodProfile);

    Options changed = goodOptions();
    changed.mainLeft = 3000;
    EXPECT_FALSE(store.saveOptions(changed));
    EXPECT_FALSE(store.saveQuitProfile(QuitProfile::defaultsAt(kNow)));
    EXPECT_EQ(snapshot(dir.path()), before);
}

TEST_F(ReadOnlyDataFolder, MissingFilesGiveDefaultsInMemory) {
    makeReadOnly();
    if (HasFatalFailure() || IsSkipped())
        return;
    const StartupRecords started = loadAtStartup(store, kNow);
    EXPECT_FALSE(started.quitProfileWritten);
    EXPECT_FALSE(started.optionsWritten);
    EXPECT_EQ(started.profile, QuitProfile::defaultsAt(kNow));
    EXPECT_EQ(started.options, Options{});
    EXPECT_TRUE(QDir(store.dataDir()).isEmpty());
}

} // namespace
