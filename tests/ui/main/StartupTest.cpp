#include "ViewFixture.h"

#include <QApplication>
#include <QDateTime>
#include <QFileInfo>

namespace kemurina::testing {
namespace {

using StartupTest = ViewTest;

class MainViewModeTest : public ViewTest, public ::testing::WithParamInterface<int> {};

TEST_P(MainViewModeTest, ShowsTheMainWindowAndKeepsTheMiniWindowHidden) {
    ASSERT_TRUE(startWith(options(GetParam())));
    EXPECT_TRUE(mainView().isVisible());
    EXPECT_FALSE(miniView().isVisible());
    EXPECT_TRUE(labelText(miniView(), "Label1").startsWith(QStringLiteral("ステータス：")));
}

INSTANTIATE_TEST_SUITE_P(WindowMode, MainViewModeTest, ::testing::Values(0, 2));

TEST_F(StartupTest, MiniModeShowsOnlyTheMiniWindowWithTheMainWindowRefreshedBehindIt) {
    ASSERT_TRUE(startWith(options(1)));
    EXPECT_TRUE(miniView().isVisible());
    EXPECT_FALSE(mainView().isVisible());
    EXPECT_EQ(labelText(mainView(), "Label2_0"), QStringLiteral("０年０ヶ月１０日０時間０分"));
    EXPECT_TRUE(mainView().timer1()->isActive());
}

TEST_F(StartupTest, ASecondInstanceSaysSoAndEndsWithoutWritingAnything) {
    writeRecords(options(1));
    const QByteArray before = optionsFile();
    const QDateTime old = QDateTime::currentDateTime().addDays(-3);
    for (const QString& path : {files.optionsPath(), files.quitProfilePath()}) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite) &&
                    f.setFileTime(old, QFile::FileModificationTime));
    }
    platform->anotherInstance = true;

    EXPECT_FALSE(app->start());
    EXPECT_TRUE(app->ended());
    EXPECT_EQ(platform->messages,
              QStringList{QStringLiteral("プログラムは既に起動されています。")});
    EXPECT_EQ(app->mainView(), nullptr);
    EXPECT_EQ(app->miniView(), nullptr);
    app.reset();
    settle();
    EXPECT_EQ(optionsFile(), before);
    for (const QString& path : {files.optionsPath(), files.quitProfilePath()})
        EXPECT_EQ(QFileInfo(path).lastModified(), old) << path.toStdString();
}

TEST_F(StartupTest, ReturningFromSettingsInMiniModeCreatesTheMiniViewFirst) {
    ASSERT_TRUE(startWith(options(2)));
    mainView().close();
    settle();
    ASSERT_EQ(app->mainView(), nullptr);

    Options o = savedOptions();
    o.windowMode = 1;
    writeRecords(o);
    app->state().options = o;
    app->showViewForWindowMode();
    EXPECT_TRUE(miniView().isVisible());
    EXPECT_FALSE(mainView().isVisible());
    EXPECT_TRUE(mainView().timer1()->isActive());
}

} // namespace
} // namespace kemurina::testing
