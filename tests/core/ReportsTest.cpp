#include "core/Reports.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace kemurina;

namespace {

// Quit 1 October 2010 00:00, refreshed 3 days 4 hours 5 minutes later.
AppState exampleState(int profileSuffix = 1) {
    AppState s;
    s.profile = {2010, 10, 1, 0, 0, 20, 300, 85};
    s.options.profileSuffix = profileSuffix;
    refreshAll(s, {2010, 10, 4, 4, 5}, 50);
    return s;
}

QStringList lines(const QString& text) {
    return text.split(QStringLiteral("\r\n"));
}

} // namespace

TEST(LongReport, HasSixLinesWithoutATrailingBreak) {
    const AppState s = exampleState();
    const QString text = longReport(s);
    EXPECT_EQ(text.count(QStringLiteral("\r\n")), 5);
    EXPECT_FALSE(text.endsWith(QStringLiteral("\n")));
    const QStringList l = lines(text);
    EXPECT_EQ(l[0], "ステータス： 兵長");
    EXPECT_EQ(l[1], "卒煙日： 2010年 10月 1日（20本-300円-中）");
    EXPECT_EQ(l[2], "卒煙からの日数： 0年 0ヶ月 3日 4時間 5分");
    EXPECT_EQ(l[3], "延びた寿命： 0日と5時間48分");
    EXPECT_EQ(l[4], "節約できた金額： " + s.display.captions[MoneyCaption]);
    EXPECT_EQ(l[5], "節煙本数： " + s.display.captions[NotSmokedCaption]);
}

TEST(LongReport, ProfileTailsAndSizeWords) {
    AppState s = exampleState(0);
    EXPECT_EQ(lines(longReport(s))[1], "卒煙日： 2010年 10月 1日");
    s.options.profileSuffix = 2;
    EXPECT_EQ(lines(longReport(s))[1], "卒煙日： 2010年 10月 1日（20本-5年）");
    s.options.profileSuffix = 1;
    s.profile.cigaretteLength = 50;
    EXPECT_TRUE(lines(longReport(s))[1].endsWith("円-小）"));
    s.profile.cigaretteLength = 100;
    EXPECT_TRUE(lines(longReport(s))[1].endsWith("円-大）"));
    s.profile.cigaretteLength = 70;
    EXPECT_TRUE(lines(longReport(s))[1].endsWith("円-）"));
}

TEST(LongReport, UsesTheDayCountFormWhileTheElapsedLabelShowsIt) {
    AppState s;
    s.profile = {2010, 1, 1, 0, 0, 20, 300, 85};
    refreshAll(s, {2010, 2, 3, 4, 5}, 50);
    toggleElapsedLabel(s);
    EXPECT_EQ(lines(longReport(s))[2], "卒煙からの日数： 33日 4時間 5分");
    EXPECT_TRUE(shortPost(s).contains("３３日４時間５分経過しました。"));
}

TEST(LongReport, ZeroLifeMinutes) {
    AppState s;
    s.profile = {2010, 1, 1, 0, 0, 20, 300, 85};
    refreshAll(s, {2010, 1, 1, 0, 0}, 50);
    EXPECT_EQ(lines(longReport(s))[3], "延びた寿命： 0日と0時間0分");
}

TEST(ShortPost, IsOneLineBuiltFromTheLabelsAndTheSummary) {
    AppState s = exampleState(0);
    EXPECT_EQ(shortPost(s), "２０１０年１０月１日に卒煙。" + s.display.captions[ElapsedCaption] +
                                "経過しました。" + s.shortSummary + "ステータスは兵長。");
    EXPECT_FALSE(shortPost(s).contains('\n'));
    s.options.profileSuffix = 1;
    EXPECT_TRUE(shortPost(s).contains("日に卒煙。それまで１日２０本吸っていました。"));
    s.options.profileSuffix = 2;
    EXPECT_TRUE(shortPost(s).contains("それまで５年間１日２０本吸っていました。"));
}
