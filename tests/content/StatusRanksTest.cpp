#include "content/StatusRanks.h"

#include <gtest/gtest.h>

#include <limits>

using namespace kemurina;

namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

struct Rank {
    const char* theme;
    std::int32_t days, years;
    const char* title;
};

TEST(StatusRanks, LaddersAndTheTour) {
    const Rank ranks[] = {{"ソルジャー", 0, 0, "２等兵"},
                          {"ソルジャー", 5, 0, "軍曹"},
                          {"ソルジャー", 6, 0, "曹長"},
                          {"ソルジャー", 8, 0, "准尉"},
                          {"ソルジャー", 29, 0, "中将"},
                          {"ソルジャー", 30, 0, "大将"},
                          {"ソルジャー", 329, 0, "ラオウ"},
                          {"ソルジャー", 330, 0, "トキ"},
                          {"ソルジャー", 0, 1, "ケンシロウ"},
                          {"ソルジャー", 4000, 10, "ユリア"},
                          {"ソルジャー", 120000, 332, "宇宙大神"},
                          {"ソルジャー", 120000, 333, "ルパン三世"},
                          {"ソルジャー", 120000, 334, "宇宙大神"},
                          {"ソルジャー", kMax, kMax, "トトロ"},
                          {"コスモ", 0, 0, "素粒子"},
                          {"コスモ", 366, 1, "コスモ"},
                          {"会社モード", 5, 0, "正社員二年目"},
                          {"会社モード", 6, 0, "正社員三年目"},
                          {"会社モード", 1100, 3, "内閣最高顧問"}};
    for (const Rank& r : ranks)
        EXPECT_EQ(statusTitle(r.theme, r.days, r.years), r.title) << r.theme << r.days;
    const Rank tour[] = {{"日本旅行", 0, 0, "西表島"},
                         {"日本旅行", 220, 0, "富士山"},
                         {"日本旅行", 365, 0, "網走"},
                         {"日本旅行", 365, 1, "知床"},
                         {"日本旅行", 4100, 11, "日本"},
                         {"日本旅行", 36600, 100, "天空の城"},
                         {"日本旅行", 365300, 1000, "神の国"},
                         {"日本旅行", 366, 0, ""},
                         {"日本旅行", kMax, 0, ""}};
    for (const Rank& r : tour)
        EXPECT_EQ(statusTitle(r.theme, r.days, r.years), r.title) << r.days << " " << r.years;
    EXPECT_EQ(tourPlaces().size(), 366u);
}

TEST(StatusRanks, UnknownThemeOrNegativeDays) {
    for (const char* theme : {"ソルジャー ", " コスモ", "ｿﾙｼﾞｬｰ", "soldier", "", "日本旅行\n"})
        EXPECT_EQ(statusTitle(theme, 10, 0), "") << theme;
    for (const char* theme : kStatusThemes) {
        EXPECT_EQ(statusTitle(theme, -1, 5), "") << theme;
        EXPECT_EQ(statusTitle(theme, kMin, kMin), "") << theme;
    }
}

} // namespace
