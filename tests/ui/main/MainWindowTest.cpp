#include "ViewFixture.h"

#include "core/Reports.h"
#include "ui/main/ViewParts.h"
#include "ui/main/WindowPlacement.h"

#include <QProgressBar>
#include <QPushButton>
#include <QTest>

namespace kemurina::testing {
namespace {

using MainWindowTest = ViewTest;

TEST_F(MainWindowTest, ValueLabelsShowTheFiguresOfTheMomentInTheUsersColours) {
    Options o = options();
    o.backColor = 0x00FF8040; // red 64, green 128, blue 255
    o.textColor = 0x00000000;
    ASSERT_TRUE(startWith(o));
    MainWindow& w = mainView();

    // Exactly ten days at 20 a day and 300 yen.
    EXPECT_EQ(labelText(w, "Label2_0"), QStringLiteral("０年０ヶ月１０日０時間０分"));
    EXPECT_EQ(labelText(w, "Label2_1"), QStringLiteral("０日と１８時間２０分"));
    EXPECT_EQ(labelText(w, "Label2_2"), QStringLiteral("3000円（節税分 2590円）"));

    AppState expected;
    expected.profile = profile();
    expected.options = o;
    refreshAll(expected, clock->current, random->value);
    for (std::size_t i = 0; i < kCaptionCount; ++i)
        EXPECT_EQ(w.valueLabel(i)->text(), expected.display.captions[i]) << i;
    EXPECT_EQ(labelText(miniView(), "Label1"),
              expected.display.miniSummary.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));

