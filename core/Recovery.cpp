#include "core/Recovery.h"

namespace kemurina {

std::vector<MilestoneProgress> recoveryTimeline(std::int32_t totalMinutes) {
    std::vector<MilestoneProgress> timeline;
    bool nextFound = false;
    for (const RecoveryMilestone& m : recoveryMilestones()) {
        MilestoneProgress p{m};
        p.begun = totalMinutes >= m.fromMinutes;
        p.reached = totalMinutes >= m.toMinutes;
        if (!p.reached) {
            p.minutesLeft = std::int64_t{m.toMinutes} - totalMinutes;
            p.next = !nextFound;
            nextFound = true;
        }
        timeline.push_back(p);
    }
    return timeline;
}

} // namespace kemurina
