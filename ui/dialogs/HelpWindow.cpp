#include "ui/dialogs/HelpWindow.h"

#include "ui/dialogs/DialogLook.h"

#include <QEvent>
#include <QFile>
#include <QPlainTextEdit>

namespace kemurina {

QString helpDocument() {
    QFile file(QStringLiteral(":/help/help.txt"));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    QString text = QString::fromUtf8(file.readAll());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (text.endsWith(u'\n'))
        text.chop(1);
    return text.replace(u'\n', QStringLiteral("\r\n"));
}

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setUpDialog(this, "Form5", QStringLiteral("  (?_?) - help"));
    resize(twipsToPixels(9600), twipsToPixels(7200));

    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("Text1"));
    m_text->setReadOnly(true);
    // A caret to read and scroll by: arrows, Page Up and Down, Ctrl+Home and Ctrl+End.
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_text->setAccessibleName(QStringLiteral("ケムリナヘルプ"));
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    useGothicFont(m_text, 12);
    m_text->setPlainText(helpDocument());
    m_text->move(0, 0);
    fitText();
}

void HelpWindow::fitText() {
    if (!(windowState() & Qt::WindowMinimized))
        m_text->resize(size());
}

void HelpWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fitText();
}

void HelpWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        fitText();
}

} // namespace kemurina
