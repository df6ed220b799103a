#include "ui/dialogs/SetupWindow.h"

#include "core/EntryRules.h"
#include "ui/Accessibility.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace kemurina {

SetupWindow::SetupWindow(AppContext& context, QWidget* parent)
    : QWidget(parent, Qt::Window), m_context(context) {
    setUpDialog(this, "Form3", QStringLiteral(" ケムリナ初期設定 - pelnoa"));
    fixClientSize(this, 5775, 3840);

    addLabel(this, "Label2_0", QStringLiteral("初期値を設定してください"), {1320, 120, 3375, 255});
    auto* perDay = addLabel(this, "Label2_1", QStringLiteral("一日あたりに吸っているタバコの本数"),
                            {1200, 600, 3615, 255});
    auto* perDayRange =
        addLabel(this, "Label1", QStringLiteral("（１から２００までの半角数字で記入）"),
                 {1200, 840, 3615, 255});
    m_perDayBox = addTextBox(this, "Text1_0", 3, {2040, 1080, 1215, 270});
    labelInput(perDay, m_perDayBox);
    m_perDayBox->setAccessibleDescription(perDayRange->text());
    auto* price = addLabel(this, "Label2_2", QStringLiteral("一箱（２０本）あたりのタバコの金額"),
                           {1200, 1440, 3375, 255});
    auto* priceRange =
        addLabel(this, "Label3", QStringLiteral("（１から２０００の半角数字で記入）"),
                 {1200, 1680, 3375, 255});
    m_priceBox = addTextBox(this, "Text1_1", 4, {2040, 1920, 1215, 270});
    labelInput(price, m_priceBox);
    m_priceBox->setAccessibleDescription(priceRange->text());
    auto* size = addLabel(this, "Label2_3", QStringLiteral("あなたの吸っているタバコのサイズ"),
                          {1320, 2400, 3375, 255});
    m_sizeOptions = addSizeOptions(this, {960, 2160, 3720}, 2640);
    describeGroup(m_sizeOptions, size->text());
    showCigaretteLength(m_sizeOptions, kCigaretteLengths[kStandardSize]);
    auto* confirmButton =
        addButton(this, "Command1", QStringLiteral("設定する"), {1440, 3120, 2295, 375});
    connect(confirmButton, &QPushButton::clicked, this, &SetupWindow::confirm);
    onEnterKey(this, [this] { confirm(); });
    centreOnScreen(this);

    if (m_context.platform.anotherInstanceRunning()) {
        m_anotherInstance = true;
        m_context.platform.showMessage(this, alreadyRunningMessage());
    }
}

void SetupWindow::setVisible(bool visible) {
    if (visible && m_anotherInstance) {
        close();
        return;
    }
    QWidget::setVisible(visible);
}

void SetupWindow::confirm() {
    if (!m_context.session.acceptSetup(m_perDayBox->text(), m_priceBox->text(),
                                       chosenCigaretteLength(m_sizeOptions))) {
        m_context.platform.showMessage(this, rangeMessage());
        return;
    }
    m_context.session.request(WindowKind::StartConfirmation);
    close();
}

} // namespace kemurina
