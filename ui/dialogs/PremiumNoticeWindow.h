#pragma once

#include "ui/AppContext.h"

#include <QWidget>

namespace kemurina {

// The premium edition's page, also shown as line 11 of the notice.
inline constexpr char kPremiumPageAddress[] = "https://www.example.jp/nakaren/";

// Form8: describes the premium edition, opens its page, and returns to the settings window
// when closed.
class PremiumNoticeWindow final : public QWidget {
    Q_OBJECT

  public:
    explicit PremiumNoticeWindow(AppContext& context, QWidget* parent = nullptr);

    void openPage();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    AppContext& m_context;
};

} // namespace kemurina
