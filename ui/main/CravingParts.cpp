#include "ui/main/CravingParts.h"

#include "ui/Accessibility.h"

#include <QPainter>
#include <QPropertyAnimation>
#include <QSequentialAnimationGroup>
#include <algorithm>

namespace kemurina {

namespace {

constexpr int kInBreathMs = 4000;
constexpr int kOutBreathMs = 6000;
constexpr qreal kSmallest = 0.35; // of the largest circle, with the lungs empty
constexpr int kGuideSize = 180;
constexpr int kChartWidth = 300;
constexpr int kChartHeight = 170;
constexpr int kRowHeightPadding = 6;
constexpr int kGap = 4;
constexpr int kBarsWithValues = 12;

QPropertyAnimation* breathPart(QObject* target, qreal from, qreal to, int ms) {
    auto* part = new QPropertyAnimation(target, "fullness");
    part->setStartValue(from);
    part->setEndValue(to);
    part->setDuration(ms);
    part->setEasingCurve(QEasingCurve::InOutSine);
    return part;
}

// How much of the full length a bar takes.
double fraction(const ChartBar& bar, const BarChart& chart) {
    return chart.maximum > 0 ? std::clamp(bar.value / chart.maximum, 0.0, 1.0) : 0.0;
}

} // namespace

BreathingGuide::BreathingGuide(QWidget* parent)
    : QWidget(parent), m_breath(new QSequentialAnimationGroup(this)), m_circle(Qt::darkBlue),
      m_word(Qt::white) {
    setObjectName(QStringLiteral("BreathingGuide"));
    setAccessibleRole(this, QAccessible::Animation);
    setAccessibleName(QStringLiteral("呼吸のガイド"));
    setAccessibleDescription(
        QStringLiteral("円が大きくなる４秒で息を吸い、小さくなる６秒で息を吐きます"));
    m_breath->addAnimation(breathPart(this, 0, 1, kInBreathMs));
    m_breath->addAnimation(breathPart(this, 1, 0, kOutBreathMs));
    m_breath->setLoopCount(-1);
}

void BreathingGuide::setFullness(qreal fullness) {
    m_fullness = std::clamp<qreal>(fullness, 0, 1);
    update();
}

bool BreathingGuide::breathingIn() const {
    return m_breath->currentAnimation() == m_breath->animationAt(0);
}

bool BreathingGuide::moving() const {
    return m_breath->state() == QAbstractAnimation::Running;
}

void BreathingGuide::setColours(const QColor& circle, const QColor& word) {
    m_circle = circle;
    m_word = word;
    update();
}

QSize BreathingGuide::sizeHint() const {
    return {kGuideSize, kGuideSize};
}

void BreathingGuide::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    m_breath->start();
}

void BreathingGuide::hideEvent(QHideEvent* event) {
    m_breath->stop();
    QWidget::hideEvent(event);
}

void BreathingGuide::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal largest = std::min(width(), height()) / 2.0 - 2;
    const qreal radius = largest * (kSmallest + (1 - kSmallest) * m_fullness);
    const QPointF centre = QRectF(rect()).center();
    QColor faint = m_circle;
    faint.setAlphaF(0.25);
    p.setPen(QPen(faint, 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, largest, largest);
    p.setPen(Qt::NoPen);
    p.setBrush(m_circle);
    p.drawEllipse(centre, radius, radius);
    p.setPen(m_word);
    p.drawText(rect(), Qt::AlignCenter,
               breathingIn() ? QStringLiteral("吸って") : QStringLiteral("吐いて"));
}

BarChartView::BarChartView(QWidget* parent)
    : QWidget(parent), m_ground(Qt::darkBlue), m_ink(Qt::white) {
    setAccessibleRole(this, QAccessible::Chart);
    // Reached with Tab, so that a screen reader says the summary in turn.
    setFocusPolicy(Qt::TabFocus);
}

void BarChartView::setChart(const BarChart& chart) {
    m_chart = chart;
    speak(this, chart.title);
    if (accessibleDescription() != chart.summary)
        setAccessibleDescription(chart.summary);
    setToolTip(chart.summary);
    updateGeometry();
    update();
}

void BarChartView::setColours(const QColor& ground, const QColor& ink) {
    m_ground = ground;
    m_ink = ink;
    update();
}

QSize BarChartView::sizeHint() const {
    if (m_chart.kind == ChartKind::Rows) {
        const int row = fontMetrics().height() + kRowHeightPadding;
        const int rows = std::max<int>(1, static_cast<int>(m_chart.bars.size()));
        return {kChartWidth, fontMetrics().height() * 2 + rows * row};
    }
    return {kChartWidth, kChartHeight};
}

