#include "platform/TrayNotice.h"

#include <QSystemTrayIcon>
#include <QTimer>

namespace kemurina {

namespace {

constexpr int kMessageMs = 10000;
// The icon stays a little longer than the message, so that a late click still finds it.
constexpr int kIconLifeMs = kMessageMs + 5000;

} // namespace

TrayNotice::TrayNotice(QIcon icon, QObject* parent) : QObject(parent), m_icon(std::move(icon)) {}

bool TrayNotice::show(const QString& title, const QString& body,
                      std::function<void()> onActivated) {
    if (!QSystemTrayIcon::isSystemTrayAvailable())
        return false;
    auto* icon = new QSystemTrayIcon(m_icon, this);
    icon->setToolTip(QStringLiteral("ケムリナ"));
    const auto clicked = [icon, onActivated = std::move(onActivated)] {
        icon->hide();
        icon->deleteLater();
        if (onActivated)
            onActivated();
    };
    connect(icon, &QSystemTrayIcon::messageClicked, this, clicked);
    connect(icon, &QSystemTrayIcon::activated, this, clicked);
    icon->show();
    icon->showMessage(title, body, m_icon, kMessageMs);
    QTimer::singleShot(kIconLifeMs, icon, [icon] {
        icon->hide();
        icon->deleteLater();
    });
    return true;
}

} // namespace kemurina
