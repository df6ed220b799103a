#include "ui/main/RecordWindow.h"

#include "ui/dialogs/DialogLook.h"
#include "ui/main/ViewParts.h"

#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace kemurina {

namespace {

constexpr int kDefaultWidth = 820;
constexpr int kDefaultHeight = 640;
constexpr int kMinimumWidth = 640;
constexpr int kRowPadding = 6;
constexpr int kMinimumTextWidth = 120;
constexpr int kTitleRoom = 32; // the window manager's title bar, not yet known before showing

// Sets a cell's text, making the cell the first time; unchanged text leaves it alone so that
// a refresh does not disturb a screen reader or the selection.
void setCell(QTableWidget* table, int row, int column, const QString& text) {
    QTableWidgetItem* item = table->item(row, column);
    if (item == nullptr) {
        item = new QTableWidgetItem(text);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        table->setItem(row, column, item);
    } else if (item->text() != text) {
        item->setText(text);
    }
}

QLabel* addHeading(QWidget* parent, QVBoxLayout* layout, const QString& text) {
    auto* heading = new QLabel(text, parent);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    layout->addWidget(heading);
    return heading;
}

} // namespace

RecordWindow::RecordWindow(AppContext& context)
    : QWidget(nullptr, Qt::Window), m_context(context), m_session(context.session) {
    setUpDialog(this, "RecordWindow", QStringLiteral(" 卒煙の記録 - pelnoa"));
    setAccessibleName(QStringLiteral("卒煙の記録"));
    fillWithFormGrey(this);
    setMinimumWidth(kMinimumWidth);

    auto* layout = new QVBoxLayout(this);
    m_timeline =
        addTable(QStringLiteral("TimelineTable"), recoveryHeading(),
                 {QStringLiteral("時期"), QStringLiteral("からだの変化"), QStringLiteral("状態")});
    // The text column takes what the other two leave; fitHeights sets the widths at once,
    // as the header's own stretching comes too late for the row heights.
    m_timeline->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_timeline->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_timeline->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_timeline->setWordWrap(true);
    // Wrapped lines change the row heights with the width of the list.
    m_timeline->viewport()->installEventFilter(this);

    m_source = new QLabel(this);
    m_source->setObjectName(QStringLiteral("SourceLabel"));
    m_source->setWordWrap(true);
    m_source->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_source);

    m_attempts =
        addTable(QStringLiteral("AttemptsTable"), attemptsHeading(),
                 {QStringLiteral("はじめ"), QStringLiteral("おわり"), QStringLiteral("期間"),
                  QStringLiteral("吸わなかった煙草"), QStringLiteral("節約できた金額")});
    // Equal columns: the list looks the same empty as full, and the figures line up.
    m_attempts->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    layout->setStretchFactor(m_attempts, 1);

    m_summary = addTable(QStringLiteral("SummaryTable"), summaryHeading(),
                         {QStringLiteral("項目"), QStringLiteral("値")});
    m_summary->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);

    m_restart = new QPushButton(QStringLiteral("吸ってしまった…もう一度はじめる"), this);
    m_restart->setObjectName(QStringLiteral("RestartButton"));
    m_restart->setAccessibleDescription(
        QStringLiteral("いまの挑戦を記録して、卒煙日時をいまの時刻にします"));
    m_restart->setAutoDefault(false);
    layout->addWidget(m_restart, 0, Qt::AlignLeft);
    connect(m_restart, &QPushButton::clicked, this, &RecordWindow::restartAttempt);

    auto* closeKey = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(closeKey, &QShortcut::activated, this, &QWidget::close);

    refresh();
    fitToScreen();
    connect(&m_session, &Session::refreshed, this, &RecordWindow::refresh);
    connect(&m_session, &Session::historyChanged, this, &RecordWindow::refresh);
}

void RecordWindow::restartAttempt() {
    Platform& platform = m_context.platform;
    if (m_session.editingSettings()) {
        platform.showMessage(this, restartWhileSettingsMessage());
        return;
    }
    const QuitProfile& profile = m_session.state().profile;
    const DateTimeParts asked = m_session.now();
    if (checkRestart(profile, asked) == RestartCheck::Allowed &&
        !platform.askYesNo(this, restartQuestion(profile, asked)))
        return;
    // The answer may come minutes later: the attempt ends when it is given.
    const RestartResult result = m_session.restartAttempt();
    switch (result.outcome) {
    case RestartResult::Restarted:
        return;
    case RestartResult::Refused:
        return platform.showMessage(this, restartRefusedMessage(result.check));
    case RestartResult::HistoryUnreadable:
        return platform.showMessage(this, historyUnreadableMessage());
    case RestartResult::SaveFailed:
        return platform.showMessage(this, recordSaveFailedMessage());
    }
}

