#include "core/DataFiles.h"
#include "core/RecordView.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kemurina;

namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

Attempt attempt(DateTimeParts start, DateTimeParts end, std::int32_t perDay = 20,
                std::int32_t price = 300) {
    return {start, end, perDay, price, 85};
}

} // namespace

TEST(HistoryFile, RoundTripKeepsEveryLineAndRejectsWhatIsNotAnAttempt) {
    const QByteArray good = "2010,1,1,0,0,2010,1,11,23,59,20,300,85";
    const QByteArray damaged[] = {
        "this line is broken",
        "2010,13,1,0,0,2010,1,11,0,0,20,300,85", // no 13th month
        "2010,2,30,0,0,2010,3,11,0,0,20,300,85", // no 30 February
        "2010,1,1,24,0,2010,1,11,0,0,20,300,85", // no hour 24
        "2010,1,1,0,60,2010,1,11,0,0,20,300,85", // no minute 60
        "2010,1,1,-1,0,2010,1,11,0,0,20,300,85",
        "2010,1,11,0,0,2010,1,1,0,0,20,300,85",    // ends before it starts
        "2010,1,1,0,0,2010,1,11,0,0,20,300",       // a field short
        "2010,1,1,0,0,2010,1,11,0,0,20,300,85\rx", // a stray CR hides the rest
        "2010,1,1,0,0,2010,1,11,0,0,20,3.5,85",
        "\x82\xa0\xff",
    };
    QByteArray file = good + "\r\n";
    for (const QByteArray& line : damaged)
        file += line + "\n"; // an LF alone ends a line too
    file += "\r\n" + good;   // empty lines hold nothing; the last may lack its end

    const History history = parseHistory(file);
    ASSERT_EQ(history.lines.size(), std::size(damaged) + 2);
    EXPECT_EQ(history.lines.front().attempt, attempt({2010, 1, 1, 0, 0}, {2010, 1, 11, 23, 59}));
    EXPECT_EQ(history.lines.back().bytes, good);
    for (std::size_t i = 0; i < std::size(damaged); ++i) {
        EXPECT_FALSE(history.lines[i + 1].attempt) << damaged[i].constData();
        EXPECT_EQ(history.lines[i + 1].bytes, damaged[i]);
    }
    QByteArray expected = good + "\r\n";
    for (const QByteArray& line : damaged)
        expected += line + "\r\n";
    EXPECT_EQ(formatHistory(history), expected + good + "\r\n");
    EXPECT_EQ(historyLineFor(*history.lines.front().attempt).bytes, good);
}

TEST(HistoryFile, MissingIsEmptyAndUnwrittenAndADamagedLineSurvivesARewrite) {
    QTemporaryDir dir;
    const DataStore store(dir.path());
    const LoadResult<History> none = store.loadHistory();
    EXPECT_EQ(none.status, ReadStatus::Missing);
    EXPECT_TRUE(none.record.lines.empty());
    EXPECT_FALSE(QFile::exists(store.historyPath()));

    writeAll(store.historyPath(), "garbage\tline\r\n");
    History history = store.loadHistory().record;
    history.lines.push_back(historyLineFor(attempt({2010, 1, 1, 0, 0}, {2010, 1, 2, 0, 0})));
    ASSERT_TRUE(store.saveHistory(history));
    EXPECT_EQ(readAll(store.historyPath()),
              "garbage\tline\r\n2010,1,1,0,0,2010,1,2,0,0,20,300,85\r\n");

    // Neither a folder in its place nor a file far too big is a history to write over.
    writeAll(store.historyPath(), QByteArray(4 * 1024 * 1024 + 1, '\n'));
    EXPECT_EQ(store.loadHistory().status, ReadStatus::Unreadable);
    QFile::remove(store.historyPath());
    QDir().mkpath(store.historyPath());
    EXPECT_EQ(store.loadHistory().status, ReadStatus::Unreadable);
}

