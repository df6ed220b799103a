#include "tools/report/ReportJson.h"

#include "content/ComparisonObjects.h"
#include "core/Cravings.h"
#include "core/Milestones.h"
#include "core/Recovery.h"
#include "core/Reports.h"

#include <QJsonArray>

#include <array>
#include <span>

namespace kemurina {

namespace {

// In the order of the Caption enum.
constexpr std::array<const char*, kCaptionCount> kCaptionKeys = {"elapsed", "life",      "money",
                                                                 "status",  "notSmoked", "message"};

constexpr std::array<const char*, 5> kElapsedPartKeys = {"years", "months", "days", "hours",
                                                         "minutes"};

// ISO 8601 local date and time to the minute.
QString isoMinute(const DateTimeParts& t) {
    return QString::asprintf("%04d-%02d-%02dT%02d:%02d", t.year, t.month, t.day, t.hour, t.minute);
}

QJsonObject captionsJson(const DisplayValues& d) {
    QJsonObject o;
    for (std::size_t i = 0; i < kCaptionCount; ++i)
        o.insert(QLatin1String(kCaptionKeys[i]), d.captions[i]);
    return o;
}

QJsonObject elapsedJson(const Metrics& m) {
    QJsonObject o;
    for (std::size_t i = 0; i < kElapsedPartKeys.size(); ++i)
        o.insert(QLatin1String(kElapsedPartKeys[i]), m.elapsedParts[i]);
    return o;
}

QJsonObject lungJson(const Rgb& c) {
    return {{"hex", QString::asprintf("#%02x%02x%02x", c.red, c.green, c.blue)},
            {"red", c.red},
            {"green", c.green},
            {"blue", c.blue}};
}

// The arriving ducks are the pictures Image1(10..12), the rejoicing ones Image3(0..2).
QJsonObject milestonesJson(const MilestoneView& v) {
    const auto shown = [&](std::size_t from) {
        return int(v.visible[from]) + int(v.visible[from + 1]) + int(v.visible[from + 2]);
    };
    return {{"arrivedDucks", shown(Image1_10)},
            {"rejoicingDucks", shown(Image3_0)},
            {"progressValue", v.progressValue},
            {"progressMaximum", kProgressMaximum},
            {"progressBarVisible", !v.hideProgressBar}};
}

QJsonObject profileJson(const QuitProfile& p) {
    return {{"cigarettesPerDay", p.cigarettesPerDay},
            {"packPrice", p.packPrice},
            {"cigaretteLength", p.cigaretteLength}};
}

QJsonArray healthJson(std::int32_t totalMinutes) {
    QJsonArray milestones;
    for (const MilestoneProgress& p : recoveryTimeline(totalMinutes))
        milestones.append(QJsonObject{{"when", QString::fromUtf8(p.milestone.when)},
                                      {"text", QString::fromUtf8(p.milestone.change)},
                                      {"fromMinutes", p.milestone.fromMinutes},
                                      {"toMinutes", p.milestone.toMinutes},
                                      {"begun", p.begun},
                                      {"reached", p.reached},
                                      {"minutesLeft", qint64(p.minutesLeft)}});
    return milestones;
}

QJsonObject figuresJson(const AttemptFigures& f) {
    return {{"minutes", qint64(f.minutes)},
            {"cigarettesNotSmoked", f.cigarettes},
            {"moneySaved", f.money},
            {"lifeMinutes", qint64(f.lifeMinutes)}};
}

QJsonObject attemptJson(const AttemptResult& r) {
    QJsonObject o = figuresJson(r.figures);
    o.insert("start", isoMinute(r.attempt.start));
    o.insert("end", isoMinute(r.attempt.end));
    o.insert("profile", profileJson(r.attempt.profile()));
    return o;
}

QJsonObject historyJson(const LoadResult<History>& history, const QuitProfile& profile,
                        const DateTimeParts& now) {
    const HistorySummary h = summarizeHistory(history.record, profile, now);
    QJsonArray past;
    for (const AttemptResult& r : h.past)
        past.append(attemptJson(r));
    return {{"attempts", past},
            {"fileReadable", history.status != ReadStatus::Unreadable},
            {"unreadableLines", qint64(h.unreadable.size())},
            {"current", attemptJson(h.current)},
            {"longest", attemptJson(h.longest)},
            {"attemptCount", qint64(h.attemptCount)},
            {"totals", figuresJson(h.totals)}};
}

QString isoDate(const QDate& d) {
    return d.toString(Qt::ISODate);
}

QJsonArray countsJson(std::span<const std::int64_t> counts) {
    QJsonArray array;
    for (const std::int64_t n : counts)
        array.append(qint64(n));
    return array;
}

// What the pattern page's charts show for one scope.
QJsonObject cravingStatsJson(const CravingStats& s) {
    QJsonArray byTrigger, days, weeks;
    for (std::size_t i = 0; i < kCravingTriggerCount; ++i)
        byTrigger.append(QJsonObject{
            {"trigger", QString::fromUtf8(cravingTriggerName(static_cast<CravingTrigger>(i)))},
            {"count", qint64(s.byTrigger[i])}});
    for (std::size_t i = 0; i < kCravingDays; ++i)
        days.append(
            QJsonObject{{"date", isoDate(s.dayOf(i))}, {"count", qint64(s.lastThirtyDays[i])}});
    for (const CravingWeek& w : s.weeks) {
        const auto average = w.averageStrength();
        weeks.append(
            QJsonObject{{"from", isoDate(w.from)},
                        {"count", qint64(w.count)},
                        {"averageStrength", average ? QJsonValue(*average) : QJsonValue()}});
    }
    return {{"total", qint64(s.total)}, {"riddenOut", qint64(s.riddenOut)},
            {"byTrigger", byTrigger},   {"byHour", countsJson(s.byHour)},
            {"lastThirtyDays", days},   {"weeklyStrength", weeks}};
}

QJsonObject cravingsJson(const LoadResult<CravingLog>& log, const DateTimeParts& quitMoment,
                         const DateTimeParts& now) {
    QJsonArray entries;
    for (const CravingLine& line : log.record.lines) {
        if (!line.craving)
            continue;
        const Craving& c = *line.craving;
        entries.append(QJsonObject{{"moment", isoMinute(c.moment)},
                                   {"strength", c.strength},
                                   {"trigger", QString::fromUtf8(cravingTriggerName(c.trigger))},
                                   {"riddenOut", c.riddenOut},
                                   {"note", c.note}});
    }
    const CravingStats all = cravingStats(log.record, quitMoment, now, CravingScope::AllTime);
    QJsonObject o = cravingStatsJson(all);
    o.insert("entries", entries);
    o.insert("fileReadable", log.status != ReadStatus::Unreadable);
    o.insert("unreadableLines", qint64(all.unreadableLines));
    o.insert("currentAttempt", cravingStatsJson(cravingStats(log.record, quitMoment, now,
                                                             CravingScope::CurrentAttempt)));
    return o;
}

// By MilestoneKind.
constexpr std::array<const char*, 4> kMilestoneKindKeys = {"recovery", "anniversary", "picture",
                                                           "status"};

QJsonValue nextMilestoneJson(const AppState& s, const DateTimeParts& now) {
    const auto next = nextMilestone(s.profile, s.options.statusTheme, now);
    if (!next)
        return QJsonValue::Null;
    return QJsonObject{{"kind", kMilestoneKindKeys.at(static_cast<std::size_t>(next->kind))},
                       {"moment", isoMinute(next->moment)},
                       {"totalMinutes", qint64(next->minutes)},
                       {"title", next->title},
                       {"text", next->sentence}};
}

} // namespace

QString withLineBreaks(QString text, LineBreaks breaks) {
    return breaks == LineBreaks::CrLf ? text
                                      : text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QJsonObject reportJson(const AppState& s, const LoadResult<History>& history,
                       const LoadResult<CravingLog>& cravings, const DateTimeParts& now,
                       LineBreaks breaks) {
    const Metrics& m = s.metrics;
    return {
        {"schema", 1},
        {"version", QStringLiteral(KEMURINA_VERSION)},
        {"now", isoMinute(now)},
        {"quitMoment", isoMinute(s.profile.quitMoment())},
        {"profile", profileJson(s.profile)},
        {"theme", s.options.statusTheme},
        {"captions", captionsJson(s.display)},
        {"totalMinutes", m.totalMinutes},
        {"wholeDays", m.wholeDays},
        {"elapsed", elapsedJson(m)},
        {"moneySaved", m.moneySaved},
        {"taxShare", m.taxShare},
        {"lifeMinutes", m.lifeMinutes},
        {"cigarettesNotSmoked", m.cigarettesNotSmoked},
        {"totalLengthMm", m.totalLengthMm},
        {"metres", lengthInMetres(m.totalLengthMm)},
        {"comparisonObject", pickComparison(m.totalLengthMm)},
        {"lungColour", lungJson(s.display.lungColour)},
        {"milestones", milestonesJson(s.display.milestones)},
        {"nextMilestone", nextMilestoneJson(s, now)},
        {"shortSummary", s.shortSummary},
        {"miniSummary", withLineBreaks(s.display.miniSummary, breaks)},
        {"longReport", withLineBreaks(longReport(s), breaks)},
        {"shortPost", shortPost(s)},
        {"health", healthJson(m.totalMinutes)},
        {"history", historyJson(history, s.profile, now)},
        {"cravings", cravingsJson(cravings, s.profile.quitMoment(), now)},
    };
}

} // namespace kemurina
