#include "core/RecordView.h"

#include "base/NumberText.h"
#include "core/Checked.h"
#include "core/Cp932.h"

#include <QStringList>

namespace kemurina {

namespace {

constexpr std::int64_t kMinutesPerDay = 1440;

QString momentText(const DateTimeParts& m) {
    return QStringLiteral("%1年%2月%3日 %4:%5")
        .arg(m.year)
        .arg(m.month)
        .arg(m.day)
        .arg(m.hour)
        .arg(m.minute, 2, 10, QLatin1Char('0'));
}

QString countText(double cigarettes) {
    return plainNumber(cigarettes) + QStringLiteral("本");
}

QString moneyText(double yen) {
    return plainNumber(yen) + QStringLiteral("円");
}

QString sinceText(const AttemptResult& r) {
    return durationText(r.figures.minutes) + QStringLiteral("（") + momentText(r.attempt.start) +
           QStringLiteral("から）");
}

QString milestoneStatus(const MilestoneProgress& p) {
    if (p.reached)
        return QStringLiteral("達成");
    if (p.next)
        return timeLeftText(p.minutesLeft);
    return p.begun ? QStringLiteral("進行中") : QStringLiteral("これから");
}

RecordAttemptRow attemptRow(const AttemptResult& r) {
    return {momentText(r.attempt.start), momentText(r.attempt.end), durationText(r.figures.minutes),
            countText(r.figures.cigarettes), moneyText(r.figures.money)};
}

// The line as the user would see it in an editor; bytes that are not text become "?".
RecordAttemptRow unreadableRow(const QByteArray& bytes) {
    QString text = decodeCp932(bytes).value_or(QString::fromLatin1(bytes));
    for (QChar& c : text) {
        if (c.category() == QChar::Other_Control)
            c = QLatin1Char('?');
    }
    RecordAttemptRow row;
    row.start = QStringLiteral("読めない行");
    row.end = text;
    row.readable = false;
    return row;
}

std::vector<RecordSummaryRow> summaryRows(const HistorySummary& s) {
    std::vector<RecordSummaryRow> rows = {
        {QStringLiteral("いまの挑戦"), sinceText(s.current)},
        {QStringLiteral("挑戦の回数"), QString::number(s.attemptCount) + QStringLiteral("回")},
        {QStringLiteral("いちばん長い挑戦"), sinceText(s.longest)},
        {QStringLiteral("卒煙した時間の合計"), durationText(s.totals.minutes)},
        {QStringLiteral("吸わなかった煙草の合計"), countText(s.totals.cigarettes)},
        {QStringLiteral("節約できた金額の合計"), moneyText(s.totals.money)},
        {QStringLiteral("延びた寿命の合計"), durationText(s.totals.lifeMinutes)},
    };
    if (!s.unreadable.empty())
        rows.push_back({QStringLiteral("読めない行"),
                        QString::number(s.unreadable.size()) +
                            QStringLiteral("行（ファイルにはそのまま残してあります）")});
    return rows;
}

} // namespace

QString recoveryHeading() {
    return QStringLiteral("からだの回復");
}
QString attemptsHeading() {
    return QStringLiteral("これまでの挑戦");
}
QString summaryHeading() {
    return QStringLiteral("いまの挑戦と合計");
}

QString durationText(std::int64_t minutes) {
    if (minutes < 0)
        minutes = 0;
    const std::int64_t days = minutes / kMinutesPerDay;
    const std::int64_t hours = minutes % kMinutesPerDay / 60;
    QString text;
    if (days > 0)
        text += wideNumber(static_cast<double>(days)) + QStringLiteral("日");
    if (days > 0 || hours > 0)
        text += wideNumber(static_cast<double>(hours)) + QStringLiteral("時間");
    return text + wideNumber(static_cast<double>(minutes % 60)) + QStringLiteral("分");
}

QString timeLeftText(std::int64_t minutes) {
    return QStringLiteral("あと") + durationText(minutes);
}

RecordView recordView(const QuitProfile& profile, const LoadResult<History>& history,
                      const DateTimeParts& now) {
    RecordView view;
    const HistorySummary s = summarizeHistory(history.record, profile, now);
    for (const MilestoneProgress& p : recoveryTimeline(saturateToInt32(s.current.figures.minutes)))
        view.timeline.push_back({QString::fromUtf8(p.milestone.when),
                                 QString::fromUtf8(p.milestone.change), milestoneStatus(p),
                                 p.next});
    view.source = QString::fromUtf8(recoverySource());
    for (const AttemptResult& r : s.past)
        view.attempts.push_back(attemptRow(r));
    for (const QByteArray& bytes : s.unreadable)
        view.attempts.push_back(unreadableRow(bytes));
    if (history.status == ReadStatus::Unreadable)
        view.noAttempts =
            QStringLiteral("記録のファイル（kemurinadata/history.ini）を読めません。");
    else if (view.attempts.empty())
        view.noAttempts = QStringLiteral("まだ記録はありません。");
    view.summary = summaryRows(s);
    return view;
}

QString recordText(const RecordView& view) {
    const QString gap = QStringLiteral("　");
    QStringList lines = {recoveryHeading()};
    for (const RecordTimelineRow& r : view.timeline)
        lines << QStringLiteral("［") + r.status + QStringLiteral("］") + r.when + gap + r.change;
    lines << view.source << QString() << attemptsHeading();
    for (const RecordAttemptRow& r : view.attempts) {
        if (r.readable)
            lines << r.start + QStringLiteral(" 〜 ") + r.end + gap + r.duration + gap +
                         r.cigarettes + gap + r.money;
        else
            lines << r.start + QStringLiteral("：") + r.end;
    }
    if (!view.noAttempts.isEmpty())
        lines << view.noAttempts;
    lines << QString() << summaryHeading();
    for (const RecordSummaryRow& r : view.summary)
        lines << r.caption + QStringLiteral("：") + r.value;
    return lines.join(QStringLiteral("\r\n"));
}

QString restartQuestion(const QuitProfile& profile, const DateTimeParts& now) {
    const AttemptFigures f = attemptFigures(currentAttempt(profile, now));
    return QStringLiteral("いまの挑戦（") + durationText(f.minutes) +
           QStringLiteral("）を記録して、\nいまからもう一度はじめますか？");
}

QString restartRefusedMessage(RestartCheck check) {
    if (check == RestartCheck::QuitInFuture)
        return QStringLiteral("卒煙日時が現在の時刻より後になっているため、記録できません。"
                              "パソコンの時計と設定の卒煙日を確認してください");
    return QStringLiteral("いまの挑戦はこの１分ではじまったばかりなので、記録するものがありません");
}

QString restartWhileSettingsMessage() {
    return QStringLiteral("設定ウィンドウを閉じてから、もう一度押してください");
}

QString historyUnreadableMessage() {
    return QStringLiteral("記録のファイル（kemurinadata/history.ini）を読めないため、"
                          "上書きしないよう記録を中止しました");
}

QString recordSaveFailedMessage() {
    return QStringLiteral("記録をファイルに保存できませんでした。"
                          "データフォルダに書き込めるか確認してください");
}

} // namespace kemurina