TEST(HistorySummary, TotalsLongestAndOrderOverThePastAndTheCurrentAttempt) {
    History history;
    // 10 days at 20 a day and 300 yen; 2 days at 10 a day and 500 yen; one unreadable line.
    history.lines.push_back(historyLineFor(attempt({2010, 1, 1, 0, 0}, {2010, 1, 11, 0, 0})));
    history.lines.push_back({"broken", std::nullopt});
    history.lines.push_back(
        historyLineFor(attempt({2010, 3, 1, 12, 0}, {2010, 3, 3, 12, 0}, 10, 500)));
    QuitProfile current;
    current.setQuitMoment({2010, 4, 1, 0, 0});
    const DateTimeParts now{2010, 4, 4, 0, 0}; // 3 days

    const HistorySummary s = summarizeHistory(history, current, now);
    ASSERT_EQ(s.past.size(), 2u);
    EXPECT_EQ(s.past[0].attempt.start.month, 3); // newest first
    EXPECT_EQ(s.past[0].figures.money, 500);
    EXPECT_EQ(s.past[1].figures.cigarettes, 200);
    EXPECT_EQ(s.past[1].figures.lifeMinutes, 1100);
    EXPECT_EQ(s.unreadable, std::vector<QByteArray>{"broken"});
    EXPECT_EQ(s.attemptCount, 3);
    EXPECT_EQ(s.longest.attempt.start.month, 1);
    EXPECT_EQ(s.totals.minutes, (10 + 2 + 3) * 1440);
    EXPECT_EQ(s.totals.cigarettes, 200 + 20 + 60);
    EXPECT_EQ(s.totals.money, 3000 + 500 + 900);
    EXPECT_EQ(s.totals.lifeMinutes, 1100 + 110 + 330);

    // A clock set back before the quit moment adds nothing and cannot be the longest.
    const HistorySummary back = summarizeHistory(history, current, {2010, 3, 20, 0, 0});
    EXPECT_EQ(back.totals.minutes, 12 * 1440);
    EXPECT_EQ(back.current.figures.money, 0);
}

TEST(Restart, NeedsAnAttemptOfAtLeastOneMinute) {
    QuitProfile p;
    p.setQuitMoment({2010, 4, 1, 12, 0});
    EXPECT_EQ(checkRestart(p, {2010, 4, 1, 11, 59}), RestartCheck::QuitInFuture);
    EXPECT_EQ(checkRestart(p, {2010, 4, 1, 12, 0}), RestartCheck::NothingToRecord);
    EXPECT_EQ(checkRestart(p, {2010, 4, 1, 12, 1}), RestartCheck::Allowed);
}

TEST(RecordView, RendersTheTimelineTheAttemptsAndTheTotals) {
    LoadResult<History> history;
    history.record.lines.push_back(
        historyLineFor(attempt({2010, 1, 1, 0, 0}, {2010, 1, 11, 6, 45})));
    history.record.lines.push_back({"broken", std::nullopt});
    QuitProfile p;
    p.setQuitMoment({2010, 2, 1, 0, 0});
    const RecordView v = recordView(p, history, {2010, 3, 13, 0, 0}); // day 40

    QStringList statuses;
    for (const RecordTimelineRow& r : v.timeline)
        statuses << r.status;
    EXPECT_EQ(statuses.join(u'|'), QStringLiteral("達成|達成|達成|達成|あと５０日０時間０分|進行中|"
                                                  "これから|これから|これから|これから"));
    ASSERT_EQ(v.attempts.size(), 2u);
    const RecordAttemptRow& a = v.attempts[0];
    EXPECT_EQ(
        QStringList({a.start, a.end, a.duration, a.cigarettes, a.money}).join(u'|'),
        QStringLiteral("2010年1月1日 0:00|2010年1月11日 6:45|１０日６時間４５分|205本|3084円"));
    EXPECT_FALSE(v.attempts[1].readable);
    EXPECT_EQ(v.attempts[1].end, "broken");
    EXPECT_EQ(v.summary[1].value, QStringLiteral("2回"));
    EXPECT_EQ(v.summary[3].value, QStringLiteral("５０日６時間４５分"));
    EXPECT_EQ(v.summary.back().caption, QStringLiteral("読めない行"));

    const QStringList text = recordText(v).split(QStringLiteral("\r\n"));
    EXPECT_EQ(text[5],
              QStringLiteral("［あと５０日０時間０分］２週間〜３か月　") + v.timeline[4].change);
    EXPECT_TRUE(text.contains(QStringLiteral(
        "2010年1月1日 0:00 〜 2010年1月11日 6:45　１０日６時間４５分　205本　3084円")));
    EXPECT_TRUE(text.contains(QStringLiteral("読めない行：broken")));

    history.status = ReadStatus::Unreadable;
    history.record = {};
    const RecordView unreadable = recordView(p, history, {2010, 3, 13, 0, 0});
    EXPECT_FALSE(unreadable.noAttempts.isEmpty());
    EXPECT_TRUE(recordText(unreadable).contains(unreadable.noAttempts));
}
