#include "tools/report/ReportCommand.h"

#include "core/DataFiles.h"
#include "core/RecordView.h"
#include "core/Refresh.h"
#include "core/Reports.h"
#include "support/Files.h"
#include "support/FixedClock.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kemurina;
using kemurina::testing::FixedClock;
using kemurina::testing::FixedRandom;

namespace {

class ReportTool : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(store.saveQuitProfile({2010, 10, 1, 0, 0, 20, 300, 85}));
        Options o;
        o.setupDone = 1;
        o.profileSuffix = 1;
        ASSERT_TRUE(store.saveOptions(o));
    }

    CommandOutput run(QStringList args) {
        return runReportCommand(args, dir.path(), clock, random);
    }

    AppState expectedState() {
        AppState s;
        s.profile = store.loadQuitProfile(clock.now()).record;
        s.options = store.loadOptions().record;
        refreshAll(s, clock.now(), random.value);
        return s;
    }

    QTemporaryDir dir;
    DataStore store{dir.path()};
    FixedClock clock{{2010, 10, 4, 4, 5}};
    FixedRandom random{50};
};

} // namespace

TEST_F(ReportTool, Texts) {
    const AppState s = expectedState();
    const QString report = longReport(s);
    EXPECT_EQ(run({}).out, QString(report).replace("\r\n", "\n").toUtf8() + "\n");
    EXPECT_EQ(run({"--crlf"}).out, report.toUtf8());
    EXPECT_EQ(run({"--short", "--crlf"}).out, shortPost(s).toUtf8());
    EXPECT_EQ(run({"--short"}).out, shortPost(s).toUtf8() + "\n");
    EXPECT_EQ(run({"--mini", "--crlf"}).out, s.display.miniSummary.toUtf8());
    EXPECT_EQ(run({}).exitCode, 0);
    EXPECT_TRUE(run({}).err.isEmpty());
}

TEST_F(ReportTool, JsonKeys) {
    const AppState s = expectedState();
    const CommandOutput r = run({"--json"});
    ASSERT_EQ(r.exitCode, 0);
    QJsonParseError error;
    const QJsonObject o = QJsonDocument::fromJson(r.out, &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError);
    EXPECT_EQ(o.keys().join(' '),
              "captions cigarettesNotSmoked comparisonObject elapsed health history lifeMinutes "
              "longReport lungColour metres milestones miniSummary moneySaved now profile "
              "quitMoment schema shortPost shortSummary taxShare theme totalLengthMm "
              "totalMinutes version wholeDays");
    EXPECT_TRUE(r.out.contains("\"status\": \"" + s.display.captions[StatusCaption].toUtf8()))
        << "text as UTF-8, not escaped";
    const QJsonObject captions = o["captions"].toObject();
    EXPECT_EQ(captions["elapsed"].toString(), s.display.captions[ElapsedCaption]);
    EXPECT_TRUE(captions["notSmoked"].toString().endsWith(" " + o["comparisonObject"].toString()));
    EXPECT_EQ(o["now"].toString(), "2010-10-04T04:05");
    EXPECT_EQ(o["quitMoment"].toString(), "2010-10-01T00:00");
    EXPECT_EQ(o["profile"].toObject()["packPrice"].toInt(), 300);
    EXPECT_EQ(
        o["elapsed"].toObject(),
        QJsonObject({{"years", 0}, {"months", 0}, {"days", 3}, {"hours", 4}, {"minutes", 5}}));
    EXPECT_EQ(o["metres"].toDouble(), 5.39); // 3 days 4 h 5 min, 20 a day, 85 mm
    EXPECT_EQ(o["schema"].toInt(), 1);
    EXPECT_EQ(o["longReport"].toString(), QString(longReport(s)).replace("\r\n", "\n"));
    EXPECT_EQ(o["shortPost"].toString(), shortPost(s));
    EXPECT_TRUE(run({"--version"}).out.endsWith(" " + o["version"].toString().toUtf8() + "\n"));

    clock.current = {2010, 11, 20, 0, 0}; // day 50: the lungs pink, two sets of ducks
    const QJsonObject later = QJsonDocument::fromJson(run({"--json"}).out).object();
    EXPECT_EQ(later["lungColour"].toObject()["hex"].toString(), "#ff8c8c");
    EXPECT_EQ(later["milestones"].toObject(), QJsonObject({{"arrivedDucks", 2},
                                                           {"rejoicingDucks", 1},
                                                           {"progressValue", 0},
                                                           {"progressMaximum", 33},
                                                           {"progressBarVisible", false}}));
}

