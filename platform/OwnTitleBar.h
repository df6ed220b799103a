#pragma once

class QWidget;

namespace kemurina {

// Qt's own title bar on Wayland offers maximise on every window, and a compositor that holds a
// fixed-size window to its size ends the program that asks (weston: a protocol error). A
// window given this one instead (before it is first shown) loses Qt's: it gets the program's
// icon and title, minimise and close, and is moved by dragging the bar. Its controls keep
// their places, below the bar.
void useOwnTitleBar(QWidget* window);

// The bar's height in pixels, added to the window's.
inline constexpr int kOwnTitleBarHeight = 24;

} // namespace kemurina
