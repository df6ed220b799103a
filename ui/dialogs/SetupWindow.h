#pragma once

#include "ui/AppContext.h"
#include "ui/dialogs/DialogLook.h"

#include <QWidget>

class QLineEdit;

namespace kemurina {

// Form3: the first start asks for the smoking profile, then hands over to the start
// confirmation.
class SetupWindow final : public QWidget {
    Q_OBJECT

  public:
    explicit SetupWindow(AppContext& context, QWidget* parent = nullptr);

    void confirm();

    // Once another instance was found the window never shows: it closes instead, and with no
    // window left the program ends.
    void setVisible(bool visible) override;

  private:
    AppContext& m_context;
    bool m_anotherInstance = false;
    QLineEdit* m_perDayBox = nullptr;
    QLineEdit* m_priceBox = nullptr;
    SizeOptions m_sizeOptions{};
};

} // namespace kemurina
