#include "ui/dialogs/PremiumNoticeWindow.h"

#include "ui/dialogs/DialogLook.h"

#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QPushButton>

namespace kemurina {

namespace {

constexpr const char* kNoticeLines[] = {
    "みんなでケムリナ ～プレミアムなケムリナ～",
    "",
    "　１）今日の一言ｘ３６５日",
    "　２）日本周遊の卒煙旅行マップ",
    "　３）卒煙キャラクターズ大幅増量",
    "　４）履歴を閲覧できるタイムマシンモード",
    "　５）ブログ出力対応の卒煙日記",
    "　６）長さに加えて重さの例え付き",
    "",
    "詳細は「なかれんご紹介サイト」へ",
    kPremiumPageAddress,
    "↓下のボタン（あるいは「なかれん」で検索！）",
};

QString noticeText() {
    QStringList lines;
    for (const char* line : kNoticeLines)
        lines << QString::fromUtf8(line);
    return lines.join(QStringLiteral("\r\n"));
}

} // namespace

PremiumNoticeWindow::PremiumNoticeWindow(AppContext& context, QWidget* parent)
    : QWidget(parent, Qt::Window), m_context(context) {
    setUpDialog(this, "Form8", QStringLiteral(" ヾ(〃^∇^)ﾉ つぎはのんびり卒煙旅行～"));
    fixClientSize(this, 5655, 3375);

    addShape(this, "Shape1", {120, 120, 5415, 3135});
    auto* text = new QPlainTextEdit(this);
    text->setObjectName(QStringLiteral("Text1"));
    text->setReadOnly(true);
    text->setAccessibleName(QStringLiteral("みんなでケムリナのご案内"));
    text->setPlainText(noticeText());
    placeTwips(text, {720, 240, 4575, 2500});
    auto* pageButton =
        addButton(this, "Command2", QStringLiteral("みんなでケムリナの詳細をＷＥＢでみる"),
                  {240, 2760, 5175, 375});
    connect(pageButton, &QPushButton::clicked, this, &PremiumNoticeWindow::openPage);

    const Options& options = m_context.session.state().options;
    moveToTwips(this, {options.mainLeft, options.mainTop}, m_context.platform);
}

void PremiumNoticeWindow::openPage() {
    if (!m_context.platform.openUrl(QString::fromLatin1(kPremiumPageAddress)))
        m_context.platform.showMessage(this, browserErrorMessage());
}

void PremiumNoticeWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    m_context.session.request(WindowKind::Settings);
}

} // namespace kemurina
