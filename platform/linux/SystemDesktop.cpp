#include "platform/SystemDesktop.h"

#include "platform/TrayNotice.h"
#include "platform/linux/DBusNotifications.h"
#include "platform/linux/XdgAutostart.h"

namespace kemurina {

namespace {

constexpr int kNotificationIconSide = 64;

template <typename Notifier, typename... Args> Notifier* notifier(QObject& owner, Args&&... args) {
    auto* found = owner.findChild<Notifier*>(QString(), Qt::FindDirectChildrenOnly);
    return found ? found : new Notifier(std::forward<Args>(args)..., &owner);
}

} // namespace

// The desktop's notification service when there is one; otherwise the message of a
// notification-area icon of its own.
bool SystemDesktop::notify(const QString& title, const QString& body, const QIcon& icon,
                           std::function<void()> onClicked) {
    if (DBusNotifications::available()) {
        const QImage image = icon.pixmap(kNotificationIconSide).toImage();
        return notifier<DBusNotifications>(m_notifiers, image)
            ->show(title, body, std::move(onClicked));
    }
    return notifier<TrayNotice>(m_notifiers, icon)->show(title, body, std::move(onClicked));
}

bool SystemDesktop::startsAtLogin() const {
    return XdgAutostart::enabled();
}

bool SystemDesktop::setStartsAtLogin(const QString& appDir, bool on) const {
    return XdgAutostart(appDir).setEnabled(on);
}

} // namespace kemurina
