#pragma once

#include "core/CravingView.h"

#include <QColor>
#include <QWidget>

class QSequentialAnimationGroup;

namespace kemurina {

// A circle that grows for the in-breath (4 s) and shrinks for the out-breath (6 s), with the
// word for each in its middle. It moves only while shown.
class BreathingGuide final : public QWidget {
    Q_OBJECT
    Q_PROPERTY(qreal fullness READ fullness WRITE setFullness)
  public:
    explicit BreathingGuide(QWidget* parent);

    qreal fullness() const { return m_fullness; }
    void setFullness(qreal fullness);
    bool breathingIn() const;
    bool moving() const;
    void setColours(const QColor& circle, const QColor& word);

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    QSequentialAnimationGroup* m_breath;
    qreal m_fullness = 0;
    QColor m_circle;
    QColor m_word;
};

// One bar chart of the pattern page, drawn from plain values; a screen reader hears its title
// and its summary.
class BarChartView final : public QWidget {
    Q_OBJECT
  public:
    explicit BarChartView(QWidget* parent);

    void setChart(const BarChart& chart);
    const BarChart& chart() const { return m_chart; }
    // The user's pair of colours: the ground, and the bars and words on it.
    void setColours(const QColor& ground, const QColor& ink);

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void paintColumns(QPainter& p, const QRect& area);
    void paintColumnLabels(QPainter& p, const QRect& area, int base, qreal slot);
    void paintRows(QPainter& p, const QRect& area);

    BarChart m_chart;
    QColor m_ground;
    QColor m_ink;
};

} // namespace kemurina
