#include "platform/DesktopPlatform.h"

#include "core/Records.h"
#include "platform/OwnTitleBar.h"

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

bool onWayland() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

// A message box takes its fixed size only when shown, so it is not asked.
int execFixed(QMessageBox& box) {
    if (onWayland())
        useOwnTitleBar(&box);
    return box.exec();
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
    execFixed(box);
}

bool DesktopPlatform::askYesNo(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Question, kProductName, text, QMessageBox::Yes | QMessageBox::No,
                    parent);
    box.setDefaultButton(QMessageBox::No);
    return execFixed(box) == QMessageBox::Yes;
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

bool DesktopPlatform::notify(const QString& title, const QString& body, const QIcon& icon,
                             std::function<void()> onClicked) {
    return m_system.notify(title, body, icon, std::move(onClicked));
}

bool DesktopPlatform::startsAtLogin() const {
    return m_system.startsAtLogin();
}

bool DesktopPlatform::setStartsAtLogin(const QString& appDir, bool on) {
    return m_system.setStartsAtLogin(appDir, on);
}

bool DesktopPlatform::windowPlacementKnown() const {
    return !onWayland();
}

void DesktopPlatform::fitTitleBar(QWidget* window) {
    if (onWayland() && window->minimumSize() == window->maximumSize())
        useOwnTitleBar(window);
}

QSize DesktopPlatform::screenSizeTwips() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return {};
    const QSize px = screen->size();
    return {px.width() * kTwipsPerPixel, px.height() * kTwipsPerPixel};
}

void DesktopPlatform::showTrayIcon(const QObject* owner, const QIcon& icon, const QString& tip,
                                   TrayActivation onActivated) {
    if (m_trayIcons.value(owner))
        return;
    auto* trayIcon = new QSystemTrayIcon(icon);
    trayIcon->setToolTip(tip);
    QObject::connect(trayIcon, &QSystemTrayIcon::activated,
                     [callback = std::move(onActivated)](QSystemTrayIcon::ActivationReason r) {
                         if (callback)
                             callback(r);
                     });
    m_trayIcons.insert(owner, trayIcon);
    trayIcon->show();
}

void DesktopPlatform::removeTrayIcon(const QObject* owner) {
    if (QPointer<QSystemTrayIcon> trayIcon = m_trayIcons.take(owner)) {
        trayIcon->hide();
        // The icon may be the one whose click brought us here.
        trayIcon->deleteLater();
    }
}

} // namespace kemurina
