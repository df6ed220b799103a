#include "base/NumberText.h"

#include <gtest/gtest.h>

using namespace kemurina;

TEST(NumberText, PlainNumberDropsLeadingZeroAndTrailingZeros) {
    EXPECT_EQ(plainNumber(0), "0");
    EXPECT_EQ(plainNumber(-0.0), "0");
    EXPECT_EQ(plainNumber(0.5), ".5");
    EXPECT_EQ(plainNumber(0.05), ".05");
    EXPECT_EQ(plainNumber(-0.5), "-.5");
    EXPECT_EQ(plainNumber(1.7), "1.7");
    EXPECT_EQ(plainNumber(1.10), "1.1");
    EXPECT_EQ(plainNumber(3000), "3000");
    EXPECT_EQ(plainNumber(-2448), "-2448");
    EXPECT_EQ(plainNumber(123456789012345.0), "123456789012345");
}

TEST(NumberText, HugeAndTinyValuesUseTheExponentForm) {
    EXPECT_EQ(plainNumber(1e15), "1E+15");
    EXPECT_EQ(plainNumber(-2.5e20), "-2.5E+20");
    EXPECT_EQ(plainNumber(0.00001), "1E-05");
}

TEST(NumberText, NonFiniteValuesNeverReachTheScreenAsGarbage) {
    EXPECT_EQ(plainNumber(std::numeric_limits<double>::infinity()), "0");
    EXPECT_EQ(plainNumber(std::numeric_limits<double>::quiet_NaN()), "0");
}

TEST(NumberText, SpacedNumberLeadsWithASpaceUnlessNegative) {
    EXPECT_EQ(spacedNumber(2590), " 2590");
    EXPECT_EQ(spacedNumber(0), " 0");
    EXPECT_EQ(spacedNumber(-3), "-3");
}

TEST(NumberText, FullWidthCoversDigitsPointAndMinus) {
    EXPECT_EQ(wideNumber(2010), "２０１０");
    EXPECT_EQ(wideNumber(1.7), "１．７");
    EXPECT_EQ(wideNumber(-0.5), "－．５");
    EXPECT_EQ(toFullWidth(" a"), "　ａ");
    EXPECT_EQ(toFullWidth("円"), "円");
}
