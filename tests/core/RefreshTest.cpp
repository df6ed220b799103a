#include "core/Refresh.h"

#include "core/Reports.h"

#include <gtest/gtest.h>
#include <limits>

using namespace kemurina;

namespace {

AppState refreshed(DateTimeParts now, DateTimeParts quit = {2010, 1, 1, 0, 0}) {
    AppState s;
    s.profile.setQuitMoment(quit);
    refreshAll(s, now, 50);
    return s;
}

TEST(Refresh, CaptionsAndShortSummary) {
    const AppState day = refreshed({2010, 1, 2, 0, 0});
    const std::array<QString, kCaptionCount> captions = {
        "０年０ヶ月１日０時間０分", "０日と１時間５０分",
        "300円（節税分 258円）",    "１等兵",
        "1箱 1.7ｍ シーラカンス",   "とにかく今日です！どんな手を使ってもいい！がんばれ！"};
    EXPECT_EQ(day.display.captions, captions);
    EXPECT_EQ(day.shortSummary, "節約できた金額は３００円です。"
                                "節煙本数は２０本で、これは１．７ｍのシーラカンスに匹敵します。");
    // Before the quit moment there is neither a rank nor a message.
    const AppState back = refreshed({2009, 12, 31, 0, 0});
    EXPECT_EQ(back.display.captions[StatusCaption] + back.display.captions[MessageCaption], "");
}

TEST(Refresh, LungsRedThenPink) {
    constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
    constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
    const std::pair<std::int32_t, Rgb> days[] = {
        {-1, {0, 0, 0}},       {0, {5, 0, 0}},          {25, {255, 0, 0}}, {26, {255, 10, 10}},
        {39, {255, 140, 140}}, {kMax, {255, 140, 140}}, {kMin, {0, 0, 0}}};
    for (const auto& [day, colour] : days)
        EXPECT_EQ(lungColour(day), colour) << day;
}

// Pictures on show as 0 and 1 in picture order; progress -1: the bar is hidden and the
// pictures move up to the milestone row.
TEST(Refresh, ElevenDayBands) {
    const std::tuple<std::int32_t, const char*, int> bands[] = {
        {-1, "000000", 0},  {10, "000000", 30}, {11, "100000", 0},  {21, "100000", 30},
        {22, "101000", 0},  {32, "101000", 30}, {33, "111000", -1}, {44, "011100", -1},
        {55, "010101", -1}, {65, "010101", -1}, {66, "000111", -1}};
    for (const auto& [day, pictures, progress] : bands) {
        const MilestoneView v = milestoneView(day);
        QString shown;
        for (const bool visible : v.visible)
            shown += visible ? u'1' : u'0';
        EXPECT_EQ(shown, pictures) << day;
        EXPECT_EQ(v.topTwips, progress < 0 ? std::optional(kMilestoneRowTopTwips) : std::nullopt)
            << day;
        EXPECT_EQ(v.hideProgressBar, progress < 0) << day;
        EXPECT_EQ(v.progressValue, std::max(progress, 0)) << day;
    }
}

TEST(Refresh, ToggleUntilNextRefresh) {
    AppState s = refreshed({2010, 2, 4, 4, 5});
    EXPECT_EQ(s.display.captions[ElapsedCaption], "０年１ヶ月３日４時間５分");
    toggleElapsedLabel(s);
    EXPECT_EQ(s.display.captions[ElapsedCaption], "３４日４時間５分");
    toggleElapsedLabel(s);
    EXPECT_EQ(s.display.captions[ElapsedCaption], "０年１ヶ月３日４時間５分");
    toggleElapsedLabel(s);
    refreshAll(s, {2010, 2, 4, 4, 6}, 50);
    EXPECT_FALSE(s.elapsedToggle);
    EXPECT_EQ(s.display.captions[ElapsedCaption], "０年１ヶ月３日４時間６分");
    // The mini summary was built while the toggle still stood.
    EXPECT_EQ(s.display.miniSummary, longReport(s).replace("0年 1ヶ月 3日", "34日"));
}

} // namespace
