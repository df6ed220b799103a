#pragma once

#include "platform/Platform.h"
#include "ui/main/WindowPlacement.h"

#include <QWidget>
#include <functional>

class QMenu;
class QAction;

namespace kemurina {

class AppController;

// What the main and the mini view share: the notification-area visit (double click or
// Escape), the popup menu (right button, menu key or Shift+F10), and the unload that stores
// the position and closes the other view.
class ViewWindow : public QWidget {
    Q_OBJECT
  public:
    ViewWindow(AppController& app, const QString& objectName, const QString& title,
               QSize clientPixels);

    // The popup menu (objectName "mnuPopup"), built the first time it is needed.
    QMenu* popupMenu();

    bool isUnloading() const { return m_unloading; }

    // Hide and put the icon in the notification area; the icon's left click brings it back.
    void sendToTray();
    void onTrayActivated(QSystemTrayIcon::ActivationReason reason);

  protected:
    void removeTrayIcon();
    void restoreFromMinimised();

    // Puts the window at a stored corner, first bringing the corner onto the screen (the
    // corrected values are kept), and stores where the window is now.
    void placeAtStored(std::int32_t& left, std::int32_t& top, PlacementRoom room);
    void storePosition(std::int32_t& left, std::int32_t& top) const;

    virtual QString popupCaption() const = 0;
    virtual void fillPopupMenu(QMenu& menu) = 0;
    QAction* addMenuItem(QMenu& menu, const QString& name, const QString& caption,
                         std::function<void()> action);

    // The view's own part of closing; the base runs it once and then tells the controller.
    virtual void unload() = 0;

    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

    AppController& m_app;

  private:
    QMenu* m_popup = nullptr;
    bool m_unloading = false;
};

} // namespace kemurina
