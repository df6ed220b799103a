#include "core/Reports.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace kemurina;

namespace {

// Quit 1 October 2010 00:00, refreshed 3 days 4 hours 5 minutes later.
AppState exampleState(int profileSuffix = 1, std::int32_t length = 85) {
    AppState s;
    s.profile = {2010, 10, 1, 0, 0, 20, 300, length};
    s.options.profileSuffix = profileSuffix;
    refreshAll(s, {2010, 10, 4, 4, 5}, 50);
    return s;
}

TEST(Reports, LongReportSixLines) {
    const AppState s = exampleState();
    const QString text = longReport(s);
    EXPECT_EQ(text, "ステータス： 兵長\r\n"
                    "卒煙日： 2010年 10月 1日（20本-300円-中）\r\n"
                    "卒煙からの日数： 0年 0ヶ月 3日 4時間 5分\r\n"
                    "延びた寿命： 0日と5時間48分\r\n"
                    "節約できた金額： " +
                        s.display.captions[MoneyCaption] +
                        "\r\n"
                        "節煙本数： " +
                        s.display.captions[NotSmokedCaption]);
    EXPECT_EQ(miniSummary(s), text);
}

TEST(Reports, ProfileTails) {
    const std::tuple<int, std::int32_t, QString> cases[] = {{0, 85, "日"},
                                                            {2, 85, "日（20本-5年）"},
                                                            {1, 50, "日（20本-300円-小）"},
                                                            {1, 100, "日（20本-300円-大）"},
                                                            {1, 70, "日（20本-300円-）"},
                                                            {7, 85, ""}};
    for (const auto& [suffix, length, tail] : cases) {
        const AppState s = exampleState(suffix, length);
        EXPECT_EQ(longReport(s).split("\r\n")[1], "卒煙日： 2010年 10月 1" + tail) << suffix;
        EXPECT_EQ(miniSummary(s).isEmpty(), suffix == 7);
    }
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
    EXPECT_TRUE(longReport(s).contains("\r\n卒煙からの日数： 3日 4時間 5分\r\n"));
}

} // namespace
