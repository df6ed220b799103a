#pragma once

#include "ui/AppContext.h"

#include <QWidget>

class QCheckBox;

namespace kemurina {

// The start at login and the notices of milestones, each switched as soon as it is clicked.
// The start at login shows what the system has when the window opens: the user may have
// changed it elsewhere.
class NoticeSettingsWindow final : public QWidget {
    Q_OBJECT

  public:
    explicit NoticeSettingsWindow(AppContext& context, QWidget* parent = nullptr);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void setStartAtLogin(bool on);
    void setNotify(bool on);

    AppContext& m_context;
    QCheckBox* m_startAtLogin = nullptr;
    QCheckBox* m_notify = nullptr;
};

} // namespace kemurina
