#pragma once

#include "ui/AppContext.h"
#include "ui/dialogs/DialogLook.h"

#include <QColor>
#include <QWidget>
#include <array>
#include <cstdint>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace kemurina {

// Form2: edits the quit moment, the smoking profile and the user-facing options, and writes
// both data files. Colours chosen here stay in the window until the save.
class SettingsWindow final : public QWidget {
    Q_OBJECT

  public:
    explicit SettingsWindow(AppContext& context, QWidget* parent = nullptr);

    void save();
    void cancel();

  private:
    void buildControls();
    void fillFromRecords();
    void chooseColour(std::int32_t& colour);
    void showSampleColours();
    AppContext& m_context;
    Session& m_session;
    std::array<QLineEdit*, 5> m_quitBoxes{};
    QLineEdit* m_perDayBox = nullptr;
    QLineEdit* m_priceBox = nullptr;
    QLineEdit* m_tobaccoTaxBox = nullptr;
    QLineEdit* m_consumptionTaxBox = nullptr;
    QLineEdit* m_yearsBox = nullptr;
    QLineEdit* m_blogBox = nullptr;
    QComboBox* m_themeBox = nullptr;
    QCheckBox* m_packCountBox = nullptr;
    QLabel* m_sample = nullptr;
    SizeOptions m_sizeOptions{};
    std::array<QRadioButton*, 3> m_suffixOptions{};

    std::int32_t m_textColor = 0;
    std::int32_t m_backColor = 0;
    QColor m_lastDialogColour = Qt::black;
};

} // namespace kemurina
