#include "tools/report/ReportCommand.h"

#include "core/DataFiles.h"
#include "core/Refresh.h"
#include "core/Reports.h"
#include "support/FixedClock.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
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

class ReportCommandTest : public ::testing::Test {
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

    // Everything below the start directory, to prove the tool wrote nothing.
    QByteArray treeDigest() {
        QCryptographicHash h(QCryptographicHash::Sha256);
        QDirIterator it(dir.path(), QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            h.addData(path.toUtf8());
            QFile f(path);
            if (f.open(QIODevice::ReadOnly))
                h.addData(f.readAll());
        }
        return h.result();
    }

    QTemporaryDir dir;
    DataStore store{dir.path()};
    FixedClock clock{{2010, 10, 4, 4, 5}};
    FixedRandom random{50};
};

} // namespace

TEST_F(ReportCommandTest, PrintsEachTextInLfOrClipboardCrLf) {
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

TEST_F(ReportCommandTest, JsonHoldsEveryCaptionAndFigure) {
    const AppState s = expectedState();
    const CommandOutput r = run({"--json"});
    ASSERT_EQ(r.exitCode, 0);
    QJsonParseError error;
    const QJsonObject o = QJsonDocument::fromJson(r.out, &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError);
    EXPECT_EQ(o["captions"].toArray().size(), 6);
    EXPECT_EQ(o["captions"].toArray()[3].toString(), s.display.captions[StatusCaption]);
    EXPECT_EQ(o["lungColour"].toObject()["red"].toInt(), 35);
    EXPECT_EQ(o["milestones"].toObject()["progressValue"].toInt(), 9);
    EXPECT_TRUE(o["milestones"].toObject()["progressBarVisible"].toBool());
    EXPECT_TRUE(o["milestones"].toObject()["top"].isNull());
    EXPECT_EQ(o["shortPost"].toString(), shortPost(s));
    EXPECT_EQ(o["longReport"].toString(), QString(longReport(s)).replace("\r\n", "\n"));
    EXPECT_EQ(o["totalMinutes"].toInt(), s.metrics.totalMinutes);
}

TEST_F(ReportCommandTest, UnknownOrConflictingOptionsGiveUsageAndStatusTwo) {
    for (const QStringList& args :
         {QStringList{"--bogus"}, QStringList{"--short", "--mini"}, QStringList{"report"}}) {
        const CommandOutput r = run(args);
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_TRUE(r.err.contains("--short"));
    }
    const CommandOutput help = run({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains("--json"));
}

TEST_F(ReportCommandTest, MissingDataStopsWithOneLineNamingIt) {
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

TEST_F(ReportCommandTest, AMalformedFileGivesDefaultsWithANoteAndWritesNothing) {
    {
        QFile f(store.quitProfilePath());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("2010,13,1,0,0,20,300,85\r\n");
    }
    const QByteArray before = treeDigest();
    const CommandOutput r = run({"--mini"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.err.contains("initial.ini"));
    EXPECT_TRUE(r.out.contains("卒煙日： 2010年 10月 4日")); // the quit moment defaults to now
    EXPECT_EQ(treeDigest(), before);
}

TEST_F(ReportCommandTest, TheProgramRunsInItsStartDirectory) {
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
}
