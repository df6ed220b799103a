#pragma once

#include "core/Records.h"

#include <QString>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace kemurina {

enum class MilestoneKind {
    Recovery,    // a row of the body's recovery is reached
    Anniversary, // one week, one month, 100 days, each whole year
    Picture,     // a new milestone picture on the main view
    Status,      // a new status title of the chosen theme
};

struct Milestone {
    MilestoneKind kind = MilestoneKind::Recovery;
    std::int64_t minutes = 0; // after the quit moment
    DateTimeParts moment;     // the same on the clock
    QString title;            // 卒煙１１日目
    QString sentence;         // one sentence saying what it means
};

// Whole years after which nothing more is counted: beyond any life, and a guard against a
// clock or a quit year that is far off.
inline constexpr std::int32_t kLastMilestoneYear = 1000;

// Every milestone reached after lastSeen and at or before now, in the order they were reached.
// Only the time since the quit moment counts (a new attempt starts afresh); a clock that reads
// earlier than lastSeen gives none. A quit moment that is not on the calendar has none.
std::vector<Milestone> milestonesBetween(const QuitProfile& profile, const QString& theme,
                                         const DateTimeParts& lastSeen, const DateTimeParts& now);

// The first milestone after now; nullopt when there is none left.
std::optional<Milestone> nextMilestone(const QuitProfile& profile, const QString& theme,
                                       const DateTimeParts& now);

// The moment that many minutes after start on the program's calendar (minutes >= 0).
DateTimeParts momentAfter(const DateTimeParts& start, std::int64_t minutes);

struct MilestoneNotice {
    QString title;
    QString body;
};

enum class NoticeOccasion {
    WhileRunning, // one alone is told as itself, several as one summary
    WhileClosed,  // told at start: always the summary "お休みのあいだに…"
};

// What one notification says about the milestones crossed; nullopt when there are none.
std::optional<MilestoneNotice> milestoneNotice(std::span<const Milestone> crossed,
                                               NoticeOccasion occasion);

} // namespace kemurina
