#pragma once

#include "core/Clock.h"
#include "core/DataFiles.h"
#include "core/Refresh.h"
#include "platform/Platform.h"

namespace kemurina {

// Moves between the program's windows; the application controller implements it and
// the tests replace it.
class Navigator {
  public:
    virtual ~Navigator() = default;

    // After the settings window saves or cancels: create the views anew, showing the
    // mini view when windowMode is 1 and the main view otherwise (the main view re-reads
    // both data files when it opens).
    virtual void showViewForWindowMode() = 0;

    // After the first-run start: create the views and show the main view.
    virtual void showMainView() = 0;

    virtual void openSettings() = 0;          // the settings window, alone on screen
    virtual void openHelp() = 0;              // created if needed, beside whatever is open
    virtual void openPremiumNotice() = 0;     // replaces the settings window
    virtual void openStartConfirmation() = 0; // after the first-run setup
    virtual void openSeasonalGreeting() = 0;  // when the start falls on a holiday
};

// What every window of the program is handed: the one shared state and the services.
struct AppContext {
    AppState& state;
    const DataStore& store;
    const Clock& clock;
    RandomSource& random;
    Platform& platform;
    Navigator& navigator;
};

} // namespace kemurina
