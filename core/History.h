#pragma once

#include "core/Records.h"

#include <QByteArray>
#include <cstdint>
#include <optional>
#include <vector>

namespace kemurina {

// One finished quit attempt with the smoking profile it was counted with.
struct Attempt {
    DateTimeParts start;
    DateTimeParts end;
    std::int32_t cigarettesPerDay = 20;
    std::int32_t packPrice = 300;
    std::int32_t cigaretteLength = 85;

    QuitProfile profile() const;
    friend bool operator==(const Attempt&, const Attempt&) = default;
};

// A line of history.ini as read: its bytes without the line end, kept so that a rewrite
// gives back a line this program cannot read exactly as it was, and the attempt it holds.
struct HistoryLine {
    QByteArray bytes;
    std::optional<Attempt> attempt; // nullopt: unreadable
};

// Every past attempt in file order (the program appends, so oldest first).
struct History {
    std::vector<HistoryLine> lines;
};

// The figures of one attempt, by the main window's formulas with the attempt's own profile.
struct AttemptFigures {
    std::int64_t minutes = 0;
    double cigarettes = 0;
    double money = 0;
    std::int64_t lifeMinutes = 0;
};

struct AttemptResult {
    Attempt attempt;
    AttemptFigures figures;
};

struct HistorySummary {
    std::vector<AttemptResult> past;    // readable attempts, newest start first
    std::vector<QByteArray> unreadable; // lines that could not be read, in file order
    AttemptResult current;              // quit moment to now; a clock set back counts as 0
    AttemptResult longest;              // of the past ones and the current one
    std::int64_t attemptCount = 0;      // past ones and the current one
    AttemptFigures totals;              // of the same
};

AttemptFigures attemptFigures(const Attempt& attempt);

// The current attempt: from the profile's quit moment to now, with its profile.
Attempt currentAttempt(const QuitProfile& profile, const DateTimeParts& now);

HistorySummary summarizeHistory(const History& history, const QuitProfile& profile,
                                const DateTimeParts& now);

enum class RestartCheck {
    Allowed,
    QuitInFuture,    // the clock reads earlier than the quit moment: there is no attempt
    NothingToRecord, // the quit moment is this very minute
};

RestartCheck checkRestart(const QuitProfile& profile, const DateTimeParts& now);

// A moment that exists on the calendar: a real date, hour 0..23, minute 0..59.
bool isCalendarMoment(const DateTimeParts& moment);

} // namespace kemurina
