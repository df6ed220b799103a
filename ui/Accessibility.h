#pragma once

#include <QAccessible>
#include <QString>
#include <QWidget>

class QKeyEvent;
class QLabel;
class QMenu;
class QPainter;

namespace kemurina {

// How every window of the program meets screen readers and the keyboard.

// The name a screen reader says for a control. Qt tells the reader of every change, so windows
// call this again whenever the value shown changes.
void speak(QWidget* control, const QString& name);

// Gives a widget the role a reader announces: windows built on a bare QWidget would read as
// an unnamed filler, and a drawn picture as nothing. Call before the widget is first shown.
void setAccessibleRole(QWidget* widget, QAccessible::Role role);

// An input takes the label beside it as its label (the relation readers follow); name, when
// given, is said instead of the label's text (a unit alone such as "年" says too little).
void labelInput(QLabel* label, QWidget* input, const QString& name = QString());

// Choices that belong together say their group after their own name.
template <typename Widgets> void describeGroup(const Widgets& members, const QString& group) {
    for (QWidget* member : members)
        member->setAccessibleDescription(group);
}

// The menu key and Shift+F10, which open a context menu from the keyboard.
bool isMenuKey(const QKeyEvent& event);

// Opens window's popup menu over the control that has the keyboard focus (over the window
// when none has), with the first item active so that the reader announces it.
void popupFromKeyboard(QMenu& menu, QWidget& window);

// A dotted frame in the control's text colour, which stands out on whatever background the
// user chose; drawn only once the keyboard has moved the focus, as the styles do, so a mouse
// user never sees it.
void paintKeyboardFocus(QWidget& control, QPainter& painter);

} // namespace kemurina
