#include "core/Cp932.h"
#include "core/CravingView.h"
#include "support/Files.h"

#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>

using namespace kemurina;
using namespace kemurina::testing;

namespace {

CravingLine line(DateTimeParts at, int strength = 3, CravingTrigger t = CravingTrigger::Other,
                 bool riddenOut = true) {
    return cravingLineFor({at, strength, t, riddenOut, {}});
}

TEST(CravingsFile, RoundTripKeepsEveryLine) {
    const QByteArray example = "2010,11,2,7,0,3,5,1,\"" + encodeCp932("朝いちばん") + "\"";
    // Not urges: strength, trigger or outcome out of range, an impossible moment, a field
    // missing or too many, a quote inside the note, a stray CR, bytes that are not text.
    QByteArray file = example + "\r\n";
    QByteArray rewritten = file;
    for (const QByteArray bad :
         {"2010,11,2,7,0,0,5,1,\"\"", "2010,11,2,7,0,6,5,1,\"\"", "2010,11,2,7,0,3,9,1,\"\"",
          "2010,11,2,7,0,3,-1,1,\"\"", "2010,11,2,7,0,3,5,2,\"\"", "2010,2,30,7,0,3,5,1,\"\"",
          "2010,11,2,24,0,3,5,1,\"\"", "2010,11,2,7,0,3,5,1", "2010,11,2,7,0,3,5,1,\"\",1",
          "2010,11,2,7,0,3,5,1,\"a\"b\"", "2010,11,2,7,0,3,5,1,\"a\rb\"", "\x82\xa0\xff"}) {
        file += bad + "\n";
        rewritten += bad + "\r\n";
    }
    const CravingLog log = parseCravings(file + "\r\n" + example);
    EXPECT_EQ(formatCravings(log), rewritten + example + "\r\n");
    ASSERT_EQ(log.lines.size(), 14u);
    EXPECT_EQ(log.lines.front().craving,
              (Craving{{2010, 11, 2, 7, 0}, 3, CravingTrigger::Morning, true, "朝いちばん"}));
    for (std::size_t i = 1; i + 1 < log.lines.size(); ++i)
        EXPECT_FALSE(log.lines[i].craving) << log.lines[i].bytes.constData();
    EXPECT_EQ(cravingLineFor(*log.lines.front().craving).bytes, example);
}

TEST(CravingsFile, NoteAsTheFieldCarriesIt) {
    const std::pair<QString, QString> notes[] = {
        {"食後, コーヒーと一緒に", "食後, コーヒーと一緒に"}, // the comma comes back whole
        {"\"もう一本\"と思った", "”もう一本”と思った"},
        {" 行\tが\r\n変わる ", "行 が  変わる"},
        {"😀ｶﾞﾑ", "?ｶﾞﾑ"},
    };
    for (const auto& [typed, stored] : notes) {
        const CravingLine l =
            cravingLineFor({{2010, 1, 2, 3, 4}, 5, CravingTrigger::Alcohol, false, typed});
        EXPECT_EQ(l.craving->note, stored);
        EXPECT_EQ(parseCravings(l.bytes).lines.at(0).craving, l.craving) << typed.toStdString();
    }
}

// A file that cannot be read is never written over; a failed save leaves the log as it was.
TEST(CravingsFile, AppendOnlyOverWhatWasRead) {
    QTemporaryDir dir;
    const DataStore store(dir.path());
    ASSERT_TRUE(writeBytes(store.cravingsPath(), "broken\n"));
    LoadResult<CravingLog> log = store.loadCravings();
    const Craving urge{{2010, 1, 2, 3, 4}, 2, CravingTrigger::Coffee, true, "a"};
    EXPECT_EQ(appendCraving(store, log, urge), CravingSave::Saved);
    EXPECT_EQ(fileBytes(store.cravingsPath()), "broken\r\n2010,1,2,3,4,2,2,1,\"a\"\r\n");

    ASSERT_TRUE(QFile::remove(store.cravingsPath()) && QDir().mkpath(store.cravingsPath()));
    const auto before = snapshot(dir.path());
    log = store.loadCravings();
    EXPECT_EQ(log.status, ReadStatus::Unreadable);
    EXPECT_EQ(appendCraving(store, log, urge), CravingSave::FileUnreadable);
    EXPECT_TRUE(log.record.lines.empty());
    EXPECT_EQ(snapshot(dir.path()), before);

    // Where the folder cannot be made, nothing is saved and the log keeps what it had.
    const DataStore blocked(store.cravingsPath());
    ASSERT_TRUE(writeBytes(blocked.dataDir(), "a file where the folder would be"));
    log = {};
    EXPECT_EQ(appendCraving(blocked, log, urge), CravingSave::SaveFailed);
    EXPECT_TRUE(log.record.lines.empty());
}

// The figures in one line: ridden out of total, the lines not read, each chart's bars that are
// not zero as "index:count", and the three triggers ranked first.
std::string described(const CravingStats& s) {
    const auto bars = [](const auto& counts) {
        QStringList out;
        for (std::size_t i = 0; i < counts.size(); ++i) {
            if (counts[i] != 0)
                out << QStringLiteral("%1:%2").arg(i).arg(counts[i]);
        }
        return out.join(u' ');
    };
    std::array<std::int64_t, kCravingWeeks> weeks{};
    std::transform(s.weeks.begin(), s.weeks.end(), weeks.begin(),
                   [](const CravingWeek& w) { return w.count; });
    QStringList ranked;
    for (const TriggerCount& t : rankedTriggers(s))
        ranked << QString::fromUtf8(cravingTriggerName(t.trigger));
    return QStringLiteral("%1/%2, unread %3 | days %4 | hours %5 | weeks %6 | %7")
        .arg(s.riddenOut)
        .arg(s.total)
        .arg(s.unreadableLines)
        .arg(bars(s.lastThirtyDays), bars(s.byHour), bars(weeks), ranked.mid(0, 3).join(u' '))
        .toStdString();
}

// Now is 1 December 2010 at 00:30; the current attempt began on 30 November at 23:59.
TEST(CravingStats, BucketsAcrossMidnightMonthEndAndAttempt) {
    CravingLog log;
    log.lines = {line({2010, 11, 30, 23, 58}, 5, CravingTrigger::Alcohol, false), // before quitting
                 line({2010, 11, 30, 23, 59}, 4, CravingTrigger::Alcohol),
                 line({2010, 12, 1, 0, 0}, 1, CravingTrigger::Morning),
                 {"broken", std::nullopt},
                 line({2010, 11, 2, 10, 0}, 2, CravingTrigger::Coffee, false), // 29 days ago
                 line({2010, 11, 1, 10, 0}, 3, CravingTrigger::Coffee),        // 30 days ago
                 line({2010, 12, 2, 10, 0}, 3, CravingTrigger::Stress)};       // the clock set back
    const DateTimeParts quit{2010, 11, 30, 23, 59};
    const DateTimeParts now{2010, 12, 1, 0, 30};

    EXPECT_EQ(
        described(cravingStats(log, quit, now, CravingScope::CurrentAttempt)),
        "3/3, unread 1 | days 28:1 29:1 | hours 0:1 10:1 23:1 | weeks 11:2 | お酒 ストレス 朝");
    EXPECT_EQ(described(cravingStats(log, quit, now, CravingScope::AllTime)),
              "4/6, unread 1 | days 0:1 28:2 29:1 | hours 0:1 10:3 23:2 | weeks 7:2 11:3 | お酒 "
              "コーヒー ストレス");
    const CravingStats all = cravingStats(log, quit, now, CravingScope::AllTime);
    EXPECT_EQ(all.dayOf(0), QDate(2010, 11, 2));
    EXPECT_EQ(all.dayOf(29), QDate(2010, 12, 1));
    EXPECT_EQ(all.weeks[11].from, QDate(2010, 11, 25));
    EXPECT_EQ(all.weeks[7].from, QDate(2010, 10, 28));
    EXPECT_EQ(all.weeks[11].averageStrength(), (5 + 4 + 1) / 3.0);
    EXPECT_EQ(all.weeks[0].averageStrength(), std::nullopt);
}

TEST(CravingPattern, SentencesAndEmptyState) {
    CravingLog log;
    log.lines = {line({2010, 11, 20, 7, 0}, 4, CravingTrigger::Morning),
                 line({2010, 11, 20, 7, 30}, 4, CravingTrigger::Coffee, false),
                 line({2010, 11, 29, 21, 0}, 2, CravingTrigger::Morning),
                 line({2010, 11, 29, 5, 0}, 2, CravingTrigger::Morning)};
    const DateTimeParts quit{2010, 11, 1, 0, 0};
    const DateTimeParts now{2010, 12, 1, 12, 0};
    const CravingPattern p =
        cravingPattern(cravingStats(log, quit, now, CravingScope::AllTime), CravingScope::AllTime);
    EXPECT_EQ(p.headline, "乗り越えた回数：3回（記録した4回のうち）");
    EXPECT_TRUE(p.emptyText.isEmpty());
    EXPECT_EQ(p.charts[PerDayChart].summary,
              "この30日で4回。いちばん多かったのは11月29日の2回です。");
    EXPECT_EQ(p.charts[ByHourChart].summary,
              "多い時間帯は、7時台（2回）、5時台（1回）、21時台（1回）です。");
    EXPECT_EQ(p.charts[TriggerChart].summary,
              "きっかけは多い順に、朝（3回）、コーヒー（1回）です。");
    EXPECT_EQ(
        p.charts[WeeklyStrengthChart].summary,
        "平均の強さは、11月18日からの週が4.0、11月25日からの週が2.0で、弱くなってきています。");
    EXPECT_EQ(p.charts[PerDayChart].bars.back().label, "12/1");
    EXPECT_EQ(p.charts[PerDayChart].maximum, 2);

    const CravingPattern later =
        cravingPattern(cravingStats(log, {2010, 11, 30, 0, 0}, now, CravingScope::CurrentAttempt),
                       CravingScope::CurrentAttempt);
    EXPECT_TRUE(later.emptyText.startsWith("いまの挑戦では、まだ記録がありません。"));
    EXPECT_EQ(later.headline, "乗り越えた回数：0回（記録した0回のうち）");

    CravingStats flat;
    flat.weeks[10] = {QDate(2010, 11, 18), 1, 3};
    flat.weeks[11] = {QDate(2010, 11, 25), 2, 6};
    EXPECT_TRUE(cravingPattern(flat, CravingScope::AllTime)
                    .charts[WeeklyStrengthChart]
                    .summary.endsWith("3.0で、変わっていません。"));

    for (const auto& [ms, text] : {std::pair(kCravingCountdownMs, "5:00"),
                                   {299001, "5:00"},
                                   {60000, "1:00"},
                                   {1, "0:01"},
                                   {0, "0:00"},
                                   {-5, "0:00"}})
        EXPECT_EQ(countdownText(ms), text) << ms;

    LoadResult<CravingLog> file{log};
    file.record.lines.push_back({"x", std::nullopt});
    const QStringList text = cravingText(file, quit, now).split("\r\n");
    EXPECT_EQ(text.count("乗り越えた回数：3回（記録した4回のうち）"), 2);
    EXPECT_EQ(text.count(p.charts[TriggerChart].summary), 2);
    EXPECT_EQ(text.back(), "読めない行：1行（ファイルにはそのまま残してあります）");
}

} // namespace
