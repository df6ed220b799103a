#pragma once

#include "core/Records.h"

#include <array>
#include <cstdint>

namespace kemurina {

// Month lengths indexed 0..12; index 0 is December of the previous year.
using MonthLengths = std::array<std::int32_t, 13>;
inline constexpr MonthLengths kMonthLengths = {31, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// Sets February's length for a year the caller already found divisible by 4.
void leapFebruary(std::int64_t year, std::int32_t& februaryLength);

// February of table for year y: 28, or the leap length.
void adjustFebruary(MonthLengths& table, std::int64_t year);

struct DaysAndMinutes {
    std::int64_t days = 0;
    std::int64_t minutes = 0; // may be negative or above 1440; only days * 1440 + minutes counts
    std::int64_t total() const { return days * 1440 + minutes; }
};

// Whole days and minutes from start to end by walking the months (end not before start).
// Months must be 1..12. Runs in bounded time for any years: whole 400-year cycles are skipped.
DaysAndMinutes daysAndMinutesBetween(const DateTimeParts& start, const DateTimeParts& end,
                                     MonthLengths& table);

// Signed minutes from quit to now; negative when the clock reads earlier than the quit moment.
std::int64_t minutesBetween(const DateTimeParts& quit, const DateTimeParts& now);

struct Metrics {
    // years, months, days, hours, minutes as a calendar difference
    std::array<std::int32_t, 5> elapsedParts{};
    std::int32_t totalMinutes = 0;
    std::int32_t wholeDays = 0;
    double cigarettesNotSmoked = 0;
    double moneySaved = 0;
    double taxShare = 0;
    std::int32_t lifeMinutes = 0;
    double totalLengthMm = 0;

    std::int32_t years() const { return elapsedParts[0]; }
    std::int32_t months() const { return elapsedParts[1]; }
    std::int32_t days() const { return elapsedParts[2]; }
    std::int32_t hours() const { return elapsedParts[3]; }
    std::int32_t minutes() const { return elapsedParts[4]; }

    std::int32_t lifeDays() const;
    std::int32_t lifeHoursPart() const;
    std::int32_t lifeMinutesPart() const;
};

// Every figure from the quit moment, the profile, the tax settings and now.
// The quit month must be 1..12 (loading rejects other values).
Metrics computeMetrics(const QuitProfile& profile, const Options& options,
                       const DateTimeParts& now);

} // namespace kemurina
