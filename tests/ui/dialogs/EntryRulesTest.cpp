#include "ui/dialogs/EntryRules.h"

#include <gtest/gtest.h>
#include <limits>

using namespace kemurina;

TEST(ValueOfText, ReadsTheLeadingHalfWidthNumberAfterBlanks) {
    EXPECT_EQ(valueOfText(QStringLiteral("2009")), 2009);
    EXPECT_EQ(valueOfText(QStringLiteral("  \t12abc")), 12);
    EXPECT_EQ(valueOfText(QStringLiteral("7 5")), 7);
    EXPECT_EQ(valueOfText(QStringLiteral("+8")), 8);
    EXPECT_EQ(valueOfText(QStringLiteral("12.9")), 12);
    EXPECT_EQ(valueOfText(QStringLiteral(".5")), 0);
    EXPECT_EQ(valueOfText(QStringLiteral("-3")), -3);
    EXPECT_EQ(valueOfText(QStringLiteral("-0.5")), -1); // rounded down, not toward zero
    EXPECT_EQ(valueOfText(QStringLiteral("-2.0")), -2);
}

TEST(ValueOfText, IsZeroWhenTheTextDoesNotStartWithAHalfWidthNumber) {
    for (const char* text : {"", "   ", "abc", "-", ".", "x12", "２００９", "　12"})
        EXPECT_EQ(valueOfText(QString::fromUtf8(text)), 0) << text;
}

TEST(ValueOfText, SaturatesHugeNumbers) {
    constexpr auto max = std::numeric_limits<std::int32_t>::max();
    constexpr auto min = std::numeric_limits<std::int32_t>::min();
    EXPECT_EQ(valueOfText(QStringLiteral("2147483647")), max);
    EXPECT_EQ(valueOfText(QStringLiteral("2147483648")), max);
    EXPECT_EQ(valueOfText(QString(400, u'9')), max);
    EXPECT_EQ(valueOfText(QStringLiteral("-") + QString(400, u'9')), min);
}

TEST(StrictWholeNumber, AcceptsOnlyAWholeNumberText) {
    EXPECT_EQ(strictWholeNumber(QStringLiteral("12244")), 12244);
    EXPECT_EQ(strictWholeNumber(QStringLiteral(" 5 ")), 5);
    EXPECT_EQ(strictWholeNumber(QStringLiteral("-1")), -1);
    EXPECT_EQ(strictWholeNumber(QStringLiteral("0")), 0);
    for (const char* text : {"", " ", "abc", "12a", "1 2", "２", "-", ".", "99999999999"})
        EXPECT_FALSE(strictWholeNumber(QString::fromUtf8(text))) << text;
}

TEST(StrictWholeNumber, RoundsFractionsToTheNearestEvenOnHalves) {
    EXPECT_EQ(strictWholeNumber(QStringLiteral("2.5")), 2);
    EXPECT_EQ(strictWholeNumber(QStringLiteral("3.5")), 4);
    EXPECT_EQ(strictWholeNumber(QStringLiteral("2.51")), 3);
    EXPECT_EQ(strictWholeNumber(QStringLiteral("7.49")), 7);
    EXPECT_EQ(strictWholeNumber(QStringLiteral("-2.6")), -3);
}

TEST(QuitMomentRange, FollowsTheCalendarAndTheCurrentYear) {
    const auto errors = [](int y, int mo, int d, int h = 0, int mi = 0) {
        return quitMomentRangeErrors({y, mo, d, h, mi}, 2010);
    };
    EXPECT_EQ(errors(2000, 2, 29), 0);
    EXPECT_EQ(errors(2008, 2, 29), 0);
    EXPECT_GT(errors(1900, 2, 29), 0);
    EXPECT_GT(errors(2010, 2, 29), 0);
    EXPECT_GT(errors(2009, 4, 31), 0);
    EXPECT_EQ(errors(2009, 5, 31), 0);
    EXPECT_GT(errors(1899, 1, 1), 0);
    EXPECT_EQ(errors(1900, 1, 1), 0);
    EXPECT_GT(errors(2011, 1, 1), 0);
    EXPECT_EQ(errors(2010, 12, 31, 23, 59), 0);
    EXPECT_GT(errors(2009, 1, 1, 24, 0), 0);
    EXPECT_GT(errors(2009, 1, 1, 0, 60), 0);
    EXPECT_GT(errors(2009, 0, 1), 0);
    EXPECT_GT(errors(2009, 1, 0), 0);
    EXPECT_EQ(errors(0, 0, 0, -1, -1), 5); // every test counts on its own
}

TEST(QuitMomentLater, ComparesToTheMinute) {
    const DateTimeParts now{2010, 10, 1, 12, 0};
    EXPECT_FALSE(isLaterThan(now, now));
    EXPECT_TRUE(isLaterThan({2010, 10, 1, 12, 1}, now));
    EXPECT_FALSE(isLaterThan({2010, 10, 1, 11, 59}, now));
    EXPECT_TRUE(isLaterThan({2010, 10, 2, 0, 0}, now));
    EXPECT_FALSE(isLaterThan({2009, 12, 31, 23, 59}, now));
}
