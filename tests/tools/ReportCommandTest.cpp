#include "tools/report/ReportCommand.h"

#include "core/CravingView.h"
#include "core/DataFiles.h"
#include "core/RecordView.h"
#include "core/Refresh.h"
#include "core/Reports.h"
#include "support/Files.h"
#include "support/FixedClock.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kemurina;
using namespace kemurina::testing;

namespace {

class ReportTool : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(store.saveQuitProfile(profile) && store.saveOptions(options));
    }
    CommandOutput run(QStringList a) { return runReportCommand(a, dir.path(), clock, random); }
    static QByteArray lf(QString crlf) { return crlf.replace("\r\n", "\n").toUtf8() + "\n"; }

    const QuitProfile profile{2010, 10, 1, 0, 0, 20, 300, 85};
    const Options options{.setupDone = 1, .profileSuffix = 1};
    QTemporaryDir dir;
    DataStore store{dir.path()};
    FixedClock clock{{2010, 10, 4, 4, 5}};
    FixedRandom random{50};
};

} // namespace

// Every text and figure is the engine's.
TEST_F(ReportTool, TheEngineTextsAndJson) {
    ASSERT_TRUE(writeBytes(store.historyPath(), "2010,9,1,0,0,2010,9,5,12,0,20,300,85\r\nbad\r\n"));
    ASSERT_TRUE(writeBytes(store.cravingsPath(), "2010,9,30,23,0,4,1,0,\"\"\r\nbad\r\n"
                                                 "2010,10,4,3,0,2,5,1,\"a,b\"\r\n"));
    AppState s;
    s.profile = profile;
    s.options = options;
    refreshAll(s, clock.now(), random.value);
    EXPECT_EQ(run({}).out, lf(longReport(s)));
    EXPECT_EQ(run({"--crlf"}).out, longReport(s).toUtf8());
    EXPECT_EQ(run({"--short", "--crlf"}).out, shortPost(s).toUtf8());
    EXPECT_EQ(run({"--mini"}).out, lf(s.display.miniSummary));
    EXPECT_EQ(run({"--record", "--crlf"}).out,
              recordText(recordView(profile, store.loadHistory(), clock.now())).toUtf8());
    EXPECT_EQ(run({"--cravings", "--crlf"}).out,
              cravingText(store.loadCravings(), profile.quitMoment(), clock.now()).toUtf8());

    const QByteArray out = run({"--json"}).out;
    const QJsonObject o = QJsonDocument::fromJson(out).object();
    EXPECT_EQ(o.keys().join(' '),
              "captions cigarettesNotSmoked comparisonObject cravings elapsed health history "
              "lifeMinutes longReport lungColour metres milestones miniSummary moneySaved "
              "nextMilestone now profile quitMoment schema shortPost shortSummary taxShare theme "
              "totalLengthMm totalMinutes version wholeDays");
    EXPECT_TRUE(out.contains("\"status\": \"" + s.display.captions[StatusCaption].toUtf8()))
        << "text as UTF-8, not escaped";
    EXPECT_EQ(o["captions"]["elapsed"].toString(), s.display.captions[ElapsedCaption]);
    EXPECT_EQ(o["quitMoment"].toString(), "2010-10-01T00:00");
    EXPECT_EQ(o["elapsed"]["days"].toInt(), 3);
    EXPECT_EQ(o["lungColour"]["hex"].toString(), "#230000");
    EXPECT_EQ(o["health"][4]["minutesLeft"].toInt(), 90 * 1440 - 4565); // to 3 months
    EXPECT_EQ(o["history"]["attempts"][0]["start"].toString(), "2010-09-01T00:00");
    EXPECT_EQ(o["history"]["attempts"][0]["profile"]["packPrice"].toInt(), 300);
    EXPECT_EQ(o["history"]["totals"]["minutes"].toInt(), 6480 + 4565);
    EXPECT_EQ(o["nextMilestone"]["moment"].toString(), "2010-10-05T00:00"); // 兵長 to 伍長
    EXPECT_EQ(o["nextMilestone"]["kind"].toString(), "status");
    const QJsonValue c = o["cravings"];
    EXPECT_EQ(c["entries"][1]["note"].toString(), "a,b");
    EXPECT_EQ(c["entries"][1]["trigger"].toString(), "朝");
    EXPECT_EQ(c["entries"][0]["riddenOut"].toBool(), false);
    EXPECT_EQ(std::tuple(c["total"].toInt(), c["riddenOut"].toInt(), c["unreadableLines"].toInt()),
              std::tuple(2, 1, 1));
    EXPECT_EQ(c["currentAttempt"]["total"].toInt(), 1);
    EXPECT_EQ(c["byTrigger"][1]["trigger"].toString(), "お酒");
    EXPECT_EQ(c["byTrigger"][8]["count"].toInt(), 0) << "every trigger, zeros too";
    EXPECT_EQ(c["byHour"][23].toInt(), 1);
    EXPECT_EQ(c["lastThirtyDays"][29]["date"].toString(), "2010-10-04");
    EXPECT_EQ(c["lastThirtyDays"][29]["count"].toInt(), 1);
    EXPECT_EQ(c["weeklyStrength"][11]["averageStrength"].toDouble(), 3.0);
    EXPECT_TRUE(c["weeklyStrength"][10]["averageStrength"].isNull());
}

