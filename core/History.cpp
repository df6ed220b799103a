#include "core/History.h"

#include "core/Metrics.h"

#include <QDate>
#include <algorithm>
#include <tuple>

namespace kemurina {

namespace {

bool startsLater(const AttemptResult& a, const AttemptResult& b) {
    const DateTimeParts& x = a.attempt.start;
    const DateTimeParts& y = b.attempt.start;
    return std::tie(x.year, x.month, x.day, x.hour, x.minute) >
           std::tie(y.year, y.month, y.day, y.hour, y.minute);
}

void add(AttemptFigures& sum, const AttemptFigures& f) {
    sum.minutes += f.minutes;
    sum.cigarettes += f.cigarettes;
    sum.money += f.money;
    sum.lifeMinutes += f.lifeMinutes;
}

} // namespace

QuitProfile Attempt::profile() const {
    QuitProfile p;
    p.setQuitMoment(start);
    p.cigarettesPerDay = cigarettesPerDay;
    p.packPrice = packPrice;
    p.cigaretteLength = cigaretteLength;
    return p;
}

AttemptFigures attemptFigures(const Attempt& attempt) {
    // None of the figures kept here depends on the tax settings.
    const Metrics m = computeMetrics(attempt.profile(), Options{}, attempt.end);
    if (m.totalMinutes <= 0)
        return {};
    return {m.totalMinutes, m.cigarettesNotSmoked, m.moneySaved, m.lifeMinutes};
}

Attempt currentAttempt(const QuitProfile& profile, const DateTimeParts& now) {
    return {profile.quitMoment(), now, profile.cigarettesPerDay, profile.packPrice,
            profile.cigaretteLength};
}

HistorySummary summarizeHistory(const History& history, const QuitProfile& profile,
                                const DateTimeParts& now) {
    HistorySummary s;
    for (const HistoryLine& line : history.lines) {
        if (line.attempt)
            s.past.push_back({*line.attempt, attemptFigures(*line.attempt)});
        else
            s.unreadable.push_back(line.bytes);
    }
    std::stable_sort(s.past.begin(), s.past.end(), startsLater);

    const Attempt current = currentAttempt(profile, now);
    s.current = {current, attemptFigures(current)};
    s.longest = s.current;
    s.totals = s.current.figures;
    for (const AttemptResult& r : s.past) {
        add(s.totals, r.figures);
        if (r.figures.minutes > s.longest.figures.minutes)
            s.longest = r;
    }
    s.attemptCount = static_cast<std::int64_t>(s.past.size()) + 1;
    return s;
}

RestartCheck checkRestart(const QuitProfile& profile, const DateTimeParts& now) {
    const std::int64_t minutes = minutesBetween(profile.quitMoment(), now);
    if (minutes < 0)
        return RestartCheck::QuitInFuture;
    if (minutes == 0)
        return RestartCheck::NothingToRecord;
    return RestartCheck::Allowed;
}

bool isCalendarMoment(const DateTimeParts& m) {
    return QDate::isValid(m.year, m.month, m.day) && m.hour >= 0 && m.hour <= 23 && m.minute >= 0 &&
           m.minute <= 59;
}

} // namespace kemurina
