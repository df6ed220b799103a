#include "ui/main/MiniWindow.h"

#include "ui/dialogs/DialogLook.h"
#include "ui/main/ViewParts.h"

#include <QLabel>

namespace kemurina {

MiniWindow::MiniWindow(AppContext& context)
    : ViewWindow(context, View::Mini, QStringLiteral("Form7"),
                 QStringLiteral(" ケムリナ mini mode"),
                 QSize(twipsToPixels(4230), twipsToPixels(1320))) {
    setAutoFillBackground(true);
    // Wider than the window on purpose: long lines are cut at the window's right edge.
    m_label1 = new LineStackLabel(this);
    m_label1->setObjectName(QStringLiteral("Label1"));
    placeTwips(m_label1, {120, 120, 5000, 1095});
    m_label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_label1->setTextFormat(Qt::PlainText);
    m_label1->setAutoFillBackground(true);
    // Double clicks and the right button on the summary act as on the window itself.
    m_label1->setAttribute(Qt::WA_TransparentForMouseEvents);
    // The keyboard focus rests on the summary, so a screen reader reads its six lines.
    m_label1->setFocusPolicy(Qt::TabFocus);
    auto* image2 = new QLabel(this);
    image2->setObjectName(QStringLiteral("Image2"));
    placeTwips(image2, {0, 0, 240, 240});
    image2->hide();

    placeAtStoredCorner();
    const Options& o = m_session.state().options;
    QPalette pal = palette();
    pal.setColor(QPalette::Window, toQColor(o.backColor));
    setPalette(pal);
    pal.setColor(QPalette::WindowText, toQColor(o.textColor));
    m_label1->setPalette(pal);
    render();
    connect(&m_session, &Session::refreshed, this, &MiniWindow::render);
}

void MiniWindow::render() {
    QString text = m_session.state().display.miniSummary;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_label1->setText(text);
}

} // namespace kemurina