TEST_F(ReportTool, RecordAndItsJson) {
    ASSERT_TRUE(kemurina::testing::writeBytes(store.historyPath(),
                                              "2010,9,1,0,0,2010,9,5,12,0,20,300,85\r\nbad\r\n"));
    EXPECT_EQ(
        run({"--record", "--crlf"}).out,
        recordText(recordView(expectedState().profile, store.loadHistory(), clock.now())).toUtf8());
    const QJsonObject o = QJsonDocument::fromJson(run({"--json"}).out).object();
    const QJsonArray health = o["health"].toArray();
    ASSERT_EQ(health.size(), 10);
    EXPECT_TRUE(health[3].toObject()["reached"].toBool()); // a few days: 3 days 4 h 5 min on
    EXPECT_EQ(health[4].toObject()["minutesLeft"].toInt(), 90 * 1440 - 4565); // to 3 months
    const QJsonObject history = o["history"].toObject();
    EXPECT_EQ(history["unreadableLines"].toInt(), 1);
    EXPECT_EQ(history["attempts"].toArray()[0].toObject()["start"].toString(), "2010-09-01T00:00");
    EXPECT_EQ(history["totals"].toObject()["minutes"].toInt(), 6480 + 4565);
    ASSERT_TRUE(QFile::remove(store.historyPath()) && QDir().mkpath(store.historyPath()));
    const CommandOutput unreadable = run({"--record"});
    EXPECT_EQ(unreadable.exitCode, 1);
    EXPECT_TRUE(unreadable.err.contains("history.ini"));
}

TEST_F(ReportTool, Arguments) {
    struct Case {
        QStringList args;
        int exitCode;
        const char* err; // "" for none
        const char* out;
    };
    const Case cases[] = {
        {{"--bogus"}, 2, "不明なオプション: --bogus\n使い方: ", ""},
        {{"report"}, 2, "余分な引数: report\n使い方: ", ""},
        {{"--short", "--mini"}, 2, "--short と --mini は同時に", ""},
        {{"--json", "--json", "--crlf"}, 0, "", "{\r\n"},
        {{"--help"}, 0, "", "終了ステータス:"},
        {{"--version"}, 0, "", "kemurina-report (ケムリナ) "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const CommandOutput r = run(c.args);
        EXPECT_EQ(r.exitCode, c.exitCode);
        EXPECT_EQ(r.err.isEmpty(), !*c.err);
        EXPECT_TRUE(r.err.contains(c.err));
        EXPECT_TRUE(r.out.contains(c.out));
        EXPECT_EQ(r.out.isEmpty(), c.exitCode != 0);
    }
}

TEST_F(ReportTool, MissingData) {
    QFile::remove(store.optionsPath());
    CommandOutput r = run({});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.err.contains("option.ini"));
    EXPECT_EQ(r.err.count('\n'), 1);

    QDir(store.dataDir()).removeRecursively();
    r = run({});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.err.contains("kemurinadata"));
    EXPECT_FALSE(QFileInfo::exists(store.dataDir())) << "the tool never creates anything";
}

TEST_F(ReportTool, MalformedFiles) {
    for (const QString& path : {store.quitProfilePath(), store.optionsPath()})
        ASSERT_TRUE(kemurina::testing::writeBytes(path, "2010,13,1,0,0,20,300,85\r\n"));
    const auto before = kemurina::testing::snapshot(dir.path());
    const CommandOutput r = run({"--mini"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains("initial.ini"));
    EXPECT_TRUE(r.err.contains("option.ini"));
    EXPECT_TRUE(r.out.contains("卒煙日： 2010年 10月 4日")); // the quit moment defaults to now
    EXPECT_EQ(kemurina::testing::snapshot(dir.path()), before);
}

TEST_F(ReportTool, TheProgram) {
    QProcess p;
    p.setWorkingDirectory(dir.path());
    p.start(QStringLiteral(KEMURINA_REPORT_BINARY), {"--json"});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 0);
    const QJsonObject o = QJsonDocument::fromJson(p.readAllStandardOutput()).object();
    EXPECT_TRUE(o["longReport"].toString().startsWith("ステータス： "));

    p.setWorkingDirectory(QDir::tempPath() + "/" + QString::number(qHash(dir.path())) + "-none");
    QDir().mkpath(p.workingDirectory());
    p.start(QStringLiteral(KEMURINA_REPORT_BINARY), {});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 2);
    QDir(p.workingDirectory()).removeRecursively();

    p.setWorkingDirectory(dir.path());
    p.setStandardOutputFile(QStringLiteral("/dev/full"));
    p.start(QStringLiteral(KEMURINA_REPORT_BINARY), {});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 2) << "a report that could not be written is no success";
    EXPECT_TRUE(p.readAllStandardError().contains("標準出力に書き込めません"));
}
