#pragma once

#include "platform/Platform.h"

#include <QHash>
#include <QLockFile>
#include <QObject>
#include <QPointer>
#include <memory>

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
    bool openUrl(const QString& address) override;
    void showMessage(QWidget* parent, const QString& text) override;
    bool askYesNo(QWidget* parent, const QString& text) override;
    std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial) override;
    bool notificationAreaAvailable() const override;
    QSize screenSizeTwips() const override;
    void showTrayIcon(const QObject* owner, const QIcon& icon, const QString& tip,
                      TrayActivation onActivated) override;
    void removeTrayIcon(const QObject* owner) override;

  private:
    QString m_lockPath;
    std::unique_ptr<QLockFile> m_instanceLock;
    bool m_instanceChecked = false;
    bool m_otherInstance = false;
    QHash<const QObject*, QPointer<QSystemTrayIcon>> m_trayIcons;
};

} // namespace kemurina
