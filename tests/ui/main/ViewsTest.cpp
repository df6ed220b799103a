#include "support/AppFixture.h"

#include "core/Reports.h"
#include "ui/main/ViewParts.h"
#include "ui/main/WindowPlacement.h"

#include <QClipboard>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace kemurina::testing {
namespace {

constexpr std::uint32_t kLeftButtonUp = 0x202;

void trigger(ViewWindow& window, const char* item) {
    QAction* action = window.popupMenu()->findChild<QAction*>(QLatin1String(item));
    ASSERT_NE(action, nullptr) << item;
    action->trigger();
}

QString clipboardText() {
    return QGuiApplication::clipboard()->text();
}

using ViewsTest = AppTest;

TEST_F(ViewsTest, SecondInstance) {
    platform->anotherInstance = true;
    save(options(1));
    const auto before = snapshot(dir.path());
    EXPECT_FALSE(app->start());
    EXPECT_TRUE(app->ended());
    EXPECT_EQ(platform->messages, QStringList{"プログラムは既に起動されています。"});
    EXPECT_EQ(app->mainView(), nullptr);
    app.reset();
    settle();
    EXPECT_EQ(snapshot(dir.path()), before);
}

TEST_F(ViewsTest, RenderTheRefresh) {
    Options o = options();
    o.backColor = 0x00FF8040; // red 64, green 128, blue 255
    o.textColor = 0;
    setElapsed(40, 3, 7);
    ASSERT_TRUE(startWith(o));
    AppState expected;
    expected.profile = profile();
    expected.options = o;
    refreshAll(expected, clock->current, random->value);
    MainWindow& w = mainView();
    for (std::size_t i = 0; i < kCaptionCount; ++i) {
        EXPECT_EQ(w.valueLabel(i)->text(), expected.display.captions[i]) << i;
        EXPECT_EQ(w.valueLabel(i)->palette().color(QPalette::Window), QColor(64, 128, 255));
        EXPECT_EQ(w.valueLabel(i)->palette().color(QPalette::WindowText), QColor(Qt::black));
    }
    EXPECT_EQ(miniView().summaryLabel()->text(),
              expected.display.miniSummary.replace("\r\n", "\n"));
    EXPECT_EQ(miniView().palette().color(QPalette::Window), QColor(64, 128, 255));
    const Rgb lung = expected.display.lungColour;
    for (const char* name : {"Shape2_0", "Shape2_1", "Shape1"})
        EXPECT_EQ(child<FilledShape>(&w, name)->fillColor(),
                  QColor(lung.red, lung.green, lung.blue));
}

TEST_F(ViewsTest, Milestones) {
    ASSERT_TRUE(startWith(options()));
    MainWindow& w = mainView();
    auto* bar = child<QProgressBar>(&w, "ProgressBar1");
    const char* names[] = {"Image1_10", "Image1_11", "Image1_12",
                           "Image3_0",  "Image3_1",  "Image3_2"};
    for (const int day : {12, 66}) {
        setElapsed(day);
        w.timer1Tick();
        const MilestoneView band = milestoneView(day);
        for (std::size_t i = 0; i < kMilestonePictureCount; ++i) {
            auto* picture = child<QLabel>(&w, names[i]);
            EXPECT_EQ(picture->isVisibleTo(&w), band.visible[i]) << names[i];
            if (band.visible[i]) {
                EXPECT_FALSE(picture->pixmap().isNull()) << names[i];
                EXPECT_EQ(picture->y(), band.topTwips ? 190 : 180) << names[i];
            }
        }
        EXPECT_EQ(bar->isVisibleTo(&w), !band.hideProgressBar) << day;
        EXPECT_EQ(bar->value(), band.progressValue) << day;
    }
    setElapsed(12); // the clock set back: the bar stays hidden until the window is made again
    w.timer1Tick();
    EXPECT_FALSE(bar->isVisibleTo(&w));
    w.close();
    settle();
    app->showViewForWindowMode();
    EXPECT_TRUE(child(&mainView(), "ProgressBar1")->isVisibleTo(&mainView()));
}

TEST_F(ViewsTest, ElapsedToggle) {
    setElapsed(33, 4, 5);
    ASSERT_TRUE(startWith(options(1)));
    QLabel* elapsed = mainView().valueLabel(ElapsedCaption);
    const QString calendar = "０年１ヶ月２日４時間５分";
    ASSERT_EQ(elapsed->text(), calendar);
    QTest::mouseClick(elapsed, Qt::LeftButton);
    EXPECT_EQ(elapsed->text(), "３３日４時間５分");
    QTest::mouseClick(mainView().valueLabel(StatusCaption), Qt::LeftButton); // no reaction
    EXPECT_EQ(elapsed->text(), "３３日４時間５分");
    QTest::mouseClick(elapsed, Qt::LeftButton);
    EXPECT_EQ(elapsed->text(), calendar);
    QTest::mouseClick(elapsed, Qt::LeftButton);
    setElapsed(33, 4, 6);
    mainView().timer1Tick();
    EXPECT_EQ(elapsed->text(), "０年１ヶ月２日４時間６分");
    // The tick builds the mini summary before it clears the toggle.
    EXPECT_TRUE(miniView().summaryLabel()->text().contains("： 33日 4時間 6分"));
}

TEST(Placement, OffScreenGoesToTheCentre) {
    const QSize screen(19200, 14400);
    struct Case {
        TwipsPoint stored;
        PlacementRoom room;
        TwipsPoint expected;
    };
    for (const Case& c : {Case{{14200, 11400}, kMainWindowRoom, {14200, 11400}},
                          Case{{14201, 0}, kMainWindowRoom, {9600, 7200}},
                          Case{{-30, 11401}, kMainWindowRoom, {9600, 7200}},
                          Case{{-30, -1}, kMiniWindowRoom, {0, 0}},
                          Case{{15700, 12901}, kMiniWindowRoom, {9600, 7200}},
                          Case{{INT32_MAX, INT32_MIN}, kMainWindowRoom, {9600, 7200}}}) {
        const TwipsPoint p = correctedPosition(c.stored, screen, c.room);
        EXPECT_EQ(QPoint(p.left, p.top), QPoint(c.expected.left, c.expected.top)) << c.stored.left;
    }
    EXPECT_EQ(correctedPosition({5, 5}, QSize(15, 15), kMainWindowRoom).left, 7);
}

TEST_F(ViewsTest, StartAndClose) {
    for (const int mode : {0, 1, 2}) {
        SCOPED_TRACE(mode);
        restart();
        platform->screenTwips = QSize(1024 * 15, 768 * 15);
        Options o = options(mode);
        o.mainLeft = 1024 * 15 - 4999;
        o.miniTop = 768 * 15 - 1499;
        ASSERT_TRUE(startWith(o));
        EXPECT_EQ(mainView().isVisible(), mode != 1);
        EXPECT_EQ(miniView().isVisible(), mode == 1);
        EXPECT_EQ(mainView().valueLabel(ElapsedCaption)->text(), "０年０ヶ月１０日０時間０分");
        EXPECT_TRUE(miniView().summaryLabel()->text().startsWith("ステータス："));
        EXPECT_TRUE(mainView().timer1()->isActive());
        EXPECT_EQ(mainView().pos(), QPoint(512, 384));
        EXPECT_EQ(miniView().pos(), QPoint(512, 384));
        mainView().move(10, 20);
        miniView().move(30, 40);
        if (mode == 1)
            miniView().close();
        else
            trigger(mainView(), "mnuExit");
        EXPECT_EQ(app->mainView(), nullptr);
        EXPECT_EQ(app->miniView(), nullptr);
        const Options saved = savedOptions();
        EXPECT_EQ(QPoint(saved.mainLeft, saved.mainTop), QPoint(150, 300));
        EXPECT_EQ(QPoint(saved.miniLeft, saved.miniTop), QPoint(450, 600));
        EXPECT_EQ(saved.windowMode, mode);
    }
}

TEST_F(ViewsTest, TrayVisit) {
    ASSERT_TRUE(startWith(options()));
    MainWindow& w = mainView();
    for (const char* control : {"Label2_2", "Label1_0", "Command3"})
        QTest::mouseDClick(child(&w, control), Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_TRUE(platform->notifyCalls.empty()) << "controls take their own double clicks";

    QTest::mouseDClick(&w, Qt::LeftButton, {}, QPoint(300, 80)); // over the lungs
    EXPECT_FALSE(w.isVisible());
    ASSERT_EQ(platform->notifyCalls.size(), 1u);
    const NotifyIconData record = platform->notifyCalls[0].data;
    EXPECT_EQ(platform->notifyCalls[0].message, NotifyIconMessage::Add);
    EXPECT_EQ(record.hWnd, reinterpret_cast<std::uintptr_t>(&w));
    // Size 88, the window, identifier 1, flags 7, callback 0x200, the icon, the tip in cp932.
    const QByteArray bytes = record.toBytes();
    const auto window = static_cast<std::uint32_t>(record.hWnd);
    EXPECT_EQ(bytes.mid(4, 4), QByteArray(reinterpret_cast<const char*>(&window), 4));
    EXPECT_EQ(bytes.left(4) + bytes.mid(8, 12),
              QByteArray("\x58\0\0\0\x01\0\0\0\x07\0\0\0\0\x02\0\0", 16));
    EXPECT_EQ(bytes.mid(24),
              QByteArray("\x83\x50\x83\x80\x83\x8a\x83\x69\0", 9) + QByteArray(55, ' '));
    EXPECT_FALSE(record.hIcon.isNull());
    for (const std::uint32_t message : {0x200u, 0x201u, 0x203u, 0x204u, 0x205u})
        platform->lastCallback(message);
    EXPECT_FALSE(w.isVisible());
    platform->lastCallback(kLeftButtonUp);
    EXPECT_TRUE(w.isVisible());
    ASSERT_EQ(platform->notifyCalls.size(), 2u);
    EXPECT_EQ(platform->notifyCalls[1].message, NotifyIconMessage::Delete);
    EXPECT_EQ(platform->notifyCalls[1].data.hWnd, record.hWnd);

    trigger(w, "mnuMini");
    QTest::mouseDClick(miniView().summaryLabel(), Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_FALSE(miniView().isVisible());
    EXPECT_EQ(platform->notifyCalls.back().data.hWnd,
              reinterpret_cast<std::uintptr_t>(&miniView()));
    trigger(miniView(), "mnuExit"); // closed while in the tray: no icon stays
    std::size_t added = 0, deleted = 0;
    for (const auto& call : platform->notifyCalls)
        (call.message == NotifyIconMessage::Add ? added : deleted) += 1;
    EXPECT_EQ(deleted, added + 1) << "the main view deletes its absent icon once more";

    restart(); // without a notification area a hidden view could never come back
    platform->notificationArea = false;
    ASSERT_TRUE(startWith(options()));
    QTest::mouseDClick(&mainView(), Qt::LeftButton, {}, QPoint(300, 80));
    EXPECT_TRUE(mainView().isVisible() && mainView().isMinimized());
    EXPECT_TRUE(platform->notifyCalls.empty());
}

TEST_F(ViewsTest, CopyAndBoard) {
    Options o = options();
    o.profileSuffix = 1;
    ASSERT_TRUE(startWith(o));
    MainWindow& w = mainView();
    const QString longText = longReport(app->state());
    const QString shortText = shortPost(app->state());
    const std::function<void()> triggers[] = {[&] { child<QPushButton>(&w, "Command3")->click(); },
                                              [&] { trigger(w, "mnuCopy"); },
                                              [&] { trigger(miniView(), "mnuCopy"); },
                                              [&] { child<QPushButton>(&w, "Command4")->click(); },
                                              [&] { trigger(w, "mnuCopy2"); },
                                              [&] { trigger(miniView(), "mnuCopy2"); }};
    for (int i = 0; i < 6; ++i) {
        QGuiApplication::clipboard()->clear();
        triggers[i]();
        EXPECT_EQ(clipboardText(), i < 3 ? longText : shortText) << i;
    }
    child<QPushButton>(&w, "Command2")->click();
    trigger(w, "mnuBlog");
    trigger(miniView(), "mnuBlog");
    const QString address = "http://kemurina.example.jp/community/";
    EXPECT_EQ(platform->openedUrls, QStringList({address, address, address}));
    EXPECT_TRUE(platform->messages.isEmpty());
    platform->openUrlSucceeds = false;
    app->state().options.blogAddress.clear();
    child<QPushButton>(&w, "Command2")->click();
    EXPECT_EQ(platform->openedUrls.last(), "http://");
    EXPECT_EQ(platform->messages,
              QStringList{"エラーです。フォルダオプションの関連付けなどを確認してください"});
}

TEST_F(ViewsTest, SwitchViews) {
    ASSERT_TRUE(startWith(options(2)));
    const QByteArray before = optionsFile();
    mainView().move(40, 50);
    trigger(mainView(), "mnuMini");
    EXPECT_EQ(app->state().options.windowMode, 1);
    EXPECT_FALSE(mainView().isVisible());
    EXPECT_TRUE(miniView().isVisible());
    EXPECT_EQ(miniView().pos(), QPoint(40, 50));
    miniView().move(200, 210);
    trigger(miniView(), "mnuSt");
    EXPECT_EQ(app->state().options.windowMode, 0);
    EXPECT_TRUE(mainView().isVisible());
    EXPECT_FALSE(miniView().isVisible());
    trigger(mainView(), "mnuMini");
    EXPECT_EQ(miniView().pos(), QPoint(200, 210));
    EXPECT_EQ(optionsFile(), before);
}

TEST_F(ViewsTest, SettingsCloseBoth) {
    // From the main menu, the mini menu, and the premium notice's way back.
    for (const int from : {0, 1, 2}) {
        SCOPED_TRACE(from);
        restart();
        ASSERT_TRUE(startWith(options(from == 1 ? 1 : 2)));
        ViewWindow& view = from == 1 ? static_cast<ViewWindow&>(miniView()) : mainView();
        view.move(30, 40);
        if (from == 2)
            app->openSettings();
        else
            trigger(view, "mnuSettei");
        settle();
        EXPECT_EQ(app->mainView(), nullptr);
        EXPECT_EQ(app->miniView(), nullptr);
        QWidget* settings = shown("Form2");
        ASSERT_NE(settings, nullptr);
        const Options saved = savedOptions();
        EXPECT_EQ(from == 1 ? saved.miniLeft : saved.mainLeft, 450);
        child<QPushButton>(settings, "Command2")->click(); // キャンセル
        settle();
        EXPECT_EQ(shown("Form2"), nullptr);
        EXPECT_EQ(miniView().isVisible(), from == 1);
        EXPECT_EQ(mainView().isVisible(), from != 1);
    }
}

// Runs the event loop with step queued; true when the program ended by itself.
bool programEnds(const std::function<void()>& step) {
    QTimer timeout;
    timeout.setSingleShot(true);
    QObject::connect(&timeout, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    timeout.start(5000);
    QTimer::singleShot(0, step);
    return QCoreApplication::exec() == 0;
}

TEST_F(ViewsTest, EndsWithLastWindow) {
    ASSERT_TRUE(startWith(options()));
    trigger(mainView(), "mnuHelp");
    trigger(mainView(), "mnuHelp");
    QPointer<QWidget> help = shown("Form5");
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(windowsNamed("Form5"), 1);
    EXPECT_TRUE(mainView().isVisible());
    bool helpKeptItRunning = false;
    EXPECT_TRUE(programEnds([&] {
        mainView().close();
        QTimer::singleShot(0, [&] {
            helpKeptItRunning = help && help->isVisible();
            help->close();
        });
    }));
    EXPECT_TRUE(helpKeptItRunning);
    settle();
    EXPECT_TRUE(help.isNull());
}

} // namespace
} // namespace kemurina::testing
