#include "content/DailyMessages.h"

#include <gtest/gtest.h>

#include <limits>

using namespace kemurina;

namespace {

constexpr auto kMax = std::numeric_limits<std::int32_t>::max();

struct Pick {
    std::int32_t years, months, days;
    int r, message;
};

// The first days by day count with their drawn alternatives, then months and years; the
// milestone days win over every draw; nothing below zero or beyond the table.
TEST(DailyMessages, PickByDaysMonthsYearsAndDraw) {
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
}

TEST(DailyMessages, TextByNumber) {
    EXPECT_EQ(dailyMessage(0, 0, 7, 99), "よし！！一週間だ！！よくやった！！エライゾー！！");
    EXPECT_EQ(dailyMessage(1, 0, 366, 0), "～ ご卒煙おめでとうございます ～");
    EXPECT_EQ(dailyMessageText(-1), "");
    EXPECT_EQ(dailyMessageText(kDailyMessageCount), "");
}

} // namespace
