#include "ui/main/MiniWindow.h"

#include "ui/dialogs/DialogLook.h"
#include "ui/main/AppController.h"
#include "ui/main/ViewParts.h"

#include <QLabel>
#include <QMenu>

namespace kemurina {

MiniWindow::MiniWindow(AppController& app)
    : ViewWindow(app, QStringLiteral("Form7"), QStringLiteral(" ケムリナ mini mode"),
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
}

void MiniWindow::load() {
    Options& o = m_app.state().options;
    placeAtStored(o.miniLeft, o.miniTop, kMiniWindowRoom);

    QPalette pal = palette();
    pal.setColor(QPalette::Window, toQColor(o.backColor));
    setPalette(pal);
    pal.setColor(QPalette::WindowText, toQColor(o.textColor));
    m_label1->setPalette(pal);

    m_app.refreshAll();
}

void MiniWindow::render(const DisplayValues& values) {
    QString text = values.miniSummary;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_label1->setText(text);
}

QString MiniWindow::popupCaption() const {
    return QStringLiteral("Popupmenu");
}

void MiniWindow::fillPopupMenu(QMenu& menu) {
    addMenuItem(menu, QStringLiteral("mnuCopy"), QStringLiteral("コピーする"),
                [this] { m_app.copyLongReport(); });
    addMenuItem(menu, QStringLiteral("mnuCopy2"), QStringLiteral("ツイッター用にコピー"),
                [this] { m_app.copyShortPost(); });
    addMenuItem(menu, QStringLiteral("mnuBlog"), QStringLiteral("ブログや掲示板を開く"),
                [this] { m_app.openBlog(this); });
    addMenuItem(menu, QStringLiteral("mnuHelp"), QStringLiteral("ヘルプを読む"),
                [this] { m_app.openHelp(); });
    addMenuItem(menu, QStringLiteral("mnuSettei"), QStringLiteral("設定変更をする"), [this] {
        storeMiniPosition();
        m_app.openSettingsFrom(*this);
    });
    addMenuItem(menu, QStringLiteral("mnuVer"), QStringLiteral("バージョン情報"),
                [this] { m_app.showVersion(this); });
    addMenuItem(menu, QStringLiteral("mnuSt"), QStringLiteral("標準サイズで運転する"),
                [this] { m_app.switchToMainView(); });
    addMenuItem(menu, QStringLiteral("mnuExit"), QStringLiteral("アプリケーションの終了"),
                [this] { close(); });
}

void MiniWindow::storeMiniPosition() {
    Options& o = m_app.state().options;
    storePosition(o.miniLeft, o.miniTop);
}

void MiniWindow::unload() {
    removeTrayIcon();
    restoreFromMinimised();
    storeMiniPosition();
    m_app.saveOptions();
    m_app.closeOtherView(*this);
}

} // namespace kemurina
