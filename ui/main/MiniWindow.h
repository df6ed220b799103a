#pragma once

#include "ui/main/ViewWindow.h"

class QLabel;

namespace kemurina {

// Form7: the six-line summary alone, in the user's colours; commands only in its menu.
class MiniWindow final : public ViewWindow {
    Q_OBJECT
  public:
    // Placed at the stored corner, in the stored colours, showing the last refresh.
    explicit MiniWindow(AppContext& context);

    QLabel* summaryLabel() const { return m_label1; }

  private:
    void render();

    QLabel* m_label1 = nullptr;
};

} // namespace kemurina