TEST_F(ReportTool, Arguments) {
    const struct {
        QStringList args;
        int exitCode;
        const char* err; // in the messages; "" for none
        const char* out; // in the output; "" for none
    } cases[] = {{{"--bogus"}, 2, "不明なオプション: --bogus\n使い方: ", ""},
                 {{"report"}, 2, "余分な引数: report\n使い方: ", ""},
                 {{"--short", "--mini"}, 2, "--short と --mini は同時に", ""},
                 {{"--json", "--json", "--crlf"}, 0, "", "{\r\n"},
                 {{"--help"}, 0, "", "終了ステータス:"},
                 {{"--version"}, 0, "", "kemurina-report (ケムリナ) "}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const CommandOutput r = run(c.args);
        EXPECT_EQ(r.exitCode, c.exitCode);
        EXPECT_TRUE(*c.err ? r.err.contains(c.err) : r.err.isEmpty());
        EXPECT_TRUE(*c.out ? r.out.contains(c.out) : r.out.isEmpty());
    }
}

// Malformed records are named and give their defaults (1); missing data stops the report (2)
// and is not made.
TEST_F(ReportTool, DataProblems) {
    for (const QString& path : {store.quitProfilePath(), store.optionsPath()})
        ASSERT_TRUE(writeBytes(path, "2010,13,1,0,0,20,300,85\r\n"));
    CommandOutput r = run({"--mini"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains("initial.ini") && r.err.contains("option.ini"));
    EXPECT_TRUE(r.out.contains("卒煙日： 2010年 10月 4日")); // the quit moment defaults to now
    for (const QString& path : {store.optionsPath(), store.dataDir()}) {
        ASSERT_TRUE(QFile::remove(path) || QDir(path).removeRecursively());
        r = run({});
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_TRUE(r.err.contains(QFileInfo(path).fileName().toUtf8()));
        EXPECT_FALSE(QFileInfo::exists(path));
    }
}

// The program itself reads the folder it starts in, passes on the status (1: the history is
// unreadable) and fails when its report cannot be written.
TEST_F(ReportTool, TheProgram) {
    ASSERT_TRUE(QDir().mkpath(store.historyPath()));
    QProcess p;
    p.setWorkingDirectory(dir.path());
    p.start(QStringLiteral(KEMURINA_REPORT_BINARY), {"--json"});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 1);
    EXPECT_TRUE(p.readAllStandardOutput().contains("\"fileReadable\": false"));
    p.setStandardOutputFile(QStringLiteral("/dev/full"));
    p.start();
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 2);
    EXPECT_TRUE(p.readAllStandardError().contains("標準出力に書き込めません"));
}
