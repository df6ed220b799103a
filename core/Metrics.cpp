#include "core/Metrics.h"

#include "core/Checked.h"

#include <cmath>
#include <tuple>

namespace kemurina {

namespace {

constexpr std::int64_t kDaysPer400Years = 146097;

bool isLeapYear(std::int64_t year) {
    MonthLengths table = kMonthLengths;
    adjustFebruary(table, year);
    return table[2] == 29;
}

// Out-of-range months never index the table; loading keeps them out, this keeps UB out.
std::int32_t lengthOf(const MonthLengths& table, std::int64_t month) {
    return month >= 0 && month <= 12 ? table[static_cast<std::size_t>(month)] : 31;
}

bool earlier(const DateTimeParts& a, const DateTimeParts& b) {
    return std::tie(a.year, a.month, a.day, a.hour, a.minute) <
           std::tie(b.year, b.month, b.day, b.hour, b.minute);
}

// Minutes left in the day after hour:minute, counting the current minute as the day's end does.
std::int64_t minutesLeftInDay(std::int64_t hour, std::int64_t minute) {
    return (24 - (hour + 1)) * 60 + (60 - minute);
}

// Days in the whole months strictly between (year, month) and (endYear, endMonth).
std::int64_t daysOfMonthsBetween(std::int64_t year, std::int64_t month, std::int64_t endYear,
                                 std::int64_t endMonth, MonthLengths& table) {
    std::int64_t days = 0;
    if (++month > 12) {
        month = 1;
        ++year;
    }
    while (year < endYear || (year == endYear && month < endMonth)) {
        if (month == 1 && year < endYear) {
            const std::int64_t cycles = (endYear - year) / 400;
            days += cycles * kDaysPer400Years;
            year += cycles * 400;
            if (year < endYear) {
                days += isLeapYear(year) ? 366 : 365;
                ++year;
            }
            continue;
        }
        if (month == 2)
            adjustFebruary(table, year);
        days += lengthOf(table, month);
        if (++month > 12) {
            month = 1;
            ++year;
        }
    }
    return days;
}

} // namespace

void leapFebruary(std::int64_t year, std::int32_t& februaryLength) {
    februaryLength = 29;
    if (year % 100 == 0)
        februaryLength = 28;
    if (year % 400 == 0)
        februaryLength = 29;
}

void adjustFebruary(MonthLengths& table, std::int64_t year) {
    table[2] = 28;
    if (year % 4 == 0)
        leapFebruary(year, table[2]);
}

DaysAndMinutes daysAndMinutesBetween(const DateTimeParts& start, const DateTimeParts& end,
                                     MonthLengths& table) {
    DaysAndMinutes r;
    if (start.month == 2)
        adjustFebruary(table, start.year);
    const std::int64_t startMonthLength = lengthOf(table, start.month);
    r.days = startMonthLength - (std::int64_t{start.day} + 1);
    r.minutes = minutesLeftInDay(start.hour, start.minute);
    if (start.year == end.year && start.month == end.month) {
        r.days -= startMonthLength - (std::int64_t{end.day} + 1);
        r.minutes -= minutesLeftInDay(end.hour, end.minute);
        return r;
    }
    if (end.month == 2)
        adjustFebruary(table, end.year);
    r.days += end.day;
    r.minutes += std::int64_t{end.hour} * 60 + end.minute;
    r.days += daysOfMonthsBetween(start.year, start.month, end.year, end.month, table);
    return r;
}

std::int64_t minutesBetween(const DateTimeParts& quit, const DateTimeParts& now) {
    MonthLengths table = kMonthLengths;
    // A clock set back before the quit moment counts down, not through a bogus month walk.
    if (earlier(now, quit))
        return -daysAndMinutesBetween(now, quit, table).total();
    return daysAndMinutesBetween(quit, now, table).total();
}

namespace {

// Walked by hand: a short month borrows the longer of the previous month and the quit month,
// a rule of the program's own that QDate's arithmetic does not reproduce.
std::array<std::int32_t, 5> calendarDifference(const DateTimeParts& quit, DateTimeParts now) {
    MonthLengths nowYearTable = kMonthLengths;
    MonthLengths quitYearTable = kMonthLengths;
    adjustFebruary(nowYearTable, now.year);
    adjustFebruary(quitYearTable, quit.year);

    std::int64_t y = now.year, mo = now.month, d = now.day, h = now.hour, mi = now.minute;
    std::int64_t minutes, hours, days, months;
    if (mi >= quit.minute) {
        minutes = mi - quit.minute;
    } else {
        minutes = mi + 60 - quit.minute;
        --h;
    }
    if (h >= quit.hour) {
        hours = h - quit.hour;
    } else {
        hours = h + 24 - quit.hour;
        --d;
    }
    if (d >= quit.day) {
        days = d - quit.day;
    } else {
        std::int64_t t = lengthOf(nowYearTable, mo - 1);
        const std::int64_t quitMonthLength = lengthOf(quitYearTable, quit.month);
        if (t < quitMonthLength)
            t = quitMonthLength;
        days = t + d - quit.day;
        --mo;
    }
    if (mo >= quit.month) {
        months = mo - quit.month;
    } else {
        months = mo + 12 - quit.month;
        --y;
    }
    const std::int64_t years = y - quit.year;
    return {saturateToInt32(years), saturateToInt32(months), saturateToInt32(days),
            saturateToInt32(hours), saturateToInt32(minutes)};
}

double finiteOrZero(double v) {
    return std::isfinite(v) ? v : 0.0;
}

} // namespace

std::int32_t Metrics::lifeDays() const {
    return floorToInt32(lifeMinutes / 1440.0);
}
std::int32_t Metrics::lifeHoursPart() const {
    return (lifeMinutes % 1440) / 60;
}
std::int32_t Metrics::lifeMinutesPart() const {
    return lifeMinutes % 60;
}

Metrics computeMetrics(const QuitProfile& profile, const Options& options,
                       const DateTimeParts& now) {
    Metrics m;
    const DateTimeParts quit = profile.quitMoment();
    m.totalMinutes = saturateToInt32(minutesBetween(quit, now));
    m.elapsedParts = calendarDifference(quit, now);

    const double total = m.totalMinutes;
    const double perDay = profile.cigarettesPerDay;
    const double price = profile.packPrice;
    const double taxRate = options.consumptionTaxPercent / 100.0;

    m.moneySaved = std::floor(total / 1440 * perDay * (price / 20));
    const double tobaccoTax =
        std::floor((options.tobaccoTaxPer1000 / 1000.0) * (total / 1440) * perDay);
    // A rate of -100 % would divide by zero; such a tax contributes nothing.
    const double consumptionTax =
        finiteOrZero(std::floor((total / 1440 * perDay * (price / 20) * taxRate) / (taxRate + 1)));
    m.taxShare = tobaccoTax + consumptionTax;

    m.lifeMinutes = floorToInt32(perDay / (24 * 60) * total * 5.5);
    m.wholeDays = floorToInt32(total / 1440);
    m.cigarettesNotSmoked = std::floor(total / 1440 * perDay);
    m.totalLengthMm = total / (24 * 60) * profile.cigaretteLength * perDay;
    return m;
}

} // namespace kemurina
