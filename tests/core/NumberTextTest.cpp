#include "base/NumberText.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace kemurina;

namespace {

TEST(NumberText, PlainAndSpacedForms) {
    constexpr double inf = std::numeric_limits<double>::infinity();
    const std::pair<double, const char*> cases[] = {
        {0, "0"},           {-0.0, "0"},
        {0.5, ".5"},        {0.05, ".05"},
        {-0.5, "-.5"},      {1.7, "1.7"},
        {-2448, "-2448"},   {123456789012345.0, "123456789012345"},
        {1e15, "1E+15"},    {-2.5e20, "-2.5E+20"},
        {0.00001, "1E-05"}, {inf, "0"},
        {-inf, "0"},        {std::nan(""), "0"}};
    for (const auto& [x, text] : cases)
        EXPECT_EQ(plainNumber(x), text) << x;
    EXPECT_EQ(spacedNumber(2590), " 2590");
    EXPECT_EQ(spacedNumber(0), " 0");
    EXPECT_EQ(spacedNumber(-3), "-3");
}

TEST(NumberText, FullWidthOfPrintableAscii) {
    EXPECT_EQ(wideNumber(-0.5), "－．５");
    EXPECT_EQ(toFullWidth(" !a~"), "　！ａ～");
    const QString unchanged = QString(QChar(0x1F)) + QChar(0x7F) + QChar(0x80) + "円";
    EXPECT_EQ(toFullWidth(unchanged), unchanged);
}

} // namespace
