#include "ui/main/ViewWindow.h"

#include "ui/Accessibility.h"
#include "ui/dialogs/DialogLook.h"
#include "ui/main/AppController.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>

namespace kemurina {

ViewWindow::ViewWindow(AppController& app, const QString& objectName, const QString& title,
                       QSize clientPixels)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      m_app(app) {
    setObjectName(objectName);
    setWindowTitle(title);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(clientPixels);
    useGothicFont(this, 9);
    setAccessibleRole(this, QAccessible::Window);
}

QMenu* ViewWindow::popupMenu() {
    if (m_popup == nullptr) {
        m_popup = new QMenu(popupCaption(), this);
        m_popup->setObjectName(QStringLiteral("mnuPopup"));
        fillPopupMenu(*m_popup);
        // Last, after a separator, so that every other item keeps its place.
        m_popup->addSeparator();
        addMenuItem(*m_popup, QStringLiteral("mnuRecord"), QStringLiteral("卒煙の記録を見る"),
                    [this] { m_app.openRecord(); });
    }
    return m_popup;
}

QAction* ViewWindow::addMenuItem(QMenu& menu, const QString& name, const QString& caption,
                                 std::function<void()> action) {
    QAction* item = menu.addAction(caption);
    item->setObjectName(name);
    connect(item, &QAction::triggered, this, [action = std::move(action)] { action(); });
    return item;
}

void ViewWindow::sendToTray() {
    // Without a notification area a hidden window could never come back: minimise instead.
    if (!m_app.platform().notificationAreaAvailable()) {
        showMinimized();
        return;
    }
    hide();
    QPointer<ViewWindow> self(this);
    m_app.platform().showTrayIcon(this, m_app.programIcon(), QStringLiteral("ケムリナ"),
                                  [self](QSystemTrayIcon::ActivationReason reason) {
                                      if (self)
                                          self->onTrayActivated(reason);
                                  });
}

void ViewWindow::onTrayActivated(QSystemTrayIcon::ActivationReason reason) {
    if (reason != QSystemTrayIcon::Trigger)
        return;
    show();
    removeTrayIcon();
}

void ViewWindow::removeTrayIcon() {
    m_app.platform().removeTrayIcon(this);
}

void ViewWindow::restoreFromMinimised() {
    if (windowState() & Qt::WindowMinimized)
        setWindowState(windowState() & ~Qt::WindowMinimized);
}

void ViewWindow::placeAtStored(std::int32_t& left, std::int32_t& top, PlacementRoom room) {
    const TwipsPoint corner =
        correctedPosition({left, top}, m_app.platform().screenSizeTwips(), room);
    left = corner.left;
    top = corner.top;
    moveToTwips(this, left, top);
}

void ViewWindow::storePosition(std::int32_t& left, std::int32_t& top) const {
    const TwipsPoint corner = windowTwips(this);
    left = corner.left;
    top = corner.top;
}

void ViewWindow::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        sendToTray();
    event->accept();
}

void ViewWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton)
        popupMenu()->popup(event->globalPosition().toPoint());
    event->accept();
}

void ViewWindow::keyPressEvent(QKeyEvent* event) {
    if (isMenuKey(*event))
        popupFromKeyboard(*popupMenu(), *this);
    else if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        sendToTray();
    else
        QWidget::keyPressEvent(event);
}

void ViewWindow::contextMenuEvent(QContextMenuEvent* event) {
    // The right button has already opened the menu where it was pressed.
    if (event->reason() == QContextMenuEvent::Keyboard)
        popupFromKeyboard(*popupMenu(), *this);
    else
        event->ignore();
}

void ViewWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    if (m_unloading)
        return;
    m_unloading = true;
    unload();
    m_app.viewUnloaded(*this);
}

} // namespace kemurina
