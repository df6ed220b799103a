#include "ui/main/AppController.h"

#include "core/RecordView.h"
#include "core/Reports.h"
#include "core/Startup.h"
#include "platform/DesktopPlatform.h"
#include "ui/dialogs/DialogLook.h"
#include "ui/dialogs/HelpWindow.h"
#include "ui/dialogs/PremiumNoticeWindow.h"
#include "ui/dialogs/SeasonalWindow.h"
#include "ui/dialogs/SettingsWindow.h"
#include "ui/dialogs/SetupWindow.h"
#include "ui/dialogs/StartConfirmationWindow.h"
#include "ui/main/MainWindow.h"
#include "ui/main/MiniWindow.h"
#include "ui/main/Pictures.h"
#include "ui/main/RecordWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QEvent>
#include <QTimer>

// The pictures live in the static UI library; registered once before any window needs them.
static void registerResources() {
    static bool registered = false;
    if (!registered) {
        Q_INIT_RESOURCE(resources);
        registered = true;
    }
}

namespace kemurina {

namespace {

const QString kVersionText = QStringLiteral("　ケムリナバージョン１．２０　\r\n"
                                            "\r\n"
                                            "　- pelnoa -\r\n"
                                            "　https://kemurina.example.jp/");

} // namespace

AppController::AppController(const QString& appDir, Services services)
    : m_store(appDir),
      m_clock(services.clock ? std::move(services.clock) : std::make_unique<SystemClock>()),
      m_random(services.random ? std::move(services.random) : std::make_unique<SystemRandom>()),
      m_platform(services.platform ? std::move(services.platform)
                                   : std::make_unique<DesktopPlatform>()),
      m_context{m_state, m_store, *m_clock, *m_random, *m_platform, *this} {
    registerResources();
    // The window system takes every size as the window's icon: a 256-pixel one alone cost a
    // fifth of the start-up. Larger icons come from the installed theme icons.
    m_programIcon = loadProgramIcon();
    m_platform->whenStartedAgain([this] { bringBack(); });
}

AppController::~AppController() {
    // Whatever is still open goes without its unload: nothing is written on the way out.
    delete m_main.data();
    delete m_mini.data();
    for (const QPointer<QWidget>& w : dialogs())
        delete w.data();
}

template <typename Make> void AppController::openDialog(QPointer<QWidget>& slot, Make make) {
    if (slot && !slot->isVisible()) {
        // Closed and waiting to be deleted: a fresh window takes its place.
        slot->deleteLater();
        slot = nullptr;
    }
    if (!slot) {
        QWidget* dialog = make();
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->installEventFilter(this);
        connect(dialog, &QObject::destroyed, this, &AppController::quitWhenNoWindowLeft);
        slot = dialog;
    }
    slot->show();
}

bool AppController::start() {
    QGuiApplication::setQuitOnLastWindowClosed(false);
    const StartupRecords records = loadAtStartup(m_store, m_clock->now());
    m_state.profile = records.profile;
    m_state.options = records.options;
    switch (chooseStartWindow(m_state.options)) {
    case StartWindow::FirstRunSetup:
        openDialog(m_setup, [this] { return new SetupWindow(m_context); });
        break;
    case StartWindow::MainShown:
        showMainView();
        break;
    case StartWindow::MiniShown:
        if (mainWindow() != nullptr) {
            if (MiniWindow* mini = miniWindow())
                mini->show();
        }
        break;
    }
    return !m_ended;
}

MainWindow* AppController::mainWindow() {
    if (m_main || m_ended)
        return m_main;
    if (m_platform->anotherInstanceRunning()) {
        m_platform->showMessage(nullptr, alreadyRunningMessage());
        endAtOnce();
        return nullptr;
    }
    auto* main = new MainWindow(*this);
    m_main = main;
    main->load();
    return m_main;
}

MiniWindow* AppController::miniWindow() {
    if (m_mini || m_ended)
        return m_mini;
    auto* mini = new MiniWindow(*this);
    m_mini = mini;
    mini->load();
    return m_mini;
}

void AppController::endAtOnce() {
    m_ended = true;
    // Inside the event loop this ends it; before it, start() reports the end instead.
    QCoreApplication::exit(0);
}

void AppController::refreshAll() {
    // A view that does not exist yet is created first; its load refreshes on its own.
    MainWindow* main = mainWindow();
    MiniWindow* mini = main ? miniWindow() : nullptr;
    if (mini == nullptr || m_main == nullptr)
        return;
    kemurina::refreshAll(m_state, m_clock->now(), m_random->drawPercent());
    m_main->render(m_state.display);
    mini->render(m_state.display);
    refreshRecordWindow();
}

void AppController::refreshRecordWindow() {
    if (auto* record = qobject_cast<RecordWindow*>(m_record.data()))
        record->refresh();
}

void AppController::openRecord() {
    if (m_record && m_record->isVisible()) {
        bringToFront(m_record, m_platform->windowPlacementKnown());
        return;
    }
    m_state.history = m_store.loadHistory();
    openDialog(m_record, [this] { return new RecordWindow(*this); });
}

void AppController::restartAttempt(QWidget* owner) {
    // The settings window would write its own quit moment back over the new one.
    if (m_settings && m_settings->isVisible()) {
        m_platform->showMessage(owner, restartWhileSettingsMessage());
        return;
    }
    const DateTimeParts asked = m_clock->now();
    if (checkRestart(m_state.profile, asked) == RestartCheck::Allowed &&
        !m_platform->askYesNo(owner, restartQuestion(m_state.profile, asked)))
        return;
    // The answer may come minutes later: the attempt ends when it is given.
    const DateTimeParts now = m_clock->now();
    const RestartCheck check = checkRestart(m_state.profile, now);
    if (check != RestartCheck::Allowed) {
        m_platform->showMessage(owner, restartRefusedMessage(check));
        return;
    }
    // The file as it is now; one that cannot be read is never written over.
    LoadResult<History> history = m_store.loadHistory();
    if (history.status == ReadStatus::Unreadable) {
        m_state.history = history;
        refreshRecordWindow();
        m_platform->showMessage(owner, historyUnreadableMessage());
        return;
    }
    const QuitProfile before = m_state.profile;
    QuitProfile after = before;
    after.setQuitMoment(now);
    history.record.lines.push_back(historyLineFor(currentAttempt(before, now)));
    if (!saveRestart(before, after, history.record)) {
        m_platform->showMessage(owner, recordSaveFailedMessage());
        return;
    }
    history.status = ReadStatus::Ok;
    m_state.profile = after;
    m_state.history = history;
    // Every view shows the new attempt at once; the views refresh the record window too.
    if (m_main)
        refreshAll();
    else
        refreshRecordWindow();
}

bool AppController::saveRestart(const QuitProfile& before, const QuitProfile& after,
                                const History& history) {
    if (!m_store.saveQuitProfile(after))
        return false;
    if (m_store.saveHistory(history))
        return true;
    // Without its history line the new quit moment would lose the attempt: put it back.
    m_store.saveQuitProfile(before);
    return false;
}

void AppController::reloadRecords() {
    const LoadedRecords records = kemurina::reloadRecords(m_store, m_clock->now());
    m_state.profile = records.profile;
    m_state.options = records.options;
}

void AppController::saveOptions() {
    m_store.saveOptions(m_state.options);
}

void AppController::copyLongReport() {
    copyToClipboard(&longReport);
}

void AppController::copyShortPost() {
    copyToClipboard(&shortPost);
}

void AppController::copyToClipboard(QString (*compose)(const AppState&)) {
    // The texts read the main view's captions; it is created hidden if need be.
    if (mainWindow() == nullptr)
        return;
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(compose(m_state));
}

void AppController::openBlog(QWidget* owner) {
    if (!m_platform->openUrl(QStringLiteral("http://") + m_state.options.blogAddress))
        m_platform->showMessage(owner, browserErrorMessage());
}

void AppController::showVersion(QWidget* owner) {
    m_platform->showMessage(owner, kVersionText);
}

void AppController::switchToMiniView() {
    MainWindow* main = mainWindow();
    MiniWindow* mini = main ? miniWindow() : nullptr;
    if (mini == nullptr)
        return;
    if (m_state.options.windowMode == 2)
        mini->move(main->pos());
    m_state.options.windowMode = 1;
    main->hide();
    mini->show();
}

void AppController::switchToMainView() {
    MainWindow* main = mainWindow();
    if (main == nullptr)
        return;
    m_state.options.windowMode = 0;
    main->show();
    if (m_mini)
        m_mini->hide();
}

void AppController::openSettingsFrom(ViewWindow& caller) {
    closeViewsFor(&caller);
    openDialog(m_settings, [this] { return new SettingsWindow(m_context); });
}

void AppController::openSettings() {
    closeViewsFor(nullptr);
    openDialog(m_settings, [this] { return new SettingsWindow(m_context); });
}

void AppController::closeViewsFor(ViewWindow* caller) {
    ViewWindow* first = caller;
    if (first == nullptr)
        first = m_main ? static_cast<ViewWindow*>(m_main) : m_mini;
    if (first == nullptr)
        return;
    first->hide();
    // Its unload closes the other view too.
    first->close();
}

void AppController::closeOtherView(ViewWindow& closing) {
    ViewWindow* other =
        &closing == m_main ? static_cast<ViewWindow*>(m_mini) : static_cast<ViewWindow*>(m_main);
    if (other != nullptr && !other->isUnloading())
        other->close();
}

void AppController::viewUnloaded(ViewWindow& view) {
    if (&view == m_main)
        m_main = nullptr;
    else if (&view == m_mini)
        m_mini = nullptr;
    quitWhenNoWindowLeft();
}

void AppController::showViewForWindowMode() {
    if (m_state.options.windowMode != 1) {
        showMainView();
        return;
    }
    // The mini view's load creates the main view, hidden, through its refresh.
    if (MiniWindow* mini = miniWindow())
        mini->show();
}

void AppController::showMainView() {
    MainWindow* main = mainWindow();
    if (main == nullptr || miniWindow() == nullptr)
        return;
    main->show();
}

void AppController::openHelp() {
    openDialog(m_help, [this] { return new HelpWindow(m_context); });
}

void AppController::openPremiumNotice() {
    openDialog(m_premium, [this] { return new PremiumNoticeWindow(m_context); });
}

void AppController::openStartConfirmation() {
    openDialog(m_confirmation, [this] { return new StartConfirmationWindow(m_context); });
}

void AppController::openSeasonalGreeting() {
    openDialog(m_seasonal, [this] { return new SeasonalWindow(m_context); });
}

void AppController::bringBack() {
    ViewWindow* view = m_state.options.windowMode == 1 ? static_cast<ViewWindow*>(m_mini)
                                                       : static_cast<ViewWindow*>(m_main);
    if (view != nullptr) {
        view->bringBack();
        return;
    }
    for (const QPointer<QWidget>& dialog : dialogs()) {
        if (dialog && dialog->isVisible())
            bringToFront(dialog, m_platform->windowPlacementKnown());
    }
}

std::array<QPointer<QWidget>, 7> AppController::dialogs() const {
    return {m_setup, m_settings, m_confirmation, m_seasonal, m_help, m_premium, m_record};
}

bool AppController::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Close || event->type() == QEvent::Hide)
        quitWhenNoWindowLeft();
    return QObject::eventFilter(watched, event);
}

void AppController::quitWhenNoWindowLeft() {
    if (m_quitCheckPending)
        return;
    m_quitCheckPending = true;
    // Checked once the current handler has finished, so a window that replaces another
    // in the same handler keeps the program alive.
    QTimer::singleShot(0, this, [this] {
        m_quitCheckPending = false;
        if (m_main || m_mini)
            return;
        for (const QPointer<QWidget>& d : dialogs()) {
            if (d && d->isVisible())
                return;
        }
        QCoreApplication::quit();
    });
}

} // namespace kemurina
