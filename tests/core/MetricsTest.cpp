#include "core/Metrics.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <optional>

using namespace kemurina;

namespace {

constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
using Parts = std::array<std::int32_t, 5>;

Metrics at(DateTimeParts quit, DateTimeParts now, std::int32_t perDay = 20,
           std::int32_t price = 300, Options o = {}) {
    QuitProfile p;
    p.setQuitMoment(quit);
    p.cigarettesPerDay = perDay;
    p.packPrice = price;
    return computeMetrics(p, o, now);
}

struct Span {
    DateTimeParts quit, now;
    std::int64_t minutes;
    std::optional<Parts> parts;
};

TEST(Metrics, ElapsedByCalendarAndMinutes) {
    const Span spans[] = {
        {{2008, 2, 28, 23, 30}, {2008, 3, 1, 0, 10}, 1480, Parts{0, 0, 1, 0, 40}},
        {{2009, 1, 31, 12, 0}, {2009, 3, 1, 12, 0}, 29 * 1440, Parts{0, 1, 1, 0, 0}},
        {{2009, 12, 31, 23, 55}, {2010, 1, 1, 0, 5}, 10, Parts{0, 0, 0, 0, 10}},
        {{2009, 5, 10, 23, 0}, {2009, 5, 11, 1, 0}, 120, Parts{0, 0, 0, 2, 0}},
        {{2010, 1, 1, 0, 0}, {2010, 2, 4, 4, 5}, 34 * 1440 + 245, Parts{0, 1, 3, 4, 5}},
        {{2008, 3, 15, 8, 20}, {2010, 3, 15, 8, 19}, 730LL * 1440 - 1, Parts{1, 11, 30, 23, 59}},
        {{2011, 2, 29, 0, 0}, {2011, 3, 2, 0, 0}, 1440, std::nullopt}, // read as 1 March
        {{2009, 3, 10, 12, 0}, {2009, 2, 20, 12, 0}, -18 * 1440, std::nullopt},
        {{2009, 3, 10, 12, 0}, {2009, 3, 10, 11, 59}, -1, std::nullopt},
        {{2000, 1, 1, 0, 0}, {2400, 1, 1, 0, 0}, 146097LL * 1440, std::nullopt},
        {{1999, 12, 31, 0, 0}, {2001, 1, 1, 0, 0}, 367LL * 1440, std::nullopt},
        {{1900, 3, 1, 0, 0}, {2900, 3, 1, 0, 0}, 365243LL * 1440, std::nullopt},
    };
    for (const Span& s : spans) {
        SCOPED_TRACE(::testing::Message()
                     << s.quit.year << "-" << s.quit.month << "-" << s.quit.day);
        EXPECT_EQ(minutesBetween(s.quit, s.now), s.minutes);
        const Metrics m = at(s.quit, s.now);
        if (s.minutes <= kMax) {
            EXPECT_EQ(m.totalMinutes, s.minutes);
            EXPECT_EQ(m.wholeDays,
                      s.minutes >= 0 ? s.minutes / 1440 : -((-s.minutes + 1439) / 1440));
        }
        if (s.parts) {
            EXPECT_EQ(m.elapsedParts, *s.parts);
        }
    }
    EXPECT_GT(minutesBetween({1, 1, 1, 0, 0}, {kMax, 12, 31, 23, 59}), 0);
}

TEST(Metrics, MoneyTaxLifeAndLength) {
    struct Case {
        std::int32_t perDay, price, consumptionTax;
        double money, tax, cigarettes, lengthMm;
        std::int32_t lifeMinutes;
    };
    // Ten days; the tobacco tax is 12244 yen per thousand.
    for (const Case& c :
         {Case{20, 300, 5, 3000, 2448 + 142, 200, 17000, 1100},
          Case{7, 410, 8, 1435, 857 + 106, 70, 5950, 385}, Case{1, 1, 0, 0, 122, 10, 850, 55}}) {
        Options o;
        o.consumptionTaxPercent = c.consumptionTax;
        const Metrics m = at({2010, 1, 1, 0, 0}, {2010, 1, 11, 0, 0}, c.perDay, c.price, o);
        EXPECT_EQ(m.moneySaved, c.money) << c.perDay;
        EXPECT_EQ(m.taxShare, c.tax) << c.perDay;
        EXPECT_EQ(m.cigarettesNotSmoked, c.cigarettes) << c.perDay;
        EXPECT_DOUBLE_EQ(m.totalLengthMm, c.lengthMm) << c.perDay;
        EXPECT_EQ(m.lifeMinutes, c.lifeMinutes) << c.perDay;
    }
    Metrics life;
    life.lifeMinutes = 2 * 1440 + 23 * 60 + 59;
    EXPECT_EQ(std::tuple(life.lifeDays(), life.lifeHoursPart(), life.lifeMinutesPart()),
              std::tuple(2, 23, 59));
}

TEST(Metrics, HostileValuesSaturate) {
    EXPECT_EQ(at({-2000000000, 1, 1, 0, 0}, {2010, 1, 1, 0, 0}).totalMinutes, kMax);
    EXPECT_EQ(at({kMax, 12, 31, 23, 59}, {2010, 1, 1, 0, 0}).totalMinutes, kMin);
    Options o;
    o.tobaccoTaxPer1000 = kMax;
    o.consumptionTaxPercent = -100; // divides by zero in the tax-included formula
    const Metrics m = at({2000, 1, 1, 0, 0}, {2010, 1, 1, 0, 0}, kMax, kMax, o);
    EXPECT_EQ(m.lifeMinutes, kMax);
    EXPECT_TRUE(std::isfinite(m.taxShare));
    at({2010, 1, kMin, kMax, kMin}, {2010, 1, 1, 0, 0}); // any figures, nothing undefined
}

} // namespace
