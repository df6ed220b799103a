#include "core/Refresh.h"

#include "core/Reports.h"

#include <gtest/gtest.h>
#include <limits>

using namespace kemurina;

namespace {

AppState refreshed(DateTimeParts now, int r = 50, DateTimeParts quit = {2010, 1, 1, 0, 0}) {
    AppState s;
    s.profile.setQuitMoment(quit);
    refreshAll(s, now, r);
    return s;
}

TEST(Refresh, CaptionsOnDayZeroAndOne) {
    const AppState start = refreshed({2010, 1, 1, 0, 0});
    const std::array<QString, kCaptionCount> atStart = {
        "０年０ヶ月０日０時間０分", "０日と０時間０分",
        "0円（節税分 0円）",        "２等兵",
        "0本 0ｍ ガンバレ－",       "さあ今日からいよいよ卒煙です！がんばりましょう！"};
    EXPECT_EQ(start.display.captions, atStart);
    EXPECT_EQ(start.shortSummary,
              "節約できた金額は０円です。節煙本数は０本で、これは０ｍのガンバレ－に匹敵します。");

    const AppState day = refreshed({2010, 1, 2, 0, 0});
    EXPECT_EQ(day.display.captions[LifeCaption], "０日と１時間５０分");
    EXPECT_EQ(day.display.captions[MoneyCaption], "300円（節税分 258円）");
    EXPECT_EQ(day.display.captions[NotSmokedCaption], "1箱 1.7ｍ シーラカンス");
    EXPECT_EQ(day.shortSummary, "節約できた金額は３００円です。"
                                "節煙本数は２０本で、これは１．７ｍのシーラカンスに匹敵します。");
}

TEST(Refresh, LungsRedThenPink) {
    const std::pair<std::int32_t, Rgb> days[] = {
        {-1, {0, 0, 0}},
        {0, {5, 0, 0}},
        {24, {245, 0, 0}},
        {25, {255, 0, 0}},
        {26, {255, 10, 10}},
        {39, {255, 140, 140}},
        {std::numeric_limits<std::int32_t>::max(), {255, 140, 140}},
        {std::numeric_limits<std::int32_t>::min(), {0, 0, 0}}};
    for (const auto& [day, colour] : days)
        EXPECT_EQ(lungColour(day), colour) << day;
}

TEST(Refresh, ElevenDayBands) {
    using Pictures = std::array<bool, kMilestonePictureCount>;
    struct Band {
        std::int32_t day;
        Pictures visible;
        bool moved;
        int progress; // -1: the bar is hidden
    };
    for (const Band& b : {Band{-1, {}, false, 0}, Band{10, {}, false, 30},
                          Band{11, {true, false, false, false, false, false}, false, 0},
                          Band{21, {true, false, false, false, false, false}, false, 30},
                          Band{22, {true, false, true, false, false, false}, false, 0},
                          Band{32, {true, false, true, false, false, false}, false, 30},
                          Band{33, {true, true, true, false, false, false}, true, -1},
                          Band{44, {false, true, true, true, false, false}, true, -1},
                          Band{55, {false, true, false, true, false, true}, true, -1},
                          Band{65, {false, true, false, true, false, true}, true, -1},
                          Band{66, {false, false, false, true, true, true}, true, -1}}) {
        const MilestoneView v = milestoneView(b.day);
        EXPECT_EQ(v.visible, b.visible) << b.day;
        EXPECT_EQ(v.topTwips, b.moved ? std::optional(kMilestoneRowTopTwips) : std::nullopt)
            << b.day;
        EXPECT_EQ(v.hideProgressBar, b.progress < 0) << b.day;
        EXPECT_EQ(v.progressValue, std::max(b.progress, 0)) << b.day;
    }
}

TEST(Refresh, BelowZeroDays) {
    const AppState s = refreshed({2010, 2, 20, 12, 0}, 50, {2010, 3, 10, 12, 0});
    EXPECT_EQ(s.metrics.totalMinutes, -18 * 1440);
    EXPECT_EQ(s.display.captions[MessageCaption], "");
    EXPECT_EQ(s.display.captions[StatusCaption], "");
    EXPECT_EQ(s.display.captions[NotSmokedCaption], "-18箱 -30.6ｍ ガンバレ－");
}

TEST(Refresh, ToggleUntilNextRefresh) {
    AppState s = refreshed({2010, 2, 4, 4, 5});
    EXPECT_EQ(s.display.captions[ElapsedCaption], "０年１ヶ月３日４時間５分");
    toggleElapsedLabel(s);
    EXPECT_EQ(s.elapsedToggle, 1);
    EXPECT_EQ(s.display.captions[ElapsedCaption], "３４日４時間５分");
    toggleElapsedLabel(s);
    EXPECT_EQ(s.display.captions[ElapsedCaption], "０年１ヶ月３日４時間５分");
    toggleElapsedLabel(s);
    refreshAll(s, {2010, 2, 4, 4, 6}, 50);
    EXPECT_EQ(s.elapsedToggle, 0);
    EXPECT_EQ(s.display.captions[ElapsedCaption], "０年１ヶ月３日４時間６分");
    // The mini summary was built while the toggle still stood.
    EXPECT_EQ(s.display.miniSummary, longReport(s).replace("0年 1ヶ月 3日", "34日"));
    s.options.profileSuffix = 3;
    refreshAll(s, {2010, 2, 4, 4, 6}, 50);
    EXPECT_EQ(s.display.miniSummary, "");
}

} // namespace
