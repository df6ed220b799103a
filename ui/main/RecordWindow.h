#pragma once

#include "core/RecordView.h"
#include "ui/AppContext.h"

#include <QWidget>
#include <array>

class QLabel;
class QPushButton;
class QTableWidget;

namespace kemurina {

// The body's recovery after quitting and every quit attempt so far, with the button that
// records the current attempt and starts a new one.
class RecordWindow final : public QWidget {
    Q_OBJECT
  public:
    explicit RecordWindow(AppContext& context);

    QTableWidget* timelineTable() const { return m_timeline; }
    QTableWidget* attemptsTable() const { return m_attempts; }
    QTableWidget* summaryTable() const { return m_summary; }
    QPushButton* restartButton() const { return m_restart; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Recomputes every text at the clock's now and shows it.
    void refresh();
    // Records the current attempt and starts a new one from this minute, after asking.
    void restartAttempt();
    QTableWidget* addTable(const QString& name, const QString& heading, const QStringList& columns);
    void applyColours(QTableWidget* table);
    static constexpr int kAttemptColumns = 5;
    void render(const RecordView& view);
    void setAttemptRow(int row, const std::array<QString, kAttemptColumns>& cells);
    void fitHeights();
    void fitToScreen();

    AppContext& m_context;
    Session& m_session;
    QTableWidget* m_timeline = nullptr;
    QLabel* m_source = nullptr;
    QTableWidget* m_attempts = nullptr;
    QTableWidget* m_summary = nullptr;
    QPushButton* m_restart = nullptr;
};

} // namespace kemurina
