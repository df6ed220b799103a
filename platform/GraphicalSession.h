#pragma once

#include <QProcessEnvironment>
#include <QStringList>
#include <functional>

namespace kemurina {

// Where a display server listens: a local socket (X11's also in the abstract namespace), or
// a TCP port for an X11 display on another host.
struct DisplayAddress {
    QString path;
    bool abstractToo = false;
    QString host;
    int port = 0;

    static DisplayAddress local(const QString& path, bool abstractToo = false) {
        DisplayAddress a;
        a.path = path;
        a.abstractToo = abstractToo;
        return a;
    }
    static DisplayAddress tcp(const QString& host, int port) {
        DisplayAddress a;
        a.host = host;
        a.port = port;
        return a;
    }
    bool operator==(const DisplayAddress&) const = default;
};

// Whether a display server answers at an address; the real one connects.
using DisplayProbe = std::function<bool(const DisplayAddress&)>;

struct GraphicalSession {
    bool available = false;
    // Qt's platform list narrowed to the entries that can work here, in Qt's own order;
    // empty where Qt's choice is left alone (Windows, macOS).
    QString platforms;
};

// Which of the platforms Qt would try (its -platform argument, else QT_QPA_PLATFORM, else
// Wayland when the session is one and X11 when DISPLAY is set) can open windows, asked before
// the application object is made: a Wayland or X11 platform without an answering server makes
// Qt abort the process. arguments[0] is the program.
GraphicalSession findGraphicalSession(const QProcessEnvironment& environment,
                                      const QStringList& arguments, const DisplayProbe& answers);

// The X11 server a DISPLAY value names ("[protocol/][host]:number[.screen]"); an empty
// address when the value names none.
DisplayAddress x11Address(const QString& display);

// Connects to the address and hangs up; a TCP server gets two seconds to answer.
bool displayServerAnswers(const DisplayAddress& address);

// What the program prints instead of opening a window, in Japanese and English.
extern const char kNoGraphicalSessionMessage[];

} // namespace kemurina
