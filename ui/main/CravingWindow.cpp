#include "ui/main/CravingWindow.h"

#include "ui/Accessibility.h"
#include "ui/dialogs/DialogLook.h"
#include "ui/main/CravingParts.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QShortcut>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace kemurina {

namespace {

constexpr int kTickMs = 1000;
constexpr int kCountdownPointSize = 28;
constexpr int kTriggerColumns = 3;
constexpr int kDefaultStrength = 3;
constexpr int kWidth = 660;
constexpr int kHeight = 560;

QLabel* wrappedLabel(const QString& text, QWidget* parent, const char* name = nullptr) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    if (name)
        label->setObjectName(QString::fromLatin1(name));
    return label;
}

QLabel* boldLabel(const QString& text, QWidget* parent) {
    QLabel* label = wrappedLabel(text, parent);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

QString strengthName(int strength) {
    static const char* const kWords[] = {"弱い", "やや弱い", "ふつう", "やや強い", "強い"};
    return QStringLiteral("強さ%1（%2）")
        .arg(strength)
        .arg(QString::fromUtf8(kWords[strength - 1]));
}

} // namespace

CravingWindow::CravingWindow(const DateTimeParts& cameAt, int suggestionDraw)
    : QWidget(nullptr, Qt::Window), m_cameAt(cameAt),
      m_suggestion(firstSuggestion(suggestionDraw)) {
    setUpDialog(this, "CravingWindow", QStringLiteral(" 吸いたい！ - pelnoa"));
    setAccessibleName(QStringLiteral("吸いたい！"));
    fillWithFormGrey(this);

    m_timer = new QTimer(this);
    m_timer->setInterval(kTickMs);
    m_timer->setTimerType(Qt::CoarseTimer);
    connect(m_timer, &QTimer::timeout, this, &CravingWindow::tick);

    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("Pages"));
    m_pages->addTab(buildRideOutPage(), QStringLiteral("乗り切る"));
    m_pages->addTab(buildPatternPage(), QStringLiteral("ふりかえり"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);

    auto* closeKey = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(closeKey, &QShortcut::activated, this, &QWidget::close);
    // Enter logs the urge as ridden out, unless a push button has the focus.
    onEnterKey(this, [this] {
        if (m_form->isEnabled() && m_pages->currentIndex() == 0)
            log(true);
    });

    restartCountdown();
    resize(kWidth, kHeight);
    centreOnScreen(this);
}

QWidget* CravingWindow::buildRideOutPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("RideOutPage"));
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(boldLabel(QString::fromUtf8(cravingReassurance()), page));

    auto* timeRow = new QHBoxLayout;
    m_guide = new BreathingGuide(page);
    timeRow->addWidget(m_guide, 1);
    auto* timeColumn = new QVBoxLayout;
    m_countdownCaption =
        wrappedLabel(QString::fromUtf8(cravingWaitHint()), page, "CountdownCaption");
    m_countdown = new QLabel(page);
    m_countdown->setObjectName(QStringLiteral("CountdownLabel"));
    QFont big = m_countdown->font();
    big.setPointSize(kCountdownPointSize);
    big.setBold(true);
    m_countdown->setFont(big);
    m_countdown->setAccessibleName(QStringLiteral("のこり時間"));
    m_again = new QPushButton(QStringLiteral("もう５分つづける"), page);
    m_again->setObjectName(QStringLiteral("AgainButton"));
    m_again->setAutoDefault(false);
    connect(m_again, &QPushButton::clicked, this, &CravingWindow::restartCountdown);
    timeColumn->addStretch();
    timeColumn->addWidget(m_countdownCaption);
    timeColumn->addWidget(m_countdown);
    timeColumn->addWidget(m_again, 0, Qt::AlignLeft);
    timeColumn->addStretch();
    timeRow->addLayout(timeColumn, 1);
    layout->addLayout(timeRow);

    auto* tryRow = new QHBoxLayout;
    m_suggestionText = wrappedLabel(QString(), page, "SuggestionLabel");
    auto* another = new QPushButton(QStringLiteral("ほかの方法"), page);
    another->setObjectName(QStringLiteral("NextSuggestionButton"));
    another->setAutoDefault(false);
    connect(another, &QPushButton::clicked, this, &CravingWindow::nextSuggestion);
    tryRow->addWidget(m_suggestionText, 1);
    tryRow->addWidget(another);
    layout->addLayout(tryRow);
    m_suggestion = (m_suggestion + cravingSuggestions().size() - 1) % cravingSuggestions().size();
    nextSuggestion();

    QLabel* source = wrappedLabel(QString::fromUtf8(cravingSource()), page, "SourceLabel");
    source->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(source);

    layout->addWidget(buildLogForm(page));
    m_message = wrappedLabel(QString(), page, "MessageLabel");
    layout->addWidget(m_message);
    m_openRecord = new QPushButton(QStringLiteral("卒煙の記録を開く"), page);
    m_openRecord->setObjectName(QStringLiteral("OpenRecordButton"));
    m_openRecord->setAutoDefault(false);
    m_openRecord->hide();
    connect(m_openRecord, &QPushButton::clicked, this, &CravingWindow::recordWindowRequested);
    layout->addWidget(m_openRecord, 0, Qt::AlignLeft);
    layout->addStretch();
    return page;
}

