#pragma once

#include "platform/Platform.h"
#include "support/FixedClock.h"

#include <QStringList>
#include <vector>

namespace kemurina::testing {

// Records what the program asked of the desktop and answers as the test says.
class FakePlatform final : public Platform {
  public:
    bool anotherInstance = false;
    bool openUrlSucceeds = true;
    bool notificationArea = true;
    bool answerYes = false;
    QList<std::optional<QColor>> colourAnswers; // empty: the user cancels

    QStringList messages;
    QStringList questions;
    QStringList openedUrls;
    std::vector<QColor> colourDialogStarts;

    struct TrayCall {
        bool shown; // false: removed
        const QObject* owner;
        QIcon icon;
        QString tip;
    };
    std::vector<TrayCall> trayCalls;
    TrayActivation lastActivation; // the last shown icon's

    QList<QWidget*> titleBarsFitted;
    std::function<void()> startedAgain; // a later start's knock, as the program handles it

    struct Notice {
        QString title;
        QString body;
        std::function<void()> onClicked;
    };
    std::vector<Notice> notices;
    bool loginStart = false;
    bool loginChangeSucceeds = true;

    bool anotherInstanceRunning() override { return anotherInstance; }
    void whenStartedAgain(std::function<void()> handler) override {
        startedAgain = std::move(handler);
    }
    bool openUrl(const QString& address) override {
        openedUrls << address;
        return openUrlSucceeds;
    }
    void showMessage(QWidget*, const QString& text) override { messages << text; }
    bool askYesNo(QWidget*, const QString& text) override {
        questions << text;
        return answerYes;
    }
    std::optional<QColor> chooseColor(QWidget*, const QColor& initial) override {
        colourDialogStarts.push_back(initial);
        return colourAnswers.isEmpty() ? std::nullopt : colourAnswers.takeFirst();
    }
    bool notificationAreaAvailable() const override { return notificationArea; }
    bool windowPlacementKnown() const override { return true; }
    void fitTitleBar(QWidget* window) override { titleBarsFitted << window; }
    QSize screenSizeTwips() const override { return {1920 * 15, 1080 * 15}; }
    void showTrayIcon(const QObject* owner, const QIcon& icon, const QString& tip,
                      TrayActivation onActivated) override {
        trayCalls.push_back({true, owner, icon, tip});
        lastActivation = std::move(onActivated);
    }
    void removeTrayIcon(const QObject* owner) override {
        trayCalls.push_back({false, owner, {}, {}});
    }
    bool notify(const QString& title, const QString& body, const QIcon&,
                std::function<void()> onClicked) override {
        notices.push_back({title, body, std::move(onClicked)});
        return true;
    }
    bool startsAtLogin() const override { return loginStart; }
    bool setStartsAtLogin(const QString&, bool on) override {
        if (loginChangeSucceeds)
            loginStart = on;
        return loginChangeSucceeds;
    }
};

} // namespace kemurina::testing
