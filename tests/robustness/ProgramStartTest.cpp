// The whole program started over bad data on disk, with fake desktop services: it opens a
// window, shows that record's defaults and writes nothing until the user acts.

#include "robustness/BadFiles.h"
#include "robustness/DiskFixtures.h"
#include "ui/main/ViewFixture.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

namespace kemurina::testing {
namespace {

class ProgramStart : public ViewTest {
  protected:
    QMap<QString, QByteArray> before;

    void writeRaw(const QString& path, const QByteArray& bytes) {
        ASSERT_TRUE(writeBytes(path, bytes));
    }
    // Starts the program and, when it shows its views, lets a few timer ticks pass.
    void startAndTick() {
        before = snapshot(dir.path());
        ASSERT_TRUE(app->start());
        for (int minute = 1; minute <= 3 && app->mainView() != nullptr; ++minute) {
            setElapsed(10, 0, minute);
            app->refreshAll();
        }
        settle();
    }
    void expectNothingWritten() const {
        EXPECT_EQ(snapshot(dir.path()), before) << "the program wrote before the user acted";
    }
    static QWidget* visibleTopLevel(const char* objectName) {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() == QLatin1String(objectName) && w->isVisible())
                return w;
        }
        return nullptr;
    }
};

class BadProfileAtStart : public ProgramStart, public ::testing::WithParamInterface<BadFile> {};

TEST_P(BadProfileAtStart, TheMainWindowCountsFromNowAndNothingIsWritten) {
    writeRecords(options());
    writeRaw(files.quitProfilePath(), GetParam().bytes);
    startAndTick();
    ASSERT_TRUE(mainView().isVisible());
    EXPECT_EQ(app->state().options, options()) << "the good record must survive";
    EXPECT_EQ(app->state().profile.cigarettesPerDay, 20);
    // Quit "now" as the main window loaded; three ticks a minute apart followed.
    EXPECT_EQ(labelText(mainView(), "Label2_0"), QStringLiteral("０年０ヶ月０日０時間３分"));
    expectNothingWritten();
}

INSTANTIATE_TEST_SUITE_P(Robustness, BadProfileAtStart, ::testing::ValuesIn(badProfileFiles()),
                         caseName);

class BadOptionsAtStart : public ProgramStart, public ::testing::WithParamInterface<BadFile> {};

TEST_P(BadOptionsAtStart, TheFirstRunSetupOpensAndNothingIsWritten) {
    writeRecords(options());
    writeRaw(files.optionsPath(), GetParam().bytes);
    startAndTick();
    EXPECT_NE(visibleTopLevel("Form3"), nullptr);
    EXPECT_EQ(app->mainView(), nullptr);
    EXPECT_EQ(app->state().options, Options{});
    expectNothingWritten();
}

INSTANTIATE_TEST_SUITE_P(Robustness, BadOptionsAtStart, ::testing::ValuesIn(badOptionsFiles()),
                         caseName);

TEST_F(ProgramStart, FarAwayPositionsNegativeColoursAndAFutureQuitStillShowAWindowOnScreen) {
    Options odd = options();
    odd.mainLeft = -99999;
    odd.mainTop = INT32_MAX;
    odd.miniLeft = INT32_MIN;
    odd.miniTop = -1;
    odd.backColor = -1;
    odd.textColor = INT32_MIN;
    QuitProfile future = profile();
    future.quitYear = 2030;
    writeRecords(odd, future);
    startAndTick();
    const QRect screen(QPoint(0, 0), platform->screenTwips / kTwipsPerPixel);
    ASSERT_TRUE(mainView().isVisible());
    EXPECT_TRUE(screen.contains(mainView().pos())) << mainView().x() << "," << mainView().y();
    app->switchToMiniView();
    EXPECT_TRUE(screen.contains(miniView().pos())) << miniView().x() << "," << miniView().y();
    EXPECT_LT(app->state().metrics.totalMinutes, 0);
    expectNothingWritten();
}

TEST_F(ProgramStart, AFileWhereTheDataFolderBelongsIsLeftAloneAndSetupOpens) {
    writeRaw(files.dataDir(), "not a folder");
    startAndTick();
    EXPECT_NE(visibleTopLevel("Form3"), nullptr);
    expectNothingWritten();
}

TEST_F(ProgramStart, AReadOnlyDataFolderRunsAndClosingLosesNothing) {
    writeRecords(options());
    std::unique_ptr<TmpfsMount> mount;
    if (runningAsRoot()) {
        const auto contents = snapshot(files.dataDir());
        mount = std::make_unique<TmpfsMount>(files.dataDir(), "size=64k");
        if (!mount->mounted())
            GTEST_SKIP() << "running as root, and no read-only tmpfs could be mounted";
        for (auto it = contents.begin(); it != contents.end(); ++it)
            writeRaw(QDir(files.dataDir()).filePath(it.key()), it.value());
        ASSERT_TRUE(mount->remountReadOnly());
    } else {
        ASSERT_TRUE(
            QFile::setPermissions(files.dataDir(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    }
    startAndTick();
    ASSERT_TRUE(mainView().isVisible());
    mainView().move(mainView().pos() + QPoint(40, 40));
    mainView().close(); // its unload saves the position, which cannot be written here
    settle();
    expectNothingWritten();
    QFile::setPermissions(files.dataDir(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

} // namespace
} // namespace kemurina::testing
