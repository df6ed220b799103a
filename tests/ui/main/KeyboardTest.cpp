#include "support/AppFixture.h"

#include "core/SpokenTexts.h"

#include <QAccessible>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
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
    {"EscapeGoesToTheTray", 2, "Command3", Qt::Key_Escape, {}, Outcome::InTray},
    {"EscapeInTheMiniView", 1, "Label1", Qt::Key_Escape, {}, Outcome::InTray},
    {"SpaceTogglesTheElapsedLabel", 2, "Label2_0", Qt::Key_Space, {}, Outcome::ElapsedToggled},
    {"F10AloneDoesNothing", 2, "Label2_0", Qt::Key_F10, {}, Outcome::Nothing},
    {"ShiftEscapeDoesNothing", 1, "Label1", Qt::Key_Escape, Qt::ShiftModifier, Outcome::Nothing},
};

class KeyTest : public AppTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(KeyTest, DoesWhatTheHelpSays) {
    const KeyCase& c = GetParam();
    ASSERT_TRUE(startWith(options(c.windowMode)));
    ViewWindow& view = c.windowMode == 1 ? static_cast<ViewWindow&>(miniView())
                                         : static_cast<ViewWindow&>(mainView());
    QWidget* focus = child(&view, c.focus);
    ASSERT_NE(focus, nullptr);
    focus->setFocus();
    const QString elapsedBefore = mainView().valueLabel(ElapsedCaption)->text();
    QTest::keyClick(focus, c.key, c.modifiers);

    QMenu* popup = view.popupMenu();
    EXPECT_EQ(popup->isVisible(), c.outcome == Outcome::Popup);
    EXPECT_EQ(view.isVisible(), c.outcome != Outcome::InTray);
    EXPECT_EQ(platform->notifyCalls.size(), c.outcome == Outcome::InTray ? 1u : 0u);
    const QString elapsed = mainView().valueLabel(ElapsedCaption)->text();
    EXPECT_EQ(elapsed != elapsedBefore, c.outcome == Outcome::ElapsedToggled);
    EXPECT_EQ(mainView().valueLabel(ElapsedCaption)->accessibleName(),
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

using KeyboardTest = AppTest;

TEST_F(KeyboardTest, TabGoesThroughTheElapsedLabelAndTheButtonsInReadingOrder) {
    ASSERT_TRUE(startWith(options()));
    MainWindow& w = mainView();
    QApplication::setActiveWindow(&w);
    QStringList order;
    for (int i = 0; i < 6; ++i) {
        order << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(order.join(u' '), "Label2_0 Command3 Command4 Command2 Command1 Label2_0");
}

// How the menu key (and on some systems Shift+F10) reaches a window: the right button has
// already opened the menu where it was pressed.
TEST_F(KeyboardTest, OnlyAKeyboardContextMenuRequestOpensThePopup) {
    ASSERT_TRUE(startWith(options()));
    QWidget* label = mainView().valueLabel(MoneyCaption);
    for (const auto reason : {QContextMenuEvent::Mouse, QContextMenuEvent::Keyboard}) {
        QContextMenuEvent event(reason, {3, 3}, label->mapToGlobal(QPoint(3, 3)));
        QApplication::sendEvent(label, &event);
        EXPECT_EQ(mainView().popupMenu()->isVisible(), reason == QContextMenuEvent::Keyboard);
    }
    mainView().popupMenu()->close();
}

TEST_F(KeyboardTest, PicturesAreGraphicsThatEveryRefreshRenames) {
    ASSERT_TRUE(startWith(options()));
    MainWindow& w = mainView();
    setElapsed(12, 3, 4);
    w.timer1Tick();
    const SpokenTexts spoken = spokenTexts(app->state());
    EXPECT_EQ(child(&w, "Shape2_0")->accessibleName(), spoken.lungs);
    EXPECT_EQ(child(&w, "Image1_10")->accessibleName(), spoken.pictures[Image1_10]);
    EXPECT_EQ(child(&w, "ProgressBar1")->accessibleName(), "次の目標まで３３分の３");
    const auto role = [](QObject* o) { return QAccessible::queryAccessibleInterface(o)->role(); };
    EXPECT_EQ(role(child(&w, "Shape2_0")), QAccessible::Graphic);
    EXPECT_EQ(role(&w), QAccessible::Window);
}

TEST_F(KeyboardTest, SettingsInputsSayTheirLabelsAndTheSampleItsColours) {
    ASSERT_TRUE(startWith(options()));
    mainView().command1Click();
    QWidget* settings = shown("Form2");
    ASSERT_NE(settings, nullptr);
    EXPECT_EQ(child<QLabel>(settings, "Label1_7")->buddy(), child(settings, "Text2"));
    EXPECT_EQ(child(settings, "Text1_0")->accessibleName(), "卒煙日　年");
    EXPECT_EQ(child(settings, "Label2")->accessibleName(), "サンプル色　文字は白、背景は紺");
}

} // namespace
} // namespace kemurina::testing
