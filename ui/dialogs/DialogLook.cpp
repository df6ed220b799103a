#include "ui/dialogs/DialogLook.h"

#include "core/Checked.h"
#include "core/EntryRules.h"
#include "core/Records.h"
#include "ui/Accessibility.h"

#include <QApplication>
#include <QButtonGroup>
#include <QEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyleFactory>
#include <algorithm>
#include <cmath>

namespace kemurina {

QColor toQColor(std::int32_t windowsColor) {
    const Rgb c = Rgb::fromWindowsColor(windowsColor);
    return QColor(c.red, c.green, c.blue);
}

namespace {

// A focused push button takes Enter as a click, so choosing "キャンセル" never saves; any other
// control of the window gives Enter to the window's action.
class EnterKeyFilter final : public QObject {
  public:
    EnterKeyFilter(QWidget* window, std::function<void()> action)
        : QObject(window), m_window(window), m_action(std::move(action)) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || !isEnter(static_cast<QKeyEvent*>(event)))
            return false;
        // An open drop-down list is a popup window of its own: there Enter only picks the item.
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget == nullptr || widget->window() != m_window)
            return false;
        if (auto* button = qobject_cast<QPushButton*>(widget))
            button->click();
        else
            m_action();
        return true;
    }

  private:
    static bool isEnter(const QKeyEvent* key) {
        return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    }

    QWidget* m_window;
    std::function<void()> m_action;
};

// The application's style with a narrower gap between an option button's circle and caption.
class CaptionSpacingStyle final : public QProxyStyle {
  public:
    CaptionSpacingStyle(int spacing, QObject* owner)
        : QProxyStyle(QStyleFactory::create(QApplication::style()->name())), m_spacing(spacing) {
        setParent(owner);
    }

    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        return metric == PM_RadioButtonLabelSpacing
                   ? m_spacing
                   : QProxyStyle::pixelMetric(metric, option, widget);
    }

  private:
    int m_spacing;
};

template <typename Control> Control* named(Control* control, const char* name, const Twips& at) {
    control->setObjectName(QString::fromLatin1(name));
    placeTwips(control, at);
    return control;
}

} // namespace

int twipsToPixels(int twips) {
    const int half = kTwipsPerPixel / 2;
    return twips >= 0 ? (twips + half) / kTwipsPerPixel : -((-twips + half) / kTwipsPerPixel);
}

void setUpDialog(QWidget* window, const char* objectName, const QString& title) {
    window->setObjectName(QString::fromLatin1(objectName));
    window->setWindowTitle(title);
    window->setAttribute(Qt::WA_DeleteOnClose);
    useGothicFont(window, 9);
    setAccessibleRole(window, QAccessible::Dialog);
}

void fixClientSize(QWidget* window, int widthTwips, int heightTwips) {
    window->setFixedSize(twipsToPixels(widthTwips), twipsToPixels(heightTwips));
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint);
}

void placeTwips(QWidget* control, const Twips& at) {
    control->setGeometry(twipsToPixels(at.left), twipsToPixels(at.top), twipsToPixels(at.width),
                         twipsToPixels(at.height));
}

TwipsPoint windowTwips(const QWidget* window, const Platform& platform, TwipsPoint stored) {
    if (!platform.windowPlacementKnown())
        return stored;
    const QPoint p = window->pos();
    return {saturateToInt32(std::int64_t{p.x()} * kTwipsPerPixel),
            saturateToInt32(std::int64_t{p.y()} * kTwipsPerPixel)};
}

void moveToTwips(QWidget* window, TwipsPoint corner, const Platform& platform) {
    if (platform.windowPlacementKnown())
        window->move(corner.left / kTwipsPerPixel, corner.top / kTwipsPerPixel);
}

void bringToFront(QWidget* window, bool placementKnown) {
    if (!placementKnown)
        window->hide();
    window->showNormal();
    window->raise();
    window->activateWindow();
}

void centreOnScreen(QWidget* window) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = window->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window->move(frame.topLeft());
    }
}

void useGothicFont(QWidget* widget, qreal pointSize) {
    QFont font = widget->font();
    font.setFamilies({QStringLiteral("ＭＳ ゴシック"), QStringLiteral("MS Gothic"),
                      QStringLiteral("IPAGothic"), QStringLiteral("IPAゴシック"),
                      QStringLiteral("Noto Sans Mono CJK JP")});
    font.setPointSizeF(pointSize);
    widget->setFont(font);
}

