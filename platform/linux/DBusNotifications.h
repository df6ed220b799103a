#pragma once

#include <QHash>
#include <QImage>
#include <QObject>
#include <QString>
#include <functional>

namespace kemurina {

// Desktop notifications through the notification service of the session bus
// (org.freedesktop.Notifications). A click on one arrives as its default action.
class DBusNotifications final : public QObject {
    Q_OBJECT
  public:
    explicit DBusNotifications(QImage icon, QObject* parent = nullptr);

    // Whether a notification service runs on the session bus or can be started there.
    static bool available();

    // Sends one notification; onActivated runs when the user clicks it.
    // False when the bus could not take the call.
    bool show(const QString& title, const QString& body, std::function<void()> onActivated);

  private slots:
    void actionInvoked(uint id, const QString& action);
    void closed(uint id, uint reason);

  private:
    QImage m_icon;
    QHash<uint, std::function<void()>> m_onActivated;
};

} // namespace kemurina
