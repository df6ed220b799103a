// Saves the new and the old records in turn until killed, for the kill test; prints one
// line as it begins.   robustness_save_helper <appDir>

#include "core/DataFiles.h"
#include "robustness/SaveRecords.h"

#include <cstdio>

using namespace kemurina;

int main(int argc, char* argv[]) {
    if (argc != 2)
        return 2;
    const DataStore store(QString::fromLocal8Bit(argv[1]));
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
