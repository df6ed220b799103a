#pragma once

#include "ui/AppContext.h"

#include <QWidget>

namespace kemurina {

// Form4: asks whether to begin now; beginning sets the quit moment to the current minute.
class StartConfirmationWindow final : public QWidget {
    Q_OBJECT

  public:
    explicit StartConfirmationWindow(AppContext& context, QWidget* parent = nullptr);

    void start();

  private:
    AppContext& m_context;
};

// The end of the first run: both data files written with setup done and the main view
// placed where window stands, then the main view opens.
void completeStart(AppContext& context, QWidget* window);

} // namespace kemurina
