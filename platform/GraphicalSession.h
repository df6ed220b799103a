#pragma once

#include <QProcessEnvironment>
#include <QStringList>

namespace kemurina {

// Whether Qt will find a screen to open windows on, asked before the application object is
// made: without one, Qt's X11 and Wayland platforms abort the process. On Linux a window needs
// DISPLAY or WAYLAND_DISPLAY unless the platform chosen (Qt's -platform argument, else
// QT_QPA_PLATFORM) is one that draws without a display server, such as offscreen; on Windows
// there is always a desktop.
bool graphicalSessionAvailable(const QProcessEnvironment& environment,
                               const QStringList& arguments);

// What the program prints instead of opening a window, in Japanese and English.
extern const char kNoGraphicalSessionMessage[];

} // namespace kemurina
