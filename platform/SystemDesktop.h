#pragma once

#include <QIcon>
#include <QObject>
#include <QString>
#include <functional>

namespace kemurina {

// What each system does its own way: its notifications and its start at login. One
// implementation per system, in platform/<system>/SystemDesktop.cpp.
class SystemDesktop final {
  public:
    bool notify(const QString& title, const QString& body, const QIcon& icon,
                std::function<void()> onClicked);
    bool startsAtLogin() const;
    bool setStartsAtLogin(const QString& appDir, bool on) const;

  private:
    // Keeps what shows the notifications for as long as they may be clicked.
    QObject m_notifiers;
};

} // namespace kemurina
