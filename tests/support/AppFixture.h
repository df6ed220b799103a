#pragma once

#include "support/Fakes.h"
#include "support/Files.h"
#include "ui/main/AppController.h"

#include <QApplication>
#include <QDate>
#include <QPointer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace kemurina::testing {

// The whole program around fake services, started from an empty temporary directory.
class AppTest : public ::testing::Test {
  protected:
    static constexpr DateTimeParts kQuit{2010, 10, 1, 12, 0};

    QTemporaryDir dir;
    DataStore files{dir.path()};
    FixedClock* clock = nullptr;
    FixedRandom* random = nullptr;
    FakePlatform* platform = nullptr;
    std::unique_ptr<AppController> app;

    void SetUp() override { makeApp(); }

    void TearDown() override {
        app.reset();
        settle();
    }

    // A new program over the same start directory, as after a restart.
    void restart() {
        TearDown();
        makeApp();
    }

    void makeApp() {
        auto fakeClock = std::make_unique<FixedClock>(kQuit);
        auto fakeRandom = std::make_unique<FixedRandom>(50);
        auto fakePlatform = std::make_unique<FakePlatform>();
        clock = fakeClock.get();
        random = fakeRandom.get();
        platform = fakePlatform.get();
        app = std::make_unique<AppController>(
            dir.path(), AppController::Services{std::move(fakeClock), std::move(fakeRandom),
                                                std::move(fakePlatform)});
        setElapsed(10);
    }

    // Moves the clock to the quit moment plus this many days, hours and minutes.
    void setElapsed(int days, int hours = 0, int minutes = 0) {
        const QDate d = QDate(kQuit.year, kQuit.month, kQuit.day).addDays(days);
        clock->current = {d.year(), d.month(), d.day(), kQuit.hour + hours, kQuit.minute + minutes};
    }

    static QuitProfile profile() {
        QuitProfile p;
        p.setQuitMoment(kQuit);
        return p; // 20 a day, 300 yen, 85 mm
    }

    static Options options(int windowMode = 2) {
        Options o;
        o.setupDone = 1;
        o.windowMode = windowMode;
        o.mainLeft = 1500;
        o.mainTop = 3000;
        o.miniLeft = 4500;
        o.miniTop = 6000;
        return o;
    }

    void save(const Options& o, const QuitProfile& p = profile()) {
        ASSERT_TRUE(files.saveQuitProfile(p) && files.saveOptions(o));
    }
    bool startWith(const Options& o) {
        save(o);
        return app->start();
    }

    QByteArray profileFile() const { return fileBytes(files.quitProfilePath()); }
    QByteArray optionsFile() const { return fileBytes(files.optionsPath()); }
    Options savedOptions() const { return files.loadOptions().record; }

    MainWindow& mainView() const {
        EXPECT_NE(app->mainView(), nullptr);
        return *app->mainView();
    }
    MiniWindow& miniView() const {
        EXPECT_NE(app->miniView(), nullptr);
        return *app->miniView();
    }

    // The visible top-level window with this object name, or null.
    static QWidget* shown(const char* name) {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String(name) && w->isVisible())
                return w;
        return nullptr;
    }

    static int windowsNamed(const char* name) {
        int n = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            n += w->objectName() == QLatin1String(name);
        return n;
    }

    template <typename T = QWidget> static T* child(QWidget* window, const char* name) {
        T* found = window ? window->findChild<T*>(QLatin1String(name)) : nullptr;
        if (found == nullptr)
            ADD_FAILURE() << "no " << name << " in "
                          << (window ? qPrintable(window->objectName()) : "no window");
        return found;
    }

    // Runs the deletions closing asked for, and the end-of-program check.
    static void settle() {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

} // namespace kemurina::testing
