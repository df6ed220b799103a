#include "ui/dialogs/StartConfirmationWindow.h"

#include "ui/dialogs/DialogLook.h"
#include "ui/dialogs/SeasonalWindow.h"

#include <QLabel>
#include <QPushButton>

namespace kemurina {

StartConfirmationWindow::StartConfirmationWindow(AppContext& context, QWidget* parent)
    : QWidget(parent, Qt::Window), m_context(context) {
    setUpDialog(this, "Form4", QStringLiteral(" ( ・◇・)  - pelnoa"));
    fixClientSize(this, 5655, 3855);

    auto* welcome =
        addLabel(this, "Label1", QStringLiteral("ようこそケムリナへ"), {1800, 480, 2055, 375});
    useGothicFont(welcome, 10.5);
    welcome->setAlignment(Qt::AlignCenter);
    addLabel(this, "Label2_0", QStringLiteral("これでタバコとは、永遠のサヨナラとなります。"),
             {960, 1200, 3975, 255});
    addLabel(this, "Label2_1", QStringLiteral("今から卒煙を開始しますか？"),
             {1680, 1560, 2655, 255});
    addLabel(this, "Label3", QStringLiteral("どうしますか？"), {2160, 1920, 1575, 255});
    auto* startButton =
        addButton(this, "Command1", QStringLiteral("卒煙を開始する(CR)"), {1680, 2400, 2175, 495});
    auto* later =
        addButton(this, "Command2_0", QStringLiteral("もう少し考える"), {720, 3000, 1935, 375});
    auto* nextTime = addButton(this, "Command2_1", QStringLiteral("また次の機会にする"),
                               {2760, 3000, 2055, 375});
    connect(startButton, &QPushButton::clicked, this, &StartConfirmationWindow::start);
    connect(later, &QPushButton::clicked, this, &QWidget::close);
    connect(nextTime, &QPushButton::clicked, this, &QWidget::close);
    onEnterKey(this, [this] { start(); });
    centreOnScreen(this);
}

void StartConfirmationWindow::start() {
    const DateTimeParts now = m_context.session.beginNow();
    if (seasonalLayoutFor(now.month, now.day)) {
        m_context.session.request(WindowKind::SeasonalGreeting);
        close();
        return;
    }
    completeStart(m_context, this);
}

void completeStart(AppContext& context, QWidget* window) {
    const TwipsPoint stored = context.session.corner(View::Main);
    if (!context.session.completeStart(windowTwips(window, context.platform, stored)))
        context.platform.showMessage(window, saveFailedMessage());
    context.session.request(WindowKind::MainView);
    window->close();
}

} // namespace kemurina
