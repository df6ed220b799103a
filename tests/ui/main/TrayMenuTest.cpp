#include "ViewFixture.h"

#include "core/Reports.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <functional>

namespace kemurina::testing {
namespace {

using TrayTest = ViewTest;
using MenuTest = ViewTest;
using UnloadTest = ViewTest;

void trigger(ViewWindow& window, const char* item) {
    QAction* action = window.popupMenu()->findChild<QAction*>(QString::fromLatin1(item));
    ASSERT_NE(action, nullptr) << item;
    action->trigger();
}

QString clipboardText() {
    return QGuiApplication::clipboard()->text();
}

std::size_t countCalls(const FakePlatform& p, NotifyIconMessage message, const QWidget& owner) {
    std::size_t n = 0;
    for (const auto& call : p.notifyCalls)
        n += call.message == message && call.data.hWnd == reinterpret_cast<std::uintptr_t>(&owner);
    return n;
}

TEST_F(TrayTest, DoubleClickOnTheSurfaceHidesTheWindowBehindItsIcon) {
    ASSERT_TRUE(startWith(options()));
    MainWindow& w = mainView();
    QTest::mouseDClick(&w, Qt::LeftButton, {}, QPoint(300, 80)); // over the lungs
    EXPECT_FALSE(w.isVisible());
    ASSERT_EQ(platform->notifyCalls.size(), 1u);
    const NotifyIconData record = platform->notifyCalls[0].data; // later calls move the vector
    EXPECT_EQ(platform->notifyCalls[0].message, NotifyIconMessage::Add);
    EXPECT_EQ(record.hWnd, reinterpret_cast<std::uintptr_t>(&w));
    EXPECT_EQ(record.cbSize, 88u);
    EXPECT_EQ(record.uID, 1u);
    EXPECT_EQ(record.uFlags, 7u);
    EXPECT_EQ(record.uCallbackMessage, 512u);
    EXPECT_EQ(record.szTip, QStringLiteral("ケムリナ"));
    EXPECT_FALSE(record.hIcon.isNull());

    // Moves, the left button going down, double clicks and the right button do nothing.
    for (const std::uint32_t message : {0x200u, 0x201u, 0x203u, 0x204u, 0x205u, 0x206u, 0x208u})
        platform->lastCallback(message);
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(platform->notifyCalls.size(), 1u);

    platform->lastCallback(0x202);
    EXPECT_TRUE(w.isVisible());
    ASSERT_EQ(platform->notifyCalls.size(), 2u);
    EXPECT_EQ(platform->notifyCalls[1].message, NotifyIconMessage::Delete);
    EXPECT_EQ(platform->notifyCalls[1].data.hWnd, record.hWnd);

    QTest::mouseDClick(&w, Qt::LeftButton, {}, QPoint(300, 80));
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(countCalls(*platform, NotifyIconMessage::Add, w), 2u);
}

TEST_F(TrayTest, WithoutANotificationAreaTheWindowIsMinimisedNotLost) {
    platform->notificationArea = false;
    ASSERT_TRUE(startWith(options()));
    MainWindow& w = mainView();
    QTest::mouseDClick(&w, Qt::LeftButton, {}, QPoint(300, 80));
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(w.isMinimized());
    EXPECT_TRUE(platform->notifyCalls.empty());
}

TEST_F(TrayTest, ControlsTakeTheirOwnDoubleClicks) {
    ASSERT_TRUE(startWith(options()));
    MainWindow& w = mainView();
    for (const char* name : {"Label2_2", "Label1_0", "Command3"}) {
        QWidget* control = child(w, QString::fromLatin1(name));
        QTest::mouseDClick(control, Qt::LeftButton, {}, QPoint(3, 3));
        EXPECT_TRUE(w.isVisible()) << name;
    }
    EXPECT_TRUE(platform->notifyCalls.empty());
}

TEST_F(TrayTest, TheMiniSummaryActsAsTheMiniWindowsSurface) {
    ASSERT_TRUE(startWith(options(1)));
    MiniWindow& m = miniView();
    QTest::mouseDClick(m.summaryLabel(), Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_FALSE(m.isVisible());
    ASSERT_EQ(platform->notifyCalls.size(), 1u);
    EXPECT_EQ(platform->notifyCalls[0].data.hWnd, reinterpret_cast<std::uintptr_t>(&m));
    platform->lastCallback(0x202);
    EXPECT_TRUE(m.isVisible());
    EXPECT_FALSE(mainView().isVisible());
}

TEST_F(TrayTest, ClosingAfterAVisitLeavesNoIconBehind) {
    ASSERT_TRUE(startWith(options()));
    MainWindow& w = mainView();
    const auto mainHandle = reinterpret_cast<std::uintptr_t>(&w);
    const auto miniHandle = reinterpret_cast<std::uintptr_t>(&miniView());
    QTest::mouseDClick(&w, Qt::LeftButton, {}, QPoint(300, 80));
    trigger(w, "mnuExit");
    settle();
    std::size_t mainDeletes = 0;
    std::size_t miniDeletes = 0;
    for (const auto& call : platform->notifyCalls) {
        if (call.message == NotifyIconMessage::Delete) {
            mainDeletes += call.data.hWnd == mainHandle;
            miniDeletes += call.data.hWnd == miniHandle;
        }
    }
    EXPECT_EQ(mainDeletes, 1u);
    EXPECT_EQ(miniDeletes, 1u);
}

TEST(NotifyRecordTest, BytesFollowTheShellLayout) {
    NotifyIconData record;
    record.hWnd = 0x1234567890ABCDEFu;
    const QByteArray bytes = record.toBytes();
    ASSERT_EQ(bytes.size(), 88);
    const auto u32 = [&](int offset) {
        std::uint32_t v = 0;
        for (int i = 3; i >= 0; --i)
            v = (v << 8) | static_cast<std::uint8_t>(bytes[offset + i]);
        return v;
    };
    EXPECT_EQ(u32(0), 88u);
    EXPECT_EQ(u32(4), 0x90ABCDEFu);
    EXPECT_EQ(u32(8), 1u);
    EXPECT_EQ(u32(12), 7u);
    EXPECT_EQ(u32(16), 0x200u);
    const QByteArray tip = bytes.mid(24);
    EXPECT_EQ(tip.left(9), QByteArray("\x83\x50\x83\x80\x83\x8a\x83\x69\x00", 9));
    EXPECT_EQ(tip.mid(9), QByteArray(55, ' '));
}

TEST_F(MenuTest, EveryCopyTriggerGivesTheSameTextsFromEitherWindow) {
    Options o = options();
    o.profileSuffix = 1;
    ASSERT_TRUE(startWith(o));
    MainWindow& w = mainView();
    const QString longText = longReport(app->state());
    const QString shortText = shortPost(app->state());
    ASSERT_TRUE(longText.contains(QStringLiteral("\r\n")));

    // The two buttons, the main menu's items and the mini menu's items: six triggers.
    const std::function<void()> triggers[] = {[&] { child<QPushButton>(w, "Command3")->click(); },
                                              [&] { trigger(w, "mnuCopy"); },
                                              [&] { trigger(miniView(), "mnuCopy"); },
                                              [&] { child<QPushButton>(w, "Command4")->click(); },
                                              [&] { trigger(w, "mnuCopy2"); },
                                              [&] { trigger(miniView(), "mnuCopy2"); }};
    for (int i = 0; i < 6; ++i) {
        QGuiApplication::clipboard()->clear();
        triggers[i]();
        EXPECT_EQ(clipboardText().toUtf8(), (i < 3 ? longText : shortText).toUtf8()) << i;
    }
}

TEST_F(MenuTest, CopiesAfterTheElapsedClickUseTheDayCountForm) {
    setElapsed(33, 4, 5);
    ASSERT_TRUE(startWith(options(1)));
    QTest::mouseClick(mainView().valueLabel(ElapsedCaption), Qt::LeftButton);
    trigger(miniView(), "mnuCopy");
    EXPECT_TRUE(clipboardText().contains(QStringLiteral("卒煙からの日数： 33日 4時間 5分\r\n")));
    trigger(miniView(), "mnuCopy2");
    EXPECT_TRUE(clipboardText().contains(QStringLiteral("３３日４時間５分経過しました。")));
}

TEST_F(MenuTest, BoardOpensTheUsersAddressOrSaysWhyNot) {
    ASSERT_TRUE(startWith(options()));
    child<QPushButton>(mainView(), "Command2")->click();
    trigger(mainView(), "mnuBlog");
    trigger(miniView(), "mnuBlog");
    const QString address = QStringLiteral("http://kemurina.example.jp/community/");
    EXPECT_EQ(platform->openedUrls, QStringList({address, address, address}));
    EXPECT_TRUE(platform->messages.isEmpty());

    platform->openUrlSucceeds = false;
    app->state().options.blogAddress.clear();
    child<QPushButton>(mainView(), "Command2")->click();
    EXPECT_EQ(platform->openedUrls.last(), QStringLiteral("http://"));
    EXPECT_EQ(platform->messages,
              QStringList{QStringLiteral(
                  "エラーです。フォルダオプションの関連付けなどを確認してください")});
}

TEST_F(MenuTest, HelpOpensBesideTheViewWithoutChangingIt) {
    ASSERT_TRUE(startWith(options()));
    trigger(mainView(), "mnuHelp");
    trigger(mainView(), "mnuHelp");
    int helpWindows = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        helpWindows += w->objectName() == QStringLiteral("Form5") && w->isVisible();
    EXPECT_EQ(helpWindows, 1);
    EXPECT_TRUE(mainView().isVisible());
}

TEST_F(MenuTest, SwitchingViewsMovesTheMiniOverTheMainOnlyTheFirstTimeAndWritesNothing) {
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
    EXPECT_EQ(mainView().pos(), QPoint(40, 50));

    trigger(mainView(), "mnuMini");
    EXPECT_EQ(miniView().pos(), QPoint(200, 210));
    EXPECT_EQ(optionsFile(), before);
}

TEST_F(MenuTest, SettingsFromEitherViewClosesBothAndOpensTheSettingsWindowAlone) {
    for (const int mode : {2, 1}) {
        SCOPED_TRACE(mode);
        ASSERT_TRUE(startWith(options(mode)));
        ViewWindow& from = mode == 1 ? static_cast<ViewWindow&>(miniView()) : mainView();
        from.move(30, 40);
        trigger(from, "mnuSettei");
        settle();
        EXPECT_EQ(app->mainView(), nullptr);
        EXPECT_EQ(app->miniView(), nullptr);
        QWidget* settings = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->isVisible())
                settings = w;
        }
        ASSERT_NE(settings, nullptr);
        EXPECT_EQ(settings->objectName(), QStringLiteral("Form2"));
        const Options saved = savedOptions();
        if (mode == 1)
            EXPECT_EQ(QPoint(saved.miniLeft, saved.miniTop), QPoint(450, 600));
        else
            EXPECT_EQ(QPoint(saved.mainLeft, saved.mainTop), QPoint(450, 600));
        settings->close();
        settle();
    }
}

TEST_F(UnloadTest, ClosingEitherViewClosesBothAndStoresBothPositions) {
    for (const int mode : {2, 1}) {
        SCOPED_TRACE(mode);
        ASSERT_TRUE(startWith(options(mode)));
        mainView().move(10, 20);
        miniView().move(30, 40);
        if (mode == 1)
            miniView().close();
        else
            trigger(mainView(), "mnuExit");
        EXPECT_EQ(app->mainView(), nullptr);
        EXPECT_EQ(app->miniView(), nullptr);
        settle();
        const Options saved = savedOptions();
        EXPECT_EQ(QPoint(saved.mainLeft, saved.mainTop), QPoint(150, 300));
        EXPECT_EQ(QPoint(saved.miniLeft, saved.miniTop), QPoint(450, 600));
        EXPECT_EQ(saved.windowMode, mode);
    }
}

} // namespace
} // namespace kemurina::testing
