#include "platform/GraphicalSession.h"

namespace kemurina {

const char kNoGraphicalSessionMessage[] =
    "kemurina: ケムリナはウインドウを開くので、グラフィカルなセッション (X11 や Wayland の"
    "デスクトップ) の中で起動してください。DISPLAY も WAYLAND_DISPLAY も設定されていません。\n"
    "kemurina: ケムリナ opens windows and needs a graphical session (an X11 or Wayland "
    "desktop); neither DISPLAY nor WAYLAND_DISPLAY is set.\n";

} // namespace kemurina