QWidget* CravingWindow::buildLogForm(QWidget* parent) {
    m_form = new QWidget(parent);
    m_form->setObjectName(QStringLiteral("LogForm"));
    auto* grid = new QGridLayout(m_form);
    grid->setContentsMargins(0, 0, 0, 0);

    auto* strengthLabel = new QLabel(QStringLiteral("強さ(&S)："), m_form);
    auto* strengthRow = new QHBoxLayout;
    m_strength = new QButtonGroup(m_form);
    for (int s = kWeakestCraving; s <= kStrongestCraving; ++s) {
        auto* option = new QRadioButton(QString::number(s), m_form);
        option->setObjectName(QStringLiteral("Strength%1").arg(s));
        option->setAccessibleName(strengthName(s));
        m_strength->addButton(option, s);
        strengthRow->addWidget(option);
    }
    strengthRow->addWidget(new QLabel(QStringLiteral("（１が弱く、５が強い）"), m_form));
    strengthRow->addStretch();
    m_strength->button(kDefaultStrength)->setChecked(true);
    strengthLabel->setBuddy(m_strength->button(kDefaultStrength));
    grid->addWidget(strengthLabel, 0, 0, Qt::AlignTop);
    grid->addLayout(strengthRow, 0, 1);

    auto* triggerLabel = new QLabel(QStringLiteral("きっかけ（数字キー）："), m_form);
    auto* triggers = new QGridLayout;
    m_trigger = new QButtonGroup(m_form);
    for (std::size_t i = 0; i < kCravingTriggerCount; ++i) {
        const int key = static_cast<int>(i) + 1;
        const QString name = QString::fromUtf8(cravingTriggerName(static_cast<CravingTrigger>(i)));
        auto* option = new QRadioButton(QStringLiteral("%1 %2").arg(key).arg(name), m_form);
        option->setObjectName(QStringLiteral("Trigger%1").arg(i));
        option->setAccessibleName(name);
        option->setAccessibleDescription(QStringLiteral("きっかけ、数字キー%1").arg(key));
        m_trigger->addButton(option, static_cast<int>(i));
        triggers->addWidget(option, static_cast<int>(i) / kTriggerColumns,
                            static_cast<int>(i) % kTriggerColumns);
        auto* shortcut = new QShortcut(QKeySequence(Qt::Key_1 + static_cast<int>(i)), this);
        connect(shortcut, &QShortcut::activated, option, [option] {
            if (option->isEnabled()) {
                option->setChecked(true);
                option->setFocus(Qt::ShortcutFocusReason);
            }
        });
    }
    triggerLabel->setBuddy(m_trigger->button(0));
    grid->addWidget(triggerLabel, 1, 0, Qt::AlignTop);
    grid->addLayout(triggers, 1, 1);

    auto* noteLabel = new QLabel(QStringLiteral("メモ(&M)："), m_form);
    m_note = new QLineEdit(m_form);
    m_note->setObjectName(QStringLiteral("NoteBox"));
    m_note->setMaxLength(kCravingNoteMaxLength);
    m_note->setPlaceholderText(QStringLiteral("なくてもかまいません"));
    labelInput(noteLabel, m_note, QStringLiteral("メモ（なくてもかまいません）"));
    grid->addWidget(noteLabel, 2, 0);
    grid->addWidget(m_note, 2, 1);

    auto* buttons = new QHBoxLayout;
    m_riddenOut = new QPushButton(QStringLiteral("乗り越えた"), m_form);
    m_riddenOut->setObjectName(QStringLiteral("RiddenOutButton"));
    m_riddenOut->setAccessibleDescription(QStringLiteral("Enterキーでも記録できます"));
    m_smoked = new QPushButton(QStringLiteral("吸ってしまった"), m_form);
    m_smoked->setObjectName(QStringLiteral("SmokedButton"));
    for (QPushButton* b : {m_riddenOut, m_smoked}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    buttons->addStretch();
    connect(m_riddenOut, &QPushButton::clicked, this, [this] { log(true); });
    connect(m_smoked, &QPushButton::clicked, this, [this] { log(false); });
    grid->addWidget(new QLabel(QStringLiteral("記録："), m_form), 3, 0);
    grid->addLayout(buttons, 3, 1);
    grid->setColumnStretch(1, 1);
    return m_form;
}

QWidget* CravingWindow::buildPatternPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("PatternPage"));
    auto* layout = new QVBoxLayout(page);
    auto* scopeRow = new QHBoxLayout;
    m_scope = new QButtonGroup(page);
    for (const CravingScope scope : {CravingScope::CurrentAttempt, CravingScope::AllTime}) {
        auto* option = new QRadioButton(cravingScopeName(scope), page);
        option->setObjectName(scope == CravingScope::CurrentAttempt ? QStringLiteral("ScopeAttempt")
                                                                    : QStringLiteral("ScopeAll"));
        m_scope->addButton(option, static_cast<int>(scope));
        scopeRow->addWidget(option);
    }
    scopeRow->addStretch();
    m_scope->button(static_cast<int>(CravingScope::CurrentAttempt))->setChecked(true);
    connect(m_scope, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on)
            showScope();
    });
    layout->addLayout(scopeRow);

    m_headline = boldLabel(QString(), page);
    m_headline->setObjectName(QStringLiteral("HeadlineLabel"));
    layout->addWidget(m_headline);

    m_patternBody = new QStackedWidget(page);
    m_emptyText = wrappedLabel(QString(), m_patternBody, "EmptyLabel");
    m_emptyText->setAlignment(Qt::AlignCenter);
    QFont larger = m_emptyText->font();
    larger.setPointSizeF(larger.pointSizeF() * 1.2);
    m_emptyText->setFont(larger);
    m_patternBody->addWidget(m_emptyText);
    auto* scroll = new QScrollArea(m_patternBody);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* chartsPanel = new QWidget;
    auto* grid = new QGridLayout(chartsPanel);
    for (std::size_t i = 0; i < kCravingChartCount; ++i) {
        m_charts[i] = new BarChartView(chartsPanel);
        m_charts[i]->setObjectName(QStringLiteral("Chart%1").arg(i));
        grid->addWidget(m_charts[i], static_cast<int>(i) / 2, static_cast<int>(i) % 2);
    }
    scroll->setWidget(chartsPanel);
    m_patternBody->addWidget(scroll);
    layout->addWidget(m_patternBody, 1);

    m_unreadable = wrappedLabel(QString(), page, "UnreadableLabel");
    layout->addWidget(m_unreadable);
    return page;
}

