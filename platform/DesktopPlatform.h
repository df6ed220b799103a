#pragma once

#include "platform/Platform.h"
#include "platform/SystemDesktop.h"

#include <QHash>
#include <QLockFile>
#include <QObject>
#include <QPointer>
#include <memory>

class QLocalServer;
class QSystemTrayIcon;

namespace kemurina {

// The desktop through Qt alone, the same on every system Qt runs on.
class DesktopPlatform final : public Platform {
  public:
    // lockPath: the file whose lock marks a running instance.
    explicit DesktopPlatform(QString lockPath = instanceLockPath());
    ~DesktopPlatform() override;

    // The per-user lock file in the temporary directory.
    static QString instanceLockPath();

    bool anotherInstanceRunning() override;
    void whenStartedAgain(std::function<void()> handler) override;
    bool openUrl(const QString& address) override;
    void showMessage(QWidget* parent, const QString& text) override;
    bool askYesNo(QWidget* parent, const QString& text) override;
    std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial) override;
    bool notificationAreaAvailable() const override;
    bool windowPlacementKnown() const override;
    void fitTitleBar(QWidget* window) override;
    QSize screenSizeTwips() const override;
    void showTrayIcon(const QObject* owner, const QIcon& icon, const QString& tip,
                      TrayActivation onActivated) override;
    void removeTrayIcon(const QObject* owner) override;
    bool notify(const QString& title, const QString& body, const QIcon& icon,
                std::function<void()> onClicked) override;
    bool startsAtLogin() const override;
    bool setStartsAtLogin(const QString& appDir, bool on) override;

  private:
    QString instanceServerName() const;
    void listenForLaterStarts();
    void askRunningInstanceToShow() const;

    QString m_lockPath;
    std::unique_ptr<QLockFile> m_instanceLock;
    // Next to the lock: a later start's knock; closed before the lock is released.
    std::unique_ptr<QLocalServer> m_instanceServer;
    std::function<void()> m_startedAgain;
    bool m_instanceChecked = false;
    bool m_otherInstance = false;
    QHash<const QObject*, QPointer<QSystemTrayIcon>> m_trayIcons;
    SystemDesktop m_system;
};

} // namespace kemurina
