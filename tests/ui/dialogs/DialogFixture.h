#pragma once

#include "support/Fakes.h"
#include "ui/AppContext.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QPointer>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

namespace kemurina::testing {

// One program's state and services around a dialog, with an empty start directory.
class DialogTest : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    DataStore store{dir.path()};
    AppState state;
    FixedClock clock{{2010, 10, 1, 12, 0}};
    FixedRandom random;
    FakePlatform platform;
    FakeNavigator navigator;
    AppContext context{state, store, clock, random, platform, navigator};

    // Windows a test left open must not outlive the state they refer to.
    void TearDown() override {
        QList<QPointer<QWidget>> windows;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->parentWidget() == nullptr)
                windows << w;
        for (const QPointer<QWidget>& w : windows)
            delete w.data();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    static QByteArray fileBytes(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    QByteArray profileFile() const { return fileBytes(store.quitProfilePath()); }
    QByteArray optionsFile() const { return fileBytes(store.optionsPath()); }

    // Runs the deletions that closing a window asked for; true when the window is gone.
    static bool closed(const QPointer<QWidget>& window) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return window.isNull();
    }

    template <typename Control> static Control* control(QWidget* window, const char* name) {
        auto* found = window->findChild<Control*>(QString::fromLatin1(name));
        if (found == nullptr)
            ADD_FAILURE() << "no control " << name;
        return found;
    }
};

} // namespace kemurina::testing