void CravingWindow::setColours(const QColor& ground, const QColor& ink) {
    m_guide->setColours(ground, ink);
    for (BarChartView* chart : m_charts)
        chart->setColours(ground, ink);
}

void CravingWindow::showPatterns(const CravingPattern& currentAttempt,
                                 const CravingPattern& allTime) {
    m_patterns = {currentAttempt, allTime};
    showScope();
}

void CravingWindow::showScope() {
    const CravingPattern& p = m_patterns[static_cast<std::size_t>(m_scope->checkedId())];
    m_headline->setText(p.headline);
    m_headline->setVisible(p.emptyText.isEmpty());
    m_emptyText->setText(p.emptyText);
    m_patternBody->setCurrentIndex(p.emptyText.isEmpty() ? 1 : 0);
    for (std::size_t i = 0; i < kCravingChartCount; ++i)
        m_charts[i]->setChart(p.charts[i]);
    m_unreadable->setText(p.unreadable);
    m_unreadable->setVisible(!p.unreadable.isEmpty());
}

void CravingWindow::restartCountdown() {
    m_countdownDone = false;
    m_started.start();
    m_again->hide();
    m_countdownCaption->setText(QString::fromUtf8(cravingWaitHint()));
    if (isVisible())
        m_timer->start();
    showElapsed(0);
}

void CravingWindow::tick() {
    showElapsed(m_started.elapsed());
}

void CravingWindow::showElapsed(qint64 ms) {
    m_countdown->setText(countdownText(kCravingCountdownMs - ms));
    if (ms < kCravingCountdownMs || m_countdownDone)
        return;
    m_countdownDone = true;
    m_timer->stop();
    speak(m_countdownCaption, countdownEndQuestion());
    m_countdownCaption->setText(countdownEndQuestion());
    m_again->show();
}

void CravingWindow::nextSuggestion() {
    const auto all = cravingSuggestions();
    m_suggestion = (m_suggestion + 1) % all.size();
    const QString text =
        QStringLiteral("ためしてみましょう：") + QString::fromUtf8(all[m_suggestion]);
    m_suggestionText->setText(text);
    speak(m_suggestionText, text);
}

void CravingWindow::log(bool riddenOut) {
    if (m_trigger->checkedId() < 0) {
        m_message->setText(
            QStringLiteral("きっかけを選んでください（数字キーの１〜９でも選べます）"));
        speak(m_message, m_message->text());
        m_trigger->button(0)->setFocus(Qt::OtherFocusReason);
        return;
    }
    m_lastSmoked = !riddenOut;
    emit cravingLogged({m_cameAt, m_strength->checkedId(),
                        static_cast<CravingTrigger>(m_trigger->checkedId()), riddenOut,
                        m_note->text()});
}

bool CravingWindow::logged() const {
    return !m_form->isEnabled();
}

void CravingWindow::showSaveResult(CravingSave result, const QString& message) {
    m_message->setText(message);
    speak(m_message, message);
    if (result != CravingSave::Saved)
        return;
    m_form->setEnabled(false);
    m_openRecord->setVisible(m_lastSmoked);
    if (m_lastSmoked)
        m_openRecord->setFocus(Qt::OtherFocusReason);
}

void CravingWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!m_countdownDone) {
        m_timer->start();
        tick();
    }
}

void CravingWindow::hideEvent(QHideEvent* event) {
    m_timer->stop();
    QWidget::hideEvent(event);
}

} // namespace kemurina
