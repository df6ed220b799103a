#pragma once

#include "content/RecoveryMilestones.h"

#include <cstdint>
#include <vector>

namespace kemurina {

// Where one milestone stands at a given time since quitting. A span of time counts as
// begun at its start and reached at its end; a single moment is both at once.
struct MilestoneProgress {
    RecoveryMilestone milestone;
    bool begun = false;
    bool reached = false;
    bool next = false;            // the first milestone not reached yet
    std::int64_t minutesLeft = 0; // until reached; 0 once reached
};

std::vector<MilestoneProgress> recoveryTimeline(std::int32_t totalMinutes);

} // namespace kemurina
