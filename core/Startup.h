#pragma once

#include "core/DataFiles.h"

namespace kemurina {

enum class StartWindow {
    FirstRunSetup, // setup not done yet: neither view is created
    MainShown,     // main view visible, mini view hidden
    MiniShown,     // mini view visible, main view hidden
};

StartWindow chooseStartWindow(const Options& options);

struct StartupRecords {
    QuitProfile profile; // defaults unless initial.ini was missing and got written now
    Options options;
    bool quitProfileWritten = false;
    bool optionsWritten = false;
};

// Makes the data folder, writes default files where they are missing and loads Options.
// A file that exists but cannot be read is never overwritten: defaults stay in memory.
StartupRecords loadAtStartup(const DataStore& store, const DateTimeParts& now);

// Both records as the main view reads them when it opens; never writes.
struct LoadedRecords {
    QuitProfile profile;
    Options options;
    ReadStatus profileStatus = ReadStatus::Ok;
    ReadStatus optionsStatus = ReadStatus::Ok;
};

LoadedRecords reloadRecords(const DataStore& store, const DateTimeParts& now);

} // namespace kemurina
