#include "platform/GraphicalSession.h"

#include <QLocalServer>
#include <QTcpServer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace kemurina {
namespace {

TEST(GraphicalSession, NeedsAnAnsweringServer) {
    struct Case {
        QStringList environment; // NAME=value
        QStringList arguments;
        QString platforms; // what Qt is told; empty: no session
    };
    // Answering here: the X11 display :0, the compositor wayland-1 and a display on host "far".
    const Case cases[] = {
        {{}, {}, ""},
        {{"DISPLAY=", "WAYLAND_DISPLAY=", "QT_QPA_PLATFORM="}, {}, ""},
        {{"DISPLAY=:0"}, {}, "xcb"},
        {{"DISPLAY=:0.1", "XDG_SESSION_TYPE=x11"}, {}, "xcb"},
        {{"DISPLAY=unix/:0"}, {}, "xcb"},
        {{"DISPLAY=:1"}, {}, ""},
        {{"DISPLAY=far:2"}, {}, "xcb"},
        {{"DISPLAY=tcp/near:2"}, {}, ""},
        {{"DISPLAY=:zero"}, {}, ""},
        {{"WAYLAND_DISPLAY=wayland-1", "XDG_RUNTIME_DIR=/run/u"}, {}, "wayland"},
        {{"WAYLAND_DISPLAY=/run/u/wayland-1"}, {}, "wayland"},
        {{"WAYLAND_DISPLAY=wayland-1"}, {}, ""}, // no runtime folder to find it in
        {{"WAYLAND_DISPLAY=wayland-1", "XDG_RUNTIME_DIR=/run/u", "DISPLAY=:0"}, {}, "wayland;xcb"},
        // A stale compositor: X11 through XWayland, or nothing.
        {{"WAYLAND_DISPLAY=wayland-9", "XDG_RUNTIME_DIR=/run/u", "DISPLAY=:0"}, {}, "xcb"},
        {{"WAYLAND_DISPLAY=wayland-9", "XDG_RUNTIME_DIR=/run/u"}, {}, ""},
        {{"XDG_SESSION_TYPE=wayland", "XDG_RUNTIME_DIR=/run/u"}, {}, ""}, // wayland-0
        {{"WAYLAND_SOCKET=5"}, {"kemurina", "-platform", "wayland"}, "wayland"},
        {{"QT_QPA_PLATFORM=offscreen"}, {}, "offscreen"},
        {{"QT_QPA_PLATFORM=xcb:fake=1"}, {}, ""},
        {{"QT_QPA_PLATFORM=wayland-egl;offscreen"}, {}, "offscreen"},
        {{"QT_QPA_PLATFORM=wayland-egl;xcb", "DISPLAY=:0"}, {}, "xcb"},
        {{}, {"kemurina", "-platform", "offscreen"}, "offscreen"},
        {{"QT_QPA_PLATFORM=offscreen"}, {"kemurina", "--platform", "xcb"}, ""},
        {{}, {"kemurina", "-platform", "xcb", "-platform", "minimal"}, "minimal"},
        {{}, {"kemurina", "-platform"}, ""}};
    const QList<DisplayAddress> answering = {
        DisplayAddress::local("/tmp/.X11-unix/X0", true), DisplayAddress::local("/run/u/wayland-1"),
        DisplayAddress::tcp("far", 6002)};
    const DisplayProbe probe = [&](const DisplayAddress& a) { return answering.contains(a); };
    for (const Case& c : cases) {
        QProcessEnvironment env;
        for (const QString& variable : c.environment)
            env.insert(variable.section('=', 0, 0), variable.section('=', 1));
        const GraphicalSession session = findGraphicalSession(env, c.arguments, probe);
        EXPECT_EQ(session.available, !c.platforms.isEmpty()) << &c - cases;
        EXPECT_EQ(session.platforms, c.platforms) << &c - cases;
    }
    EXPECT_EQ(x11Address("/private/tmp/launch-x/org.xquartz:0"),
              DisplayAddress::local("/private/tmp/launch-x/org.xquartz"));
    EXPECT_EQ(x11Address("::1:3"), DisplayAddress::tcp("::1", 6003));
}

TEST(GraphicalSession, ServerAnswersOnlyWhileListening) {
    QTemporaryDir dir;
    const QString path = dir.filePath("wayland-test");
    EXPECT_FALSE(displayServerAnswers(DisplayAddress::local(path)));
    QLocalServer local;
    ASSERT_TRUE(local.listen(path));
    EXPECT_TRUE(displayServerAnswers(DisplayAddress::local(path)));
    local.close();
    EXPECT_FALSE(displayServerAnswers(DisplayAddress::local(path, true)));
    QLocalServer abstract; // where X11 servers listen first
    abstract.setSocketOptions(QLocalServer::AbstractNamespaceOption);
    ASSERT_TRUE(abstract.listen(path));
    EXPECT_TRUE(displayServerAnswers(DisplayAddress::local(path, true)));
    EXPECT_FALSE(displayServerAnswers(DisplayAddress::local(path)));

    QTcpServer tcp;
    ASSERT_TRUE(tcp.listen(QHostAddress::LocalHost));
    const int port = tcp.serverPort();
    EXPECT_TRUE(displayServerAnswers(DisplayAddress::tcp("localhost", port)));
    tcp.close();
    EXPECT_FALSE(displayServerAnswers(DisplayAddress::tcp("localhost", port)));
}

} // namespace
} // namespace kemurina
