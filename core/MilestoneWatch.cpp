#include "core/MilestoneWatch.h"

#include "core/Metrics.h"

namespace kemurina {

std::optional<MilestoneNotice>
MilestoneWatch::start(const QuitProfile& profile, const QString& theme, const DateTimeParts& now) {
    const LoadResult<MilestoneRecord> loaded = m_store.loadMilestoneRecord(now);
    m_record = loaded.record;
    m_quitSeen = profile.quitMoment();
    m_themeSeen = theme;
    if (loaded.status != ReadStatus::Ok) {
        m_store.saveMilestoneRecord(m_record);
        return std::nullopt;
    }
    return advance(profile, theme, now, NoticeOccasion::WhileClosed);
}

std::optional<MilestoneNotice>
MilestoneWatch::check(const QuitProfile& profile, const QString& theme, const DateTimeParts& now) {
    return advance(profile, theme, now, NoticeOccasion::WhileRunning);
}

bool MilestoneWatch::setNotify(bool on) {
    m_record.notify = on;
    return m_store.saveMilestoneRecord(m_record);
}

std::optional<MilestoneNotice> MilestoneWatch::advance(const QuitProfile& profile,
                                                       const QString& theme,
                                                       const DateTimeParts& now,
                                                       NoticeOccasion occasion) {
    const auto crossed = milestonesBetween(profile, theme, m_record.lastTold, now);
    // New records start from the moment they were seen, so the file must not lag behind
    // them either: a later start would count their past from its older moment.
    const bool recordsChanged = profile.quitMoment() != m_quitSeen || theme != m_themeSeen;
    m_quitSeen = profile.quitMoment();
    m_themeSeen = theme;
    if (minutesBetween(m_record.lastTold, now) <= 0)
        return std::nullopt; // the clock reads earlier: nothing new, and nothing taken back
    m_record.lastTold = now;
    if (!crossed.empty() || recordsChanged || occasion == NoticeOccasion::WhileClosed)
        m_store.saveMilestoneRecord(m_record);
    if (!m_record.notify)
        return std::nullopt;
    return milestoneNotice(crossed, occasion);
}

} // namespace kemurina
