#include "core/EntryRules.h"

#include <gtest/gtest.h>
#include <limits>

using namespace kemurina;

namespace {

constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
constexpr auto kMin = std::numeric_limits<std::int32_t>::min();

TEST(EntryRules, ValueOfText) {
    const std::pair<QString, std::int32_t> cases[] = {
        {"2009", 2009}, {"  \t12abc", 12}, {"7 5", 7},   {"+8", 8},       {"12.9", 12},
        {".5", 0},      {"-3", -3},        {"-0.5", -1}, {"-2.0", -2},    {"", 0},
        {"-", 0},       {".", 0},          {"x12", 0},   {"２００９", 0}, {"　12", 0}};
    for (const auto& [text, value] : cases)
        EXPECT_EQ(valueOfText(text), value) << qPrintable(text);
    const QString nines(400, u'9');
    EXPECT_EQ(valueOfText("2147483648"), kMax);
    EXPECT_EQ(valueOfText(nines), kMax);
    EXPECT_EQ(valueOfText("-" + nines), kMin);
}

TEST(EntryRules, StrictWholeNumber) {
    const std::pair<QString, std::optional<std::int32_t>> cases[] = {
        {"12244", 12244}, {" 5 ", 5},  {"-1", -1},   {"0", 0},  {"2.5", 2},         {"3.5", 4},
        {"2.51", 3},      {"7.49", 7}, {"-2.6", -3}, {"", {}},  {" ", {}},          {"12a", {}},
        {"1 2", {}},      {"２", {}},  {"-", {}},    {".", {}}, {"99999999999", {}}};
    for (const auto& [text, value] : cases)
        EXPECT_EQ(strictWholeNumber(text), value) << qPrintable(text);
}

TEST(EntryRules, RangeErrorsCountEachTest) {
    EXPECT_EQ(smokingProfileRangeErrors(1, 1), 0);
    EXPECT_EQ(smokingProfileRangeErrors(200, 2000), 0);
    EXPECT_EQ(smokingProfileRangeErrors(0, 2001), 2);
    EXPECT_EQ(smokingProfileRangeErrors(201, 0), 2);
    const std::pair<DateTimeParts, int> moments[] = {
        {{1900, 1, 1, 0, 0}, 0},  {{2010, 12, 31, 23, 59}, 0}, {{2009, 6, 31, 24, 60}, 3},
        {{2009, 2, 30, 0, 0}, 1}, {{2000, 2, 29, 0, 0}, 0},    {{0, 0, 0, -1, -1}, 5},
        {{2011, 1, 1, 0, 0}, 1},  {{2009, 4, 30, 0, 0}, 0},    {{2009, 13, 1, 0, 0}, 1}};
    for (const auto& [moment, errors] : moments)
        EXPECT_EQ(quitMomentRangeErrors(moment, 2010), errors)
            << moment.year << "-" << moment.month;
}

TEST(EntryRules, LaterThanToTheMinute) {
    EXPECT_FALSE(isLaterThan({2009, 12, 31, 23, 59}, {2010, 1, 1, 0, 0}));
    EXPECT_FALSE(isLaterThan({2010, 1, 1, 0, 0}, {2010, 1, 1, 0, 0}));
    EXPECT_TRUE(isLaterThan({2010, 1, 1, 0, 1}, {2010, 1, 1, 0, 0}));
    EXPECT_TRUE(isLaterThan({2010, 1, 2, 0, 0}, {2010, 1, 1, 23, 59}));
    EXPECT_TRUE(isLaterThan({2010, 2, 1, 0, 0}, {2010, 1, 31, 23, 59}));
}

} // namespace