void RecordWindow::fitToScreen() {
    const QRect screen = this->screen()->availableGeometry();
    resize(std::min(kDefaultWidth, screen.width()), kDefaultHeight);
    // The rows' heights follow the columns' widths, which the layout sets.
    layout()->activate();
    fitHeights();
    layout()->activate();
    resize(width(),
           std::min(std::max(kDefaultHeight, sizeHint().height()), screen.height() - kTitleRoom));
    centreOnScreen(this);
}

QTableWidget* RecordWindow::addTable(const QString& name, const QString& heading,
                                     const QStringList& columns) {
    auto* layout = static_cast<QVBoxLayout*>(this->layout());
    QLabel* label = addHeading(this, layout, heading);
    auto* table = new QTableWidget(0, static_cast<int>(columns.size()), this);
    table->setObjectName(name);
    table->setAccessibleName(heading);
    label->setBuddy(table);
    table->setHorizontalHeaderLabels(columns);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    // Tab moves on to the next control instead of through the cells; arrows walk the cells.
    table->setTabKeyNavigation(false);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + kRowPadding);
    applyColours(table);
    layout->addWidget(table);
    return table;
}

void RecordWindow::applyColours(QTableWidget* table) {
    const Options& o = m_session.state().options;
    QPalette pal = table->palette();
    pal.setColor(QPalette::Base, toQColor(o.backColor));
    pal.setColor(QPalette::Text, toQColor(o.textColor));
    table->setPalette(pal);
}

void RecordWindow::refresh() {
    for (QTableWidget* table : {m_timeline, m_attempts, m_summary})
        applyColours(table);
    const AppState& state = m_session.state();
    render(recordView(state.profile, state.history, m_session.now()));
}

void RecordWindow::render(const RecordView& view) {
    m_timeline->setRowCount(static_cast<int>(view.timeline.size()));
    for (int row = 0; row < m_timeline->rowCount(); ++row) {
        const RecordTimelineRow& r = view.timeline[static_cast<std::size_t>(row)];
        setCell(m_timeline, row, 0, r.when);
        setCell(m_timeline, row, 1, r.change);
        setCell(m_timeline, row, 2, r.status);
        QFont statusFont = m_timeline->font();
        statusFont.setBold(r.next);
        m_timeline->item(row, 2)->setFont(statusFont);
    }
    m_source->setText(view.source);

    m_attempts->clearSpans();
    const int noteRows = view.noAttempts.isEmpty() ? 0 : 1;
    m_attempts->setRowCount(static_cast<int>(view.attempts.size()) + noteRows);
    for (std::size_t i = 0; i < view.attempts.size(); ++i) {
        const RecordAttemptRow& r = view.attempts[i];
        const int row = static_cast<int>(i);
        // An unreadable line's text stands across the figures.
        if (!r.readable)
            m_attempts->setSpan(row, 1, 1, kAttemptColumns - 1);
        setAttemptRow(row, {r.start, r.end, r.duration, r.cigarettes, r.money});
    }
    if (noteRows > 0) {
        const int row = m_attempts->rowCount() - 1;
        m_attempts->setSpan(row, 0, 1, kAttemptColumns);
        setAttemptRow(row, {view.noAttempts});
    }

    m_summary->setRowCount(static_cast<int>(view.summary.size()));
    for (int row = 0; row < m_summary->rowCount(); ++row) {
        const RecordSummaryRow& r = view.summary[static_cast<std::size_t>(row)];
        setCell(m_summary, row, 0, r.caption);
        setCell(m_summary, row, 1, r.value);
    }
    // Before the first showing the columns have no width yet: fitToScreen fits them then.
    if (isVisible())
        fitHeights();
}

void RecordWindow::setAttemptRow(int row, const std::array<QString, kAttemptColumns>& cells) {
    for (int column = 0; column < kAttemptColumns; ++column)
        setCell(m_attempts, row, column, cells[static_cast<std::size_t>(column)]);
}

bool RecordWindow::eventFilter(QObject* watched, QEvent* event) {
    // Once the list has laid out its columns for the new width.
    if (event->type() == QEvent::Resize)
        QTimer::singleShot(0, this, &RecordWindow::fitHeights);
    return QWidget::eventFilter(watched, event);
}

// The two fixed lists show all their rows; the list of attempts takes the rest and scrolls.
void RecordWindow::fitHeights() {
    m_timeline->resizeColumnToContents(0);
    m_timeline->resizeColumnToContents(2);
    const int textWidth = m_timeline->width() - 2 * m_timeline->frameWidth() -
                          m_timeline->columnWidth(0) - m_timeline->columnWidth(2);
    m_timeline->setColumnWidth(1, std::max(textWidth, kMinimumTextWidth));
    m_timeline->resizeRowsToContents();
    for (QTableWidget* table : {m_timeline, m_summary}) {
        int height = table->horizontalHeader()->height() + 2 * table->frameWidth();
        for (int row = 0; row < table->rowCount(); ++row)
            height += table->rowHeight(row);
        table->setFixedHeight(height);
    }
}

} // namespace kemurina
