#include "ui/main/ViewWindow.h"

#include "ui/Accessibility.h"
#include "ui/dialogs/DialogLook.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <algorithm>
#include <span>

namespace kemurina {

namespace {

const QString kVersionText = QStringLiteral("　ケムリナバージョン１．２０　\r\n"
                                            "\r\n"
                                            "　- pelnoa -\r\n"
                                            "　https://kemurina.example.jp/");

struct MenuItem {
    const char* name;
    const char* caption;
    ViewAction action;
    Qt::Key key = Qt::Key_unknown; // set: the same in both views, without modifiers
};

using enum ViewCommand;

constexpr MenuItem kMainMenu[] = {
    {"mnuCopy", "コピーする", {CopyReport}},
    {"mnuCopy2", "ツイッター用にコピー", {CopyPost}},
    {"mnuBlog", "ブログや掲示板を開く", {OpenBlog}},
    {"mnuSettei", "設定変更をする", {Open, WindowKind::Settings}},
    {"mnuVer", "バージョン情報", {Version}},
    {"mnuMini", "ミニサイズで運転する", {ToMiniView}},
    {"mnuHelp", "ヘルプを読む", {Open, WindowKind::Help}},
    {"mnuExit", "アプリケーションの終了", {Exit}},
};

constexpr MenuItem kMiniMenu[] = {
    {"mnuCopy", "コピーする", {CopyReport}},
    {"mnuCopy2", "ツイッター用にコピー", {CopyPost}},
    {"mnuBlog", "ブログや掲示板を開く", {OpenBlog}},
    {"mnuHelp", "ヘルプを読む", {Open, WindowKind::Help}},
    {"mnuSettei", "設定変更をする", {Open, WindowKind::Settings}},
    {"mnuVer", "バージョン情報", {Version}},
    {"mnuSt", "標準サイズで運転する", {ToMainView}},
    {"mnuExit", "アプリケーションの終了", {Exit}},
};

// After a separator at the end of both menus, so that every item above keeps its place.
constexpr MenuItem kBothMenusEnd[] = {
    {"mnuRecord", "卒煙の記録を見る", {Open, WindowKind::Record}},
    {"mnuNotice", "お知らせと自動起動の設定", {Open, WindowKind::NoticeSettings}},
    {"mnuCraving", "吸いたい！", {Open, WindowKind::Craving}, Qt::Key_S},
};

const MenuItem* itemForKey(const QKeyEvent& event) {
    if (event.modifiers() != Qt::NoModifier)
        return nullptr;
    const auto* found = std::find_if(std::begin(kBothMenusEnd), std::end(kBothMenusEnd),
                                     [&](const MenuItem& item) { return item.key == event.key(); });
    return found == std::end(kBothMenusEnd) ? nullptr : found;
}

void addItems(QMenu& menu, std::span<const MenuItem> items, ViewWindow* view) {
    for (const MenuItem& item : items) {
        QAction* action = menu.addAction(QString::fromUtf8(item.caption));
        action->setObjectName(QString::fromLatin1(item.name));
        if (item.key != Qt::Key_unknown) {
            // Shown beside the caption; the view itself answers the key while the menu is shut.
            action->setShortcut(QKeySequence(item.key));
            action->setShortcutContext(Qt::WidgetShortcut);
        }
        QObject::connect(action, &QAction::triggered, view,
                         [view, a = item.action] { view->run(a); });
    }
}

void copyToClipboard(const QString& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(text);
}

} // namespace

ViewWindow::ViewWindow(AppContext& context, View view, const QString& objectName,
                       const QString& title, QSize clientPixels)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      m_context(context), m_session(context.session), m_view(view) {
    setObjectName(objectName);
    setWindowTitle(title);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(clientPixels);
    useGothicFont(this, 9);
    setAccessibleRole(this, QAccessible::Window);
}

QMenu* ViewWindow::popupMenu() {
    if (m_popup == nullptr) {
        const bool main = m_view == View::Main;
        m_popup = new QMenu(main ? QStringLiteral("popup") : QStringLiteral("Popupmenu"), this);
        m_popup->setObjectName(QStringLiteral("mnuPopup"));
        addItems(*m_popup, main ? std::span(kMainMenu) : std::span(kMiniMenu), this);
        m_popup->addSeparator();
        addItems(*m_popup, kBothMenusEnd, this);
    }
    return m_popup;
}

void ViewWindow::run(ViewAction action) {
    Platform& platform = m_context.platform;
    switch (action.command) {
    case CopyReport:
        return copyToClipboard(m_session.longReport());
    case CopyPost:
        return copyToClipboard(m_session.shortPost());
    case OpenBlog:
        if (!platform.openUrl(m_session.blogUrl()))
            platform.showMessage(this, browserErrorMessage());
        return;
    case Version:
        return platform.showMessage(this, kVersionText);
    case ToMiniView:
        return m_session.showMiniView();
    case ToMainView:
        return m_session.showMainView();
    case Exit:
        close();
        return;
    case Open:
        return m_session.request(action.window);
    }
}

void ViewWindow::sendToTray() {
    // Without a notification area a hidden window could never come back: minimise instead.
    if (!m_context.platform.notificationAreaAvailable()) {
        showMinimized();
        return;
    }
    hide();
    m_inTray = true;
    QPointer<ViewWindow> self(this);
    m_context.platform.showTrayIcon(this, m_context.programIcon, QStringLiteral("ケムリナ"),
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

void ViewWindow::bringBack() {
    if (m_inTray)
        onTrayActivated(QSystemTrayIcon::Trigger);
    bringToFront(this, m_context.platform.windowPlacementKnown());
}

void ViewWindow::removeTrayIcon() {
    m_inTray = false;
    m_context.platform.removeTrayIcon(this);
}

void ViewWindow::restoreFromMinimised() {
    if (windowState() & Qt::WindowMinimized)
        setWindowState(windowState() & ~Qt::WindowMinimized);
}

void ViewWindow::placeAtStoredCorner() {
    // Nothing to correct where the window system places the window: the stored corner stays.
    if (!m_context.platform.windowPlacementKnown())
        return;
    const PlacementRoom room = m_view == View::Main ? kMainWindowRoom : kMiniWindowRoom;
    const TwipsPoint corner =
        correctedPosition(m_session.corner(m_view), m_context.platform.screenSizeTwips(), room);
    m_session.storeCorner(m_view, corner);
    moveToTwips(this, corner, m_context.platform);
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
    else if (const MenuItem* item = itemForKey(*event))
        run(item->action);
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
    restoreFromMinimised();
    m_session.storeCorner(m_view, windowTwips(this, m_context.platform, m_session.corner(m_view)));
    m_session.saveOptions();
    removeTrayIcon();
    emit unloaded();
}

} // namespace kemurina
