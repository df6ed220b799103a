// Saves that fail or are cut short: afterwards each data file holds the old or the new
// record whole, never an empty or partial one, and a failed save says so.

#include "core/DataFiles.h"
#include "support/Files.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>
#include <random>
#include <set>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

namespace kemurina::testing {
namespace {

constexpr char kChildFolder[] = "KEMURINA_SAVE_FOREVER_IN";

class SaveFaults : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(save(false)); }
    bool save(bool newer) const {
        return store.saveQuitProfile(profiles[newer]) && store.saveOptions(options[newer]);
    }
    QDir folder() const { return QDir(store.dataDir()); }
    // 0 or 1: the file holds the old or the new record whole; -1: neither.
    int version(const QString& name) const {
        const QByteArray bytes = fileBytes(folder().filePath(name));
        for (const int v : {0, 1})
            if (bytes == (name.startsWith("initial") ? formatQuitProfileLine(profiles[v])
                                                     : formatOptionsLine(options[v])))
                return v;
        return -1;
    }

    QTemporaryDir dir;
    DataStore store{dir.path()};
    // Two versions of both records that differ in length; the newer options are longer than
    // a page of the disk, so that a torn write would show.
    const QuitProfile profiles[2] = {{2009, 5, 17, 21, 30, 20, 300, 85},
                                     {2010, 12, 31, 23, 59, 199, 1999, 100}};
    const Options options[2] = {
        {.setupDone = 1},
        {.setupDone = 1, .blogAddress = "blog.example.jp/" + QString(4000, u'k')}};
};

#ifdef Q_OS_UNIX
// The newer records find no room; the old files stay as they were with nothing beside them,
// and once there is room again the next save succeeds.
TEST_F(SaveFaults, FileSizeLimit) {
    rlimit unlimited{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &unlimited), 0);
    const rlimit sixteenBytes{16, unlimited.rlim_max};
    const auto restore = std::signal(SIGXFSZ, SIG_IGN); // the write fails with EFBIG instead
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &sixteenBytes), 0);
    EXPECT_FALSE(store.saveOptions(options[1]));
    EXPECT_FALSE(store.saveQuitProfile(profiles[1]));
    setrlimit(RLIMIT_FSIZE, &unlimited);
    std::signal(SIGXFSZ, restore);
    EXPECT_EQ(folder().entryList(QDir::Files | QDir::Hidden),
              QStringList({"initial.ini", "option.ini"}));
    EXPECT_EQ(std::pair(version("initial.ini"), version("option.ini")), std::pair(0, 0));
    EXPECT_TRUE(save(true));
    EXPECT_EQ(version("option.ini"), 1);
}
#endif

// Runs only as the child of the test below: the newer and the older records in turn, until
// it is ended.
TEST_F(SaveFaults, ChildSavesForever) {
    const QString childFolder = qEnvironmentVariable(kChildFolder);
    if (childFolder.isEmpty())
        GTEST_SKIP() << "the child of SaveFaults.KillsDuringSaves";
    DataStore child(childFolder);
    for (bool newer = true;; newer = !newer)
        child.saveQuitProfile(profiles[newer]) && child.saveOptions(options[newer]);
}

// Each trial starts this program again as a child that saves, and kills it (SIGKILL, or
// TerminateProcess as the Task Manager would) at a random moment over several saves.
// bench/kill-during-save.sh runs many more trials.
TEST_F(SaveFaults, KillsDuringSaves) {
    int argc = 1;
    char name[] = "robustness_tests";
    char* argv[] = {name, nullptr};
    const QString thisProgram = QCoreApplication(argc, argv).applicationFilePath();
    const int trials = std::max(20, qEnvironmentVariableIntValue("KEMURINA_KILL_TRIALS"));
    std::mt19937 random(20261207);
    std::uniform_int_distribution<unsigned long> delayMilliseconds(1, 400);
    std::set<std::pair<int, int>> endings;
    for (int trial = 0; trial < trials; ++trial) {
        ASSERT_TRUE(save(false));
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(kChildFolder, dir.path());
        child.setProcessEnvironment(environment);
        child.start(thisProgram, {"--gtest_filter=SaveFaults.ChildSavesForever"});
        ASSERT_TRUE(child.waitForStarted()) << trial;
        // A process starts slowly (under Wine, for seconds): count from its first save.
        for (int polls = 0; version("option.ini") != 1; ++polls) {
            ASSERT_LT(polls, 60000) << "the child never saved";
            QThread::msleep(1);
        }
        QThread::msleep(delayMilliseconds(random)); // the moment of the kill, not a wait
        child.kill();
        ASSERT_TRUE(child.waitForFinished()) << trial;
        const std::pair ending{version("initial.ini"), version("option.ini")};
        ASSERT_TRUE(ending.first >= 0 && ending.second >= 0) << trial;
        // A kill mid-save may leave the save's temporary file beside the record: never read.
        for (const QString& name : folder().entryList(QDir::Files | QDir::Hidden)) {
            if (name == "initial.ini" || name == "option.ini")
                continue;
            ASSERT_TRUE(name.contains(".ini.")) << name.toStdString();
            ASSERT_TRUE(folder().remove(name));
        }
        endings.insert(ending);
    }
    std::printf("[ kills    ] %d trials, %zu endings\n", trials, endings.size());
    EXPECT_GE(endings.size(), 2u) << "the kills always fell at one point of the saves";
}

} // namespace
} // namespace kemurina::testing
