#include "ui/main/WindowPlacement.h"

#include "core/Checked.h"

namespace kemurina {

TwipsPoint correctedPosition(TwipsPoint stored, QSize screenTwips, PlacementRoom room) {
    const std::int64_t width = screenTwips.width();
    const std::int64_t height = screenTwips.height();
    const auto half = [](std::int64_t v) { return saturateToInt32(v >= 0 ? v / 2 : (v - 1) / 2); };
    TwipsPoint p = stored;
    if (width - room.width < p.left) {
        p.left = half(width);
        p.top = half(height);
    }
    if (height - room.height < p.top) {
        p.top = half(height);
        p.left = half(width);
    }
    if (p.left < 0)
        p.left = 0;
    if (p.top < 0)
        p.top = 0;
    return p;
}

} // namespace kemurina
