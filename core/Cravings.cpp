#include "core/Cravings.h"

#include "core/History.h"

#include <algorithm>
#include <tuple>

namespace kemurina {

namespace {

constexpr qint64 kDaysPerWeek = 7;

bool notBefore(const DateTimeParts& a, const DateTimeParts& b) {
    return std::tie(a.year, a.month, a.day, a.hour, a.minute) >=
           std::tie(b.year, b.month, b.day, b.hour, b.minute);
}

// Index into a run of `count` spans of `length` days ending today, or nullopt outside it.
std::optional<std::size_t> spanIndex(qint64 daysAgo, std::size_t count, qint64 length) {
    if (daysAgo < 0 || daysAgo >= static_cast<qint64>(count) * length)
        return std::nullopt;
    return count - 1 - static_cast<std::size_t>(daysAgo / length);
}

void countByDay(CravingStats& s, const Craving& c) {
    if (!s.today.isValid())
        return;
    const QDate day(c.moment.year, c.moment.month, c.moment.day);
    const qint64 daysAgo = day.daysTo(s.today);
    if (const auto i = spanIndex(daysAgo, kCravingDays, 1))
        ++s.lastThirtyDays[*i];
    if (const auto i = spanIndex(daysAgo, kCravingWeeks, kDaysPerWeek)) {
        ++s.weeks[*i].count;
        s.weeks[*i].strengthSum += c.strength;
    }
}

} // namespace

bool isValidCraving(const Craving& c) {
    return isCalendarMoment(c.moment) && c.strength >= kWeakestCraving &&
           c.strength <= kStrongestCraving &&
           static_cast<std::size_t>(c.trigger) < kCravingTriggerCount;
}

std::optional<double> CravingWeek::averageStrength() const {
    if (count == 0)
        return std::nullopt;
    return static_cast<double>(strengthSum) / static_cast<double>(count);
}

QDate CravingStats::dayOf(std::size_t index) const {
    return today.addDays(static_cast<qint64>(index) - static_cast<qint64>(kCravingDays - 1));
}

CravingStats cravingStats(const CravingLog& log, const DateTimeParts& quitMoment,
                          const DateTimeParts& now, CravingScope scope) {
    CravingStats s;
    s.today = QDate(now.year, now.month, now.day);
    for (std::size_t i = 0; i < kCravingWeeks; ++i)
        s.weeks[i].from =
            s.today.addDays(-static_cast<qint64>(kCravingWeeks - i) * kDaysPerWeek + 1);
    for (const CravingLine& line : log.lines) {
        if (!line.craving || !isValidCraving(*line.craving)) {
            ++s.unreadableLines;
            continue;
        }
        const Craving& c = *line.craving;
        if (scope == CravingScope::CurrentAttempt && !notBefore(c.moment, quitMoment))
            continue;
        ++s.total;
        s.riddenOut += c.riddenOut ? 1 : 0;
        ++s.byHour[static_cast<std::size_t>(c.moment.hour)];
        ++s.byTrigger[static_cast<std::size_t>(c.trigger)];
        countByDay(s, c);
    }
    return s;
}

std::vector<TriggerCount> rankedTriggers(const CravingStats& stats) {
    std::vector<TriggerCount> ranked;
    for (std::size_t i = 0; i < kCravingTriggerCount; ++i)
        ranked.push_back({static_cast<CravingTrigger>(i), stats.byTrigger[i]});
    std::stable_sort(
        ranked.begin(), ranked.end(),
        [](const TriggerCount& a, const TriggerCount& b) { return a.count > b.count; });
    return ranked;
}

} // namespace kemurina
