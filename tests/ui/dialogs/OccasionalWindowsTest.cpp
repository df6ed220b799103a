#include "support/AppFixture.h"
#include "ui/dialogs/HelpWindow.h"
#include "ui/dialogs/PremiumNoticeWindow.h"

#include <QPlainTextEdit>
#include <QPushButton>

namespace kemurina::testing {
namespace {

using Occasional = AppTest;

TEST_F(Occasional, HelpFillsTheWindow) {
    const QStringList lines = helpDocument().split("\r\n");
    EXPECT_EQ(lines.first(), "＝＝ウインドウ右上のＸボタンを押すとヘルプが終了します＝＝");
    EXPECT_EQ(lines.last(), lines.first());

    app->openHelp();
    QWidget* help = shown("Form5");
    auto* text = child<QPlainTextEdit>(help, "Text1");
    EXPECT_TRUE(text->isReadOnly());
    EXPECT_EQ(text->document()->blockCount(), lines.size());
    EXPECT_EQ(text->geometry(), help->rect());
    help->resize(420, 300);
    EXPECT_EQ(text->geometry(), QRect(0, 0, 420, 300));
    help->setWindowState(Qt::WindowMinimized);
    help->resize(200, 100);
    EXPECT_EQ(text->size(), QSize(420, 300)) << "no resize while minimised";
    help->setWindowState(Qt::WindowMaximized);
    help->resize(640, 480);
    EXPECT_EQ(text->geometry(), help->rect());
}

TEST_F(Occasional, PremiumNotice) {
    app->state().options.mainLeft = 3000;
    app->state().options.mainTop = 1500;
    app->openPremiumNotice();
    QWidget* notice = shown("Form8");
    EXPECT_EQ(notice->pos(), QPoint(200, 100));
    const QStringList lines = child<QPlainTextEdit>(notice, "Text1")->toPlainText().split(u'\n');
    ASSERT_EQ(lines.size(), 12);
    EXPECT_EQ(lines[10], QString::fromLatin1(kPremiumPageAddress));
    auto* button = child<QPushButton>(notice, "Command2");
    button->click();
    EXPECT_EQ(platform->openedUrls, QStringList{"https://www.example.jp/nakaren/"});
    EXPECT_TRUE(platform->messages.isEmpty());
    platform->openUrlSucceeds = false;
    button->click();
    EXPECT_EQ(platform->messages,
              QStringList{"エラーです。フォルダオプションの関連付けなどを確認してください"});
    notice->close();
    settle();
    EXPECT_EQ(windowsNamed("Form8"), 0);
    EXPECT_NE(shown("Form2"), nullptr);
}

} // namespace
} // namespace kemurina::testing
