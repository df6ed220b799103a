#pragma once

#include <QIcon>
#include <QObject>
#include <QString>
#include <functional>

namespace kemurina {

// A notification shown as the message of a notification-area icon that exists only while the
// message does, for systems that show notifications only from such an icon.
class TrayNotice final : public QObject {
    Q_OBJECT
  public:
    explicit TrayNotice(QIcon icon, QObject* parent = nullptr);

    // False when the desktop has no notification area. onActivated runs when the user
    // clicks the message or the icon.
    bool show(const QString& title, const QString& body, std::function<void()> onActivated);

  private:
    QIcon m_icon;
};

} // namespace kemurina
