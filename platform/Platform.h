#pragma once

#include <QByteArray>
#include <QColor>
#include <QIcon>
#include <QSize>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class QWidget;

namespace kemurina {

// The notification-area record each view keeps, in the shell's 88-byte ANSI layout.
struct NotifyIconData {
    static constexpr std::uint32_t kSize = 88;
    static constexpr std::uint32_t kFlagMessage = 1, kFlagIcon = 2, kFlagTip = 4;
    static constexpr std::uint32_t kCallbackMouseMove = 0x200;
    static constexpr std::uint32_t kLeftButtonUp = 0x202;

    std::uint32_t cbSize = kSize;
    std::uintptr_t hWnd = 0;
    std::uint32_t uID = 1;
    std::uint32_t uFlags = kFlagMessage | kFlagIcon | kFlagTip;
    std::uint32_t uCallbackMessage = kCallbackMouseMove;
    QIcon hIcon;
    QString szTip = QStringLiteral("ケムリナ");

    // cbSize..uCallbackMessage little-endian, a 32-bit icon slot, then the tip: the text,
    // one NUL and spaces up to 64 bytes of code page 932.
    QByteArray toBytes() const;
};

enum class NotifyIconMessage : std::uint32_t { Add = 0, Modify = 1, Delete = 2 };

// Everything the program asks of the desktop, behind one interface so that each
// operating system (and the tests) can stand in for it.
class Platform {
  public:
    virtual ~Platform() = default;

    // True when another instance of the program is running. The first call claims the
    // instance for this process; a crashed holder never blocks a later start.
    // The running instance is then asked to bring its window back.
    virtual bool anotherInstanceRunning() = 0;

    // What this instance does when a later start finds it running (the later start still
    // ends); it listens from the moment it has claimed the instance.
    virtual void whenStartedAgain(std::function<void()> handler) = 0;

    // Opens a web address in the user's browser; false when nothing could open it.
    virtual bool openUrl(const QString& address) = 0;

    // A plain message box with an OK button and the application's title.
    virtual void showMessage(QWidget* parent, const QString& text) = 0;

    // The standard question box with the Yes and No buttons, No the default; true for Yes.
    virtual bool askYesNo(QWidget* parent, const QString& text) = 0;

    // The colour-choice dialog; nullopt when the user cancels.
    virtual std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial) = 0;

    // False when the desktop has no notification area to put an icon in.
    virtual bool notificationAreaAvailable() const = 0;

    // False where the window system keeps the places and states of windows to itself
    // (Wayland): a program can neither put its window somewhere nor learn where it is, nor
    // whether it is minimised.
    virtual bool windowPlacementKnown() const = 0;

    // The primary screen's size in twips.
    virtual QSize screenSizeTwips() const = 0;

    // The notification-area icon of the view that owns the record. onCallback receives
    // the icon's mouse message (0x202 for the left button going up, and so on).
    virtual void shellNotifyIcon(NotifyIconMessage message, const NotifyIconData& data,
                                 std::function<void(std::uint32_t)> onCallback) = 0;
};

} // namespace kemurina
