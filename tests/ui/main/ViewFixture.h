#pragma once

#include "support/Fakes.h"
#include "ui/main/AppController.h"

#include <QCoreApplication>
#include <QDate>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace kemurina::testing {

// A whole program around fake services, started from an empty temporary directory.
class ViewTest : public ::testing::Test {
  protected:
    static constexpr DateTimeParts kQuit{2010, 10, 1, 12, 0};

    QTemporaryDir dir;
    DataStore files{dir.path()};
    FixedClock* clock = nullptr;
    FixedRandom* random = nullptr;
    FakePlatform* platform = nullptr;
    std::unique_ptr<AppController> app;

    void SetUp() override {
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

    void TearDown() override {
        app.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
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

    void writeRecords(const Options& o, const QuitProfile& p = profile()) {
        ASSERT_TRUE(files.saveQuitProfile(p));
        ASSERT_TRUE(files.saveOptions(o));
    }

    bool startWith(const Options& o) {
        writeRecords(o);
        return app->start();
    }

    static QByteArray fileBytes(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
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

    template <typename T = QWidget> static T* child(QWidget& window, const QString& name) {
        T* found = window.findChild<T*>(name);
        if (found == nullptr)
            ADD_FAILURE() << "no " << name.toStdString() << " in "
                          << window.objectName().toStdString();
        return found;
    }
    static QString labelText(QWidget& window, const QString& name) {
        QLabel* label = child<QLabel>(window, name);
        return label ? label->text() : QString();
    }

    // Runs the deletions closing asked for.
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
};

} // namespace kemurina::testing
