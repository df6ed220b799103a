#include "core/Refresh.h"

#include "core/Reports.h"

#include <gtest/gtest.h>

using namespace kemurina;

namespace {

AppState stateQuitAt(DateTimeParts quit) {
    AppState s;
    s.profile.setQuitMoment(quit);
    return s;
}

// Adds whole days to 2010-01-01 00:00 within the same year.
DateTimeParts dayOf2010(int day) {
    static constexpr int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int month = 1;
    while (day >= lengths[month - 1]) {
        day -= lengths[month - 1];
        ++month;
    }
    return {2010, month, day + 1, 0, 0};
}

AppState refreshedOnDay(int day, int r = 50) {
    AppState s = stateQuitAt({2010, 1, 1, 0, 0});
    refreshAll(s, dayOf2010(day), r);
    return s;
}

} // namespace

TEST(Refresh, AtTheQuitMomentEverythingReadsZero) {
    const AppState s = refreshedOnDay(0);
    const auto& c = s.display.captions;
    EXPECT_EQ(c[ElapsedCaption], "０年０ヶ月０日０時間０分");
    EXPECT_EQ(c[MoneyCaption], "0円（節税分 0円）");
    EXPECT_EQ(c[LifeCaption], "０日と０時間０分");
    EXPECT_EQ(c[NotSmokedCaption], "0本 0ｍ ガンバレ－");
    EXPECT_EQ(c[StatusCaption], "２等兵");
    EXPECT_EQ(c[MessageCaption], "さあ今日からいよいよ卒煙です！がんばりましょう！");
    EXPECT_EQ(s.shortSummary,
              "節約できた金額は０円です。節煙本数は０本で、これは０ｍのガンバレ－に匹敵します。");
    EXPECT_EQ(s.display.lungColour, (Rgb{5, 0, 0}));
    EXPECT_EQ(s.display.milestones.progressValue, 0);
}

TEST(Refresh, OneDayWithThePackForm) {
    const AppState s = refreshedOnDay(1, 50);
    EXPECT_EQ(s.display.captions[NotSmokedCaption], "1箱 1.7ｍ シーラカンス");
    EXPECT_EQ(s.display.captions[MoneyCaption], "300円（節税分 258円）");
    EXPECT_EQ(s.display.captions[LifeCaption], "０日と１時間５０分");
    EXPECT_TRUE(
        s.shortSummary.endsWith("節煙本数は２０本で、これは１．７ｍのシーラカンスに匹敵します。"));
}

TEST(Refresh, LungColourTurnsRedThenPink) {
    EXPECT_EQ(lungColour(24), (Rgb{245, 0, 0}));
    EXPECT_EQ(lungColour(25), (Rgb{255, 0, 0}));
    EXPECT_EQ(lungColour(26), (Rgb{255, 10, 10}));
    EXPECT_EQ(lungColour(39), (Rgb{255, 140, 140}));
    EXPECT_EQ(lungColour(std::numeric_limits<std::int32_t>::max()), (Rgb{255, 140, 140}));
    EXPECT_EQ(lungColour(-1), (Rgb{0, 0, 0}));
    EXPECT_EQ(lungColour(std::numeric_limits<std::int32_t>::min()), (Rgb{0, 0, 0}));
}

TEST(Refresh, MilestoneBandsAndProgress) {
    EXPECT_EQ(milestoneView(10).progressValue, 30);
    EXPECT_FALSE(milestoneView(10).visible[Image1_10]);

    const MilestoneView day11 = milestoneView(11);
    EXPECT_EQ(day11.progressValue, 0);
    EXPECT_TRUE(day11.visible[Image1_10]);
    EXPECT_FALSE(day11.topTwips);
    EXPECT_EQ(milestoneView(21).progressValue, 30);
    EXPECT_EQ(milestoneView(32).progressValue, 30);

    const MilestoneView day33 = milestoneView(33);
    EXPECT_EQ(day33.visible, (std::array<bool, 6>{true, true, true, false, false, false}));
    EXPECT_EQ(day33.topTwips, 2850);
    EXPECT_TRUE(day33.hideProgressBar);
    EXPECT_EQ(day33.progressValue, 0);

    EXPECT_EQ(milestoneView(65).visible,
              (std::array<bool, 6>{false, true, false, true, false, true}));
    EXPECT_EQ(milestoneView(66).visible,
              (std::array<bool, 6>{false, false, false, true, true, true}));
    EXPECT_EQ(milestoneView(std::numeric_limits<std::int32_t>::max()).visible[Image3_1], true);
}

TEST(Refresh, BelowZeroDaysShowsNothingAndAnEmptyMessage) {
    AppState s = stateQuitAt({2010, 3, 10, 12, 0});
    refreshAll(s, {2010, 2, 20, 12, 0}, 50);
    EXPECT_EQ(s.metrics.totalMinutes, -18 * 1440);
    EXPECT_EQ(s.display.milestones, MilestoneView{});
    EXPECT_EQ(s.display.captions[MessageCaption], "");
    EXPECT_EQ(s.display.captions[StatusCaption], "");
    EXPECT_EQ(s.display.captions[NotSmokedCaption], "-18箱 -30.6ｍ ガンバレ－");
    EXPECT_EQ(s.display.lungColour, (Rgb{0, 0, 0}));
}

TEST(Refresh, ElapsedToggleShowsDayCountUntilTheNextRefresh) {
    AppState s = stateQuitAt({2010, 1, 1, 0, 0});
    refreshAll(s, {2010, 2, 4, 4, 5}, 50);
    EXPECT_EQ(s.display.captions[ElapsedCaption], "０年１ヶ月３日４時間５分");
    toggleElapsedLabel(s);
    EXPECT_EQ(s.elapsedToggle, 1);
    EXPECT_EQ(s.display.captions[ElapsedCaption], "３４日４時間５分");
    toggleElapsedLabel(s);
    EXPECT_EQ(s.display.captions[ElapsedCaption], "０年１ヶ月３日４時間５分");
    toggleElapsedLabel(s);
    refreshAll(s, {2010, 2, 4, 4, 5}, 50);
    EXPECT_EQ(s.elapsedToggle, 0);
    EXPECT_EQ(s.display.captions[ElapsedCaption], "０年１ヶ月３日４時間５分");
}

TEST(Refresh, MiniSummaryIsRebuiltOnEachRefreshAndReadsTheToggle) {
    AppState s = stateQuitAt({2010, 1, 1, 0, 0});
    refreshAll(s, {2010, 2, 4, 4, 5}, 50);
    EXPECT_TRUE(s.display.miniSummary.contains("卒煙からの日数： 0年 1ヶ月 3日 4時間 5分"));
    toggleElapsedLabel(s);
    refreshAll(s, {2010, 2, 4, 4, 6}, 50);
    EXPECT_TRUE(s.display.miniSummary.contains("卒煙からの日数： 34日 4時間 6分"))
        << s.display.miniSummary.toStdString();
    EXPECT_EQ(s.display.miniSummary, longReport(s).replace("0年 1ヶ月 3日", "34日"));

    s.options.profileSuffix = 3;
    refreshAll(s, {2010, 2, 4, 4, 6}, 50);
    EXPECT_EQ(s.display.miniSummary, "");
}

TEST(Refresh, UnknownThemeClearsTheStatus) {
    AppState s = stateQuitAt({2010, 1, 1, 0, 0});
    s.options.statusTheme = QStringLiteral("ソルジャー ");
    refreshAll(s, {2010, 1, 5, 0, 0}, 50);
    EXPECT_EQ(s.display.captions[StatusCaption], "");
}
