#include "support/AppFixture.h"

#include <QCheckBox>

namespace kemurina::testing {
namespace {

using MilestoneNoticeTest = AppTest;

TEST_F(MilestoneNoticeTest, TickCloseAndStartAgain) {
    setElapsed(10, 11, 59);
    ASSERT_TRUE(startWith(options()));
    EXPECT_TRUE(platform->notices.empty()) << "a first run tells nothing from the past";
    EXPECT_EQ(fileBytes(files.milestonePath()), "2010,10,11,23,59,1\r\n");

    setElapsed(11);
    session->refresh();
    session->refresh();
    ASSERT_EQ(platform->notices.size(), 1u) << "told once";
    EXPECT_EQ(platform->notices[0].title, "卒煙１１日目");
    platform->notices.front().onClicked();
    ASSERT_NE(app->recordWindow(), nullptr);
    EXPECT_TRUE(app->recordWindow()->isVisible());

    mainView().close();
    settle();
    restart();
    setElapsed(14);
    ASSERT_TRUE(app->start());
    ASSERT_EQ(platform->notices.size(), 1u);
    EXPECT_EQ(platform->notices[0].title, "お休みのあいだに…");
    EXPECT_EQ(platform->notices[0].body,
              "節目を２個迎えました：ステータス「中尉」、ステータス「大尉」。");
}

// The boxes start from what the system and the file keep; a refused change is undone.
TEST_F(MilestoneNoticeTest, WindowSwitchesBoth) {
    ASSERT_TRUE(startWith(options()));
    platform->loginStart = true;
    platform->loginChangeSucceeds = false;
    use(miniView(), "mnuNotice");
    QWidget* window = shown("NoticeSettingsWindow");
    auto* login = child<QCheckBox>(window, "StartAtLoginCheck");
    auto* notify = child<QCheckBox>(window, "NotifyCheck");
    ASSERT_TRUE(login && notify);
    EXPECT_TRUE(login->isChecked() && notify->isChecked());
    login->click();
    EXPECT_TRUE(login->isChecked());
    EXPECT_EQ(platform->messages, QStringList{"ログイン時に起動する設定を変更できませんでした。"});
    notify->click();
    EXPECT_TRUE(fileBytes(files.milestonePath()).endsWith(",0\r\n"));
}

} // namespace
} // namespace kemurina::testing
