#include "platform/GraphicalSession.h"

namespace kemurina {

const char kNoGraphicalSessionMessage[] =
    "kemurina: ケムリナはウインドウを開くので、グラフィカルなセッション (X11 や Wayland の"
    "デスクトップ) の中で起動してください。DISPLAY にも WAYLAND_DISPLAY にも、応答する画面が"
    "ありません。\n"
    "kemurina: ケムリナ opens windows and needs a graphical session (an X11 or Wayland "
    "desktop); no display server answers at DISPLAY or WAYLAND_DISPLAY.\n";

} // namespace kemurina
