#pragma once

#include "ui/dialogs/DialogLook.h"

#include <QSize>
#include <cstdint>

namespace kemurina {

// How much of the window must fit between the stored corner and the screen's right and
// bottom edges before the corner is moved to the screen's centre.
struct PlacementRoom {
    std::int32_t width;
    std::int32_t height;
};
inline constexpr PlacementRoom kMainWindowRoom{5000, 3000};
inline constexpr PlacementRoom kMiniWindowRoom{3500, 1500};

// A position saved on another screen (or off it) is brought back onto this one.
TwipsPoint correctedPosition(TwipsPoint stored, QSize screenTwips, PlacementRoom room);

} // namespace kemurina
