#pragma once

#include "core/Session.h"
#include "platform/Platform.h"

#include <QIcon>

namespace kemurina {

// What every window of the program is handed: the running program and the desktop.
struct AppContext {
    Session& session;
    Platform& platform;
    // Decoded once: the window and both notification records share it.
    QIcon programIcon;
};

} // namespace kemurina
