#pragma once

#include "content/CravingTips.h"
#include "core/Records.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace kemurina {

inline constexpr int kWeakestCraving = 1;
inline constexpr int kStrongestCraving = 5;
inline constexpr int kCravingNoteMaxLength = 100; // characters the window takes

// One urge to smoke: when it came, how strong it was, what set it off, how it ended.
struct Craving {
    DateTimeParts moment;
    int strength = 3; // kWeakestCraving..kStrongestCraving
    CravingTrigger trigger = CravingTrigger::Other;
    bool riddenOut = true; // false: smoked
    QString note;

    friend bool operator==(const Craving&, const Craving&) = default;
};

// A moment on the calendar, a strength in range and a trigger of the list.
bool isValidCraving(const Craving& craving);

// A line of cravings.ini as read: its bytes without the line end, kept so that a rewrite
// gives back a line this program cannot read exactly as it was, and the urge it holds.
struct CravingLine {
    QByteArray bytes;
    std::optional<Craving> craving; // nullopt: unreadable
};

// Every urge in file order (the program appends, so oldest first as a rule).
struct CravingLog {
    std::vector<CravingLine> lines;
};

enum class CravingScope { CurrentAttempt, AllTime };

inline constexpr std::size_t kCravingDays = 30;
inline constexpr std::size_t kCravingWeeks = 12;

struct CravingWeek {
    QDate from; // the first of its seven days
    std::int64_t count = 0;
    std::int64_t strengthSum = 0;

    std::optional<double> averageStrength() const;
};

// The figures of the pattern page for one scope, counted at now.
struct CravingStats {
    std::int64_t total = 0; // readable urges in the scope, whenever they came
    std::int64_t riddenOut = 0;
    std::int64_t unreadableLines = 0; // of the whole file
    QDate today;                      // invalid when now is not a calendar day
    std::array<std::int64_t, kCravingDays> lastThirtyDays{}; // oldest first, ending today
    std::array<std::int64_t, 24> byHour{};
    std::array<std::int64_t, kCravingTriggerCount> byTrigger{}; // in the list's order
    std::array<CravingWeek, kCravingWeeks> weeks{};             // 7-day spans ending today

    QDate dayOf(std::size_t index) const; // of lastThirtyDays
};

// Urges of the current attempt are those from the quit moment on.
CravingStats cravingStats(const CravingLog& log, const DateTimeParts& quitMoment,
                          const DateTimeParts& now, CravingScope scope);

struct TriggerCount {
    CravingTrigger trigger;
    std::int64_t count;
};
// Every trigger, most frequent first; ties keep the list's order.
std::vector<TriggerCount> rankedTriggers(const CravingStats& stats);

} // namespace kemurina
