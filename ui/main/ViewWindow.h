#pragma once

#include "platform/Platform.h"
#include "ui/AppContext.h"
#include "ui/main/WindowPlacement.h"

#include <QWidget>

class QMenu;

namespace kemurina {

// What a button or a popup item of a view does.
enum class ViewCommand {
    CopyReport,
    CopyPost,
    OpenBlog,
    Version,
    ToMiniView,
    ToMainView,
    Exit,
    Open
};

struct ViewAction {
    ViewCommand command;
    WindowKind window = WindowKind::Help; // the window Open asks for
};

// What the main and the mini view share: the notification-area visit (double click or
// Escape), the popup menu (right button, menu key or Shift+F10), the commands of both, and
// the unload that stores the position and writes option.ini.
class ViewWindow : public QWidget {
    Q_OBJECT
  public:
    ViewWindow(AppContext& context, View view, const QString& objectName, const QString& title,
               QSize clientPixels);

    // The popup menu (objectName "mnuPopup"), built the first time it is needed.
    QMenu* popupMenu();

    bool isUnloading() const { return m_unloading; }

    // Hide and put the icon in the notification area; the icon's left click brings it back.
    void sendToTray();
    // Back from the notification area or from minimised, on top and active.
    void bringBack();

    void run(ViewAction action);

  signals:
    // The view has stored its position and written option.ini; it is about to go.
    void unloaded();

  protected:
    // Puts the window at its stored corner, first bringing the corner onto the screen (the
    // corrected corner is kept).
    void placeAtStoredCorner();

    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

    AppContext& m_context;
    Session& m_session;

  private:
    void onTrayActivated(QSystemTrayIcon::ActivationReason reason);
    void removeTrayIcon();
    void restoreFromMinimised();

    View m_view;
    QMenu* m_popup = nullptr;
    bool m_inTray = false;
    bool m_unloading = false;
};

} // namespace kemurina
