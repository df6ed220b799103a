#include "core/Metrics.h"
#include "core/MilestoneWatch.h"
#include "support/Files.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kemurina;
using namespace kemurina::testing;

namespace {

constexpr std::int64_t kDay = 1440;
const QString kSoldier = QStringLiteral("ソルジャー");
const QString kTour = QStringLiteral("日本旅行");
const QuitProfile kQuit{2026, 1, 31, 8, 5, 20, 300, 85};

DateTimeParts at(std::int64_t minutes, const QuitProfile& quit = kQuit) {
    return momentAfter(quit.quitMoment(), minutes);
}

// Titles in order, one string, so that a failure prints readable Japanese.
std::string titles(const std::vector<Milestone>& found) {
    QStringList out;
    for (const Milestone& m : found)
        out << m.title;
    return out.join(QStringLiteral(" / ")).toStdString();
}

// Each row: what the clock crosses from lastSeen to now, in order, where the calendar, the
// theme or the clock make it more than a milestone at its minute (the next test).
TEST(Milestones, CrossingsAsATable) {
    const QuitProfile leapDay{2024, 2, 29, 10, 0, 20, 300, 85};
    const QuitProfile offCalendar{2026, 2, 30, 0, 0, 20, 300, 85};
    const struct {
        const char* name;
        DateTimeParts lastSeen, now;
        const char* expected;
        QuitProfile quit = kQuit;
        QString theme = kSoldier;
    } cases[] = {
        {"first day, tour", at(kDay - 1), at(kDay),
         "からだの回復（２４時間） / ステータス「石垣島」", kQuit, kTour},
        {"no theme, no title", at(kDay - 1), at(kDay), "からだの回復（２４時間）", kQuit,
         "ソルジャー "},
        {"31 Jan + 1 month", {2026, 2, 28, 23, 59}, {2026, 3, 1}, "卒煙１か月"},
        {"one year", at(365 * kDay - 1), at(365 * kDay),
         "からだの回復（１年） / 卒煙１年 / ステータス「ケンシロウ」"},
        {"29 Feb + 1 year",
         {2025, 2, 28, 23, 59},
         {2025, 3, 1},
         "卒煙１年 / ステータス「ケンシロウ」",
         leapDay},
        {"clock set back", at(12 * kDay), at(11 * kDay), ""},
        {"a restart counts from its quit moment", {2026, 1, 20}, at(20), "からだの回復（２０分）"},
        {"quit moment ahead", {2026, 1, 1}, {2026, 1, 31, 8, 4}, ""},
        {"quit moment off the calendar", {2026, 1, 1}, {2027, 1, 1}, "", offCalendar},
    };
    for (const auto& c : cases)
        EXPECT_EQ(titles(milestonesBetween(c.quit, c.theme, c.lastSeen, c.now)),
                  std::string(c.expected))
            << c.name;
}

// Each milestone names the moment of its minute; ticks of any length together find exactly
// what one long jump finds.
TEST(Milestones, EachAtItsMinuteAndOnlyOnce) {
    EXPECT_EQ(at(15 * 60 + 54), (DateTimeParts{2026, 1, 31, 23, 59})); // the quit day's last minute
    for (const QString& theme : {kSoldier, kTour}) {
        const auto all = milestonesBetween(kQuit, theme, at(0), at(800 * kDay));
        ASSERT_GT(all.size(), 30u);
        for (const Milestone& m : all)
            EXPECT_EQ(m.moment, at(m.minutes)) << m.title.toStdString();
        std::vector<Milestone> ticked;
        for (std::int64_t t = 0; t < 800 * kDay; t += 7 * kDay / 3) {
            const auto step = milestonesBetween(kQuit, theme, at(t), at(t + 7 * kDay / 3));
            ticked.insert(ticked.end(), step.begin(), step.end());
        }
        EXPECT_EQ(titles(ticked), titles(all));
    }
}

TEST(Milestones, FarJumpsStayBounded) {
    const auto all = milestonesBetween(kQuit, kSoldier, at(0), {9999, 12, 31, 23, 59});
    EXPECT_EQ(all.back().title, "ステータス「トトロ」");
    EXPECT_EQ(all.back().moment, (DateTimeParts{3026, 1, 31, 8, 5}));
    EXPECT_FALSE(nextMilestone(kQuit, kSoldier, {5000, 1, 1, 0, 0}));
    const auto next = nextMilestone(kQuit, kSoldier, {2027, 1, 31, 8, 5});
    ASSERT_TRUE(next);
    EXPECT_EQ(next->title.toStdString(),
              "卒煙２年"); // with ステータス「チョッパー」 at the same minute
    EXPECT_EQ(next->moment, (DateTimeParts{2028, 1, 31, 8, 5}));
}

TEST(Milestones, OneNoticePerOccasion) {
    const auto day11 = milestonesBetween(kQuit, kSoldier, at(11 * kDay - 1), at(11 * kDay));
    const auto running = milestoneNotice(day11, NoticeOccasion::WhileRunning);
    ASSERT_TRUE(running);
    EXPECT_EQ(running->title.toStdString(), "卒煙１１日目");
    EXPECT_EQ(running->body.toStdString(), "「アヒルの副隊長がやってきた」の絵が加わりました。");
    const auto closed = milestoneNotice(day11, NoticeOccasion::WhileClosed);
    ASSERT_TRUE(closed);
    EXPECT_EQ(closed->title.toStdString(), "お休みのあいだに…");
    EXPECT_EQ(closed->body.toStdString(),
              "卒煙１１日目：「アヒルの副隊長がやってきた」の絵が加わりました。");

    const auto many = milestonesBetween(kQuit, kSoldier, at(0), at(12 * kDay));
    const auto summary = milestoneNotice(many, NoticeOccasion::WhileRunning);
    EXPECT_EQ(summary->title.toStdString(), "新しい節目があります");
    EXPECT_EQ(
        summary->body.toStdString(),
        "節目を１５個迎えました。最近のもの：卒煙１週間、ステータス「准尉」、ステータス「少尉」、"
        "卒煙１１日目、ステータス「中尉」。");
    EXPECT_FALSE(milestoneNotice({}, NoticeOccasion::WhileClosed));
}

// A first start, or one over a file that is no record, tells nothing and writes the file.
// What was told stays told: a clock set back tells nothing and does not move the file back,
// and a switched-off watch still moves on, so that switching it on again floods nothing.
TEST(Watch, NeverTellsTwice) {
    QTemporaryDir dir;
    const DataStore store(dir.path());
    MilestoneWatch watch(store);
    for (const QByteArray& bad :
         {QByteArray("<missing>"), QByteArray("2026,2,30,0,0,1\r\n"),
          QByteArray("2026,2,1,0,0,2\r\n"), QByteArray("2026,2,1,0,0\r\n")}) {
        SCOPED_TRACE(bad.constData());
        QFile::remove(store.milestonePath());
        if (bad != "<missing>") {
            ASSERT_TRUE(writeBytes(store.milestonePath(), bad));
        }
        EXPECT_FALSE(watch.start(kQuit, kSoldier, at(12 * kDay - 1)));
        EXPECT_EQ(fileBytes(store.milestonePath()), "2026,2,12,8,4,1\r\n");
    }
    EXPECT_FALSE(watch.start(kQuit, kSoldier, at(12 * kDay - 1)));
    EXPECT_FALSE(watch.check(kQuit, kSoldier, at(5 * kDay))) << "set back";
    EXPECT_FALSE(watch.check(kQuit, kSoldier, at(12 * kDay - 1))) << "told before";
    EXPECT_EQ(store.loadMilestoneRecord({}).record.lastTold, at(12 * kDay - 1));
    EXPECT_EQ(watch.check(kQuit, kSoldier, at(12 * kDay))->title.toStdString(),
              "ステータス「中尉」");
    // A new attempt moves the file on at once, though it crossed nothing yet.
    QuitProfile restarted = kQuit;
    restarted.setQuitMoment(at(12 * kDay + 1));
    EXPECT_FALSE(watch.check(restarted, kSoldier, at(12 * kDay + 2)));
    EXPECT_EQ(store.loadMilestoneRecord({}).record.lastTold, at(12 * kDay + 2));
    ASSERT_TRUE(watch.setNotify(false));
    EXPECT_FALSE(watch.check(kQuit, kSoldier, at(14 * kDay)));
    EXPECT_EQ(fileBytes(store.milestonePath()), "2026,2,14,8,5,0\r\n");
    ASSERT_TRUE(watch.setNotify(true));
    EXPECT_FALSE(watch.check(kQuit, kSoldier, at(14 * kDay + 1)));
}

} // namespace
