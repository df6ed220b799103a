#pragma once

#include "platform/Platform.h"
#include "support/FixedClock.h"

#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

namespace kemurina::testing {

// Records what the program asked of the desktop and answers as the test says.
class FakePlatform final : public Platform {
  public:
    bool anotherInstance = false;
    bool openUrlSucceeds = true;
    QSize screenTwips{1920 * 15, 1080 * 15};
    std::deque<std::optional<QColor>> colourAnswers; // empty: the user cancels
    std::deque<bool> questionAnswers;                // empty: the user answers No

    QStringList messages;
    QStringList questions;
    QStringList openedUrls;
    std::vector<QColor> colourDialogStarts;

    struct NotifyCall {
        NotifyIconMessage message;
        NotifyIconData data;
    };
    std::vector<NotifyCall> notifyCalls;
    std::function<void(std::uint32_t)> lastCallback;

    bool anotherInstanceRunning() override { return anotherInstance; }
    bool openUrl(const QString& address) override {
        openedUrls << address;
        return openUrlSucceeds;
    }
    void showMessage(QWidget*, const QString& text) override { messages << text; }
    bool askYesNo(QWidget*, const QString& text) override {
        questions << text;
        if (questionAnswers.empty())
            return false;
        const bool yes = questionAnswers.front();
        questionAnswers.pop_front();
        return yes;
    }
    std::optional<QColor> chooseColor(QWidget*, const QColor& initial) override {
        colourDialogStarts.push_back(initial);
        if (colourAnswers.empty())
            return std::nullopt;
        auto answer = colourAnswers.front();
        colourAnswers.pop_front();
        return answer;
    }
    bool notificationArea = true;
    bool notificationAreaAvailable() const override { return notificationArea; }
    QSize screenSizeTwips() const override { return screenTwips; }
    void shellNotifyIcon(NotifyIconMessage message, const NotifyIconData& data,
                         std::function<void(std::uint32_t)> onCallback) override {
        notifyCalls.push_back({message, data});
        if (message == NotifyIconMessage::Add)
            lastCallback = std::move(onCallback);
    }
};

} // namespace kemurina::testing
