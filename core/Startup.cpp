#include "core/Startup.h"

namespace kemurina {

StartWindow chooseStartWindow(const Options& options) {
    if (options.setupDone == 0)
        return StartWindow::FirstRunSetup;
    return options.windowMode == WindowMode::Mini ? StartWindow::MiniShown : StartWindow::MainShown;
}

StartupRecords loadAtStartup(const DataStore& store, const DateTimeParts& now) {
    StartupRecords r;
    store.ensureDataDir();
    const auto profile = store.loadQuitProfile(now);
    r.profile = profile.record;
    if (profile.status == ReadStatus::Missing) {
        r.profile = QuitProfile::defaultsAt(now);
        r.quitProfileWritten = store.saveQuitProfile(r.profile);
    }
    const auto options = store.loadOptions();
    r.options = options.record;
    if (options.status == ReadStatus::Missing)
        r.optionsWritten = store.saveOptions(r.options);
    return r;
}

LoadedRecords reloadRecords(const DataStore& store, const DateTimeParts& now) {
    const auto profile = store.loadQuitProfile(now);
    const auto options = store.loadOptions();
    return {profile.record, options.record, profile.status, options.status};
}

} // namespace kemurina
