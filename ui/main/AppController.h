#pragma once

#include "core/Clock.h"
#include "core/DataFiles.h"
#include "core/Refresh.h"
#include "platform/Platform.h"
#include "ui/AppContext.h"
#include "ui/main/MainWindow.h"
#include "ui/main/MiniWindow.h"

#include <QIcon>
#include <QObject>
#include <QPointer>
#include <array>
#include <memory>

namespace kemurina {

// The program's one shared state and its windows: starts the program, keeps both views
// and the dialogs, and carries the actions that the two views share.
class AppController final : public QObject, public Navigator {
    Q_OBJECT
  public:
    // Services left empty are the real ones (system clock, random draw, desktop).
    struct Services {
        std::unique_ptr<Clock> clock;
        std::unique_ptr<RandomSource> random;
        std::unique_ptr<Platform> platform;
    };

    explicit AppController(const QString& appDir, Services services = {});
    ~AppController() override;

    // Loads the records and opens the first window. False when the program must end at
    // once (another instance runs); nothing has been written then.
    bool start();
    bool ended() const { return m_ended; }

    AppState& state() { return m_state; }
    const DataStore& store() const { return m_store; }
    Platform& platform() { return *m_platform; }
    AppContext& context() { return m_context; }

    // The views as they are now; null when closed or not created.
    MainWindow* mainView() const { return m_main; }
    MiniWindow* miniView() const { return m_mini; }
    // The views, created hidden (running their load) when missing; null once ended.
    MainWindow* mainWindow();
    MiniWindow* miniWindow();

    // The program's icon in every size it is drawn at; the tray takes the 16-pixel one.
    const QIcon& programIcon() const { return m_programIcon; }

    // Shared by both views.
    void refreshAll();
    void reloadRecords();
    void saveOptions();
    void copyLongReport();
    void copyShortPost();
    void openBlog(QWidget* owner);
    void showVersion(QWidget* owner);
    void switchToMiniView();
    void switchToMainView();
    void openSettingsFrom(ViewWindow& caller);
    void closeOtherView(ViewWindow& closing);
    void viewUnloaded(ViewWindow& view);

    // The record window: opened beside whatever is open, the same one if already open.
    void openRecord();
    QWidget* recordWindow() const { return m_record; }
    // Records the current attempt and starts a new one from this minute, after asking.
    void restartAttempt(QWidget* owner);

    // Navigator
    void showViewForWindowMode() override;
    void showMainView() override;
    void openSettings() override;
    void openHelp() override;
    void openPremiumNotice() override;
    void openStartConfirmation() override;
    void openSeasonalGreeting() override;

    // A later start found this one running: the view in use comes back, or the dialog open.
    void bringBack();

  private:
    void endAtOnce();
    void closeViewsFor(ViewWindow* caller);
    void copyToClipboard(QString (*compose)(const AppState&));
    // Shows the dialog in slot, made first when there is none. Dialogs are deleted when
    // closed; the process ends when no window is left.
    template <typename Make> void openDialog(QPointer<QWidget>& slot, Make make);
    void quitWhenNoWindowLeft();
    std::array<QPointer<QWidget>, 7> dialogs() const;
    void refreshRecordWindow();
    bool saveRestart(const QuitProfile& before, const QuitProfile& after, const History& history);
    bool eventFilter(QObject* watched, QEvent* event) override;

    AppState m_state;
    DataStore m_store;
    std::unique_ptr<Clock> m_clock;
    std::unique_ptr<RandomSource> m_random;
    std::unique_ptr<Platform> m_platform;
    AppContext m_context;
    // Decoded once: the window and both notification records share it.
    QIcon m_programIcon;

    QPointer<MainWindow> m_main;
    QPointer<MiniWindow> m_mini;
    QPointer<QWidget> m_setup;
    QPointer<QWidget> m_settings;
    QPointer<QWidget> m_confirmation;
    QPointer<QWidget> m_seasonal;
    QPointer<QWidget> m_help;
    QPointer<QWidget> m_premium;
    QPointer<QWidget> m_record;
    bool m_ended = false;
    bool m_quitCheckPending = false;
};

} // namespace kemurina
