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
    const std::pair<std::int32_t, const char*> sizes[] = {
        {50, "小"}, {85, "中"}, {100, "大"}, {70, ""}};
    for (const auto& [length, word] : sizes)
        EXPECT_EQ(sizeWord(length), word) << length;
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

} // namespace
