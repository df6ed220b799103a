#include "support/AppFixture.h"

#include "core/Reports.h"
#include "core/SpokenTexts.h"
#include "ui/dialogs/HelpWindow.h"
#include "ui/main/ViewParts.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeySequence>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressBar>
#include <QTimer>

namespace kemurina::testing {
namespace {

using ViewsTest = AppTest;

TEST_F(ViewsTest, SecondInstance) {
    platform->anotherInstance = true;
    save(options(1));
    const auto before = snapshot(dir.path());
    EXPECT_FALSE(app->start());
    EXPECT_EQ(platform->messages, QStringList{"プログラムは既に起動されています。"});
    TearDown(); // the program's end
    EXPECT_EQ(snapshot(dir.path()), before);
}

TEST_F(ViewsTest, RenderTheRefresh) {
    Options o = options();
    o.backColor = 0x00FF8040; // red 64, green 128, blue 255
    o.textColor = 0;
    ASSERT_TRUE(startWith(o));
    MainWindow& w = mainView();
    auto* bar = child<QProgressBar>(&w, "ProgressBar1");
    const char* pictures[] = {"Image1_10", "Image1_11", "Image1_12",
                              "Image3_0",  "Image3_1",  "Image3_2"};
    for (const int day : {12, 66}) {
        setElapsed(day, 3, 7);
        session->refresh();
        const DisplayValues& shown = session->state().display;
        for (std::size_t i = 0; i < kCaptionCount; ++i)
            EXPECT_EQ(w.valueLabel(i)->text(), shown.captions[i]) << i;
        EXPECT_EQ(miniView().summaryLabel()->text(),
                  QString(shown.miniSummary).replace("\r\n", "\n"));
        const QColor lung = toQColor(shown.lungColour.toWindowsColor());
        for (const char* name : {"Shape2_0", "Shape2_1", "Shape1"})
            EXPECT_EQ(child<FilledShape>(&w, name)->fillColor(), lung) << name;
        const MilestoneView& band = shown.milestones;
        const SpokenTexts spoken = spokenTexts(session->state());
        EXPECT_EQ(child(&w, "Shape2_0")->accessibleName(), spoken.lungs);
        EXPECT_EQ(bar->accessibleName(), spoken.progress);
        for (std::size_t i = 0; i < kMilestonePictureCount; ++i) {
            auto* picture = child<QLabel>(&w, pictures[i]);
            EXPECT_EQ(picture->accessibleName(), spoken.pictures[i]) << pictures[i];
            EXPECT_EQ(picture->isVisibleTo(&w), band.visible[i]) << pictures[i];
            if (band.visible[i]) {
                EXPECT_FALSE(picture->pixmap().isNull()) << pictures[i];
                EXPECT_EQ(picture->y(), band.topTwips ? 190 : 180) << pictures[i];
            }
        }
        EXPECT_EQ(bar->isVisibleTo(&w), !band.hideProgressBar) << day;
        EXPECT_EQ(bar->value(), band.progressValue) << day;
    }
    const QPalette labels = w.valueLabel(MessageCaption)->palette();
    EXPECT_EQ(labels.color(QPalette::Window), QColor(64, 128, 255));
    EXPECT_EQ(labels.color(QPalette::WindowText), QColor(Qt::black));
    EXPECT_EQ(miniView().palette().color(QPalette::Window), QColor(64, 128, 255));

    // A click on the elapsed label toggles it; the engine keeps it until the next tick.
    QLabel* elapsed = w.valueLabel(ElapsedCaption);
    QTest::mouseClick(w.valueLabel(StatusCaption), Qt::LeftButton); // no reaction
    QTest::mouseClick(elapsed, Qt::LeftButton);
    EXPECT_EQ(elapsed->text(), "６６日３時間７分");

    setElapsed(12); // the clock set back: the bar stays hidden until the window is made again
    session->refresh();
    EXPECT_FALSE(bar->isVisibleTo(&w));
    w.close();
    settle();
    session->request(WindowKind::Views);
    EXPECT_TRUE(child(&mainView(), "ProgressBar1")->isVisibleTo(&mainView()));
}

// Either view closes both and saves both positions; settings opens once both are closed.
TEST_F(ViewsTest, StartThenClose) {
    enum Way { Exit, CloseButton, Settings, PremiumWayBack };
    const std::pair<int, Way> cases[] = {
        {0, Exit}, {1, CloseButton}, {2, Settings}, {1, Settings}, {2, PremiumWayBack}};
    for (const auto& [mode, way] : cases) {
        SCOPED_TRACE(way);
        restart();
        Options o = options(mode);
        o.mainLeft = 1920 * 15 - 4999; // both just off the screen
        o.miniTop = 1080 * 15 - 1499;
        ASSERT_TRUE(startWith(o));
        ViewWindow& view = mode == 1 ? static_cast<ViewWindow&>(miniView()) : mainView();
        EXPECT_EQ(mainView().isVisible(), mode != 1);
        EXPECT_EQ(miniView().isVisible(), mode == 1);
        EXPECT_EQ(platform->titleBarsFitted, QWidgetList({&mainView(), &miniView()}));
        EXPECT_EQ(mainView().valueLabel(ElapsedCaption)->text(), "０年０ヶ月１０日０時間０分");
        EXPECT_TRUE(session->ticking());
        EXPECT_EQ(mainView().pos(), QPoint(960, 540));
        EXPECT_EQ(miniView().pos(), QPoint(960, 540));
        mainView().move(10, 20);
        miniView().move(30, 40);
        if (way == CloseButton)
            view.close();
        else if (way == PremiumWayBack)
            session->request(WindowKind::Settings);
        else
            use(view, way == Exit ? "mnuExit" : "mnuSettei");
        settle();
        EXPECT_FALSE(app->mainView() || app->miniView());
        const Options s = savedOptions();
        EXPECT_EQ(std::tuple(s.mainLeft, s.mainTop, s.miniLeft, s.miniTop, s.windowMode),
                  std::tuple(150, 300, 450, 600, WindowMode{mode}));
        if (way >= Settings) {
            EXPECT_EQ(platform->titleBarsFitted.back(), shown("Form2"));
            child<QPushButton>(shown("Form2"), "Command2")->click(); // キャンセル
            settle();
            EXPECT_EQ(miniView().isVisible(), mode == 1);
            EXPECT_EQ(mainView().isVisible(), mode != 1);
        }
    }
}

// A view put away in the notification area comes back from its icon or with a later start,
// as a minimised window does.
TEST_F(ViewsTest, TrayVisitAndLaterStart) {
    ASSERT_TRUE(startWith(options()));
    MainWindow& w = mainView();
    for (const char* control : {"Label2_2", "Label1_0", "Command3"})
        QTest::mouseDClick(child(&w, control), Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_TRUE(platform->trayCalls.empty()) << "controls take their own double clicks";

    QTest::mouseDClick(&w, Qt::LeftButton, {}, QPoint(300, 80)); // over the lungs
    const FakePlatform::TrayCall first = platform->trayCalls.at(0);
    EXPECT_TRUE(first.shown && first.owner == &w);
    EXPECT_EQ(first.tip, "ケムリナ");
    EXPECT_FALSE(first.icon.isNull());
    for (const auto reason : {QSystemTrayIcon::Unknown, QSystemTrayIcon::Context,
                              QSystemTrayIcon::DoubleClick, QSystemTrayIcon::MiddleClick})
        platform->lastActivation(reason);
    EXPECT_FALSE(w.isVisible());
    platform->lastActivation(QSystemTrayIcon::Trigger); // a left click
    EXPECT_TRUE(w.isVisible());
    EXPECT_FALSE(platform->trayCalls.back().shown);
    w.showMinimized(); // where there is no notification area
    platform->startedAgain();
    EXPECT_TRUE(w.isVisible() && !w.isMinimized());

    use(w, "mnuMini");
    QTest::mouseDClick(miniView().summaryLabel(), Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_EQ(platform->trayCalls.back().owner, &miniView());
    platform->startedAgain();
    EXPECT_TRUE(miniView().isVisible() && !w.isVisible());
    EXPECT_FALSE(platform->trayCalls.back().shown);
    QTest::mouseDClick(miniView().summaryLabel(), Qt::LeftButton, {}, QPoint(20, 20));
    use(miniView(), "mnuSettei"); // closed while in the tray: no icon stays
    settle();
    // Three shown, four removed: the main view removes its absent icon once more.
    EXPECT_EQ(platform->trayCalls.size(), 7u);
    EXPECT_FALSE(platform->trayCalls.back().shown);
    QWidget* settings = shown("Form2"); // the views are closed: the settings window comes back
    ASSERT_NE(settings, nullptr);
    settings->showMinimized();
    platform->startedAgain();
    EXPECT_TRUE(settings->isVisible() && !settings->isMinimized());

    restart(); // without a notification area a hidden view could never come back
    platform->notificationArea = false;
    ASSERT_TRUE(startWith(options()));
    QTest::mouseDClick(&mainView(), Qt::LeftButton, {}, QPoint(300, 80));
    EXPECT_TRUE(mainView().isVisible() && mainView().isMinimized());
    EXPECT_TRUE(platform->trayCalls.empty());
}

TEST_F(ViewsTest, CopyAndBoard) {
    ASSERT_TRUE(startWith(options()));
    MainWindow& w = mainView();
    const QString texts[] = {longReport(session->state()), shortPost(session->state())};
    const std::pair<ViewWindow*, const char*> copies[] = {
        {&w, "Command3"}, {&w, "Command4"},         {&w, "mnuCopy"},
        {&w, "mnuCopy2"}, {&miniView(), "mnuCopy"}, {&miniView(), "mnuCopy2"}};
    for (std::size_t i = 0; i < std::size(copies); ++i) {
        use(*copies[i].first, copies[i].second);
        EXPECT_EQ(QGuiApplication::clipboard()->text(), texts[i % 2]) << copies[i].second;
    }
    use(w, "Command2");
    use(w, "mnuBlog");
    use(miniView(), "mnuBlog");
    platform->openUrlSucceeds = false;
    Options noBlog = options();
    noBlog.blogAddress.clear();
    save(noBlog);
    session->reloadRecords();
    use(w, "Command2");
    const QString address = "http://kemurina.example.jp/community/";
    EXPECT_EQ(platform->openedUrls, QStringList({address, address, address, "http://"}));
    EXPECT_EQ(platform->messages,
              QStringList{"エラーです。フォルダオプションの関連付けなどを確認してください"});
}

TEST_F(ViewsTest, SwitchViews) {
    ASSERT_TRUE(startWith(options(2)));
    const QByteArray before = optionsFile();
    for (const QPoint at : {QPoint(40, 50), QPoint(200, 210)}) {
        mainView().move(at);
        use(mainView(), "mnuMini");
        EXPECT_EQ(session->state().options.windowMode, WindowMode::Mini);
        EXPECT_FALSE(mainView().isVisible());
        EXPECT_TRUE(miniView().isVisible());
        EXPECT_EQ(miniView().pos(), QPoint(40, 50)) << "moved the first time only";
        use(miniView(), "mnuSt");
        EXPECT_EQ(session->state().options.windowMode, WindowMode::Main);
        EXPECT_TRUE(mainView().isVisible());
        EXPECT_FALSE(miniView().isVisible());
    }
    EXPECT_EQ(optionsFile(), before);
}

TEST_F(ViewsTest, EndsWithLastWindow) {
    ASSERT_TRUE(startWith(options()));
    use(mainView(), "mnuHelp");
    QPointer<QWidget> help = shown("Form5");
    auto* text = child<QPlainTextEdit>(help, "Text1");
    help->resize(420, 300);
    EXPECT_TRUE(text->isReadOnly() && text->geometry() == help->rect());
    EXPECT_EQ(text->toPlainText(), QString(helpDocument()).replace("\r\n", "\n"));
    QTimer::singleShot(0, [&] {
        mainView().close();
        QTimer::singleShot(0, help, &QWidget::close); // after the check for an end
    });
    QObject limit; // its end cancels the time limit
    QTimer::singleShot(5000, &limit, [] { QCoreApplication::exit(1); });
    EXPECT_EQ(QCoreApplication::exec(), 0) << "the program ends by itself";
    settle();
    EXPECT_TRUE(help.isNull());
}

using KeyboardTest = AppTest;

TEST_F(KeyboardTest, KeysDoWhatTheHelpSays) {
    // How the menu key (and on some systems Shift+F10) also reaches a window: the right button
    // has already opened the menu where it was pressed.
    ASSERT_TRUE(startWith(options()));
    QWidget* label = mainView().valueLabel(MoneyCaption);
    for (const auto reason : {QContextMenuEvent::Mouse, QContextMenuEvent::Keyboard}) {
        QContextMenuEvent event(reason, {3, 3}, label->mapToGlobal(QPoint(3, 3)));
        QApplication::sendEvent(label, &event);
        EXPECT_EQ(mainView().popupMenu()->isVisible(), reason == QContextMenuEvent::Keyboard);
    }

    enum Outcome { Popup, InTray, Toggled, Nothing };
    using namespace Qt;
    // The window mode (1 starts in the mini view), the control with the focus, the keys.
    const std::tuple<int, const char*, QKeyCombination, Outcome> cases[] = {
        {2, "Label2_0", Key_Menu, Popup},  {2, "Command1", ShiftModifier | Key_F10, Popup},
        {1, "Label1", Key_Menu, Popup},    {2, "Command3", Key_Escape, InTray},
        {1, "Label1", Key_Escape, InTray}, {2, "Label2_0", Key_Space, Toggled},
        {2, "Label2_0", Key_F10, Nothing}, {1, "Label1", ShiftModifier | Key_Escape, Nothing}};
    for (const auto& [windowMode, control, keys, outcome] : cases) {
        SCOPED_TRACE(QKeySequence(keys).toString().toStdString());
        restart();
        ASSERT_TRUE(startWith(options(windowMode)));
        ViewWindow& view = windowMode == 1 ? static_cast<ViewWindow&>(miniView()) : mainView();
        QWidget* focus = child(&view, control);
        focus->setFocus();
        QTest::keyClick(focus, keys.key(), keys.keyboardModifiers());
        QMenu* popup = view.popupMenu();
        EXPECT_EQ(popup->isVisible(), outcome == Popup);
        EXPECT_EQ(view.isVisible(), outcome != InTray);
        QLabel* elapsed = mainView().valueLabel(ElapsedCaption);
        EXPECT_EQ(elapsed->text().startsWith("１０日"), outcome == Toggled) << "the day count";
        EXPECT_EQ(elapsed->accessibleName(), "卒煙からの日数　" + elapsed->text());
        // At the control with the focus, not at the mouse, ready for the arrow keys.
        if (popup->isVisible()) {
            EXPECT_TRUE(popup->geometry().contains(focus->mapToGlobal(focus->rect().center())));
            EXPECT_EQ(popup->activeAction(), popup->actions().value(0));
        }
    }
}

} // namespace
} // namespace kemurina::testing
