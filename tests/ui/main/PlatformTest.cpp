#include "platform/DesktopPlatform.h"
#include "platform/GraphicalSession.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace kemurina {
namespace {

TEST(Platform, InstanceLockUntilHolderEnds) {
    QTemporaryDir dir;
    const QString lock = dir.filePath("instance.lock");
    auto first = std::make_unique<DesktopPlatform>(lock);
    EXPECT_FALSE(first->anotherInstanceRunning());
    EXPECT_FALSE(first->anotherInstanceRunning()); // asking again never finds itself
    DesktopPlatform second(lock);                  // finds the first, and so claims nothing
    EXPECT_TRUE(second.anotherInstanceRunning());
    first.reset();
    EXPECT_FALSE(DesktopPlatform(lock).anotherInstanceRunning());
}

TEST(Platform, RefusesAnAddressWithoutHost) {
    DesktopPlatform platform(QString{});
    EXPECT_FALSE(platform.openUrl("http://"));
    EXPECT_FALSE(platform.openUrl("http:// "));
}

TEST(Platform, GraphicalSessionNeeded) {
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
