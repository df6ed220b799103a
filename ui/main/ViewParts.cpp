#include "ui/main/ViewParts.h"

#include "core/Records.h"
#include "ui/Accessibility.h"
#include "ui/dialogs/DialogLook.h"

#include <QFontInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace kemurina {

void ControlLabel::mousePressEvent(QMouseEvent* event) {
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void ControlLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        emit clicked();
}

void ControlLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
}

void ControlLabel::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier)
        emit clicked();
    else
        QLabel::keyPressEvent(event);
}

void ControlLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    QPainter p(this);
    paintKeyboardFocus(*this, p);
}

void LineStackLabel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QFontMetrics metrics(font());
    const int step = std::max(QFontInfo(font()).pixelSize(), 1);
    const QRect area = contentsRect();
    int baseline = area.top() + metrics.ascent();
    for (const QString& line : text().split(QLatin1Char('\n'))) {
        p.drawText(area.left(), baseline, line);
        baseline += step;
    }
}

FilledShape::FilledShape(Kind kind, QWidget* parent) : QWidget(parent), m_kind(kind) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void FilledShape::setFillColor(const QColor& colour) {
    if (colour == m_fill)
        return;
    m_fill = colour;
    update();
}

void FilledShape::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(Qt::NoPen);
    p.setBrush(m_fill);
    if (m_kind == Kind::Oval) {
        p.setRenderHint(QPainter::Antialiasing);
        p.drawEllipse(QRectF(rect()));
    } else {
        p.drawRect(rect());
    }
}

FrameLine::FrameLine(int x1, int y1, int x2, int y2, QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    const int left = twipsToPixels(std::min(x1, x2));
    const int top = twipsToPixels(std::min(y1, y2));
    const int right = twipsToPixels(std::max(x1, x2));
    const int bottom = twipsToPixels(std::max(y1, y2));
    setGeometry(left, top, std::max(1, right - left + 1), std::max(1, bottom - top + 1));
}

void FrameLine::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
}

} // namespace kemurina
