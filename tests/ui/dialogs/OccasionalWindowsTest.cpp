#include "DialogFixture.h"
#include "ui/dialogs/HelpWindow.h"
#include "ui/dialogs/PremiumNoticeWindow.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBlock>

using namespace kemurina;
using namespace kemurina::testing;

namespace {

using HelpTest = DialogTest;

TEST_F(HelpTest, ShowsTheWholeDocumentReadOnlyInTwelvePoints) {
    const QString document = helpDocument();
    const QStringList lines = document.split(QStringLiteral("\r\n"));
    ASSERT_GT(lines.size(), 100);
    EXPECT_FALSE(document.contains(QRegularExpression(QStringLiteral("[^\r]\n"))));
    EXPECT_EQ(lines.first(), "＝＝ウインドウ右上のＸボタンを押すとヘルプが終了します＝＝");
    EXPECT_EQ(lines.last(), lines.first());

    QPointer<QWidget> help = new HelpWindow(context);
    EXPECT_EQ(help->windowTitle(), "  (?_?) - help");
    auto* text = control<QPlainTextEdit>(help, "Text1");
    EXPECT_TRUE(text->isReadOnly());
    EXPECT_EQ(text->font().pointSizeF(), 12.0);
    EXPECT_EQ(text->font().families().first(), "ＭＳ ゴシック");
    EXPECT_EQ(text->document()->blockCount(), lines.size());
    EXPECT_EQ(text->document()->lastBlock().text(), lines.last());
    delete help;
}

TEST_F(HelpTest, TheTextFillsTheWindowExceptWhileMinimised) {
    QPointer<QWidget> help = new HelpWindow(context);
    help->show();
    auto* text = control<QPlainTextEdit>(help, "Text1");
    EXPECT_EQ(text->geometry(), help->rect());

    help->resize(420, 300);
    EXPECT_EQ(text->geometry(), QRect(0, 0, 420, 300));

    help->setWindowState(Qt::WindowMinimized);
    help->resize(200, 100);
    EXPECT_EQ(text->size(), QSize(420, 300));

    help->setWindowState(Qt::WindowNoState);
    EXPECT_EQ(text->geometry(), help->rect());
    help->setWindowState(Qt::WindowMaximized);
    help->resize(640, 480);
    EXPECT_EQ(text->geometry(), help->rect());

    help->close();
    EXPECT_TRUE(closed(help));
    EXPECT_TRUE(navigator.calls.isEmpty());
}

class PremiumTest : public DialogTest {
  protected:
    void SetUp() override {
        state.options.mainLeft = 3000;
        state.options.mainTop = 1500;
        notice = new PremiumNoticeWindow(context);
        notice->show();
    }
    QPointer<QWidget> notice;
};

TEST_F(PremiumTest, ShowsTheTwelveLinesWhereTheMainWindowLastStood) {
    EXPECT_EQ(notice->windowTitle(), " ヾ(〃^∇^)ﾉ つぎはのんびり卒煙旅行～");
    EXPECT_EQ(notice->pos(), QPoint(200, 100));
    const QStringList lines = control<QPlainTextEdit>(notice, "Text1")->toPlainText().split(u'\n');
    ASSERT_EQ(lines.size(), 12);
    EXPECT_EQ(lines[0], "みんなでケムリナ ～プレミアムなケムリナ～");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2], "　１）今日の一言ｘ３６５日");
    EXPECT_EQ(lines[7], "　６）長さに加えて重さの例え付き");
    EXPECT_EQ(lines[8], "");
    EXPECT_EQ(lines[10], QString::fromLatin1(kPremiumPageAddress));
    EXPECT_TRUE(lines[10].endsWith(QStringLiteral("/nakaren/")));
    EXPECT_EQ(lines[11], "↓下のボタン（あるいは「なかれん」で検索！）");
}

TEST_F(PremiumTest, TheButtonOpensThePageAndReportsAFailure) {
    auto* button = control<QPushButton>(notice, "Command2");
    EXPECT_EQ(button->text(), "みんなでケムリナの詳細をＷＥＢでみる");
    button->click();
    EXPECT_EQ(platform.openedUrls, QStringList{"https://www.example.jp/nakaren/"});
    EXPECT_TRUE(platform.messages.isEmpty());

    platform.openUrlSucceeds = false;
    button->click();
    EXPECT_EQ(platform.messages,
              QStringList{"エラーです。フォルダオプションの関連付けなどを確認してください"});
    EXPECT_TRUE(notice->isVisible());
    EXPECT_TRUE(navigator.calls.isEmpty());
}

TEST_F(PremiumTest, ClosingReturnsToTheSettingsWindow) {
    platform.openUrlSucceeds = false;
    control<QPushButton>(notice, "Command2")->click();
    notice->close();
    EXPECT_EQ(navigator.calls, QStringList{"openSettings"});
    EXPECT_TRUE(closed(notice));
}

} // namespace
