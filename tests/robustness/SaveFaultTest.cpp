// Saves that fail or are cut short: afterwards each data file holds the old or the new
// record whole, never an empty or partial one, and a failed save says so.

#include "robustness/SaveFaults.h"

#include <csignal>
#include <gtest/gtest.h>
#include <random>
#include <set>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace kemurina::testing {
namespace {

TEST_F(SaveFaults, FileSizeLimit) {
    rlimit unlimited{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &unlimited), 0);
    const rlimit sixteenBytes{16, unlimited.rlim_max};
    const auto restore = std::signal(SIGXFSZ, SIG_IGN); // the write fails with EFBIG instead
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &sixteenBytes), 0);
    expectOldFilesUntilRoom([&] {
        setrlimit(RLIMIT_FSIZE, &unlimited);
        std::signal(SIGXFSZ, restore);
    });
}

// Each trial forks a child that saves the new and the old records in turn until its alarm
// ends it, at a random moment over several saves (each syncs to disk, in milliseconds).
// bench/kill-during-save.sh runs thousands of trials.
TEST_F(SaveFaults, KillsDuringSaves) {
    const int trials = std::max(20, qEnvironmentVariableIntValue("KEMURINA_KILL_TRIALS"));
    std::mt19937 random(20261206);
    std::uniform_int_distribution<useconds_t> delayMicroseconds(1, 120000);
    std::set<std::pair<int, int>> endings; // the versions of the profile and the options
    for (int trial = 0; trial < trials; ++trial) {
        const useconds_t delay = delayMicroseconds(random);
        const pid_t child = fork();
        if (child == 0) {
            std::signal(SIGALRM, SIG_DFL); // unhandled, it ends the child as a kill would
            ualarm(delay, 0);
            for (bool newer = true;; newer = !newer)
                save(newer);
        }
        ASSERT_EQ(waitpid(child, nullptr, 0), child);
        const std::pair ending{version("initial.ini"), version("option.ini")};
        ASSERT_TRUE(ending.first >= 0 && ending.second >= 0) << trial;
        // A kill between linking the finished temporary file and renaming it leaves that
        // temporary file behind: whole, and never read.
        for (const QString& name : folder().entryList(QDir::Files | QDir::Hidden).filter(".ini.")) {
            ASSERT_GE(version(name), 0);
            ASSERT_TRUE(folder().remove(name));
        }
        endings.insert(ending);
    }
    std::printf("[ kills    ] %d trials, %zu endings\n", trials, endings.size());
    EXPECT_GE(endings.size(), trials >= 50 ? 3u : 1u) << "kills always landed at one point";
}

} // namespace
} // namespace kemurina::testing
