#include "core/Milestones.h"

#include "base/NumberText.h"
#include "content/RecoveryMilestones.h"
#include "content/StatusRanks.h"
#include "core/History.h"
#include "core/Metrics.h"
#include "core/Refresh.h"
#include "core/SpokenTexts.h"

#include <QStringList>
#include <algorithm>

namespace kemurina {

namespace {

constexpr std::int64_t kMinutesPerDay = 1440;
constexpr std::int64_t kDaysPer400Years = 146097;
// Quit years the calendar arithmetic below stays exact for, kLastMilestoneYear included.
constexpr std::int32_t kFirstQuitYear = 1;
constexpr std::int32_t kLastQuitYear = 9999;
// Whole years lie this many days apart at most, so a window this long holds an anniversary.
constexpr std::int64_t kLongestYearDays = 366;
constexpr int kListedInSummary = 5;

struct FixedAnniversary {
    std::int64_t days;   // after the quit moment, or
    std::int64_t months; // calendar months after it
    const char* span;    // １週間
};

constexpr FixedAnniversary kFixedAnniversaries[] = {
    {7, 0, "１週間"},
    {0, 1, "１か月"},
    {100, 0, "１００日"},
};

QString utf8(const char* text) {
    return QString::fromUtf8(text);
}

std::int32_t monthLength(std::int64_t year, std::int32_t month) {
    MonthLengths table = kMonthLengths;
    adjustFebruary(table, year);
    return table[static_cast<std::size_t>(month)];
}

// The same wall-clock time a number of calendar months after start. A day the month lacks
// (31 February) gives the first minute after it, the moment the calendar difference turns.
DateTimeParts plusMonths(const DateTimeParts& start, std::int64_t months) {
    const std::int64_t index = std::int64_t{start.month} - 1 + months;
    DateTimeParts t = start;
    t.year = static_cast<std::int32_t>(start.year + index / 12);
    t.month = static_cast<std::int32_t>(index % 12 + 1);
    // December has every day, so the next month is in the same year.
    if (t.day > monthLength(t.year, t.month))
        t = {t.year, t.month + 1, 1, 0, 0};
    return t;
}

class Collector {
  public:
    // Milestones in (after, upTo], minutes after the quit moment.
    Collector(const QuitProfile& profile, QString theme, std::int64_t after, std::int64_t upTo)
        : m_profile(profile), m_quit(profile.quitMoment()), m_theme(std::move(theme)),
          m_after(after), m_upTo(capped(upTo)) {}

    std::vector<Milestone> collect() {
        if (m_upTo <= m_after)
            return {};
        addRecovery();
        addAnniversaries();
        addPictures();
        addStatusTitles();
        std::stable_sort(
            m_found.begin(), m_found.end(),
            [](const Milestone& a, const Milestone& b) { return a.minutes < b.minutes; });
        return std::move(m_found);
    }

  private:
    bool inRange(std::int64_t minutes) const { return minutes > m_after && minutes <= m_upTo; }

    // Up to the last anniversary counted; spans surely shorter need no calendar walk for it.
    std::int64_t capped(std::int64_t upTo) const {
        const std::int64_t years = kLastMilestoneYear;
        if (upTo < years * (kLongestYearDays - 1) * kMinutesPerDay)
            return upTo;
        return std::min(upTo, minutesToMonth(12 * years));
    }

    std::int64_t minutesToMonth(std::int64_t months) const {
        return minutesBetween(m_quit, plusMonths(m_quit, months));
    }

    void add(MilestoneKind kind, std::int64_t minutes, QString title, QString sentence) {
        if (inRange(minutes))
            m_found.push_back({kind, minutes, momentAfter(m_quit, minutes), std::move(title),
                               std::move(sentence)});
    }

    void addRecovery() {
        for (const RecoveryMilestone& row : recoveryMilestones())
            add(MilestoneKind::Recovery, row.toMinutes,
                QStringLiteral("からだの回復（%1）").arg(utf8(row.when)), utf8(row.change));
    }

    void addAnniversary(std::int64_t minutes, const QString& span) {
        add(MilestoneKind::Anniversary, minutes, QStringLiteral("卒煙") + span,
            QStringLiteral("たばこを吸わずに%1がたちました。").arg(span));
    }

    // Whole years a span of minutes surely holds, and at most holds.
    static std::int64_t yearsAtLeast(std::int64_t minutes) {
        return minutes / (kLongestYearDays * kMinutesPerDay);
    }
    static std::int64_t yearsAtMost(std::int64_t minutes) {
        return minutes / ((kLongestYearDays - 1) * kMinutesPerDay);
    }

    void addAnniversaries() {
        for (const FixedAnniversary& a : kFixedAnniversaries)
            addAnniversary(a.months ? minutesToMonth(a.months) : a.days * kMinutesPerDay,
                           utf8(a.span));
        const std::int64_t last = std::min<std::int64_t>(yearsAtMost(m_upTo), kLastMilestoneYear);
        for (std::int64_t year = std::max<std::int64_t>(1, yearsAtLeast(m_after)); year <= last;
             ++year)
            addAnniversary(minutesToMonth(12 * year),
                           wideNumber(double(year)) + QStringLiteral("年"));
    }

