#pragma once

#include "core/DataFiles.h"
#include "core/Milestones.h"

#include <optional>

namespace kemurina {

// Tells each milestone once: at start what passed while the program was closed, then what
// each refresh crosses. Keeps milestone.ini, whose moment only ever moves forward.
class MilestoneWatch {
  public:
    explicit MilestoneWatch(const DataStore& store) : m_store(store) {}

    // What passed since the program last ran. A missing or unreadable file tells nothing
    // from the past and is written afresh.
    std::optional<MilestoneNotice> start(const QuitProfile& profile, const QString& theme,
                                         const DateTimeParts& now);

    // What was crossed since the last check (or the start).
    std::optional<MilestoneNotice> check(const QuitProfile& profile, const QString& theme,
                                         const DateTimeParts& now);

    bool notify() const { return m_record.notify; }
    // Saved at once; false when it could not be saved (the choice holds for this run).
    bool setNotify(bool on);

  private:
    std::optional<MilestoneNotice> advance(const QuitProfile& profile, const QString& theme,
                                           const DateTimeParts& now, NoticeOccasion occasion);

    const DataStore& m_store;
    MilestoneRecord m_record;
    DateTimeParts m_quitSeen;
    QString m_themeSeen;
};

} // namespace kemurina
