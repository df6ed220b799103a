#include "platform/OwnTitleBar.h"

#include <QEvent>
#include <QLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QToolButton>
#include <QWindow>

namespace kemurina {

namespace {

class TitleBar final : public QWidget {
  public:
    explicit TitleBar(QWidget* window) : QWidget(window), m_window(window) {
        setObjectName(QStringLiteral("ownTitleBar"));
        m_minimise = addButton(QStyle::SP_TitleBarMinButton, QStringLiteral("最小化"));
        m_close = addButton(QStyle::SP_TitleBarCloseButton, QStringLiteral("閉じる"));
        connect(m_minimise, &QToolButton::clicked, window, &QWidget::showMinimized);
        connect(m_close, &QToolButton::clicked, window, &QWidget::close);
        window->installEventFilter(this);
        fitWidth();
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Resize)
            fitWidth();
        else if (event->type() == QEvent::WindowTitleChange ||
                 event->type() == QEvent::WindowIconChange)
            update();
        return false;
    }

    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), palette().color(QPalette::Window).darker(112));
        const int icon = 16;
        const int margin = (kOwnTitleBarHeight - icon) / 2;
        m_window->windowIcon().paint(&painter, margin, margin, icon, icon);
        const QRect text(icon + 2 * margin, 0, m_minimise->x() - icon - 3 * margin, height());
        painter.drawText(text, Qt::AlignCenter, m_window->windowTitle().trimmed());
    }

    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton && m_window->windowHandle() != nullptr)
            m_window->windowHandle()->startSystemMove();
        event->accept();
    }

    // Its own: the window's surface reacts to double clicks.
    void mouseDoubleClickEvent(QMouseEvent* event) override { event->accept(); }

  private:
    QToolButton* addButton(QStyle::StandardPixmap pixmap, const QString& name) {
        auto* button = new QToolButton(this);
        button->setIcon(style()->standardIcon(pixmap, nullptr, this));
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setToolTip(name);
        button->setAccessibleName(name);
        return button;
    }

    void fitWidth() {
        const int side = kOwnTitleBarHeight - 2;
        setGeometry(0, 0, m_window->width(), kOwnTitleBarHeight);
        m_close->setGeometry(width() - side - 2, 1, side, side);
        m_minimise->setGeometry(m_close->x() - side - 2, 1, side, side);
    }

    QWidget* m_window;
    QToolButton* m_minimise;
    QToolButton* m_close;
};

// Controls placed by position move into a client area below the bar, so that whatever places
// them later still counts from the client area's corner (the window's Tab order stays).
void moveControlsBelow(QWidget* window) {
    auto* client = new QWidget(window);
    client->setObjectName(QStringLiteral("clientArea"));
    for (QWidget* control : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (control == client || control->isWindow())
            continue;
        const bool shown = !control->isHidden();
        control->setParent(client);
        control->setVisible(shown);
    }
    client->setGeometry(0, kOwnTitleBarHeight, window->width(), window->height());
}

} // namespace

void useOwnTitleBar(QWidget* window) {
    if (QLayout* layout = window->layout()) {
        QMargins margins = layout->contentsMargins();
        margins.setTop(margins.top() + kOwnTitleBarHeight);
        layout->setContentsMargins(margins);
    } else {
        moveControlsBelow(window);
    }
    if (window->minimumSize() == window->maximumSize())
        window->setFixedSize(window->width(), window->height() + kOwnTitleBarHeight);
    window->setWindowFlag(Qt::FramelessWindowHint);
    new TitleBar(window);
}

} // namespace kemurina
