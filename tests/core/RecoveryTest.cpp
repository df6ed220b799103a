#include "core/RecordView.h"

#include <gtest/gtest.h>

using namespace kemurina;

TEST(RecoveryTimeline, StartsAndEnds) {
    const auto milestones = recoveryMilestones();
    for (std::size_t i = 0; i < milestones.size(); ++i) {
        const RecoveryMilestone& m = milestones[i];
        SCOPED_TRACE(m.when);
        EXPECT_FALSE(recoveryTimeline(m.fromMinutes - 1)[i].begun);
        EXPECT_TRUE(recoveryTimeline(m.fromMinutes)[i].begun);
        EXPECT_EQ(recoveryTimeline(m.fromMinutes)[i].reached, m.fromMinutes == m.toMinutes);
        // The ends rise strictly: one minute short of its end a milestone is the only next one.
        const auto before = recoveryTimeline(m.toMinutes - 1);
        EXPECT_EQ(before[i].minutesLeft, 1);
        for (std::size_t j = 0; j < before.size(); ++j)
            EXPECT_EQ(before[j].next, j == i) << j;
        const MilestoneProgress reached = recoveryTimeline(m.toMinutes)[i];
        EXPECT_TRUE(reached.reached && !reached.next);
        EXPECT_EQ(reached.minutesLeft, 0);
    }
}

TEST(DurationText, NoLeadingZeroUnits) {
    const std::pair<std::int64_t, const char*> cases[] = {{-3, "０分"},
                                                          {60, "１時間０分"},
                                                          {1440, "１日０時間０分"},
                                                          {50 * 1440 + 61, "５０日１時間１分"}};
    for (const auto& [minutes, text] : cases)
        EXPECT_EQ(durationText(minutes), text) << minutes;
    EXPECT_EQ(timeLeftText(192), "あと３時間１２分");
}
