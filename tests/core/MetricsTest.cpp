#include "core/Metrics.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>

using namespace kemurina;

namespace {

constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
using Parts = std::array<std::int32_t, 5>;

Metrics at(DateTimeParts quit, DateTimeParts now, std::int32_t perDay = 20,
           std::int32_t price = 300, Options o = {}) {
    QuitProfile p;
    p.setQuitMoment(quit);
    p.cigarettesPerDay = perDay;
    p.packPrice = price;
    return computeMetrics(p, o, now);
}

TEST(Metrics, ElapsedByCalendarAndMinutes) {
    const std::tuple<DateTimeParts, DateTimeParts, std::int64_t, std::optional<Parts>> spans[] = {
        {{2008, 2, 28, 23, 30}, {2008, 3, 1, 0, 10}, 1480, Parts{0, 0, 1, 0, 40}},
        {{2009, 1, 31, 12, 7}, {2009, 3, 1, 12, 10}, 29 * 1440 + 3, Parts{0, 1, 1, 0, 3}},
        {{2009, 1, 31, 12, 7}, {2009, 3, 31, 12, 10}, 59 * 1440 + 3, Parts{0, 2, 0, 0, 3}},
        {{2009, 12, 31, 23, 55}, {2010, 1, 1, 0, 5}, 10, Parts{0, 0, 0, 0, 10}},
        {{2008, 3, 15, 8, 20}, {2010, 3, 15, 8, 19}, 730LL * 1440 - 1, Parts{1, 11, 30, 23, 59}},
        {{2011, 2, 29, 0, 0}, {2011, 3, 2, 0, 0}, 1440, std::nullopt}, // read as 1 March
        {{2009, 3, 10, 12, 0}, {2009, 2, 20, 12, 0}, -18 * 1440, std::nullopt},
        {{2009, 3, 10, 12, 0}, {2009, 3, 10, 11, 59}, -1, std::nullopt},
        {{2007, 2, 28, 12, 0}, {2008, 3, 1, 0, 0}, 366 * 1440 + 720, Parts{1, 0, 1, 12, 0}},
        {{1999, 12, 31, 0, 0}, {2400, 1, 1, 0, 0}, 146098LL * 1440, std::nullopt},
        {{1900, 3, 1, 0, 0}, {2900, 3, 1, 0, 0}, 365243LL * 1440, std::nullopt},
    };
    for (const auto& [quit, now, minutes, parts] : spans) {
        SCOPED_TRACE(minutes);
        EXPECT_EQ(minutesBetween(quit, now), minutes);
        const Metrics m = at(quit, now);
        EXPECT_EQ(m.totalMinutes, minutes);
        EXPECT_EQ(m.wholeDays, std::floor(minutes / 1440.0));
        EXPECT_EQ(m.cigarettesNotSmoked, std::floor(minutes / 1440.0 * 20)) << "down below zero";
        if (parts) {
            EXPECT_EQ(m.elapsedParts, *parts);
        }
    }
    EXPECT_GT(minutesBetween({1, 1, 1, 0, 0}, {kMax, 12, 31, 23, 59}), 0);
}

TEST(Metrics, MoneyTaxLifeAndLength) {
    using Figures = std::tuple<double, double, double, double, std::int32_t>;
    // Ten days at perDay and price with a consumption tax; the tobacco tax is 12244 a thousand.
    const std::tuple<std::int32_t, std::int32_t, std::int32_t, Figures> cases[] = {
        {20, 300, 5, {3000, 2448 + 142, 200, 17000, 1100}},
        {7, 410, 8, {1435, 857 + 106, 70, 5950, 385}},
        {1, 1, 0, {0, 122, 10, 850, 55}},
        {1, 8402, 5, {4201, 122 + 200, 10, 850, 55}}};
    for (const auto& [perDay, price, tax, figures] : cases) {
        const Metrics m = at({2010, 1, 1, 0, 0}, {2010, 1, 11, 0, 0}, perDay, price,
                             {.consumptionTaxPercent = tax});
        EXPECT_EQ(Figures(m.moneySaved, m.taxShare, m.cigarettesNotSmoked, m.totalLengthMm,
                          m.lifeMinutes),
                  figures);
    }
    Metrics life;
    life.lifeMinutes = 2 * 1440 + 23 * 60 + 59;
    EXPECT_EQ(std::tuple(life.lifeDays(), life.lifeHoursPart(), life.lifeMinutesPart()),
              std::tuple(2, 23, 59));
}

} // namespace
