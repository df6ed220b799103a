#include "platform/GraphicalSession.h"

#include <gtest/gtest.h>

using kemurina::graphicalSessionAvailable;

TEST(GraphicalSession, NeedsADisplayUnlessThePlatformDrawsWithoutOne) {
    struct Case {
        const char* display;
        const char* wayland;
        const char* platform; // QT_QPA_PLATFORM; nullptr: unset
        QStringList arguments;
        bool available;
    };
    const Case cases[] = {
        {nullptr, nullptr, nullptr, {}, false},
        {"", "", "", {}, false},
        {":0", nullptr, nullptr, {}, true},
        {nullptr, "wayland-0", nullptr, {}, true},
        {nullptr, nullptr, "offscreen", {}, true},
        {nullptr, nullptr, "vnc:size=800x600", {}, true},
        {nullptr, nullptr, "xcb:fake=1", {}, false},
        {nullptr, nullptr, "wayland;xcb", {}, false},
        {nullptr, nullptr, "wayland-egl;offscreen", {}, true},
        {nullptr, nullptr, nullptr, {"kemurina", "-platform", "offscreen"}, true},
        {nullptr, nullptr, "offscreen", {"kemurina", "--platform", "xcb"}, false},
        {nullptr, nullptr, nullptr, {"kemurina", "-platform"}, false},
    };
    for (const Case& c : cases) {
        QProcessEnvironment env;
        const std::pair<const char*, const char*> variables[] = {{"DISPLAY", c.display},
                                                                 {"WAYLAND_DISPLAY", c.wayland},
                                                                 {"QT_QPA_PLATFORM", c.platform}};
        for (const auto& [name, value] : variables)
            if (value)
                env.insert(QString::fromLatin1(name), QString::fromLatin1(value));
        SCOPED_TRACE(&c - cases);
        EXPECT_EQ(graphicalSessionAvailable(env, c.arguments), c.available);
    }
}
