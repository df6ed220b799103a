#pragma once

#include "core/Clock.h"
#include "core/CravingView.h"
#include "core/DataFiles.h"
#include "core/History.h"
#include "core/MilestoneWatch.h"
#include "core/Refresh.h"
#include "core/Startup.h"

#include <QObject>
#include <QTimer>
#include <array>
#include <memory>
#include <optional>

namespace kemurina {

// The windows of the program. Whoever creates windows opens them when the session asks.
enum class WindowKind {
    FirstRunSetup,
    StartConfirmation,
    SeasonalGreeting,
    Views,    // both views made afresh, the one windowMode names shown
    MainView, // both views made afresh, the main view shown
    Settings, // once both views have closed
    PremiumNotice,
    Help,
    Record,
    NoticeSettings, // the notices of milestones and the start at login
    Craving,        // the urge window
};

// The two views of the figures.
enum class View { Main, Mini };

// The settings window's boxes as typed and its choices, handed over to be saved.
struct SettingsEntry {
    std::array<QString, 5> quitMoment; // year, month, day, hour, minute
    QString cigarettesPerDay;
    QString packPrice;
    std::optional<std::int32_t> cigaretteLength; // none when no size is chosen
    QString blogAddress;
    std::optional<std::int32_t> profileSuffix; // none when no copy option is chosen
    bool showPackCount = false;
    QString statusTheme;
    QString tobaccoTax;
    QString consumptionTax;
    QString smokingYears;
    TwipsPoint corner; // where the settings window stands: the main view opens there
    std::int32_t textColor = 0;
    std::int32_t backColor = 0;
};

enum class SaveOutcome { Saved, OutOfRange, InFuture, WriteFailed };

struct RestartResult {
    enum Outcome { Restarted, Refused, HistoryUnreadable, SaveFailed } outcome = Restarted;
    RestartCheck check = RestartCheck::Allowed; // why it was refused
};

// The running program: its records and what the last refresh computed, the data files, the
// clock, the random draw and the 30-second refresh. Windows render it and hand it the user's
// actions; it tells them what changed and which window to open, and knows no window.
class Session final : public QObject {
    Q_OBJECT
  public:
    static constexpr int kRefreshIntervalMs = 30000;

    // Services left empty are the real ones (system clock, random draw).
    explicit Session(const QString& appDir, std::unique_ptr<Clock> clock = nullptr,
                     std::unique_ptr<RandomSource> random = nullptr, QObject* parent = nullptr);

    const AppState& state() const { return m_state; }
    const DataStore& store() const { return m_store; }
    DateTimeParts now() const { return m_clock->now(); }
    bool ticking() const { return m_timer.isActive(); }

    // Makes the data folder and the missing files, loads Options; the first window to open.
    StartWindow start();

    // The views open: both files read again and one refresh, then one every 30 seconds until
    // the views close.
    void openViews();
    void closeViews();
    void refresh();
    void reloadRecords();
    // A click on the elapsed label: the other form until the next refresh.
    void toggleElapsed();
    void showMiniView();
    void showMainView();

    TwipsPoint corner(View view) const;
    void storeCorner(View view, TwipsPoint corner);
    bool saveOptions();

    // The clipboard texts and the blog's address, as the last refresh left the figures.
    QString longReport() const;
    QString shortPost() const;
    QString blogUrl() const;

    // The settings save: the quit moment and profile are checked and written, then the
    // options; a stop after initial.ini leaves it written.
    SaveOutcome saveSettings(const SettingsEntry& entry);
    // While a settings window is open, a restart would be written over by its save. Counted:
    // a closed window may go only after its successor has come.
    void settingsWindowOpened() { ++m_settingsWindows; }
    void settingsWindowGone() { --m_settingsWindows; }
    bool editingSettings() const { return m_settingsWindows > 0; }

    // First run: the profile typed in (false when out of range), then the start at this
    // minute, then both files written with the main view where corner is (false: not saved).
    bool acceptSetup(const QString& perDay, const QString& price,
                     std::optional<std::int32_t> cigaretteLength);
    DateTimeParts beginNow();
    bool completeStart(TwipsPoint corner);

    // The record window: history.ini read again; the current attempt recorded and a new one
    // begun at this minute.
    void reloadHistory();
    RestartResult restartAttempt();

    // The urge window: cravings.ini read again; the first suggestion's draw (0 to 99); an urge
    // appended and the whole file saved, or why not.
    void reloadCravings();
    int drawSuggestion() { return m_random->drawPercent(); }
    CravingSave logCraving(const Craving& craving);
    // For the current attempt and for all time, at now.
    std::array<CravingPattern, 2> cravingPatterns() const;

    void request(WindowKind kind) { emit windowRequested(kind); }

    // Whether milestones are told; the choice is kept in milestone.ini (false: not saved,
    // it holds for this run).
    bool notifiesMilestones() const { return m_milestones.notify(); }
    bool setNotifiesMilestones(bool on) { return m_milestones.setNotify(on); }

  signals:
    void refreshed();
    void elapsedToggled();
    // overMainView: the mini view is used for the first time and takes the main view's place.
    void viewSwitched(View shown, bool overMainView);
    void historyChanged();
    void cravingsChanged();
    void windowRequested(WindowKind kind);
    // Milestones were crossed: at the first refresh of the run those since the program last
    // ran, then those of each refresh, at most one notice each time.
    void milestonesReached(const QString& title, const QString& body);

  private:
    bool saveQuitProfile(const SettingsEntry& entry, const DateTimeParts& now, SaveOutcome& stop);
    bool saveEnteredOptions(const SettingsEntry& entry, const DateTimeParts& now,
                            SaveOutcome& stop);
    bool saveRestart(const QuitProfile& before, const QuitProfile& after, const History& history);
    void tellMilestones(const DateTimeParts& now);

    AppState m_state;
    DataStore m_store;
    std::unique_ptr<Clock> m_clock;
    std::unique_ptr<RandomSource> m_random;
    QTimer m_timer;
    MilestoneWatch m_milestones{m_store};
    bool m_milestonesStarted = false;
    int m_settingsWindows = 0;
};

} // namespace kemurina
