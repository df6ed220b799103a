// Saves that fail or are cut short: afterwards each data file holds the old or the new
// record whole, never an empty or partial one, and a failed save says so.

#include "core/DataFiles.h"
#include "robustness/SaveRecords.h"
#include "support/Files.h"

#include <QProcess>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <random>
#include <set>
#include <sys/mount.h>
#include <sys/resource.h>
#include <thread>

namespace kemurina::testing {
namespace {

class SaveFaults : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    DataStore store{dir.path()};
    const QByteArray profiles[2] = {formatQuitProfileLine(records(false).profile),
                                    formatQuitProfileLine(records(true).profile)};
    const QByteArray options[2] = {formatOptionsLine(records(false).options),
                                   formatOptionsLine(records(true).options)};

    void SetUp() override { saveRecords(false); }
    void saveRecords(bool newer) {
        ASSERT_TRUE(store.saveQuitProfile(records(newer).profile) &&
                    store.saveOptions(records(newer).options));
    }
    QByteArray profileFile() const { return fileBytes(store.quitProfilePath()); }
    QByteArray optionsFile() const { return fileBytes(store.optionsPath()); }
    QStringList dataFolder() const {
        return QDir(store.dataDir()).entryList(QDir::Files | QDir::Hidden);
    }
    void expectOldFilesOnly() const {
        EXPECT_EQ(profileFile(), profiles[0]);
        EXPECT_EQ(optionsFile(), options[0]);
        EXPECT_EQ(dataFolder(), QStringList({"initial.ini", "option.ini"}));
    }
};

TEST_F(SaveFaults, FullDisk) {
    const QByteArray folder = QFile::encodeName(store.dataDir());
    if (geteuid() != 0 || ::mount("tmpfs", folder.constData(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "a full disk needs root to mount a small tmpfs";
    const std::shared_ptr<void> unmount(nullptr, [&](void*) { ::umount2(folder, MNT_DETACH); });
    saveRecords(false);
    {
        QFile filler(QDir(store.dataDir()).filePath("filler"));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        while (filler.write(QByteArray(4096, 'x')) == 4096) {
        }
        EXPECT_FALSE(store.saveOptions(records(true).options));
        EXPECT_FALSE(store.saveQuitProfile(records(true).profile));
        EXPECT_FALSE(store.saveOptions(records(false).options)) << "even a short record needs room";
        filler.remove();
    }
    expectOldFilesOnly();
    saveRecords(true);
    EXPECT_EQ(optionsFile(), options[1]);
}

TEST_F(SaveFaults, FileSizeLimit) {
    rlimit unlimited{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &unlimited), 0);
    const rlimit sixteenBytes{16, unlimited.rlim_max};
    const auto restore = std::signal(SIGXFSZ, SIG_IGN); // the write fails with EFBIG instead
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &sixteenBytes), 0);
    const bool options = store.saveOptions(records(true).options);
    const bool profile = store.saveQuitProfile(records(true).profile);
    setrlimit(RLIMIT_FSIZE, &unlimited);
    std::signal(SIGXFSZ, restore);
    EXPECT_FALSE(options || profile);
    expectOldFilesOnly();
}

// The helper saves the new and the old records in turn; each trial kills it at a random
// moment. bench/kill-during-save.sh runs thousands of trials.
TEST_F(SaveFaults, KillsDuringSaves) {
    const int trials = std::max(20, qEnvironmentVariableIntValue("KEMURINA_KILL_TRIALS"));
    const auto whole = [](const QByteArray& bytes, const QByteArray(&versions)[2]) {
        return bytes == versions[0] || bytes == versions[1];
    };
    std::mt19937 random(20261206);
    // A save takes milliseconds (it syncs to disk), so kills spread over several saves.
    std::uniform_int_distribution<int> delayMicroseconds(0, 120000);
    std::set<std::pair<bool, bool>> endings; // (new profile, new options)
    int leftBehind = 0;
    for (int trial = 0; trial < trials; ++trial) {
        QProcess helper;
        helper.start(KEMURINA_SAVE_HELPER, {dir.path()});
        ASSERT_TRUE(helper.waitForReadyRead(10000)) << qPrintable(helper.errorString());
        std::this_thread::sleep_for(std::chrono::microseconds(delayMicroseconds(random)));
        ::kill(static_cast<pid_t>(helper.processId()), SIGKILL);
        ASSERT_TRUE(helper.waitForFinished(10000));
        ASSERT_TRUE(whole(profileFile(), profiles)) << trial << ": " << profileFile().size();
        ASSERT_TRUE(whole(optionsFile(), options)) << trial << ": " << optionsFile().size();
        // A kill between linking the finished temporary file and renaming it leaves that
        // temporary file behind: whole, and never read.
        for (const QString& name : dataFolder().filter(".ini.")) {
            const QString path = QDir(store.dataDir()).filePath(name);
            ASSERT_TRUE(whole(fileBytes(path), name.startsWith("initial") ? profiles : options));
            ASSERT_TRUE(QFile::remove(path));
            ++leftBehind;
        }
        endings.insert({profileFile() == profiles[1], optionsFile() == options[1]});
    }
    std::printf("[ kills    ] %d trials, %zu endings, %d temporary files left behind\n", trials,
                endings.size(), leftBehind);
    EXPECT_GE(endings.size(), trials >= 50 ? 3u : 1u) << "kills always landed at one point";
}

} // namespace
} // namespace kemurina::testing
