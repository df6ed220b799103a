#pragma once

#include <QColor>
#include <QLabel>
#include <QWidget>
#include <cstdint>

namespace kemurina {

// A label or picture that takes the mouse itself: presses on it never reach the window
// surface, and a press followed by a release over it is a click. Given a focus policy, it
// takes the keyboard focus too, and Space is a click.
class ControlLabel : public QLabel {
    Q_OBJECT
  public:
    using QLabel::QLabel;

  signals:
    void clicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    bool m_pressed = false;
};

// Plain lines of text, one under the other, a line for every em of the font: the fallback
// fonts' wider line spacing would push the last line of the mini summary out of sight.
class LineStackLabel : public QLabel {
    Q_OBJECT
  public:
    using QLabel::QLabel;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

// A filled oval or rectangle without outline; the mouse passes through to the window.
class FilledShape : public QWidget {
    Q_OBJECT
  public:
    enum class Kind { Oval, Rectangle };
    FilledShape(Kind kind, QWidget* parent);

    QColor fillColor() const { return m_fill; }
    void setFillColor(const QColor& colour);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Kind m_kind;
    QColor m_fill;
};

// One straight white line of a decorative frame, from one point to another in twips.
class FrameLine : public QWidget {
    Q_OBJECT
  public:
    FrameLine(int x1, int y1, int x2, int y2, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace kemurina
