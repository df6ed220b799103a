#include "core/Reports.h"

#include "base/NumberText.h"

#include <QStringList>

namespace kemurina {

namespace {

const QString kLineBreak = QStringLiteral("\r\n");

QString n(std::int64_t v) {
    return QString::number(v);
}

// After the quit day: nothing, the daily profile, or the daily profile with the years smoked.
std::optional<QString> profileTail(const QuitProfile& p, const Options& o) {
    switch (o.profileSuffix) {
    case 0:
        return QStringLiteral("日");
    case 1:
        return QStringLiteral("日（") + n(p.cigarettesPerDay) + QStringLiteral("本-") +
               n(p.packPrice) + QStringLiteral("円-") + sizeWord(p.cigaretteLength) +
               QStringLiteral("）");
    case 2:
        return QStringLiteral("日（") + n(p.cigarettesPerDay) + QStringLiteral("本-") +
               n(o.smokingYears) + QStringLiteral("年）");
    default:
        return std::nullopt;
    }
}

QString elapsedTail(const Metrics& m, bool dayCount) {
    const QString clock =
        n(m.hours()) + QStringLiteral("時間 ") + n(m.minutes()) + QStringLiteral("分");
    if (dayCount)
        return n(m.wholeDays) + QStringLiteral("日 ") + clock;
    return n(m.years()) + QStringLiteral("年 ") + n(m.months()) + QStringLiteral("ヶ月 ") +
           n(m.days()) + QStringLiteral("日 ") + clock;
}

QString sixLines(const AppState& s, const QString& profileTailText) {
    const auto& c = s.display.captions;
    const Metrics& m = s.metrics;
    const QuitProfile& p = s.profile;
    const QStringList lines = {
        QStringLiteral("ステータス： ") + c[StatusCaption],
        QStringLiteral("卒煙日： ") + n(p.quitYear) + QStringLiteral("年 ") + n(p.quitMonth) +
            QStringLiteral("月 ") + n(p.quitDay) + profileTailText,
        QStringLiteral("卒煙からの日数： ") + elapsedTail(m, s.elapsedToggle),
        QStringLiteral("延びた寿命： ") + n(m.lifeDays()) + QStringLiteral("日と") +
            n(m.lifeHoursPart()) + QStringLiteral("時間") + n(m.lifeMinutesPart()) +
            QStringLiteral("分"),
        QStringLiteral("節約できた金額： ") + c[MoneyCaption],
        QStringLiteral("節煙本数： ") + c[NotSmokedCaption],
    };
    return lines.join(kLineBreak);
}

QString postProfile(const QuitProfile& p, const Options& o) {
    switch (o.profileSuffix) {
    case 1:
        return QStringLiteral("それまで１日") + wideNumber(p.cigarettesPerDay) +
               QStringLiteral("本吸っていました。");
    case 2:
        return QStringLiteral("それまで") + wideNumber(o.smokingYears) + QStringLiteral("年間") +
               QStringLiteral("１日") + wideNumber(p.cigarettesPerDay) + QStringLiteral("本") +
               QStringLiteral("吸っていました。");
    default:
        return {};
    }
}

} // namespace

QString sizeWord(std::int32_t cigaretteLength) {
    switch (cigaretteLength) {
    case 50:
        return QStringLiteral("小");
    case 85:
        return QStringLiteral("中");
    case 100:
        return QStringLiteral("大");
    default:
        return {};
    }
}

QString longReport(const AppState& state) {
    return sixLines(state, profileTail(state.profile, state.options).value_or(QString()));
}

QString miniSummary(const AppState& state) {
    const auto tail = profileTail(state.profile, state.options);
    return tail ? sixLines(state, *tail) : QString();
}

QString shortPost(const AppState& state) {
    const QuitProfile& p = state.profile;
    const auto& c = state.display.captions;
    return wideNumber(p.quitYear) + QStringLiteral("年") + wideNumber(p.quitMonth) +
           QStringLiteral("月") + wideNumber(p.quitDay) + QStringLiteral("日に卒煙。") +
           postProfile(p, state.options) + c[ElapsedCaption] + QStringLiteral("経過しました。") +
           state.shortSummary + QStringLiteral("ステータスは") + c[StatusCaption] +
           QStringLiteral("。");
}

} // namespace kemurina