    for (std::size_t i = 0; i < kCaptionCount; ++i) {
        EXPECT_EQ(w.valueLabel(i)->palette().color(QPalette::Window), QColor(64, 128, 255));
        EXPECT_EQ(w.valueLabel(i)->palette().color(QPalette::WindowText), QColor(Qt::black));
    }
    QLabel* summary = miniView().summaryLabel();
    EXPECT_EQ(summary->palette().color(QPalette::Window), QColor(64, 128, 255));
    EXPECT_EQ(miniView().palette().color(QPalette::Window), QColor(64, 128, 255));
}

TEST_F(MainWindowTest, ElapsedLabelClickTogglesUntilTheNextTick) {
    setElapsed(33, 4, 5);
    ASSERT_TRUE(startWith(options()));
    MainWindow& w = mainView();
    QLabel* elapsed = w.valueLabel(ElapsedCaption);
    const QString calendar = QStringLiteral("０年１ヶ月２日４時間５分");
    ASSERT_EQ(elapsed->text(), calendar);

    QTest::mouseClick(elapsed, Qt::LeftButton);
    EXPECT_EQ(elapsed->text(), QStringLiteral("３３日４時間５分"));
    EXPECT_EQ(app->state().elapsedToggle, 1);
    QTest::mouseClick(elapsed, Qt::LeftButton);
    EXPECT_EQ(elapsed->text(), calendar);

    QTest::mouseClick(elapsed, Qt::LeftButton);
    w.timer1Tick();
    EXPECT_EQ(elapsed->text(), calendar);
    EXPECT_EQ(app->state().elapsedToggle, 0);

    // The other value labels take the click without reacting.
    QTest::mouseClick(w.valueLabel(StatusCaption), Qt::LeftButton);
    EXPECT_EQ(elapsed->text(), calendar);
    EXPECT_EQ(app->state().elapsedToggle, 0);
}

TEST_F(MainWindowTest, TimerTickRefreshesBothViewsWhileHidden) {
    ASSERT_TRUE(startWith(options(1)));
    MainWindow& w = mainView();
    ASSERT_FALSE(w.isVisible());
    setElapsed(10, 0, 1);
    w.timer1Tick();
    EXPECT_EQ(labelText(w, "Label2_0"), QStringLiteral("０年０ヶ月１０日０時間１分"));
    EXPECT_TRUE(labelText(miniView(), "Label1").contains(QStringLiteral("10日 0時間 1分")));
}

struct Band {
    int day;
    std::array<bool, 6> visible; // Image1_10, 11, 12, Image3_0, 1, 2
    bool atMilestoneRow;
    bool barShown;
    int barValue;
};

class MilestoneTest : public ViewTest, public ::testing::WithParamInterface<Band> {};

TEST_P(MilestoneTest, PicturesAndProgressFollowTheElevenDayBands) {
    const Band band = GetParam();
    setElapsed(band.day);
    ASSERT_TRUE(startWith(options()));
    MainWindow& w = mainView();
    const char* names[] = {"Image1_10", "Image1_11", "Image1_12",
                           "Image3_0",  "Image3_1",  "Image3_2"};
    for (std::size_t i = 0; i < 6; ++i) {
        QLabel* picture = child<QLabel>(w, names[i]);
        EXPECT_EQ(picture->isVisibleTo(&w), band.visible[i]) << names[i];
        if (band.visible[i]) {
            EXPECT_FALSE(picture->pixmap().isNull()) << names[i];
            if (band.atMilestoneRow) {
                EXPECT_EQ(picture->y(), 190) << names[i];
            }
        }
    }
    auto* bar = child<QProgressBar>(w, "ProgressBar1");
    EXPECT_EQ(bar->isVisibleTo(&w), band.barShown);
    EXPECT_EQ(bar->value(), band.barValue);
}

INSTANTIATE_TEST_SUITE_P(
    Days, MilestoneTest,
    ::testing::Values(Band{10, {}, false, true, 30},
                      Band{11, {true, false, false, false, false, false}, false, true, 0},
                      Band{33, {true, true, true, false, false, false}, true, false, 0},
                      Band{66, {false, false, false, true, true, true}, true, false, 0}));

TEST_F(MainWindowTest, ProgressBarStaysHiddenOnceHiddenUntilTheWindowIsMadeAgain) {
    setElapsed(33);
    ASSERT_TRUE(startWith(options()));
    setElapsed(12); // the clock set back
    mainView().timer1Tick();
    EXPECT_FALSE(child(mainView(), "ProgressBar1")->isVisibleTo(&mainView()));

    mainView().close();
    settle();
    app->showViewForWindowMode();
    EXPECT_TRUE(child(mainView(), "ProgressBar1")->isVisibleTo(&mainView()));
}

TEST_F(MainWindowTest, LungsTakeOneColourThatBrightensWithTheDays) {
    ASSERT_TRUE(startWith(options()));
    const struct {
        int day;
        QColor colour;
    } cases[] = {{0, QColor(5, 0, 0)}, {26, QColor(255, 10, 10)}, {39, QColor(255, 140, 140)}};
    for (const auto& c : cases) {
        setElapsed(c.day);
        mainView().timer1Tick();
        for (const char* name : {"Shape2_0", "Shape2_1", "Shape1"})
            EXPECT_EQ(child<FilledShape>(mainView(), name)->fillColor(), c.colour)
                << name << " day " << c.day;
    }
}

TEST(WindowPlacementTest, CornersOffTheScreenGoToItsCentre) {
    const QSize screen(19200, 14400);
    const auto at = [&](int left, int top, PlacementRoom room) {
        const TwipsPoint p = correctedPosition({left, top}, screen, room);
        return QPoint(p.left, p.top);
    };
    EXPECT_EQ(at(14200, 11400, kMainWindowRoom), QPoint(14200, 11400));
    EXPECT_EQ(at(14201, 0, kMainWindowRoom), QPoint(9600, 7200));
    EXPECT_EQ(at(0, 11401, kMainWindowRoom), QPoint(9600, 7200));
    EXPECT_EQ(at(-30, 200, kMainWindowRoom), QPoint(0, 200));
    EXPECT_EQ(at(300, -1, kMainWindowRoom), QPoint(300, 0));
    EXPECT_EQ(at(15701, 0, kMiniWindowRoom), QPoint(9600, 7200));
    EXPECT_EQ(at(15700, 12900, kMiniWindowRoom), QPoint(15700, 12900));
    EXPECT_EQ(at(0, 12901, kMiniWindowRoom), QPoint(9600, 7200));
    EXPECT_EQ(at(INT32_MAX, INT32_MIN, kMainWindowRoom), QPoint(9600, 7200));
    EXPECT_EQ(correctedPosition({5, 5}, QSize(15, 15), kMainWindowRoom).left, 7);
}

TEST_F(MainWindowTest, LoadBringsAStoredPositionBackOntoTheScreenAndUnloadSavesIt) {
    platform->screenTwips = QSize(1024 * 15, 768 * 15);
    Options o = options();
    o.mainLeft = 1024 * 15 - 4999;
    o.miniTop = 768 * 15 - 1499;
    ASSERT_TRUE(startWith(o));
    EXPECT_EQ(mainView().pos(), QPoint(512, 384));
    EXPECT_EQ(miniView().pos(), QPoint(512, 384));
    EXPECT_EQ(app->state().options.mainLeft, 7680);
    EXPECT_EQ(app->state().options.miniLeft, 7680);

    mainView().close();
    settle();
    const Options saved = savedOptions();
    EXPECT_EQ(QPoint(saved.mainLeft, saved.mainTop), QPoint(7680, 5760));
    EXPECT_EQ(QPoint(saved.miniLeft, saved.miniTop), QPoint(7680, 5760));
}

} // namespace
} // namespace kemurina::testing
