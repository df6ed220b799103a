#include "content/StatusRanks.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <limits>
#include <string>

using kemurina::statusTitle;

namespace {

constexpr std::int32_t kMaxI32 = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMinI32 = std::numeric_limits<std::int32_t>::min();

std::string title(const char* theme, std::int32_t days, std::int32_t years) {
    return statusTitle(QString::fromUtf8(theme), days, years).toStdString();
}

struct Case {
    std::int32_t days;
    std::int32_t years;
    const char* expected;
};

void expectTitles(const char* theme, std::initializer_list<Case> cases) {
    for (const Case& c : cases)
        EXPECT_EQ(title(theme, c.days, c.years), c.expected)
            << theme << " days " << c.days << " years " << c.years;
}

} // namespace

TEST(StatusRanks, SoldierDayRowsAreExactThenStrict) {
    expectTitles("ソルジャー", {{0, 0, "２等兵"},
                                {5, 0, "軍曹"},
                                {6, 0, "曹長"},
                                {7, 0, "曹長"},
                                {8, 0, "准尉"},
                                {25, 0, "少将"},
                                {29, 0, "中将"},
                                {30, 0, "大将"},
                                {59, 0, "大将"},
                                {329, 0, "ラオウ"},
                                {330, 0, "トキ"},
                                {365, 0, "トキ"}});
}

TEST(StatusRanks, YearRowsOverrideDaysAndLastMatchWins) {
    expectTitles("ソルジャー", {{0, 1, "ケンシロウ"},
                                {400, 1, "ケンシロウ"},
                                {2000, 5, "ルフィ"},
                                {3600, 9, "ルフィ"},
                                {4000, 10, "ユリア"},
                                {40000, 100, "宇宙大神"},
                                {120000, 332, "宇宙大神"},
                                {120000, 333, "ルパン三世"},
                                {120000, 334, "宇宙大神"},
                                {365000, 999, "宇宙大神"},
                                {365000, 1000, "トトロ"},
                                {kMaxI32, kMaxI32, "トトロ"}});
}

TEST(StatusRanks, CosmoAndCompanyShareTheConditions) {
    expectTitles(
        "コスモ",
        {{0, 0, "素粒子"}, {330, 0, "小宇宙"}, {366, 1, "コスモ"}, {120000, 333, "ルパン三世"}});
    expectTitles("会社モード", {{5, 0, "正社員二年目"},
                                {6, 0, "正社員三年目"},
                                {1100, 3, "内閣最高顧問"},
                                {365000, 1000, "トトロ"}});
}

TEST(StatusRanks, TourVisitsOnePlacePerDay) {
    EXPECT_EQ(kemurina::tourPlaces().size(), 366u);
    EXPECT_EQ(title("日本旅行", 0, 0), "西表島");
    EXPECT_EQ(title("日本旅行", 220, 0), "富士山");
    EXPECT_EQ(title("日本旅行", 364, 0), "網走");
}

TEST(StatusRanks, TourLeapDayAndYearRows) {
    expectTitles("日本旅行", {{365, 0, "網走"},
                              {365, 1, "知床"},
                              {366, 1, "知床"},
                              {800, 2, "ハワイ"},
                              {3700, 10, "中国"},
                              {4100, 11, "日本"},
                              {36500, 99, "日本"},
                              {36600, 100, "天空の城"},
                              {121700, 333, "天空の城"},
                              {365300, 1000, "神の国"},
                              // days past the tour with no completed year match no row
                              {366, 0, ""},
                              {kMaxI32, 0, ""}});
}

TEST(StatusRanks, UnknownThemeGivesEmptyTitle) {
    for (const char* theme : {"ソルジャー ", " コスモ", "ｿﾙｼﾞｬｰ", "soldier", "", "日本旅行\n"})
        EXPECT_EQ(title(theme, 10, 0), "") << theme;
    EXPECT_TRUE(statusTitle(QString(), 10, 0).isEmpty());
}

TEST(StatusRanks, NegativeDaysGiveEmptyTitleInEveryTheme) {
    for (const char* theme : kemurina::kStatusThemes) {
        expectTitles(theme, {{-1, 0, ""}, {-1, 5, ""}, {kMinI32, kMinI32, ""}});
        EXPECT_NE(title(theme, 0, 0), "") << theme;
    }
}
