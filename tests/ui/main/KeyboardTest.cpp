#include "support/AppFixture.h"

#include "core/SpokenTexts.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeySequence>
#include <QMenu>
#include <QPushButton>
#include <QTest>

namespace kemurina::testing {
namespace {

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

TEST_F(KeyboardTest, ReadingOrderAndNames) {
    ASSERT_TRUE(startWith(options()));
    QApplication::setActiveWindow(&mainView());
    for (auto name : {"Label2_0", "Command3", "Command4", "Command2", "Command1", "Label2_0"}) {
        EXPECT_EQ(QApplication::focusWidget()->objectName(), name);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    MainWindow& w = mainView();
    setElapsed(12, 3, 4);
    session->refresh(); // renames the pictures
    const SpokenTexts spoken = spokenTexts(session->state());
    EXPECT_EQ(child(&w, "Shape2_0")->accessibleName(), spoken.lungs);
    EXPECT_EQ(child(&w, "Image1_10")->accessibleName(), spoken.pictures[Image1_10]);
    EXPECT_EQ(child(&w, "ProgressBar1")->accessibleName(), spoken.progress);

    child<QPushButton>(&w, "Command1")->click();
    QWidget* settings = shown("Form2");
    EXPECT_EQ(child<QLabel>(settings, "Label1_7")->buddy(), child(settings, "Text2"));
    EXPECT_EQ(child(settings, "Text1_0")->accessibleName(), "卒煙日　年");
    EXPECT_EQ(child(settings, "Label2")->accessibleName(), "サンプル色　文字は白、背景は紺");
}

} // namespace
} // namespace kemurina::testing