void BarChartView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), m_ground);
    p.setPen(m_ink);
    const QFontMetrics fm = fontMetrics();
    QFont bold = font();
    bold.setBold(true);
    p.setFont(bold);
    p.drawText(QRect(0, 0, width(), fm.height()), Qt::AlignLeft | Qt::AlignVCenter, m_chart.title);
    p.setFont(font());
    const QRect area = rect().adjusted(kGap, fm.height() + kGap, -kGap, -kGap);
    if (m_chart.kind == ChartKind::Rows)
        paintRows(p, area);
    else
        paintColumns(p, area);
    paintKeyboardFocus(*this, p);
}

// Bars standing on a base line with labels under them (every n-th). Few bars carry their
// values; many share one line at the top of the scale that says its value.
void BarChartView::paintColumns(QPainter& p, const QRect& area) {
    const int count = static_cast<int>(m_chart.bars.size());
    if (count == 0)
        return;
    const QFontMetrics fm = fontMetrics();
    const int base = area.bottom() - fm.height();
    const int top = area.top() + fm.height();
    const qreal slot = area.width() / qreal(count);
    const bool valuesOnBars = count <= kBarsWithValues;
    p.drawLine(area.left(), base, area.right(), base);
    const auto tallest =
        std::max_element(m_chart.bars.begin(), m_chart.bars.end(),
                         [](const ChartBar& a, const ChartBar& b) { return a.value < b.value; });
    if (!valuesOnBars && tallest->value > 0) {
        const int y = base - static_cast<int>((base - top) * fraction(*tallest, m_chart));
        p.save();
        p.setPen(QPen(m_ink, 1, Qt::DotLine));
        p.drawLine(area.left(), y, area.right(), y);
        p.restore();
        p.drawText(QRect(area.left(), y - fm.height(), area.width(), fm.height()),
                   Qt::AlignLeft | Qt::AlignBottom, tallest->valueText);
    }
    for (int i = 0; i < count; ++i) {
        const ChartBar& bar = m_chart.bars[static_cast<std::size_t>(i)];
        const qreal x = area.left() + slot * i;
        const qreal height = (base - top) * fraction(bar, m_chart);
        p.fillRect(QRectF(x + slot * 0.15, base - height, slot * 0.7, height), m_ink);
        if (valuesOnBars && bar.value > 0)
            p.drawText(QRectF(x, base - height - fm.height(), slot, fm.height()), Qt::AlignCenter,
                       bar.valueText);
    }
    paintColumnLabels(p, area, base, slot);
}

// Every n-th label and the last one, each centred under its bar but never past the chart's
// edges; a label that would overlap one already drawn is left out, the last one first.
void BarChartView::paintColumnLabels(QPainter& p, const QRect& area, int base, qreal slot) {
    const QFontMetrics fm = fontMetrics();
    const int count = static_cast<int>(m_chart.bars.size());
    std::vector<QRectF> drawn;
    const auto draw = [&](int i) {
        const QString& label = m_chart.bars[static_cast<std::size_t>(i)].label;
        const qreal width = fm.horizontalAdvance(label) + 2;
        const qreal left = std::clamp(area.left() + slot * i + slot / 2 - width / 2,
                                      qreal(area.left()), area.right() - width);
        const QRectF box(left, base, width, fm.height());
        for (const QRectF& other : drawn)
            if (other.adjusted(-kGap, 0, kGap, 0).intersects(box))
                return;
        drawn.push_back(box);
        p.drawText(box, Qt::AlignCenter, label);
    };
    draw(count - 1);
    for (int i = 0; i < count - 1; i += std::max(1, m_chart.labelEvery))
        draw(i);
}

// One row a bar: the label on the left, the bar, its value after it.
void BarChartView::paintRows(QPainter& p, const QRect& area) {
    const QFontMetrics fm = fontMetrics();
    int labelWidth = 0;
    int valueWidth = 0;
    for (const ChartBar& bar : m_chart.bars) {
        labelWidth = std::max(labelWidth, fm.horizontalAdvance(bar.label));
        valueWidth = std::max(valueWidth, fm.horizontalAdvance(bar.valueText));
    }
    const int row = fm.height() + kRowHeightPadding;
    const int barLeft = area.left() + labelWidth + kGap * 2;
    const int room = std::max(1, area.right() - barLeft - valueWidth - kGap * 2);
    int y = area.top();
    for (const ChartBar& bar : m_chart.bars) {
        const int length = static_cast<int>(room * fraction(bar, m_chart));
        p.drawText(QRect(area.left(), y, labelWidth, row), Qt::AlignRight | Qt::AlignVCenter,
                   bar.label);
        p.fillRect(QRect(barLeft, y + kRowHeightPadding / 2, length, fm.height()), m_ink);
        p.drawText(QRect(barLeft + length + kGap, y, valueWidth + kGap, row),
                   Qt::AlignLeft | Qt::AlignVCenter, bar.valueText);
        y += row;
    }
}

} // namespace kemurina
