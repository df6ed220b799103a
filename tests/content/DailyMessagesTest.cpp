#include "content/DailyMessages.h"

#include <gtest/gtest.h>

#include <limits>

using kemurina::dailyMessage;
using kemurina::dailyMessageText;
using kemurina::pickDailyMessage;

TEST(DailyMessages, FirstDaysFollowTheDayCount) {
    for (int r : {0, 50, 99})
        EXPECT_EQ(dailyMessage(0, 0, 0, r).toStdString(),
                  "さあ今日からいよいよ卒煙です！がんばりましょう！");
    EXPECT_EQ(dailyMessage(0, 0, 7, 99).toStdString(),
              "よし！！一週間だ！！よくやった！！エライゾー！！");
    EXPECT_EQ(pickDailyMessage(0, 0, 4, 99), 4);
    EXPECT_EQ(pickDailyMessage(0, 0, 31, 1), 31);
}

TEST(DailyMessages, DayOneAndTwoAlternativesAtTheirBoundaries) {
    struct Case {
        int r, day1, day2;
    };
    for (const Case c :
         {Case{0, 49, 52}, Case{19, 49, 52}, Case{20, 1, 2}, Case{21, 50, 53}, Case{29, 50, 53},
          Case{30, 1, 2}, Case{50, 1, 2}, Case{70, 1, 2}, Case{71, 48, 51}, Case{99, 48, 51}}) {
        EXPECT_EQ(pickDailyMessage(0, 0, 1, c.r), c.day1) << c.r;
        EXPECT_EQ(pickDailyMessage(0, 0, 2, c.r), c.day2) << c.r;
    }
}

TEST(DailyMessages, DayThreeAlternative) {
    EXPECT_EQ(pickDailyMessage(0, 0, 3, 0), 3);
    EXPECT_EQ(pickDailyMessage(0, 0, 3, 70), 3);
    EXPECT_EQ(pickDailyMessage(0, 0, 3, 71), 54);
    EXPECT_EQ(pickDailyMessage(0, 0, 3, 99), 54);
}

TEST(DailyMessages, MonthMessagesAndTheirWarnings) {
    EXPECT_EQ(pickDailyMessage(0, 1, 31, 0), 32);
    EXPECT_EQ(pickDailyMessage(0, 1, 31, 1), 45);
    EXPECT_EQ(pickDailyMessage(0, 1, 31, 2), 45);
    EXPECT_EQ(pickDailyMessage(0, 1, 31, 3), 46);
    EXPECT_EQ(pickDailyMessage(0, 1, 31, 4), 47);
    EXPECT_EQ(pickDailyMessage(0, 1, 31, 5), 32);
    EXPECT_EQ(pickDailyMessage(0, 1, 31, 99), 32);
    EXPECT_EQ(pickDailyMessage(0, 11, 360, 50), 42);
    EXPECT_EQ(pickDailyMessage(0, 11, 360, 4), 47);
}

TEST(DailyMessages, MilestoneDaysBeatRandomDraws) {
    struct Case {
        std::int32_t months, day;
        int message;
    };
    for (const Case c : {Case{1, 33, 44}, Case{1, 34, 55}, Case{1, 35, 56}, Case{1, 44, 57},
                         Case{1, 55, 58}, Case{2, 66, 59}}) {
        for (int r = 0; r < 100; ++r)
            EXPECT_EQ(pickDailyMessage(0, c.months, c.day, r), c.message) << c.day << " " << r;
    }
    // A milestone day also wins inside the first calendar month.
    EXPECT_EQ(pickDailyMessage(0, 0, 33, 1), 44);
}

TEST(DailyMessages, AfterTheFirstYearAlwaysTheSameMessage) {
    for (int r : {0, 1, 3, 4, 71, 99}) {
        EXPECT_EQ(pickDailyMessage(1, 0, 365, r), 43);
        EXPECT_EQ(pickDailyMessage(1, 3, 460, r), 43);
        EXPECT_EQ(pickDailyMessage(5, 11, 2200, r), 43);
    }
    EXPECT_EQ(dailyMessage(1, 0, 366, 0).toStdString(), "～ ご卒煙おめでとうございます ～");
}

TEST(DailyMessages, NegativeOrImpossibleElapsedTimeGivesNoMessage) {
    EXPECT_EQ(pickDailyMessage(0, 0, -1, 50), -1);
    EXPECT_EQ(pickDailyMessage(-1, 11, 100, 50), -1);
    EXPECT_EQ(pickDailyMessage(0, -1, 10, 50), -1);
    EXPECT_EQ(pickDailyMessage(std::numeric_limits<std::int32_t>::min(), 0, 0, 0), -1);
    EXPECT_TRUE(dailyMessage(0, 0, -1, 50).isEmpty());
    // Day counts beyond the first month with no month count reach past the table.
    EXPECT_EQ(pickDailyMessage(0, 0, 60, 50), -1);
    EXPECT_EQ(pickDailyMessage(0, 0, std::numeric_limits<std::int32_t>::max(), 50), -1);
}
