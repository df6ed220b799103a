#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace kemurina {

// What set an urge off, in the order cravings.ini numbers them (0 to 8).
enum class CravingTrigger : std::uint8_t {
    AfterMeal,
    Alcohol,
    Coffee,
    Stress,
    WorkBreak,
    Morning,
    SomeoneSmoking,
    Boredom,
    Other,
};
inline constexpr std::size_t kCravingTriggerCount = 9;

// Texts are UTF-8.
const char* cravingTriggerName(CravingTrigger trigger); // "食後"

// Things to do instead of smoking while an urge passes, one shown at a time.
std::span<const char* const> cravingSuggestions();
// The first one shown for a draw of 0 to 99; the next button walks on from there.
std::size_t firstSuggestion(int drawPercent);

// What the countdown says about urges, and where that comes from.
const char* cravingReassurance();
const char* cravingWaitHint();
const char* cravingSource();

} // namespace kemurina
