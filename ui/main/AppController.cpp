#include "ui/main/AppController.h"

#include "ui/dialogs/DialogLook.h"
#include "ui/dialogs/HelpWindow.h"
#include "ui/dialogs/NoticeSettingsWindow.h"
#include "ui/dialogs/PremiumNoticeWindow.h"
#include "ui/dialogs/SeasonalWindow.h"
#include "ui/dialogs/SettingsWindow.h"
#include "ui/dialogs/SetupWindow.h"
#include "ui/dialogs/StartConfirmationWindow.h"
#include "ui/main/CravingWindow.h"
#include "ui/main/MainWindow.h"
#include "ui/main/MiniWindow.h"
#include "ui/main/Pictures.h"
#include "ui/main/RecordWindow.h"
#include "ui/main/ViewParts.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

// The pictures live in the static UI library; registered once before any window needs them.
static QIcon registerResourcesAndLoadIcon() {
    static bool registered = false;
    if (!registered) {
        Q_INIT_RESOURCE(resources);
        registered = true;
    }
    // The window system takes every size as the window's icon: a 256-pixel one alone cost a
    // fifth of the start-up. Larger icons come from the installed theme icons.
    return kemurina::loadProgramIcon();
}

namespace kemurina {

AppController::AppController(Session& session, Platform& platform)
    : m_session(session), m_context{session, platform, registerResourcesAndLoadIcon()} {
    connect(&session, &Session::windowRequested, this, &AppController::open);
    connect(&session, &Session::viewSwitched, this, &AppController::switchView);
    connect(&session, &Session::milestonesReached, this, &AppController::tellMilestones);
    platform.whenStartedAgain([this] { bringBack(); });
}

AppController::~AppController() {
    // Whatever is still open goes without its unload: nothing is written on the way out.
    delete m_main.data();
    delete m_mini.data();
    for (const QPointer<QWidget>& w : dialogs())
        delete w.data();
}

bool AppController::start() {
    QGuiApplication::setQuitOnLastWindowClosed(false);
    switch (m_session.start()) {
    case StartWindow::FirstRunSetup:
        open(WindowKind::FirstRunSetup);
        break;
    case StartWindow::MainShown:
        openViews(View::Main);
        break;
    case StartWindow::MiniShown:
        openViews(View::Mini);
        break;
    }
    return !m_ended;
}

void AppController::open(WindowKind kind) {
    AppContext& c = m_context;
    switch (kind) {
    case WindowKind::FirstRunSetup:
        return openDialog(m_setup, [&c] { return new SetupWindow(c); });
    case WindowKind::StartConfirmation:
        return openDialog(m_confirmation, [&c] { return new StartConfirmationWindow(c); });
    case WindowKind::SeasonalGreeting:
        return openDialog(m_seasonal, [&c] { return new SeasonalWindow(c); });
    case WindowKind::Views:
        return openViews(m_session.state().options.windowMode == WindowMode::Mini ? View::Mini
                                                                                  : View::Main);
    case WindowKind::MainView:
        return openViews(View::Main);
    case WindowKind::Settings:
        closeViews();
        return openDialog(m_settings, [&c] { return new SettingsWindow(c); });
    case WindowKind::PremiumNotice:
        return openDialog(m_premium, [&c] { return new PremiumNoticeWindow(c); });
    case WindowKind::Help:
        return openDialog(m_help, [] { return new HelpWindow; });
    case WindowKind::Record:
        return openRecord();
    case WindowKind::NoticeSettings:
        return openDialog(m_noticeSettings, [&c] { return new NoticeSettingsWindow(c); });
    case WindowKind::Craving:
        return openCraving();
    }
}

template <typename Make> void AppController::openDialog(QPointer<QWidget>& slot, Make make) {
    if (slot && !slot->isVisible()) {
        // Closed and waiting to be deleted: a fresh window takes its place.
        slot->deleteLater();
        slot = nullptr;
    }
    if (!slot) {
        QWidget* dialog = make();
        m_context.platform.fitTitleBar(dialog);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->installEventFilter(this);
        connect(dialog, &QObject::destroyed, this, &AppController::quitWhenNoWindowLeft);
        slot = dialog;
    }
    slot->show();
}

void AppController::openViews(View shown) {
    if (m_ended)
        return;
    if (!m_main && !m_mini) {
        if (m_context.platform.anotherInstanceRunning()) {
            m_context.platform.showMessage(nullptr, alreadyRunningMessage());
            m_ended = true;
            // Inside the event loop this ends it; before it, start() reports the end instead.
            QCoreApplication::exit(0);
            return;
        }
        m_session.openViews();
        m_main = new MainWindow(m_context);
        m_mini = new MiniWindow(m_context);
        for (ViewWindow* view :
             {static_cast<ViewWindow*>(m_main), static_cast<ViewWindow*>(m_mini)}) {
            m_context.platform.fitTitleBar(view);
            connect(view, &ViewWindow::unloaded, this, [this, view] { viewUnloaded(view); });
        }
    }
    (shown == View::Mini ? static_cast<ViewWindow*>(m_mini) : m_main)->show();
}

void AppController::switchView(View shown, bool overMainView) {
    if (!m_main || !m_mini)
        return;
    if (shown == View::Main) {
        m_main->show();
        m_mini->hide();
        return;
    }
    if (overMainView && m_context.platform.windowPlacementKnown())
        m_mini->move(m_main->pos());
    m_main->hide();
    m_mini->show();
}

void AppController::closeViews() {
    ViewWindow* first = m_main;
    if (m_mini && (m_mini->isVisible() || !m_main))
        first = m_mini;
    if (first == nullptr)
        return;
    first->hide();
    // Its unload closes the other view too.
    first->close();
}

void AppController::viewUnloaded(ViewWindow* view) {
    m_session.closeViews();
    if (view == m_main)
        m_main = nullptr;
    else if (view == m_mini)
        m_mini = nullptr;
    ViewWindow* other = m_main ? static_cast<ViewWindow*>(m_main) : m_mini;
    if (other != nullptr && !other->isUnloading())
        other->close();
    quitWhenNoWindowLeft();
}

bool AppController::raiseOpen(QWidget* window) {
    if (window == nullptr || !window->isVisible())
        return false;
    bringToFront(window, m_context.platform.windowPlacementKnown());
    return true;
}

void AppController::openRecord() {
    if (raiseOpen(m_record))
        return;
    m_session.reloadHistory();
    openDialog(m_record, [this] { return new RecordWindow(m_context); });
}

void AppController::openCraving() {
    // A window whose urge is logged gives way to a fresh one for the next urge.
    if (auto* done = qobject_cast<CravingWindow*>(m_craving.data()); done && done->logged())
        done->close();
    if (raiseOpen(m_craving))
        return;
    m_session.reloadCravings();
    openDialog(m_craving, [this] { return makeCravingWindow(); });
}

// The urge window knows plain values only: it is given the session's patterns whenever they
// may have changed, and its requests are carried to the session.
QWidget* AppController::makeCravingWindow() {
    auto* window = new CravingWindow(m_session.now(), m_session.drawSuggestion());
    const Options& o = m_session.state().options;
    window->setColours(toQColor(o.backColor), toQColor(o.textColor));
    const auto render = [this, window] {
        const auto patterns = m_session.cravingPatterns();
        window->showPatterns(patterns[0], patterns[1]);
    };
    render();
    for (const auto changed :
         {&Session::cravingsChanged, &Session::refreshed, &Session::historyChanged})
        connect(&m_session, changed, window, render);
    connect(window, &CravingWindow::cravingLogged, window, [this, window](const Craving& c) {
        const CravingSave saved = m_session.logCraving(c);
        const std::int64_t riddenOut = cravingStats(m_session.state().cravings.record, {},
                                                    m_session.now(), CravingScope::AllTime)
                                           .riddenOut;
        window->showSaveResult(saved, cravingSaveMessage(saved, c, riddenOut));
    });
    connect(window, &CravingWindow::recordWindowRequested, this,
            [this] { open(WindowKind::Record); });
    return window;
}

void AppController::bringBack() {
    ViewWindow* view = m_session.state().options.windowMode == WindowMode::Mini
                           ? static_cast<ViewWindow*>(m_mini)
                           : static_cast<ViewWindow*>(m_main);
    if (view != nullptr) {
        view->bringBack();
        return;
    }
    for (const QPointer<QWidget>& dialog : dialogs())
        raiseOpen(dialog);
}

std::array<QPointer<QWidget>, 9> AppController::dialogs() const {
    return {m_setup, m_settings, m_confirmation, m_seasonal,
            m_help,  m_premium,  m_record,       m_noticeSettings, m_craving};
}

void AppController::tellMilestones(const QString& title, const QString& body) {
    const QPointer<AppController> self(this);
    m_context.platform.notify(title, body, m_context.programIcon, [self] {
        if (self)
            self->open(WindowKind::Record);
    });
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
