#include "ViewFixture.h"

#include "core/SpokenTexts.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>

namespace kemurina::testing {
namespace {

enum class Outcome { Popup, InTray, ElapsedToggled, Nothing };

struct KeyCase {
    const char* name;
    int windowMode; // 1 starts in the mini view
    const char* focus;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    Outcome outcome;
};

const KeyCase kKeys[] = {
    {"MenuKeyOpensThePopup", 2, "Label2_0", Qt::Key_Menu, {}, Outcome::Popup},
    {"ShiftF10OpensThePopup", 2, "Command1", Qt::Key_F10, Qt::ShiftModifier, Outcome::Popup},
    {"MenuKeyInTheMiniView", 1, "Label1", Qt::Key_Menu, {}, Outcome::Popup},
    {"ShiftF10InTheMiniView", 1, "Label1", Qt::Key_F10, Qt::ShiftModifier, Outcome::Popup},
    {"EscapeGoesToTheTray", 2, "Command3", Qt::Key_Escape, {}, Outcome::InTray},
    {"EscapeInTheMiniView", 1, "Label1", Qt::Key_Escape, {}, Outcome::InTray},
    {"SpaceTogglesTheElapsedLabel", 2, "Label2_0", Qt::Key_Space, {}, Outcome::ElapsedToggled},
    {"F10AloneDoesNothing", 2, "Label2_0", Qt::Key_F10, {}, Outcome::Nothing},
    {"ShiftEscapeDoesNothing", 2, "Label2_0", Qt::Key_Escape, Qt::ShiftModifier, Outcome::Nothing},
};

class KeyTest : public ViewTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(KeyTest, DoesWhatTheHelpSays) {
    const KeyCase& c = GetParam();
    ASSERT_TRUE(startWith(options(c.windowMode)));
    ViewWindow& view = c.windowMode == 1 ? static_cast<ViewWindow&>(miniView())
                                         : static_cast<ViewWindow&>(mainView());
    QWidget* focus = child(view, QString::fromLatin1(c.focus));
    ASSERT_NE(focus, nullptr);
    focus->setFocus();
    const QString elapsedBefore = labelText(mainView(), "Label2_0");
    QTest::keyClick(focus, c.key, c.modifiers);

    QMenu* popup = view.popupMenu();
    EXPECT_EQ(popup->isVisible(), c.outcome == Outcome::Popup);
    EXPECT_EQ(view.isVisible(), c.outcome != Outcome::InTray);
    EXPECT_EQ(platform->notifyCalls.size(), c.outcome == Outcome::InTray ? 1u : 0u);
    const QString elapsed = labelText(mainView(), "Label2_0");
    EXPECT_EQ(elapsed != elapsedBefore, c.outcome == Outcome::ElapsedToggled);
    EXPECT_EQ(child(mainView(), "Label2_0")->accessibleName(),
              QStringLiteral("卒煙からの日数　") + elapsed);
    if (c.outcome == Outcome::Popup) {
        // At the control with the focus, not at the mouse, ready for the arrow keys.
        EXPECT_TRUE(popup->geometry().contains(focus->mapToGlobal(focus->rect().center())));
        ASSERT_NE(popup->activeAction(), nullptr);
        EXPECT_EQ(popup->activeAction()->objectName(), "mnuCopy");
        popup->close();
    }
}

INSTANTIATE_TEST_SUITE_P(Keys, KeyTest, ::testing::ValuesIn(kKeys),
                         [](const auto& info) { return std::string(info.param.name); });

using KeyboardTest = ViewTest;

TEST_F(KeyboardTest, TabGoesThroughTheElapsedLabelAndTheButtonsInReadingOrder) {
    ASSERT_TRUE(startWith(options()));
    MainWindow& w = mainView();
    QApplication::setActiveWindow(&w);
    child(w, "Label2_0")->setFocus(Qt::TabFocusReason);
    QStringList order;
    for (int i = 0; i < 5; ++i) {
        order << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(order.join(u' '), "Label2_0 Command3 Command4 Command2 Command1");
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "Label2_0");
    // The mouse gives the label no focus: a click toggles it and nothing else moves.
    EXPECT_EQ(child(w, "Label2_0")->focusPolicy(), Qt::TabFocus);
}

TEST_F(KeyboardTest, OnlyAKeyboardContextMenuRequestOpensThePopup) {
    ASSERT_TRUE(startWith(options()));
    MainWindow& w = mainView();
    QWidget* label = child(w, "Label2_2");
    const QPoint at(3, 3);
    QContextMenuEvent mouse(QContextMenuEvent::Mouse, at, label->mapToGlobal(at));
    QApplication::sendEvent(label, &mouse);
    EXPECT_FALSE(w.popupMenu()->isVisible());
    QContextMenuEvent keyboard(QContextMenuEvent::Keyboard, at, label->mapToGlobal(at));
    QApplication::sendEvent(label, &keyboard);
    EXPECT_TRUE(w.popupMenu()->isVisible());
    w.popupMenu()->close();
}

TEST_F(KeyboardTest, EveryRefreshRenamesWhatTheMainViewShows) {
    ASSERT_TRUE(startWith(options()));
    MainWindow& w = mainView();
    const QString before = child(w, "Label2_1")->accessibleName();
    setElapsed(12, 3, 4);
    w.timer1Tick();
    const SpokenTexts spoken = spokenTexts(app->state());
    EXPECT_NE(child(w, "Label2_1")->accessibleName(), before);
    for (std::size_t i = 0; i < kCaptionCount; ++i)
        EXPECT_EQ(w.valueLabel(i)->accessibleName(), spoken.values[i]) << i;
    EXPECT_EQ(child(w, "Shape2_0")->accessibleName(), spoken.lungs);
    EXPECT_EQ(child(w, "Image1_10")->accessibleName(), spoken.pictures[Image1_10]);
    EXPECT_EQ(child(w, "ProgressBar1")->accessibleName(), "次の目標まで３３分の３");
}

TEST_F(KeyboardTest, HelpScrollsWithPageDownAndCtrlEnd) {
    ASSERT_TRUE(startWith(options()));
    app->openHelp();
    QPlainTextEdit* text = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == "Form5")
            text = window->findChild<QPlainTextEdit*>("Text1");
    }
    ASSERT_NE(text, nullptr);
    QScrollBar* bar = text->verticalScrollBar();
    QTest::keyClick(text, Qt::Key_PageDown);
    EXPECT_GT(bar->value(), 0);
    QTest::keyClick(text, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(bar->value(), bar->maximum());
}

} // namespace
} // namespace kemurina::testing
