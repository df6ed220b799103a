#pragma once

#include "core/Session.h"
#include "platform/Platform.h"
#include "ui/AppContext.h"
#include "ui/main/MainWindow.h"
#include "ui/main/MiniWindow.h"

#include <QObject>
#include <QPointer>
#include <array>

namespace kemurina {

// Creates the program's windows: the first one at the start, and every other when the
// session asks for it. Shows and hides the views as the session switches them, closes both
// when one closes, and ends the program when no window is left.
class AppController final : public QObject {
    Q_OBJECT
  public:
    AppController(Session& session, Platform& platform);
    ~AppController() override;

    // Opens the first window. False when the program must end at once (another instance
    // runs); nothing has been written then.
    bool start();

    // The program's icon in every size it is drawn at; the tray takes the 16-pixel one.
    const QIcon& programIcon() const { return m_context.programIcon; }

    // The windows as they are now; null when closed or not created.
    MainWindow* mainView() const { return m_main; }
    MiniWindow* miniView() const { return m_mini; }
    QWidget* recordWindow() const { return m_record; }
    QWidget* cravingWindow() const { return m_craving; }

    // A later start found this one running: the view in use comes back, or the dialog open.
    void bringBack();

  private:
    void open(WindowKind kind);
    void openViews(View shown);
    void closeViews();
    void switchView(View shown, bool overMainView);
    void viewUnloaded(ViewWindow* view);
    void openRecord();
    void openCraving();
    QWidget* makeCravingWindow();
    // Brings an open window to the front; false when there is none to bring.
    bool raiseOpen(QWidget* window);
    // Shows the dialog in slot, made first when there is none. Dialogs are deleted when
    // closed; the process ends when no window is left.
    template <typename Make> void openDialog(QPointer<QWidget>& slot, Make make);
    void quitWhenNoWindowLeft();
    std::array<QPointer<QWidget>, 9> dialogs() const;
    // A notification of the milestones reached; a click on it opens the record window.
    void tellMilestones(const QString& title, const QString& body);
    bool eventFilter(QObject* watched, QEvent* event) override;

    Session& m_session;
    AppContext m_context;

    QPointer<MainWindow> m_main;
    QPointer<MiniWindow> m_mini;
    QPointer<QWidget> m_setup;
    QPointer<QWidget> m_settings;
    QPointer<QWidget> m_confirmation;
    QPointer<QWidget> m_seasonal;
    QPointer<QWidget> m_help;
    QPointer<QWidget> m_premium;
    QPointer<QWidget> m_record;
    QPointer<QWidget> m_noticeSettings;
    QPointer<QWidget> m_craving;
    bool m_ended = false;
    bool m_quitCheckPending = false;
};

} // namespace kemurina
