#pragma once

#include "support/Fakes.h"
#include "support/Files.h"
#include "ui/main/AppController.h"
#include "ui/main/MainWindow.h"
#include "ui/main/MiniWindow.h"

#include <QApplication>
#include <QDate>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <tuple>

namespace kemurina::testing {

// The whole program around fake services, started from an empty temporary directory.
class AppTest : public ::testing::Test {
  protected:
    static constexpr DateTimeParts kQuit{2010, 10, 1, 12, 0};

    QTemporaryDir dir;
    DataStore files{dir.path()};
    FixedClock* clock = nullptr;
    std::unique_ptr<FakePlatform> platform;
    std::unique_ptr<Session> session;
    std::unique_ptr<AppController> app;

    void SetUp() override {
        clock = new FixedClock(kQuit);
        session = std::make_unique<Session>(dir.path(), std::unique_ptr<Clock>(clock),
                                            std::make_unique<FixedRandom>(50));
        platform = std::make_unique<FakePlatform>();
        app = std::make_unique<AppController>(*session, *platform);
        setElapsed(10);
    }

    void TearDown() override {
        app.reset();
        session.reset();
        settle();
    }

    // A new program over the same start directory, as after a restart.
    void restart() {
        TearDown();
        SetUp();
    }

    // Moves the clock to the quit moment plus this many days, hours and minutes.
    void setElapsed(int days, int hours = 0, int minutes = 0) {
        const QDate d = QDate(kQuit.year, kQuit.month, kQuit.day).addDays(days);
        clock->current = {d.year(), d.month(), d.day(), kQuit.hour + hours, kQuit.minute + minutes};
    }

    // 20 a day, 300 yen, 85 mm; set up, both views placed.
    static Options options(int windowMode = 2) {
        Options o;
        o.setupDone = 1;
        o.windowMode = WindowMode{windowMode};
        std::tie(o.mainLeft, o.mainTop, o.miniLeft, o.miniTop) = std::tuple(1500, 3000, 4500, 6000);
        return o;
    }

    void save(const Options& o, const QuitProfile& p = QuitProfile::defaultsAt(kQuit)) {
        ASSERT_TRUE(files.saveQuitProfile(p) && files.saveOptions(o));
    }
    bool startWith(const Options& o) {
        save(o);
        return app->start();
    }

    QByteArray profileFile() const { return fileBytes(files.quitProfilePath()); }
    QByteArray optionsFile() const { return fileBytes(files.optionsPath()); }
    Options savedOptions() const { return files.loadOptions().record; }

    // A missing view crashes the test: the program must have made it.
    MainWindow& mainView() const { return *app->mainView(); }
    MiniWindow& miniView() const { return *app->miniView(); }

    // The visible top-level window with this object name, or null.
    static QWidget* shown(const char* name) {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String(name) && w->isVisible())
                return w;
        return nullptr;
    }

    // Chooses the view's popup item, or clicks its button, with this name.
    static void use(ViewWindow& view, const char* name) {
        if (auto* item = view.popupMenu()->findChild<QAction*>(QLatin1String(name)))
            return item->trigger();
        child<QPushButton>(&view, name)->click();
    }

    template <typename T = QWidget> static T* child(QWidget* window, const char* name) {
        T* found = window ? window->findChild<T*>(QLatin1String(name)) : nullptr;
        EXPECT_NE(found, nullptr) << "no " << name;
        return found;
    }

    // Runs the deletions closing asked for, and the end-of-program check.
    static void settle() {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

} // namespace kemurina::testing
