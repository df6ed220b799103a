#include "platform/GraphicalSession.h"

#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstring>

namespace kemurina {

namespace {

enum class Server { None, Wayland, X11 };

Server serverOf(const QString& platform) {
    const QString name = platform.section(QLatin1Char(':'), 0, 0).trimmed();
    if (name == QLatin1String("xcb"))
        return Server::X11;
    if (name.startsWith(QLatin1String("wayland")))
        return Server::Wayland;
    return Server::None;
}

// Qt's own order when nothing chooses: Wayland first in a Wayland session, then X11.
QStringList defaultPlatforms(const QProcessEnvironment& environment) {
    QStringList platforms;
    if (!environment.value(QStringLiteral("WAYLAND_DISPLAY")).isEmpty() ||
        environment.value(QStringLiteral("XDG_SESSION_TYPE")) == QLatin1String("wayland"))
        platforms << QStringLiteral("wayland");
    if (!environment.value(QStringLiteral("DISPLAY")).isEmpty() || platforms.isEmpty())
        platforms << QStringLiteral("xcb");
    return platforms;
}

QStringList chosenPlatforms(const QProcessEnvironment& environment, const QStringList& arguments) {
    QString chosen = environment.value(QStringLiteral("QT_QPA_PLATFORM"));
    // Qt reads the whole command line, and the last -platform wins.
    for (qsizetype i = 1; i + 1 < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("-platform") ||
            arguments[i] == QLatin1String("--platform"))
            chosen = arguments[++i];
    }
    if (chosen.isEmpty())
        return defaultPlatforms(environment);
    return chosen.split(QLatin1Char(';'));
}

// libwayland's rule: an absolute name is the socket, any other lives in XDG_RUNTIME_DIR.
DisplayAddress waylandAddress(const QProcessEnvironment& environment) {
    QString name = environment.value(QStringLiteral("WAYLAND_DISPLAY"));
    if (name.isEmpty())
        name = QStringLiteral("wayland-0");
    if (name.startsWith(QLatin1Char('/')))
        return DisplayAddress::local(name);
    const QString runtime = environment.value(QStringLiteral("XDG_RUNTIME_DIR"));
    if (runtime.isEmpty())
        return {};
    return DisplayAddress::local(runtime + QLatin1Char('/') + name);
}

bool answers(Server server, const QProcessEnvironment& environment, const DisplayProbe& probe) {
    if (server == Server::None)
        return true;
    if (server == Server::Wayland) {
        // A socket the compositor handed over is already connected.
        if (!environment.value(QStringLiteral("WAYLAND_SOCKET")).isEmpty())
            return true;
        const DisplayAddress address = waylandAddress(environment);
        return !address.path.isEmpty() && probe(address);
    }
    const DisplayAddress address = x11Address(environment.value(QStringLiteral("DISPLAY")));
    return (!address.path.isEmpty() || !address.host.isEmpty()) && probe(address);
}

} // namespace

DisplayAddress x11Address(const QString& display) {
    QString rest = display;
    QString protocol;
    if (const qsizetype slash = rest.indexOf(QLatin1Char('/')); slash > 0) {
        protocol = rest.left(slash);
        rest = rest.mid(slash + 1);
    }
    const qsizetype colon = rest.lastIndexOf(QLatin1Char(':'));
    if (colon < 0)
        return {};
    const QString host = rest.left(colon);
    // A full socket path before the number, as launchd hands out.
    if (host.startsWith(QLatin1Char('/')))
        return DisplayAddress::local(host);
    bool isNumber = false;
    const int number = rest.mid(colon + 1).section(QLatin1Char('.'), 0, 0).toInt(&isNumber);
    if (!isNumber || number < 0 || number > 59535)
        return {};
    if (host.isEmpty() || host == QLatin1String("unix") || protocol == QLatin1String("unix"))
        return DisplayAddress::local(QStringLiteral("/tmp/.X11-unix/X%1").arg(number), true);
    return DisplayAddress::tcp(host, 6000 + number);
}

GraphicalSession findGraphicalSession(const QProcessEnvironment& environment,
                                      const QStringList& arguments, const DisplayProbe& probe) {
    QStringList usable;
    for (const QString& platform : chosenPlatforms(environment, arguments)) {
        if (answers(serverOf(platform), environment, probe))
            usable << platform;
    }
    return {!usable.isEmpty(), usable.join(QLatin1Char(';'))};
}

namespace {

class Socket {
  public:
    explicit Socket(int fd) : m_fd(fd) {}
    ~Socket() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;
    int fd() const { return m_fd; }

  private:
    int m_fd;
};

bool connectLocal(const QByteArray& path, bool abstract) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::size_t offset = abstract ? 1 : 0; // the abstract name starts with a NUL
    if (path.isEmpty() || offset + static_cast<std::size_t>(path.size()) >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path + offset, path.constData(), static_cast<std::size_t>(path.size()));
    const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + offset +
                                               static_cast<std::size_t>(path.size()) +
                                               (abstract ? 0 : 1));
    const Socket socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    return socket.fd() >= 0 &&
           ::connect(socket.fd(), reinterpret_cast<const sockaddr*>(&address), length) == 0;
}

bool connectTcp(const QByteArray& host, int port, int timeoutMs) {
    addrinfo hints{};
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (::getaddrinfo(host.constData(), QByteArray::number(port).constData(), &hints, &found) != 0)
        return false;
    bool connected = false;
    for (const addrinfo* a = found; a != nullptr && !connected; a = a->ai_next) {
        const Socket socket(::socket(a->ai_family, a->ai_socktype | SOCK_CLOEXEC | SOCK_NONBLOCK,
                                     a->ai_protocol));
        if (socket.fd() < 0)
            continue;
        if (::connect(socket.fd(), a->ai_addr, a->ai_addrlen) == 0) {
            connected = true;
            break;
        }
        if (errno != EINPROGRESS)
            continue;
        pollfd waiting{socket.fd(), POLLOUT, 0};
        int error = 0;
        socklen_t size = sizeof error;
        connected = ::poll(&waiting, 1, timeoutMs) == 1 &&
                    ::getsockopt(socket.fd(), SOL_SOCKET, SO_ERROR, &error, &size) == 0 &&
                    error == 0;
    }
    ::freeaddrinfo(found);
    return connected;
}

} // namespace

bool displayServerAnswers(const DisplayAddress& address) {
    if (!address.host.isEmpty())
        return connectTcp(address.host.toLocal8Bit(), address.port, 2000);
    const QByteArray path = address.path.toLocal8Bit();
    return (address.abstractToo && connectLocal(path, true)) || connectLocal(path, false);
}

} // namespace kemurina