    void addPictures() {
        for (std::size_t i = 0; i < kMilestonePictureCount; ++i) {
            const auto picture = static_cast<MilestonePicture>(i);
            const std::int32_t day = milestoneFirstDay(picture);
            add(MilestoneKind::Picture, day * kMinutesPerDay,
                QStringLiteral("卒煙%1日目").arg(wideNumber(day)),
                QStringLiteral("「%1」の絵が加わりました。").arg(milestonePictureName(picture)));
        }
    }

    QString statusAt(std::int64_t minutes) const {
        const Metrics m = computeMetrics(m_profile, Options{}, momentAfter(m_quit, minutes));
        return statusTitle(m_theme, m.wholeDays, m.years());
    }

    void addStatusTitles() {
        const StatusChangePoints points = statusChangePoints(m_theme);
        std::vector<std::int64_t> candidates;
        for (const std::int32_t day : points.days)
            candidates.push_back(day * kMinutesPerDay);
        for (const std::int32_t year : points.years) {
            if (year >= 1 && year <= yearsAtMost(m_upTo) && year >= yearsAtLeast(m_after))
                candidates.push_back(minutesToMonth(12 * std::int64_t{year}));
        }
        std::erase_if(candidates, [this](std::int64_t minutes) { return !inRange(minutes); });
        if (candidates.empty())
            return;
        std::sort(candidates.begin(), candidates.end());
        QString title = statusAt(m_after);
        for (const std::int64_t minutes : candidates) {
            QString next = statusAt(minutes);
            if (next != title && !next.isEmpty())
                add(MilestoneKind::Status, minutes, QStringLiteral("ステータス「%1」").arg(next),
                    QStringLiteral("ステータスが「%1」になりました。").arg(next));
            title = std::move(next);
        }
    }

    const QuitProfile& m_profile;
    DateTimeParts m_quit;
    QString m_theme;
    std::int64_t m_after;
    std::int64_t m_upTo;
    std::vector<Milestone> m_found;
};

bool hasMilestones(const DateTimeParts& quit) {
    return isCalendarMoment(quit) && quit.year >= kFirstQuitYear && quit.year <= kLastQuitYear;
}

QString listedTitles(std::span<const Milestone> crossed) {
    const auto shown = crossed.last(std::min<std::size_t>(crossed.size(), kListedInSummary));
    QStringList titles;
    for (const Milestone& m : shown)
        titles << m.title;
    return titles.join(QStringLiteral("、")) + QStringLiteral("。");
}

QString summaryBody(std::span<const Milestone> crossed) {
    if (crossed.size() == 1)
        return crossed.front().title + QStringLiteral("：") + crossed.front().sentence;
    const QString count =
        QStringLiteral("節目を%1個迎えました").arg(wideNumber(double(crossed.size())));
    if (crossed.size() <= kListedInSummary)
        return count + QStringLiteral("：") + listedTitles(crossed);
    return count + QStringLiteral("。最近のもの：") + listedTitles(crossed);
}

} // namespace

DateTimeParts momentAfter(const DateTimeParts& start, std::int64_t minutes) {
    const std::int64_t total =
        std::int64_t{start.hour} * 60 + start.minute + std::max<std::int64_t>(minutes, 0);
    std::int64_t days = total / kMinutesPerDay + start.day - 1;
    std::int64_t year = start.year + 400 * (days / kDaysPer400Years);
    days %= kDaysPer400Years;
    std::int32_t month = start.month;
    for (std::int32_t length = monthLength(year, month); days >= length;
         length = monthLength(year, month)) {
        days -= length;
        if (++month > 12) {
            month = 1;
            ++year;
        }
    }
    const std::int64_t minuteOfDay = total % kMinutesPerDay;
    return {static_cast<std::int32_t>(year), month, static_cast<std::int32_t>(days + 1),
            static_cast<std::int32_t>(minuteOfDay / 60),
            static_cast<std::int32_t>(minuteOfDay % 60)};
}

std::vector<Milestone> milestonesBetween(const QuitProfile& profile, const QString& theme,
                                         const DateTimeParts& lastSeen, const DateTimeParts& now) {
    const DateTimeParts quit = profile.quitMoment();
    if (!hasMilestones(quit))
        return {};
    const std::int64_t after = std::max<std::int64_t>(minutesBetween(quit, lastSeen), 0);
    return Collector(profile, theme, after, minutesBetween(quit, now)).collect();
}

std::optional<Milestone> nextMilestone(const QuitProfile& profile, const QString& theme,
                                       const DateTimeParts& now) {
    const DateTimeParts quit = profile.quitMoment();
    if (!hasMilestones(quit))
        return std::nullopt;
    const std::int64_t after = std::max<std::int64_t>(minutesBetween(quit, now), 0);
    const auto ahead =
        Collector(profile, theme, after, after + (kLongestYearDays + 1) * kMinutesPerDay).collect();
    if (ahead.empty())
        return std::nullopt;
    return ahead.front();
}

std::optional<MilestoneNotice> milestoneNotice(std::span<const Milestone> crossed,
                                               NoticeOccasion occasion) {
    if (crossed.empty())
        return std::nullopt;
    if (occasion == NoticeOccasion::WhileClosed)
        return MilestoneNotice{QStringLiteral("お休みのあいだに…"), summaryBody(crossed)};
    if (crossed.size() == 1)
        return MilestoneNotice{crossed.front().title, crossed.front().sentence};
    return MilestoneNotice{QStringLiteral("新しい節目があります"), summaryBody(crossed)};
}

} // namespace kemurina