void fillWithFormGrey(QWidget* window) {
    QPalette pal = window->palette();
    pal.setColor(QPalette::Window, QColor(192, 192, 192));
    window->setPalette(pal);
    window->setAutoFillBackground(true);
}

QLabel* addLabel(QWidget* parent, const char* name, const QString& caption, const Twips& at) {
    return named(new QLabel(caption, parent), name, at);
}

QLineEdit* addTextBox(QWidget* parent, const char* name, int maxLength, const Twips& at) {
    auto* box = named(new QLineEdit(parent), name, at);
    box->setMaxLength(maxLength);
    return box;
}

QPushButton* addButton(QWidget* parent, const char* name, const QString& caption, const Twips& at) {
    auto* button = named(new QPushButton(caption, parent), name, at);
    button->setAutoDefault(false);
    return button;
}

QRadioButton* addOption(QWidget* parent, const char* name, const QString& caption,
                        const Twips& at) {
    return named(new QRadioButton(caption, parent), name, at);
}

SizeOptions addSizeOptions(QWidget* parent, const std::array<int, 3>& lefts, int top) {
    static constexpr const char* names[] = {"Option1_0", "Option1_1", "Option1_2"};
    static constexpr const char* captions[] = {"ショート", "スタンダード", "ロング"};
    static constexpr int widths[] = {1095, 1455, 1095};
    SizeOptions options{};
    for (std::size_t i = 0; i < options.size(); ++i)
        options[i] = addOption(parent, names[i], QString::fromUtf8(captions[i]),
                               {lefts[i], top, widths[i], 255});
    groupAsOneChoice(options);
    return options;
}

void groupAsOneChoice(std::span<QRadioButton* const> options) {
    auto* group = new QButtonGroup(options.front()->parentWidget());
    for (QRadioButton* option : options)
        group->addButton(option);
}

void showCigaretteLength(const SizeOptions& options, std::int32_t length) {
    const auto found = std::find(kCigaretteLengths.begin(), kCigaretteLengths.end(), length);
    const auto index = found == kCigaretteLengths.end()
                           ? kStandardSize
                           : static_cast<std::size_t>(found - kCigaretteLengths.begin());
    options[index]->setChecked(true);
}

std::optional<std::int32_t> chosenCigaretteLength(const SizeOptions& options) {
    for (std::size_t i = 0; i < options.size(); ++i)
        if (options[i]->isChecked())
            return kCigaretteLengths[i];
    return std::nullopt;
}

void fitLabelText(QLabel* label, int inset) {
    constexpr int kSmallestPixels = 8;
    label->setIndent(inset);
    const int room = label->contentsRect().width() - inset;
    QFont font = label->font();
    for (int pixels = QFontInfo(font).pixelSize();
         pixels > kSmallestPixels && QFontMetricsF(font).horizontalAdvance(label->text()) > room;
         --pixels)
        font.setPixelSize(pixels - 1);
    label->setFont(font);
}

void fitOptionCaptions(std::span<QRadioButton* const> options, int gap) {
    const QStyle* style = options.front()->style();
    const int indicator = style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth);
    const int spacing = style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
    double excess = 0;
    for (const QRadioButton* option : options) {
        const double caption = QFontMetricsF(option->font()).horizontalAdvance(option->text());
        excess = std::max(excess, indicator + spacing + caption + gap - option->width());
    }
    if (excess <= 0)
        return;
    auto* narrower = new CaptionSpacingStyle(
        std::max(1, spacing - static_cast<int>(std::ceil(excess))), options.front()->parent());
    for (QRadioButton* option : options)
        option->setStyle(narrower);
}

QWidget* addShape(QWidget* parent, const char* name, const Twips& at) {
    auto* shape = named(new QFrame(parent), name, at);
    shape->setFrameShape(QFrame::Box);
    shape->setAttribute(Qt::WA_TransparentForMouseEvents);
    shape->lower();
    return shape;
}

void onEnterKey(QWidget* window, std::function<void()> action) {
    auto* filter = new EnterKeyFilter(window, std::move(action));
    window->installEventFilter(filter);
    for (QWidget* child : window->findChildren<QWidget*>())
        child->installEventFilter(filter);
}

} // namespace kemurina
