#pragma once

#include "core/Refresh.h"
#include "ui/main/ViewWindow.h"

class QLabel;

namespace kemurina {

// Form7: the six-line summary alone, in the user's colours; commands only in its menu.
class MiniWindow final : public ViewWindow {
    Q_OBJECT
  public:
    explicit MiniWindow(AppController& app);

    // Places and colours the window from the records in memory, then refreshes.
    void load();

    void render(const DisplayValues& values);

    QLabel* summaryLabel() const { return m_label1; }

  protected:
    QString popupCaption() const override;
    void fillPopupMenu(QMenu& menu) override;
    void unload() override;

  private:
    void storeMiniPosition();

    QLabel* m_label1 = nullptr;
};

} // namespace kemurina
