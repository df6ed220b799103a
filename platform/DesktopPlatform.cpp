#include "platform/DesktopPlatform.h"

#include "core/Records.h"

#include <QColorDialog>
#include <QCryptographicHash>
#include <QDesktopServices>
#include <QDir>
#include <QGuiApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QMessageBox>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QUrl>

namespace kemurina {

namespace {

const QString kProductName = QStringLiteral("ケムリナ");

// The mouse message the shell would report for each way the icon is used.
std::uint32_t callbackMessageFor(QSystemTrayIcon::ActivationReason reason) {
    switch (reason) {
    case QSystemTrayIcon::Trigger:
        return 0x202;
    case QSystemTrayIcon::DoubleClick:
        return 0x203;
    case QSystemTrayIcon::Context:
        return 0x205;
    case QSystemTrayIcon::MiddleClick:
        return 0x208;
    case QSystemTrayIcon::Unknown:
        break;
    }
    return 0x200;
}

} // namespace

DesktopPlatform::DesktopPlatform(QString lockPath) : m_lockPath(std::move(lockPath)) {}

DesktopPlatform::~DesktopPlatform() {
    for (const auto& icon : std::as_const(m_trayIcons))
        delete icon.data();
}

QString DesktopPlatform::instanceLockPath() {
    // The home directory tells users apart without reading the environment ourselves.
    const QByteArray user =
        QCryptographicHash::hash(QDir::homePath().toUtf8(), QCryptographicHash::Sha1).toHex();
    return QDir(QDir::tempPath())
        .filePath(QStringLiteral("kemurina-%1.lock").arg(QString::fromLatin1(user.left(16))));
}

bool DesktopPlatform::anotherInstanceRunning() {
    if (m_instanceChecked)
        return m_otherInstance;
    m_instanceChecked = true;
    m_instanceLock = std::make_unique<QLockFile>(m_lockPath);
    // Held for the whole run, so age never makes it stale; a lock whose process is gone is.
    m_instanceLock->setStaleLockTime(0);
    m_otherInstance =
        !m_instanceLock->tryLock(0) && m_instanceLock->error() == QLockFile::LockFailedError;
    if (m_otherInstance)
        askRunningInstanceToShow();
    else
        listenForLaterStarts();
    return m_otherInstance;
}

void DesktopPlatform::whenStartedAgain(std::function<void()> handler) {
    m_startedAgain = std::move(handler);
}

QString DesktopPlatform::instanceServerName() const {
    // A plain name: a socket in the temporary folder here, a named pipe on Windows.
    const QByteArray key =
        QCryptographicHash::hash(m_lockPath.toUtf8(), QCryptographicHash::Sha1).toHex();
    return QStringLiteral("kemurina-%1").arg(QString::fromLatin1(key.left(16)));
}

void DesktopPlatform::listenForLaterStarts() {
    m_instanceServer = std::make_unique<QLocalServer>();
    m_instanceServer->setSocketOptions(QLocalServer::UserAccessOption);
    // A killed holder leaves its socket behind; the lock is ours now, and so is the name.
    QLocalServer::removeServer(instanceServerName());
    // Without it a later start only says that this one runs, as it always did.
    if (!m_instanceServer->listen(instanceServerName()))
        return;
    QLocalServer* server = m_instanceServer.get();
    QObject::connect(server, &QLocalServer::newConnection, server, [this, server] {
        // A connection is the whole request.
        while (QLocalSocket* knock = server->nextPendingConnection())
            knock->deleteLater();
        if (m_startedAgain)
            m_startedAgain();
    });
}

void DesktopPlatform::askRunningInstanceToShow() const {
    QLocalSocket socket;
    socket.connectToServer(instanceServerName());
    if (socket.waitForConnected(1000))
        socket.disconnectFromServer();
}

bool DesktopPlatform::openUrl(const QString& address) {
    const QUrl url(address, QUrl::TolerantMode);
    if (!url.isValid() || url.host().isEmpty())
        return false;
    return QDesktopServices::openUrl(url);
}

void DesktopPlatform::showMessage(QWidget* parent, const QString& text) {
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(QMessageBox::NoIcon, kProductName, shown, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool DesktopPlatform::askYesNo(QWidget* parent, const QString& text) {
    return QMessageBox::question(parent, kProductName, text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

std::optional<QColor> DesktopPlatform::chooseColor(QWidget* parent, const QColor& initial) {
    const QColor chosen = QColorDialog::getColor(initial, parent);
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

bool DesktopPlatform::notificationAreaAvailable() const {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

bool DesktopPlatform::windowPlacementKnown() const {
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

QSize DesktopPlatform::screenSizeTwips() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return {};
    const QSize px = screen->size();
    return {px.width() * kTwipsPerPixel, px.height() * kTwipsPerPixel};
}

void DesktopPlatform::shellNotifyIcon(NotifyIconMessage message, const NotifyIconData& data,
                                      std::function<void(std::uint32_t)> onCallback) {
    if (message == NotifyIconMessage::Delete) {
        if (QPointer<QSystemTrayIcon> icon = m_trayIcons.take(data.hWnd)) {
            icon->hide();
            // The icon may be the one whose click brought us here.
            icon->deleteLater();
        }
        return;
    }
    if (message != NotifyIconMessage::Add || m_trayIcons.value(data.hWnd))
        return;
    auto* icon = new QSystemTrayIcon(data.hIcon);
    const int nul = data.szTip.indexOf(QChar(u'\0'));
    icon->setToolTip(nul < 0 ? data.szTip : data.szTip.left(nul));
    QObject::connect(icon, &QSystemTrayIcon::activated,
                     [callback = std::move(onCallback)](QSystemTrayIcon::ActivationReason r) {
                         if (callback)
                             callback(callbackMessageFor(r));
                     });
    m_trayIcons.insert(data.hWnd, icon);
    icon->show();
}

} // namespace kemurina
