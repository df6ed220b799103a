#include "ui/dialogs/NoticeSettingsWindow.h"

#include "ui/dialogs/DialogLook.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace kemurina {

namespace {

constexpr int kTextWidth = 360;

QString explanation() {
    return QStringLiteral(
        "からだの回復、新しいステータス、１１日ごとのお楽しみ、卒煙１週間・１か月・１００日・毎年の"
        "記念日を迎えると、デスクトップの通知でお知らせします。通知をクリックすると卒煙の記録が開き"
        "ます。"
        "ケムリナを閉じていたあいだに迎えた節目は、次に起動したときにまとめてお知らせします。");
}

QString loginChangeFailedMessage() {
    return QStringLiteral("ログイン時に起動する設定を変更できませんでした。");
}

void setCheckedQuietly(QCheckBox* box, bool checked) {
    const QSignalBlocker quiet(box);
    box->setChecked(checked);
}

} // namespace

NoticeSettingsWindow::NoticeSettingsWindow(AppContext& context, QWidget* parent)
    : QWidget(parent, Qt::Window), m_context(context) {
    setUpDialog(this, "NoticeSettingsWindow", QStringLiteral(" お知らせと自動起動 - pelnoa"));
    setAccessibleName(QStringLiteral("お知らせと自動起動"));

    auto* layout = new QVBoxLayout(this);
    m_startAtLogin = new QCheckBox(QStringLiteral("ログイン時にケムリナを起動する"), this);
    m_startAtLogin->setObjectName(QStringLiteral("StartAtLoginCheck"));
    m_notify = new QCheckBox(QStringLiteral("節目をお知らせする"), this);
    m_notify->setObjectName(QStringLiteral("NotifyCheck"));
    auto* text = new QLabel(explanation(), this);
    text->setObjectName(QStringLiteral("ExplanationLabel"));
    text->setWordWrap(true);
    text->setFixedWidth(kTextWidth);
    auto* close = new QPushButton(QStringLiteral("閉じる"), this);
    close->setObjectName(QStringLiteral("CloseButton"));

    layout->addWidget(m_startAtLogin);
    layout->addWidget(m_notify);
    layout->addWidget(text);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_startAtLogin, &QCheckBox::toggled, this, &NoticeSettingsWindow::setStartAtLogin);
    connect(m_notify, &QCheckBox::toggled, this, &NoticeSettingsWindow::setNotify);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);
}

void NoticeSettingsWindow::showEvent(QShowEvent* event) {
    setCheckedQuietly(m_startAtLogin, m_context.platform.startsAtLogin());
    setCheckedQuietly(m_notify, m_context.session.notifiesMilestones());
    QWidget::showEvent(event);
}

void NoticeSettingsWindow::setStartAtLogin(bool on) {
    if (m_context.platform.setStartsAtLogin(m_context.session.store().appDir(), on))
        return;
    setCheckedQuietly(m_startAtLogin, m_context.platform.startsAtLogin());
    m_context.platform.showMessage(this, loginChangeFailedMessage());
}

void NoticeSettingsWindow::setNotify(bool on) {
    if (!m_context.session.setNotifiesMilestones(on))
        m_context.platform.showMessage(this, saveFailedMessage());
}

} // namespace kemurina
