#pragma once

#include <cstdint>
#include <span>

namespace kemurina {

// One change in the body after quitting, with the time after the quit moment at which it
// begins and at which it is complete (the same for a single moment). Texts are UTF-8.
struct RecoveryMilestone {
    const char* when;   // "２週間〜３か月"
    const char* change; // what happens in the body
    std::int32_t fromMinutes;
    std::int32_t toMinutes;
};

// The ten milestones in order of their start (and of their end), from e-ヘルスネット.
std::span<const RecoveryMilestone> recoveryMilestones();

// Where the facts come from and when they were taken, shown under the list.
const char* recoverySource();

} // namespace kemurina
