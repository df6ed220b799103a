#pragma once

#include "core/Records.h"
#include "platform/Platform.h"

#include <QColor>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace kemurina {

// Messages the dialogs show.
inline QString rangeMessage() {
    return QStringLiteral("有効範囲内にある半角数字を入れてください");
}
inline QString futureMessage() {
    return QStringLiteral("現在より未来の日時は設定できません");
}
inline QString alreadyRunningMessage() {
    return QStringLiteral("プログラムは既に起動されています。");
}
inline QString browserErrorMessage() {
    return QStringLiteral("エラーです。フォルダオプションの関連付けなどを確認してください");
}
inline QString saveFailedMessage() {
    return QStringLiteral("設定をファイルに保存できませんでした。"
                          "データフォルダに書き込めるか確認してください");
}

// A colour of the records on screen.
QColor toQColor(std::int32_t windowsColor);

// A rectangle in twips, as the layouts are drawn.
struct Twips {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

int twipsToPixels(int twips);

// A top-level dialog: name, title, the dialogs' 9-point font, deleted when closed.
void setUpDialog(QWidget* window, const char* objectName, const QString& title);
// A window of fixed size has no maximise button.
void fixClientSize(QWidget* window, int widthTwips, int heightTwips);

void placeTwips(QWidget* control, const Twips& at);

// A window's outer top-left corner in twips, and back. Where the window system keeps the
// places of windows to itself (Wayland) the window stays where it was put and its corner is
// the one stored before: what the program cannot know, it never writes.
TwipsPoint windowTwips(const QWidget* window, const Platform& platform, TwipsPoint stored);
void moveToTwips(QWidget* window, TwipsPoint corner, const Platform& platform);

void centreOnScreen(QWidget* window);
// Out of the minimised state, on top and active. Where the window system tells nothing of
// the window (placementKnown false) it is shown anew, the one way back there.
void bringToFront(QWidget* window, bool placementKnown);

// "ＭＳ ゴシック", falling back to the Japanese gothic faces found on other systems.
void useGothicFont(QWidget* widget, qreal pointSize);
// The light grey face of the main window, which the record window shares.
void fillWithFormGrey(QWidget* window);

QLabel* addLabel(QWidget* parent, const char* name, const QString& caption, const Twips& at);
QLineEdit* addTextBox(QWidget* parent, const char* name, int maxLength, const Twips& at);
QPushButton* addButton(QWidget* parent, const char* name, const QString& caption, const Twips& at);
QRadioButton* addOption(QWidget* parent, const char* name, const QString& caption, const Twips& at);
// Makes the buttons one exclusive choice. Qt's automatic exclusivity takes in every option
// button below the same parent, those in nested frames too, so each choice needs its own group.
void groupAsOneChoice(std::span<QRadioButton* const> options);
// Option1(0) to (2), "ショート", "スタンダード", "ロング", one exclusive choice.
using SizeOptions = std::array<QRadioButton*, 3>;
SizeOptions addSizeOptions(QWidget* parent, const std::array<int, 3>& lefts, int top);
// Checks the button of a cigarette length, "スタンダード" for any other length.
void showCigaretteLength(const SizeOptions& options, std::int32_t length);
std::optional<std::int32_t> chosenCigaretteLength(const SizeOptions& options);

// Fit a caption inside its control without moving it, measured with the control's font:
// a label's text starts `inset` pixels in and is set smaller until it fits; option buttons'
// captions come closer to their circles until each ends `gap` pixels before its button does.
void fitLabelText(QLabel* label, int inset);
void fitOptionCaptions(std::span<QRadioButton* const> options, int gap);

QWidget* addShape(QWidget* parent, const char* name, const Twips& at);

// Enter in a field, an option button or the check box runs action; on a focused push button
// it presses that button, and in an open drop-down list it only picks the item.
void onEnterKey(QWidget* window, std::function<void()> action);

} // namespace kemurina
