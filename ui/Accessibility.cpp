#include "ui/Accessibility.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>

namespace kemurina {

namespace {

constexpr char kRoleProperty[] = "kemurinaAccessibleRole";

QAccessibleInterface* roleFromProperty(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    const QVariant role = widget ? widget->property(kRoleProperty) : QVariant();
    if (!role.isValid())
        return nullptr;
    return new QAccessibleWidget(widget, static_cast<QAccessible::Role>(role.toInt()));
}

} // namespace

void speak(QWidget* control, const QString& name) {
    // An unchanged name stays quiet: a refresh every 30 seconds must not chatter.
    if (control->accessibleName() != name)
        control->setAccessibleName(name);
}

void setAccessibleRole(QWidget* widget, QAccessible::Role role) {
    [[maybe_unused]] static const bool installed = [] {
        QAccessible::installFactory(roleFromProperty);
        return true;
    }();
    widget->setProperty(kRoleProperty, static_cast<int>(role));
}

void labelInput(QLabel* label, QWidget* input, const QString& name) {
    label->setBuddy(input);
    if (!name.isEmpty())
        input->setAccessibleName(name);
}

bool isMenuKey(const QKeyEvent& event) {
    return event.key() == Qt::Key_Menu ||
           (event.key() == Qt::Key_F10 && event.modifiers() == Qt::ShiftModifier);
}

void popupFromKeyboard(QMenu& menu, QWidget& window) {
    // The menu key may arrive both as a key and as a context-menu request.
    if (menu.isVisible())
        return;
    QWidget* anchor = window.focusWidget();
    if (anchor == nullptr || !anchor->isVisible())
        anchor = &window;
    menu.popup(anchor->mapToGlobal(anchor->rect().center()));
    if (!menu.actions().isEmpty())
        menu.setActiveAction(menu.actions().constFirst());
}

void paintKeyboardFocus(QWidget& control, QPainter& painter) {
    if (!control.hasFocus() || !control.window()->testAttribute(Qt::WA_KeyboardFocusChange))
        return;
    painter.save();
    painter.setPen(QPen(control.palette().color(QPalette::WindowText), 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(control.rect().adjusted(2, 2, -3, -3));
    painter.restore();
}

} // namespace kemurina
