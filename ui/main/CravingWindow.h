#pragma once

#include "core/CravingView.h"

#include <QElapsedTimer>
#include <QWidget>
#include <array>

class QAbstractButton;
class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class QTabWidget;
class QTimer;

namespace kemurina {

class BarChartView;
class BreathingGuide;

// The window for an urge to smoke: a countdown with a breathing guide and a suggestion to
// ride it out, the form that logs it, and the pattern of the urges logged so far. It shows
// plain values and tells what the user chose; whoever opens it keeps the log.
class CravingWindow final : public QWidget {
    Q_OBJECT
  public:
    // cameAt: the minute the urge came; suggestionDraw (0..99) picks the first suggestion.
    CravingWindow(const DateTimeParts& cameAt, int suggestionDraw);

    // The colours of the main view's values: the charts' ground, and their bars and words.
    void setColours(const QColor& ground, const QColor& ink);
    void showPatterns(const CravingPattern& currentAttempt, const CravingPattern& allTime);
    // The answer to cravingLogged: saved (the form is done) or why not (the form stays).
    void showSaveResult(CravingSave result, const QString& message);

    // Its urge is logged: the next urge takes a fresh window.
    bool logged() const;

    // The countdown as it stands this long after it started; its timer calls this.
    void showElapsed(qint64 ms);

    QTabWidget* pages() const { return m_pages; }
    QLabel* countdownLabel() const { return m_countdown; }
    QLabel* messageLabel() const { return m_message; }
    BreathingGuide* breathingGuide() const { return m_guide; }
    QLabel* headline() const { return m_headline; }
    QPushButton* riddenOutButton() const { return m_riddenOut; }
    QPushButton* smokedButton() const { return m_smoked; }
    QPushButton* recordButton() const { return m_openRecord; }
    const std::array<BarChartView*, kCravingChartCount>& charts() const { return m_charts; }

  signals:
    void cravingLogged(const kemurina::Craving& craving);
    void recordWindowRequested();

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    QWidget* buildRideOutPage();
    QWidget* buildLogForm(QWidget* parent);
    QWidget* buildPatternPage();
    void restartCountdown();
    void tick();
    void nextSuggestion();
    void log(bool riddenOut);
    void showScope();

    DateTimeParts m_cameAt;
    std::size_t m_suggestion = 0;
    QTabWidget* m_pages = nullptr;
    BreathingGuide* m_guide = nullptr;
    QLabel* m_countdown = nullptr;
    QLabel* m_countdownCaption = nullptr;
    QPushButton* m_again = nullptr;
    QLabel* m_suggestionText = nullptr;
    QButtonGroup* m_strength = nullptr;
    QButtonGroup* m_trigger = nullptr;
    QLineEdit* m_note = nullptr;
    QWidget* m_form = nullptr;
    QPushButton* m_riddenOut = nullptr;
    QPushButton* m_smoked = nullptr;
    QLabel* m_message = nullptr;
    QPushButton* m_openRecord = nullptr;
    QTimer* m_timer = nullptr;
    QElapsedTimer m_started;
    bool m_countdownDone = false;
    bool m_lastSmoked = false;

    QButtonGroup* m_scope = nullptr;
    QLabel* m_headline = nullptr;
    QStackedWidget* m_patternBody = nullptr;
    QLabel* m_emptyText = nullptr;
    QLabel* m_unreadable = nullptr;
    std::array<BarChartView*, kCravingChartCount> m_charts{};
    std::array<CravingPattern, 2> m_patterns;
};

} // namespace kemurina
