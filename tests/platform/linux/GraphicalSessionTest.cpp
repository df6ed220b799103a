#include "platform/GraphicalSession.h"

#include <gtest/gtest.h>

namespace kemurina {
namespace {

TEST(GraphicalSession, NeededOnLinux) {
    struct Case {
        QStringList environment; // NAME=value
        QStringList arguments;
        bool available;
    };
    const Case cases[] = {{{}, {}, false},
                          {{"DISPLAY=", "WAYLAND_DISPLAY=", "QT_QPA_PLATFORM="}, {}, false},
                          {{"DISPLAY=:0"}, {}, true},
                          {{"WAYLAND_DISPLAY=wayland-0"}, {}, true},
                          {{"QT_QPA_PLATFORM=offscreen"}, {}, true},
                          {{"QT_QPA_PLATFORM=xcb:fake=1"}, {}, false},
                          {{"QT_QPA_PLATFORM=wayland;xcb"}, {}, false},
                          {{"QT_QPA_PLATFORM=wayland-egl;offscreen"}, {}, true},
                          {{}, {"kemurina", "-platform", "offscreen"}, true},
                          {{"QT_QPA_PLATFORM=offscreen"}, {"kemurina", "--platform", "xcb"}, false},
                          {{}, {"kemurina", "-platform"}, false}};
    for (const Case& c : cases) {
        QProcessEnvironment env;
        for (const QString& variable : c.environment)
            env.insert(variable.section('=', 0, 0), variable.section('=', 1));
        EXPECT_EQ(graphicalSessionAvailable(env, c.arguments), c.available) << &c - cases;
    }
}

} // namespace
} // namespace kemurina
