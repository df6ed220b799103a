#include "platform/linux/DBusNotifications.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace kemurina {

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");
const QString kDefaultAction = QStringLiteral("default");
constexpr int kIconSide = 64;

} // namespace

// The "image-data" hint: width, height, row stride, alpha, bits per sample, channels, bytes.
struct ImageData {
    QImage image;
};

QDBusArgument& operator<<(QDBusArgument& arg, const ImageData& data) {
    const QImage& i = data.image;
    arg.beginStructure();
    arg << i.width() << i.height() << int(i.bytesPerLine()) << true << 8 << 4
        << QByteArray(reinterpret_cast<const char*>(i.constBits()), int(i.sizeInBytes()));
    arg.endStructure();
    return arg;
}

const QDBusArgument& operator>>(const QDBusArgument& arg, ImageData&) {
    return arg; // only ever sent
}

} // namespace kemurina

Q_DECLARE_METATYPE(kemurina::ImageData)

namespace kemurina {

DBusNotifications::DBusNotifications(QImage icon, QObject* parent)
    : QObject(parent),
      m_icon(icon.scaled(kIconSide, kIconSide, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                 .convertToFormat(QImage::Format_RGBA8888)) {
    qDBusRegisterMetaType<ImageData>();
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.connect(kService, kPath, kInterface, QStringLiteral("ActionInvoked"), this,
                SLOT(actionInvoked(uint, QString)));
    bus.connect(kService, kPath, kInterface, QStringLiteral("NotificationClosed"), this,
                SLOT(closed(uint, uint)));
}

bool DBusNotifications::available() {
    const QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface())
        return false;
    if (bus.interface()->isServiceRegistered(kService))
        return true;
    const QDBusReply<QStringList> activatable = bus.interface()->activatableServiceNames();
    return activatable.isValid() && activatable.value().contains(kService);
}

bool DBusNotifications::show(const QString& title, const QString& body,
                             std::function<void()> onActivated) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    QVariantMap hints;
    hints.insert(QStringLiteral("desktop-entry"), QStringLiteral("jp.example.kemurina"));
    if (!m_icon.isNull())
        hints.insert(QStringLiteral("image-data"), QVariant::fromValue(ImageData{m_icon}));
    QDBusMessage call =
        QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("Notify"));
    call << QStringLiteral("ケムリナ") << uint(0) << QStringLiteral("kemurina") << title << body
         << QStringList{kDefaultAction, QStringLiteral("記録を見る")} << hints << int(-1);
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, watcher, onActivated = std::move(onActivated)] {
                const QDBusPendingReply<uint> reply = *watcher;
                if (reply.isValid())
                    m_onActivated.insert(reply.value(), onActivated);
                watcher->deleteLater();
            });
    return true;
}

void DBusNotifications::actionInvoked(uint id, const QString& action) {
    const auto onActivated = m_onActivated.value(id);
    if (action != kDefaultAction || !onActivated)
        return;
    // Some services keep a notification whose action ran until its sender closes it.
    QDBusMessage close = QDBusMessage::createMethodCall(kService, kPath, kInterface,
                                                        QStringLiteral("CloseNotification"));
    close << id;
    QDBusConnection::sessionBus().send(close);
    onActivated();
}

void DBusNotifications::closed(uint id, uint) {
    m_onActivated.remove(id);
}

} // namespace kemurina
