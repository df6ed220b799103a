#include "core/DataFiles.h"
#include "core/RecordView.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace kemurina;

TEST(HistoryFile, RoundTripKeepsEveryLine) {
    const QByteArray good = "2010,1,1,0,0,2010,1,11,23,59,20,300,85";
    // Not attempts: impossible moments, an end before the start, a field short, a stray CR
    // that would hide the rest of the line, a fraction, bytes that are not text.
    QByteArray file = good + "\r\n";
    QByteArray rewritten = file;
    for (const QByteArray line :
         {"2010,13,1,0,0,2010,1,9,0,0,1,1,1", "2010,2,30,0,0,2010,3,9,0,0,1,1,1",
          "2010,1,1,24,0,2010,1,9,0,0,1,1,1", "2010,1,1,0,60,2010,1,9,0,0,1,1,1",
          "2010,1,1,-1,0,2010,1,9,0,0,1,1,1", "2010,1,1,0,0,2010,1,9,0,-1,1,1,1",
          "2010,1,9,0,0,2010,1,1,0,0,1,1,1", "2010,1,1,0,0,2010,1,9,0,0,1,1",
          "2010,1,1,0,0,2010,1,9,0,0,1,1,1\rx", "2010,1,1,0,0,2010,1,9,0,0,1,1.5,1",
          "this line is broken", "\x82\xa0\xff"}) {
        file += line + "\n"; // an LF alone ends a line too
        rewritten += line + "\r\n";
    }
    // Empty lines hold nothing; the last may lack its end.
    const History history = parseHistory(file + "\n\r\n" + good);
    EXPECT_EQ(formatHistory(history), rewritten + good + "\r\n");
    EXPECT_EQ(std::count_if(history.lines.begin(), history.lines.end(),
                            [](const HistoryLine& l) { return l.attempt.has_value(); }),
              2);
    EXPECT_EQ(history.lines.front().attempt, (Attempt{{2010, 1, 1, 0, 0}, {2010, 1, 11, 23, 59}}));
    EXPECT_EQ(historyLineFor(*history.lines.front().attempt).bytes, good);
}

// 10 days at 20 a day and 300 yen, 2 days at 10 a day and 500 yen, an unreadable line, and
// the current attempt of 3 days at 20 a day and 300 yen.
TEST(HistorySummary, FiguresTotalsAndTexts) {
    LoadResult<History> history;
    history.record.lines = {historyLineFor({{2010, 1, 1, 0, 0}, {2010, 1, 11, 0, 0}}),
                            {"broken", std::nullopt},
                            historyLineFor({{2010, 3, 1, 12, 30}, {2010, 3, 3, 12, 30}, 10, 500})};
    const QuitProfile current{2010, 4, 1, 0, 0};
    const DateTimeParts now{2010, 4, 4, 0, 0};

    const HistorySummary s = summarizeHistory(history.record, current, now);
    ASSERT_EQ(s.past.size(), 2u);
    EXPECT_EQ(s.past[0].attempt.start.month, 3); // newest first
    EXPECT_EQ(s.longest.attempt.start.month, 1);
    const AttemptFigures& t = s.totals;
    EXPECT_EQ(std::tuple(t.minutes, t.cigarettes, t.money, t.lifeMinutes),
              std::tuple((10 + 2 + 3) * 1440, 200 + 20 + 60, 3000 + 500 + 900, 1100 + 110 + 330));
    // A clock set back before the quit moment adds nothing and cannot be the longest.
    const HistorySummary back = summarizeHistory(history.record, current, {2010, 3, 20, 0, 0});
    EXPECT_EQ(back.totals.minutes, 12 * 1440);
    EXPECT_EQ(back.current.figures.money, 0);

    const RecordView v = recordView(current, history, now);
    EXPECT_EQ(v.summary[1].value, "3回");
    const QStringList text = recordText(v).split("\r\n");
    EXPECT_TRUE(
        text.contains("2010年3月1日 12:30 〜 2010年3月3日 12:30　２日０時間０分　20本　500円"));
    EXPECT_TRUE(text.contains("読めない行：broken"));
    EXPECT_EQ(text.back(), "読めない行：1行（ファイルにはそのまま残してあります）");
    EXPECT_EQ(text[5], "［あと８７日０時間０分］２週間〜３か月　" + v.timeline[4].change);
    const RecordView unreadable = recordView(current, {{}, ReadStatus::Unreadable}, now);
    EXPECT_TRUE(recordText(unreadable)
                    .contains("記録のファイル（kemurinadata/history.ini）を読めません。"));
}

TEST(Restart, NeedsAtLeastOneMinute) {
    const QuitProfile p{2010, 4, 1, 12, 0};
    EXPECT_EQ(checkRestart(p, {2010, 4, 1, 11, 59}), RestartCheck::QuitInFuture);
    EXPECT_EQ(checkRestart(p, {2010, 4, 1, 12, 0}), RestartCheck::NothingToRecord);
    EXPECT_EQ(checkRestart(p, {2010, 4, 1, 12, 1}), RestartCheck::Allowed);
}

TEST(RecoveryTimeline, StartsAndEnds) {
    const auto milestones = recoveryMilestones();
    for (std::size_t i = 0; i < milestones.size(); ++i) {
        const RecoveryMilestone& m = milestones[i];
        SCOPED_TRACE(m.when);
        EXPECT_FALSE(recoveryTimeline(m.fromMinutes - 1)[i].begun);
        EXPECT_TRUE(recoveryTimeline(m.fromMinutes)[i].begun);
        // The ends rise strictly: one minute short of its end a milestone is the only next one.
        const auto before = recoveryTimeline(m.toMinutes - 1);
        EXPECT_EQ(before[i].minutesLeft, 1);
        for (std::size_t j = 0; j < before.size(); ++j)
            EXPECT_EQ(before[j].next, j == i) << j;
        EXPECT_TRUE(recoveryTimeline(m.toMinutes)[i].reached);
    }
}

TEST(DurationText, NoLeadingZeroUnits) {
    const std::pair<std::int64_t, const char*> cases[] = {{-3, "０分"},
                                                          {60, "１時間０分"},
                                                          {1440, "１日０時間０分"},
                                                          {50 * 1440 + 61, "５０日１時間１分"}};
    for (const auto& [minutes, text] : cases)
        EXPECT_EQ(durationText(minutes), text) << minutes;
}
