// A process that saves for the fault tests:
//   robustness_save_helper loop <appDir>         saves the new and the old records in turn
//                                                until killed; prints one line as it begins
//   robustness_save_helper limited <appDir> <n>  saves the new records once with files limited
//                                                to n bytes; prints what each save returned

#include "core/DataFiles.h"
#include "robustness/SaveRecords.h"

#include <csignal>
#include <cstdio>
#include <cstring>
#include <sys/resource.h>

using namespace kemurina;

int main(int argc, char* argv[]) {
    if (argc < 3)
        return 2;
    const DataStore store(QString::fromLocal8Bit(argv[2]));
    if (std::strcmp(argv[1], "limited") == 0 && argc == 4) {
        const rlim_t limit = std::strtoull(argv[3], nullptr, 10);
        const rlimit fileSize{limit, limit};
        std::signal(SIGXFSZ, SIG_IGN); // a write past the limit then fails with EFBIG
        if (setrlimit(RLIMIT_FSIZE, &fileSize) != 0)
            return 2;
        const auto r = testing::records(true);
        const bool options = store.saveOptions(r.options);
        std::printf("options=%d profile=%d\n", options, store.saveQuitProfile(r.profile));
        return 0;
    }
    // The first save loads the code page converter; kills are meant for later saves.
    store.saveOptions(testing::records(false).options);
    std::puts("saving");
    std::fflush(stdout);
    for (bool newer = true;; newer = !newer) {
        const auto r = testing::records(newer);
        store.saveQuitProfile(r.profile);
        store.saveOptions(r.options);
    }
}
