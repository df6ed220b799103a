#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace kemurina {

// Conversions to 32-bit figures saturate instead of overflowing; NaN becomes 0.
inline std::int32_t saturateToInt32(std::int64_t v) {
    constexpr std::int64_t lo = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t hi = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(v < lo ? lo : v > hi ? hi : v);
}

inline std::int32_t saturateToInt32(double v) {
    if (std::isnan(v))
        return 0;
    if (v <= -2147483648.0)
        return std::numeric_limits<std::int32_t>::min();
    if (v >= 2147483647.0)
        return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(v);
}

// Int() of the figures: the largest whole number not above x, as a 32-bit value.
inline std::int32_t floorToInt32(double v) {
    return saturateToInt32(std::floor(v));
}

} // namespace kemurina
