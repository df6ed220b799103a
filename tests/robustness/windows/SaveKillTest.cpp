// Saves cut short on Windows, where QSaveFile replaces a file in its own way: the test starts
// itself again as a child that saves the new and the old records in turn, and ends it
// (TerminateProcess, as the Task Manager would) at a random moment over several saves.

#include "robustness/SaveFaults.h"

#include <QProcess>
#include <QThread>
#include <random>
#include <set>

#include <windows.h>

namespace kemurina::testing {
namespace {

constexpr char kChildFolder[] = "KEMURINA_SAVE_FOREVER_IN";

QString thisProgram() {
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    return QString::fromWCharArray(path, static_cast<qsizetype>(length));
}

// Runs only as the child: the newer and the older records in turn, until it is ended.
TEST_F(SaveFaults, ChildSavesForever) {
    const QString childFolder = qEnvironmentVariable(kChildFolder);
    if (childFolder.isEmpty())
        GTEST_SKIP() << "the child of SaveFaults.KillsDuringSaves";
    DataStore child(childFolder);
    for (bool newer = true;; newer = !newer)
        child.saveQuitProfile(profiles[newer]) && child.saveOptions(options[newer]);
}

TEST_F(SaveFaults, KillsDuringSaves) {
    const int trials = std::max(20, qEnvironmentVariableIntValue("KEMURINA_KILL_TRIALS"));
    std::mt19937 random(20261207);
    std::uniform_int_distribution<unsigned long> delayMilliseconds(20, 400);
    std::set<std::pair<int, int>> endings;
    for (int trial = 0; trial < trials; ++trial) {
        ASSERT_TRUE(save(false));
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(kChildFolder, dir.path());
        child.setProcessEnvironment(environment);
        child.start(thisProgram(), {"--gtest_filter=SaveFaults.ChildSavesForever"});
        ASSERT_TRUE(child.waitForStarted()) << trial;
        // A process starts slowly (under Wine, for seconds): count from its first save.
        for (int waited = 0; version("option.ini") != 1; waited += 5) {
            ASSERT_LT(waited, 60000) << "the child never saved";
            QThread::msleep(5);
        }
        QThread::msleep(delayMilliseconds(random)); // the moment of the kill, not a wait
        child.kill();
        ASSERT_TRUE(child.waitForFinished()) << trial;
        const std::pair ending{version("initial.ini"), version("option.ini")};
        ASSERT_TRUE(ending.first >= 0 && ending.second >= 0) << trial;
        // A kill mid-write may leave the save's temporary file beside the record: never read.
        for (const QString& name : folder().entryList(QDir::Files | QDir::Hidden)) {
            if (name == "initial.ini" || name == "option.ini")
                continue;
            ASSERT_TRUE(name.contains(".ini.")) << name.toStdString();
            ASSERT_TRUE(folder().remove(name));
        }
        endings.insert(ending);
    }
    std::printf("[ kills    ] %d trials, %zu endings\n", trials, endings.size());
    EXPECT_GE(endings.size(), 2u); // the kills fell at different moments of the saves
}

} // namespace
} // namespace kemurina::testing
