#include "base/NumberText.h"
#include "content/ComparisonObjects.h"
#include "content/DailyMessages.h"
#include "content/StatusRanks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace kemurina;

namespace {

constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
constexpr double kInf = std::numeric_limits<double>::infinity();

struct Rank {
    std::size_t theme; // in kStatusThemes: soldier, cosmos, company, the tour
    std::int32_t days, years;
    const char* title;
};

TEST(StatusRanks, LaddersAndTheTour) {
    const Rank ranks[] = {
        {0, 0, 0, "２等兵"},         {0, 5, 0, "軍曹"},         {0, 6, 0, "曹長"},
        {0, 29, 0, "中将"},          {0, 30, 0, "大将"},        {0, 329, 0, "ラオウ"},
        {0, 330, 0, "トキ"},         {0, 0, 1, "ケンシロウ"},   {0, 999, 332, "宇宙大神"},
        {0, 999, 333, "ルパン三世"}, {0, 999, 334, "宇宙大神"}, {0, kMax, kMax, "トトロ"},
        {1, 366, 1, "コスモ"},       {2, 6, 0, "正社員三年目"}, {3, 0, 0, "西表島"},
        {3, 365, 0, "網走"},         {3, 365, 1, "知床"},       {3, 999, 11, "日本"},
        {3, 999, 1000, "神の国"},    {3, 366, 0, ""},           {3, kMax, 0, ""}};
    for (const Rank& r : ranks)
        EXPECT_EQ(statusTitle(kStatusThemes[r.theme], r.days, r.years), r.title)
            << r.theme << " " << r.days << " " << r.years;
    for (const char* theme : kStatusThemes) // no title before the quit moment
        EXPECT_EQ(statusTitle(theme, -1, 5) + statusTitle(theme, kMin, kMin), "") << theme;
}

TEST(ComparisonObjects, LastRowNotLonger) {
    const std::pair<double, const char*> cases[] = {{0, "ガンバレ－"},
                                                    {109.9, "ガンバレ－"},
                                                    {110, "ダチョウの卵"},
                                                    {179.99, "ダチョウの卵"},
                                                    {180, "鉛筆"},
                                                    {799999999.9, "国道１号線"},
                                                    {800000000, "成層圏を脱しました！"},
                                                    {kInf, "成層圏を脱しました！"},
                                                    {-kInf, "ガンバレ－"},
                                                    {std::nan(""), "ガンバレ－"}};
    for (const auto& [mm, label] : cases)
        EXPECT_EQ(pickComparison(mm), label) << mm;
    const std::pair<double, double> metres[] = {{1700, 1.7}, {5, 0},       {15, 0.02},   {25, 0.02},
                                                {55, 0.06},  {1234, 1.23}, {-1700, -1.7}};
    for (const auto& [mm, m] : metres)
        EXPECT_EQ(lengthInMetres(mm), m) << mm;
}

TEST(ComparisonObjects, PacksAndCartons) {
    struct Case {
        double mm;
        std::int32_t count, length, packs;
        const char* caption;
    };
    for (const Case& c :
         {Case{1700, 20, 85, 1, "1箱 1.7ｍ シーラカンス"},
          Case{1700, 20, 85, 0, "20本 1.7ｍ シーラカンス"},
          Case{1700, 20, 85, 2, "20本 1.7ｍ シーラカンス"}, Case{0, 0, 50, 1, "0本 0ｍ ガンバレ－"},
          Case{500, 10, 50, 1, "1箱 .5ｍ ノミのジャンプ"},
          Case{2550, 30, 85, 1, "30本 2.55ｍ ダチョウ"},
          Case{10000, 200, 50, 1, "1カートン 10ｍ 蒸気機関車Ｄ５１"},
          Case{17000, 200, 85, 1, "1カートン 17ｍ シャア専用ザク"},
          Case{-1700, -20, 85, 1, "-1箱 -1.7ｍ ガンバレ－"},
          Case{-1e12, -2147483600, 85, 1, "-10737418カートン -1000000000ｍ ガンバレ－"},
          Case{1e12, 2147483647, 85, 1, "2147483647本 1000000000ｍ 成層圏を脱しました！"}})
        EXPECT_EQ(notSmokedTexts(c.mm, c.count, c.length, c.packs).caption, c.caption)
            << c.count << " of " << c.length;
    EXPECT_EQ(notSmokedTexts(500, 10, 50, 1).sentence,
              "節煙本数は１０本で、これは．５ｍのノミのジャンプに匹敵します。");
    EXPECT_EQ(notSmokedTexts(-1700, -20, 85, 1).sentence,
              "節煙本数は－２０本で、これは－１．７ｍのガンバレ－に匹敵します。");
}

struct Pick {
    std::int32_t years, months, days;
    int r, message;
};

// The first days by day count with their drawn alternatives, then months and years; the
// milestone days win over every draw; nothing below zero or beyond the table.
TEST(DailyMessages, PickByDateAndDraw) {
    const Pick picks[] = {
        {0, 0, 0, 99, 0},     {0, 0, 4, 99, 4},    {0, 0, 31, 1, 31},    {0, 0, 33, 1, 44},
        {0, 0, 1, 0, 49},     {0, 0, 1, 19, 49},   {0, 0, 1, 20, 1},     {0, 0, 1, 21, 50},
        {0, 0, 1, 29, 50},    {0, 0, 1, 30, 1},    {0, 0, 1, 70, 1},     {0, 0, 1, 71, 48},
        {0, 0, 2, 19, 52},    {0, 0, 2, 21, 53},   {0, 0, 2, 50, 2},     {0, 0, 2, 99, 51},
        {0, 0, 3, 70, 3},     {0, 0, 3, 71, 54},   {0, 1, 31, 0, 32},    {0, 1, 31, 1, 45},
        {0, 1, 31, 2, 45},    {0, 1, 31, 3, 46},   {0, 1, 31, 4, 47},    {0, 1, 31, 5, 32},
        {0, 11, 360, 50, 42}, {0, 11, 360, 4, 47}, {1, 0, 365, 4, 43},   {5, 11, 2200, 71, 43},
        {0, 1, 33, 2, 44},    {0, 1, 34, 3, 55},   {0, 1, 35, 71, 56},   {0, 1, 44, 0, 57},
        {0, 1, 55, 99, 58},   {0, 2, 66, 4, 59},   {0, 0, -1, 50, -1},   {-1, 11, 100, 50, -1},
        {0, -1, 10, 50, -1},  {0, 0, 60, 50, -1},  {0, 0, kMax, 50, -1}, {0, 12, 5, 50, -1}};
    for (const Pick& p : picks)
        EXPECT_EQ(pickDailyMessage(p.years, p.months, p.days, p.r), p.message)
            << p.years << "y " << p.months << "m " << p.days << "d r" << p.r;
    EXPECT_EQ(dailyMessage(0, 0, 7, 99), "よし！！一週間だ！！よくやった！！エライゾー！！");
    EXPECT_EQ(dailyMessage(1, 0, 366, 0), "～ ご卒煙おめでとうございます ～");
    EXPECT_FALSE(dailyMessageText(0).isEmpty()); // the quit day's own message
    EXPECT_EQ(dailyMessageText(-1), "");
    EXPECT_EQ(dailyMessageText(kDailyMessageCount), "");
}

TEST(NumberText, PlainSpacedAndFullWidthForms) {
    const std::pair<double, const char*> cases[] = {
        {0, "0"},           {-0.0, "0"},
        {0.5, ".5"},        {0.05, ".05"},
        {-0.5, "-.5"},      {1.7, "1.7"},
        {-2448, "-2448"},   {123456789012345.0, "123456789012345"},
        {1e15, "1E+15"},    {-2.5e20, "-2.5E+20"},
        {0.00001, "1E-05"}, {kInf, "0"},
        {-kInf, "0"},       {std::nan(""), "0"}};
    for (const auto& [x, text] : cases)
        EXPECT_EQ(plainNumber(x), text) << x;
    EXPECT_EQ(spacedNumber(2590), " 2590");
    EXPECT_EQ(spacedNumber(0), " 0");
    EXPECT_EQ(spacedNumber(-3), "-3");
    EXPECT_EQ(wideNumber(-0.5), "－．５");
    EXPECT_EQ(toFullWidth(" !a~"), "　！ａ～");
    const QString unchanged = QString(QChar(0x1F)) + QChar(0x7F) + QChar(0x80) + "円";
    EXPECT_EQ(toFullWidth(unchanged), unchanged);
}

} // namespace
