#include "core/CravingView.h"

#include "core/RecordView.h"

#include <QStringList>
#include <algorithm>

namespace kemurina {

namespace {

constexpr int kDayLabelEvery = 5;
constexpr int kHourLabelEvery = 3;
constexpr std::size_t kBusiestHoursNamed = 3;

QString times(std::int64_t count) {
    return QString::number(count) + QStringLiteral("回");
}

QString shortDate(const QDate& d) {
    return QStringLiteral("%1/%2").arg(d.month()).arg(d.day());
}

QString longDate(const QDate& d) {
    return QStringLiteral("%1月%2日").arg(d.month()).arg(d.day());
}

QString strengthText(double average) {
    return QString::number(average, 'f', 1);
}

QString hourName(std::size_t hour) {
    return QString::number(hour) + QStringLiteral("時台");
}

BarChart titled(const QString& title, ChartKind kind) {
    BarChart chart;
    chart.title = title;
    chart.kind = kind;
    return chart;
}

double largest(const std::vector<ChartBar>& bars) {
    double top = 1;
    for (const ChartBar& b : bars)
        top = std::max(top, b.value);
    return top;
}

BarChart perDayChart(const CravingStats& s) {
    BarChart chart = titled(QStringLiteral("この30日の回数"), ChartKind::Columns);
    chart.labelEvery = kDayLabelEvery;
    std::size_t busiest = 0;
    std::int64_t sum = 0;
    for (std::size_t i = 0; i < kCravingDays; ++i) {
        const std::int64_t n = s.lastThirtyDays[i];
        chart.bars.push_back({shortDate(s.dayOf(i)), static_cast<double>(n), times(n)});
        sum += n;
        if (n >= s.lastThirtyDays[busiest]) // the latest of equals
            busiest = i;
    }
    chart.maximum = largest(chart.bars);
    chart.summary = sum == 0 ? QStringLiteral("この30日の記録はありません。")
                             : QStringLiteral("この30日で%1。いちばん多かったのは%2の%3です。")
                                   .arg(times(sum), longDate(s.dayOf(busiest)),
                                        times(s.lastThirtyDays[busiest]));
    return chart;
}

BarChart byHourChart(const CravingStats& s) {
    BarChart chart = titled(QStringLiteral("時間帯ごとの回数"), ChartKind::Columns);
    chart.labelEvery = kHourLabelEvery;
    std::vector<std::size_t> hours;
    for (std::size_t h = 0; h < s.byHour.size(); ++h) {
        chart.bars.push_back(
            {QString::number(h), static_cast<double>(s.byHour[h]), times(s.byHour[h])});
        if (s.byHour[h] > 0)
            hours.push_back(h);
    }
    chart.maximum = largest(chart.bars);
    std::stable_sort(hours.begin(), hours.end(),
                     [&](std::size_t a, std::size_t b) { return s.byHour[a] > s.byHour[b]; });
    hours.resize(std::min(hours.size(), kBusiestHoursNamed));
    QStringList named;
    for (const std::size_t h : hours)
        named << hourName(h) + QStringLiteral("（") + times(s.byHour[h]) + QStringLiteral("）");
    chart.summary = QStringLiteral("多い時間帯は、") + named.join(QStringLiteral("、")) +
                    QStringLiteral("です。");
    return chart;
}

BarChart triggerChart(const CravingStats& s) {
    BarChart chart = titled(QStringLiteral("きっかけ（多い順）"), ChartKind::Rows);
    QStringList named;
    for (const TriggerCount& t : rankedTriggers(s)) {
        if (t.count == 0)
            break;
        const QString name = QString::fromUtf8(cravingTriggerName(t.trigger));
        chart.bars.push_back({name, static_cast<double>(t.count), times(t.count)});
        named << name + QStringLiteral("（") + times(t.count) + QStringLiteral("）");
    }
    chart.maximum = largest(chart.bars);
    chart.summary = QStringLiteral("きっかけは多い順に、") + named.join(QStringLiteral("、")) +
                    QStringLiteral("です。");
    return chart;
}

QString trendText(double earlier, double later) {
    if (later < earlier)
        return QStringLiteral("弱くなってきています。");
    if (later > earlier)
        return QStringLiteral("強くなっています。");
    return QStringLiteral("変わっていません。");
}

BarChart weeklyStrengthChart(const CravingStats& s) {
    BarChart chart =
        titled(QStringLiteral("週ごとの平均の強さ（５がいちばん強い）"), ChartKind::Columns);
    chart.labelEvery = kHourLabelEvery;
    chart.maximum = kStrongestCraving;
    std::vector<std::pair<QDate, double>> measured;
    for (const CravingWeek& w : s.weeks) {
        const auto average = w.averageStrength();
        chart.bars.push_back({shortDate(w.from) + QStringLiteral("〜"), average.value_or(0),
                              average ? strengthText(*average) : QStringLiteral("—")});
        if (average)
            measured.emplace_back(w.from, *average);
    }
    if (measured.empty()) {
        chart.summary = QStringLiteral("この12週の記録はありません。");
    } else if (measured.size() == 1) {
        chart.summary = QStringLiteral("平均の強さは、%1からの週が%2です。")
                            .arg(longDate(measured[0].first), strengthText(measured[0].second));
    } else {
        const auto& [laterFrom, later] = measured.back();
        const auto& [earlierFrom, earlier] = measured[measured.size() - 2];
        chart.summary = QStringLiteral("平均の強さは、%1からの週が%2、%3からの週が%4で、")
                            .arg(longDate(earlierFrom), strengthText(earlier), longDate(laterFrom),
                                 strengthText(later)) +
                        trendText(earlier, later);
    }
    return chart;
}

QString emptyText(CravingScope scope) {
    return (scope == CravingScope::CurrentAttempt
                ? QStringLiteral("いまの挑戦では、まだ記録がありません。")
                : QStringLiteral("まだ記録がありません。")) +
           QStringLiteral("\n吸いたくなったら「吸いたい！」を開いて、数分だけ一緒に待ちましょう。"
                          "\n記録がたまると、いつ、何がきっかけで吸いたくなるのかが見えてきます。");
}

} // namespace

QString cravingScopeName(CravingScope scope) {
    return scope == CravingScope::CurrentAttempt ? QStringLiteral("いまの挑戦")
                                                 : QStringLiteral("これまでのすべて");
}

CravingPattern cravingPattern(const CravingStats& s, CravingScope scope) {
    CravingPattern p;
    p.headline = QStringLiteral("乗り越えた回数：%1（記録した%2のうち）")
                     .arg(times(s.riddenOut), times(s.total));
    if (s.total == 0)
        p.emptyText = emptyText(scope);
    p.charts = {perDayChart(s), byHourChart(s), triggerChart(s), weeklyStrengthChart(s)};
    if (s.unreadableLines > 0)
        p.unreadable = QStringLiteral("読めない行：%1行（ファイルにはそのまま残してあります）")
                           .arg(s.unreadableLines);
    return p;
}

QString cravingText(const LoadResult<CravingLog>& log, const DateTimeParts& quitMoment,
                    const DateTimeParts& now) {
    QStringList lines = {QStringLiteral("吸いたい気持ちの記録")};
    if (log.status == ReadStatus::Unreadable)
        lines << QStringLiteral("記録のファイル（kemurinadata/cravings.ini）を読めません。");
    CravingPattern p;
    for (const CravingScope scope : {CravingScope::CurrentAttempt, CravingScope::AllTime}) {
        p = cravingPattern(cravingStats(log.record, quitMoment, now, scope), scope);
        lines << QString() << QStringLiteral("［") + cravingScopeName(scope) + QStringLiteral("］")
              << p.headline;
        if (!p.emptyText.isEmpty())
            continue;
        for (const BarChart& chart : p.charts)
            lines << chart.summary;
    }
    if (!p.unreadable.isEmpty())
        lines << QString() << p.unreadable;
    return lines.join(QStringLiteral("\r\n"));
}

QString countdownText(std::int64_t msLeft) {
    const std::int64_t seconds =
        std::max<std::int64_t>(msLeft, 0) / 1000 + (msLeft > 0 && msLeft % 1000 != 0 ? 1 : 0);
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QString countdownEndQuestion() {
    return QStringLiteral("時間になりました。吸いたい気持ちは、乗り越えられましたか？");
}

CravingSave appendCraving(const DataStore& store, LoadResult<CravingLog>& log,
                          const Craving& craving) {
    if (log.status == ReadStatus::Unreadable)
        return CravingSave::FileUnreadable;
    CravingLog longer = log.record;
    longer.lines.push_back(cravingLineFor(craving));
    if (!store.saveCravings(longer))
        return CravingSave::SaveFailed;
    log.record = std::move(longer);
    log.status = ReadStatus::Ok;
    return CravingSave::Saved;
}

QString cravingSaveMessage(CravingSave result, const Craving& craving,
                           std::int64_t riddenOutSoFar) {
    switch (result) {
    case CravingSave::FileUnreadable:
        return QStringLiteral("吸いたい気持ちの記録のファイル（kemurinadata/cravings.ini）を"
                              "読めないため、上書きしないよう記録を中止しました");
    case CravingSave::SaveFailed:
        return recordSaveFailedMessage();
    case CravingSave::Saved:
        break;
    }
    if (craving.riddenOut)
        return QStringLiteral(
                   "記録しました。よく乗り越えましたね。乗り越えたのは、これで%1目です。")
            .arg(times(riddenOutSoFar));
    return QStringLiteral("記録しました。吸ってしまっても、ここまでの卒煙が消えるわけでは"
                          "ありません。\nこの挑戦をどうするかは「卒煙の記録」で決められます。");
}

} // namespace kemurina
