#include "core/Refresh.h"

#include "core/Reports.h"
#include "core/SpokenTexts.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <limits>

using namespace kemurina;

namespace {

AppState refreshed(DateTimeParts now, DateTimeParts quit = {2010, 1, 1, 0, 0},
                   int profileSuffix = 0) {
    AppState s;
    s.profile.setQuitMoment(quit);
    s.options.profileSuffix = profileSuffix;
    refreshAll(s, now, 50);
    return s;
}

// Quit 1 October 2010 00:00, refreshed 3 days 4 hours 5 minutes later.
AppState exampleState(int profileSuffix = 1) {
    return refreshed({2010, 10, 4, 4, 5}, {2010, 10, 1, 0, 0}, profileSuffix);
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
    refreshAll(s, {2010, 2, 4, 4, 6}, 50);
    EXPECT_FALSE(s.elapsedToggle);
    EXPECT_EQ(s.display.captions[ElapsedCaption], "０年１ヶ月３日４時間６分");
    // The mini summary was built while the toggle still stood.
    EXPECT_EQ(s.display.miniSummary, longReport(s).replace("0年 1ヶ月 3日", "34日"));
}

TEST(Reports, LongReportSixLines) {
    const AppState s = exampleState();
    EXPECT_EQ(longReport(s), "ステータス： 兵長\r\n"
                             "卒煙日： 2010年 10月 1日（20本-300円-中）\r\n"
                             "卒煙からの日数： 0年 0ヶ月 3日 4時間 5分\r\n"
                             "延びた寿命： 0日と5時間48分\r\n"
                             "節約できた金額： 951円（節税分 821円）\r\n"
                             "節煙本数： 63本 5.39ｍ 幕末の志士の銅像（台座なし）");
    const std::pair<int, const char*> tails[] = {{0, "日"}, {2, "日（20本-5年）"}, {7, ""}};
    for (const auto& [suffix, tail] : tails) {
        const AppState t = exampleState(suffix);
        EXPECT_EQ(longReport(t).split("\r\n")[1], "卒煙日： 2010年 10月 1" + QString(tail));
        EXPECT_EQ(miniSummary(t), suffix == 7 ? QString() : longReport(t)) << suffix;
    }
    EXPECT_EQ(sizeWord(50) + sizeWord(70) + sizeWord(100), "小大"); // 85 above
}

TEST(Reports, ShortPostOneLine) {
    AppState s = exampleState(0);
    EXPECT_EQ(shortPost(s), "２０１０年１０月１日に卒煙。０年０ヶ月３日４時間５分経過しました。" +
                                s.shortSummary + "ステータスは兵長。");
    s.options.profileSuffix = 1;
    EXPECT_TRUE(shortPost(s).contains("日に卒煙。それまで１日２０本吸っていました。０年"));
    s.options.profileSuffix = 2;
    EXPECT_TRUE(shortPost(s).contains("日に卒煙。それまで５年間１日２０本吸っていました。０年"));
    toggleElapsedLabel(s);
    EXPECT_TRUE(shortPost(s).contains("。３日４時間５分経過しました。"));
}

// Each picture is named by the day from which it is on show; the lungs count down to pink.
TEST(SpokenTexts, ValueAfterHeading) {
    AppState s = refreshed({2010, 1, 5, 5, 7});
    const SpokenTexts spoken = spokenTexts(s);
    EXPECT_EQ(spoken.values[ElapsedCaption], "卒煙からの日数　０年０ヶ月４日５時間７分");
    EXPECT_EQ(spoken.values[MessageCaption], "今日の一言　" + s.display.captions[MessageCaption]);
    EXPECT_EQ(spoken.progress, "次の目標まで３３分の１２");
    EXPECT_EQ(spoken.pictures[0], "卒煙１１日達成の記念　アヒルの副隊長がやってきた");
    EXPECT_EQ(spoken.lungs, "肺の状態　ピンク色（回復）まであと３５日");
    for (const auto& [days, lungs] :
         {std::pair{38, "ピンク色（回復）まであと１日"}, std::pair{39, "ピンク色（回復）"}}) {
        s.metrics.wholeDays = days;
        EXPECT_EQ(spokenTexts(s).lungs, "肺の状態　" + QString(lungs)) << days;
    }
}

TEST(SpokenTexts, ColourSampleNames) {
    const auto said = [](Rgb text, Rgb back) {
        return colourSampleText(text.toWindowsColor(), back.toWindowsColor());
    };
    EXPECT_EQ(said({255, 255, 255}, {28, 4, 141}), "文字は白、背景は紺");
    EXPECT_EQ(said({10, 0, 20}, {200, 190, 190}), "文字は黒、背景は明るい灰色");
    EXPECT_EQ(said({250, 150, 180}, {0, 70, 10}), "文字はピンク、背景は深緑");
}

} // namespace
