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

// The leap days, the year limits and the minute comparison are covered through the
// settings window's table; these are the remaining edges.
TEST(QuitMomentRange, CountsEachFailedTestOnItsOwn) {
    EXPECT_EQ(quitMomentRangeErrors({1900, 1, 1, 0, 0}, 2010), 0);
    EXPECT_EQ(quitMomentRangeErrors({2010, 12, 31, 23, 59}, 2010), 0);
    EXPECT_EQ(quitMomentRangeErrors({2009, 6, 31, 24, 60}, 2010), 3);
    EXPECT_EQ(quitMomentRangeErrors({2009, 2, 30, 0, 0}, 2010), 1);
    EXPECT_EQ(quitMomentRangeErrors({0, 0, 0, -1, -1}, 2010), 5);
}

TEST(QuitMomentLater, ComparesAcrossDayAndYearEnds) {
    const DateTimeParts now{2010, 1, 1, 0, 0};
    EXPECT_FALSE(isLaterThan({2009, 12, 31, 23, 59}, now));
    EXPECT_TRUE(isLaterThan({2010, 1, 1, 0, 1}, now));
    EXPECT_TRUE(isLaterThan({2010, 1, 2, 0, 0}, {2010, 1, 1, 23, 59}));
}
