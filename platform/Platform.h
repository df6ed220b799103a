#pragma once

#include <QColor>
#include <QIcon>
#include <QSize>
#include <QString>
#include <QSystemTrayIcon>
#include <functional>
#include <optional>

class QObject;
class QWidget;

namespace kemurina {

// Everything the program asks of the desktop, behind one interface so that the tests can
// stand in for it. Qt answers all of it on every system; what differs between systems lives in
// platform/<system>/.
class Platform {
  public:
    virtual ~Platform() = default;

    // True when another instance of the program is running. The first call claims the
    // instance for this process; a crashed holder never blocks a later start.
    // The running instance is then asked to bring its window back.
    virtual bool anotherInstanceRunning() = 0;

    // What this instance does when a later start finds it running (the later start still
    // ends); it listens from the moment it has claimed the instance.
    virtual void whenStartedAgain(std::function<void()> handler) = 0;

    // Opens a web address in the user's browser; false when nothing could open it.
    virtual bool openUrl(const QString& address) = 0;

    // A plain message box with an OK button and the application's title.
    virtual void showMessage(QWidget* parent, const QString& text) = 0;

    // The standard question box with the Yes and No buttons, No the default; true for Yes.
    virtual bool askYesNo(QWidget* parent, const QString& text) = 0;

    // The colour-choice dialog; nullopt when the user cancels.
    virtual std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial) = 0;

    // False when the desktop has no notification area to put an icon in.
    virtual bool notificationAreaAvailable() const = 0;

    // False where the window system keeps the places and states of windows to itself
    // (Wayland): a program can neither put its window somewhere nor learn where it is, nor
    // whether it is minimised.
    virtual bool windowPlacementKnown() const = 0;

    // Called on each fixed-size window before it is first shown: where Qt's own title bar
    // would offer maximise (Wayland), the window gets the program's own instead.
    virtual void fitTitleBar(QWidget* window) = 0;

    // The primary screen's size in twips.
    virtual QSize screenSizeTwips() const = 0;

    using TrayActivation = std::function<void(QSystemTrayIcon::ActivationReason)>;

    // Puts owner's icon with its tip in the notification area; onActivated hears every use
    // of it with Qt's reason (Trigger for a left click). An owner has at most one icon: while
    // it is shown, a second call changes nothing.
    virtual void showTrayIcon(const QObject* owner, const QIcon& icon, const QString& tip,
                              TrayActivation onActivated) = 0;

    // Takes owner's icon away, if it has one.
    virtual void removeTrayIcon(const QObject* owner) = 0;

    // A desktop notification that names the program and carries its icon; onClicked runs when
    // the user clicks it. False when the desktop can show none.
    virtual bool notify(const QString& title, const QString& body, const QIcon& icon,
                        std::function<void()> onClicked) = 0;

    // Whether the system starts the program when the user logs in, as it stands now.
    virtual bool startsAtLogin() const = 0;
    // Makes the system start it at login in appDir, its start directory, or no longer;
    // false when that could not be done.
    virtual bool setStartsAtLogin(const QString& appDir, bool on) = 0;
};

} // namespace kemurina
