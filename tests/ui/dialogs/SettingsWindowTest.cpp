#include "support/AppFixture.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

namespace kemurina::testing {
namespace {

const QuitProfile kLiveProfile{2009, 1, 2, 3, 4, 25, 410, 100};

// The settings window opened over records as the files hold them, views closed.
class SettingsTest : public AppTest {
  protected:
    void SetUp() override {
        AppTest::SetUp();
        clock->current = kQuit;
        Options o = options(1);
        o.profileSuffix = 2;
        o.smokingYears = 7;
        o.blogAddress = "blog.example.jp/me/";
        o.statusTheme = "会社モード";
        save(o, kLiveProfile);
        session->reloadRecords();
        startFiles = {profileFile(), optionsFile()};
        open();
    }

    void open() {
        session->request(WindowKind::Settings);
        window = shown("Form2");
        ASSERT_NE(window, nullptr);
    }
    QLineEdit* box(const char* name) { return child<QLineEdit>(window, name); }
    void type(const char* name, const QString& text) { box(name)->setText(text); }
    void click(const char* name) { child<QPushButton>(window, name)->click(); }
    QRadioButton* option(const char* name) { return child<QRadioButton>(window, name); }
    QPalette sample() { return child<QLabel>(window, "Label2")->palette(); }
    // Types into the boxes in this order, "/" between the texts: year, month, day, hour,
    // minute, cigarettes a day, pack price, tobacco tax, consumption tax, years.
    void fill(const char* texts) {
        const char* names[] = {"Text1_0", "Text1_1", "Text1_2", "Text1_3", "Text1_4",
                               "Text2",   "Text3",   "Text5",   "Text6",   "Text7"};
        const QStringList parts = QString::fromUtf8(texts).split(u'/');
        for (int i = 0; i < parts.size(); ++i)
            type(names[i], parts[i]);
    }

    // Saved: the window is gone and the view of windowMode shows what the files hold.
    bool saved() {
        settle();
        return window.isNull() && app->miniView() && app->miniView()->isVisible();
    }
    bool nothingWritten() const { return startFiles == std::pair{profileFile(), optionsFile()}; }

    QPointer<QWidget> window;
    std::pair<QByteArray, QByteArray> startFiles;
};

TEST_F(SettingsTest, ShowsTheRecords) {
    const char* boxes[][2] = {
        {"Text1_0", "2009"}, {"Text1_4", "4"}, {"Text2", "25"}, {"Text3", "410"},
        {"Text5", "12244"},  {"Text6", "5"},   {"Text7", "7"},  {"Text4", "blog.example.jp/me/"}};
    for (const auto& [name, text] : boxes)
        EXPECT_EQ(box(name)->text(), text) << name;
    EXPECT_TRUE(box("Text7")->isEnabled());
    EXPECT_TRUE(child<QCheckBox>(window, "Check2")->isChecked());
    EXPECT_EQ(child<QComboBox>(window, "Combo1")->currentText(), "会社モード");
    EXPECT_EQ(sample().color(QPalette::Window), QColor(28, 3, 141));
    EXPECT_EQ(sample().color(QPalette::WindowText), QColor(255, 255, 255));
    EXPECT_EQ(window->pos(), QPoint(100, 200));
    option("Option2_1")->click();
    EXPECT_FALSE(box("Text7")->isEnabled());

    window->close(); // an unknown size and copy option show the first choices
    QuitProfile unknownSize = kLiveProfile;
    unknownSize.cigaretteLength = 70;
    Options unknownSuffix = session->state().options;
    unknownSuffix.profileSuffix = 9;
    save(unknownSuffix, unknownSize);
    session->reloadRecords();
    open();
    EXPECT_TRUE(option("Option1_1")->isChecked());
    EXPECT_TRUE(option("Option2_0")->isChecked());
}

// The session checks and saves; the window shows why a save stopped and stays open.
TEST_F(SettingsTest, SaveWritesBothRecords) {
    fill("2010/10/1/12/1"); // a minute from now
    click("Command1");
    EXPECT_TRUE(nothingWritten());
    platform->colourAnswers = {QColor(255, 0, 0), std::nullopt, QColor(0, 0, 255)};
    click("Command3");
    click("Command4"); // cancelled: nothing changes
    click("Command4");
    EXPECT_EQ(platform->colourDialogStarts,
              (std::vector<QColor>{Qt::black, QColor(255, 0, 0), QColor(255, 0, 0)}));
    EXPECT_EQ(sample().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(sample().color(QPalette::Window), QColor(0, 0, 255));
    EXPECT_EQ(session->state().options.textColor, kDefaultTextColor);
    window->move(40, 60);
    fill("2010/10/1/12/0/30/440/99999/99/99");
    type("Text4", "my.example.jp/board/");
    for (const char* name : {"Option1_0", "Option2_1", "Option1_0"}) { // a second click keeps it
        QRadioButton* circle = option(name);
        QTest::mouseClick(circle, Qt::LeftButton, {}, QPoint(4, circle->height() / 2));
    }
    child<QCheckBox>(window, "Check2")->setChecked(false);
    child<QComboBox>(window, "Combo1")->setEditText("Space");
    ASSERT_TRUE(QFile::remove(files.optionsPath()) && QDir().mkpath(files.optionsPath()));
    click("Command1"); // initial.ini is written, option.ini cannot be
    ASSERT_TRUE(QDir().rmdir(files.optionsPath()));
    click("Command1");
    EXPECT_EQ(platform->messages, QStringList({"現在より未来の日時は設定できません",
                                               "設定をファイルに保存できませんでした。"
                                               "データフォルダに書き込めるか確認してください"}));
    EXPECT_TRUE(saved());
    EXPECT_EQ(profileFile(), "2010,10,1,12,0,30,440,50\r\n");
    EXPECT_EQ(optionsFile(), "1,99999,99,1,99,0,600,900,16711680,255,"
                             "\"my.example.jp/board/\",1,4500,6000,\"Space\"\r\n");
    open(); // the views read the files; settings show them again
    EXPECT_TRUE(option("Option1_0")->isChecked() && option("Option2_1")->isChecked());
}

TEST_F(SettingsTest, PremiumNotice) {
    click("Command6"); // help opens beside the settings
    EXPECT_NE(shown("Form5"), nullptr);
    type("Text1_0", "2005");
    click("Command5");
    settle();
    EXPECT_TRUE(window.isNull());
    QWidget* notice = shown("Form8");
    ASSERT_NE(notice, nullptr);
    EXPECT_EQ(notice->pos(), QPoint(100, 200));
    auto* page = child<QPushButton>(notice, "Command2");
    page->click();
    EXPECT_EQ(platform->openedUrls, QStringList{"https://www.example.jp/nakaren/"});
    platform->openUrlSucceeds = false;
    page->click();
    EXPECT_EQ(platform->messages,
              QStringList{"エラーです。フォルダオプションの関連付けなどを確認してください"});
    notice->close(); // back to a fresh settings window
    window = shown("Form2");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(box("Text1_0")->text(), "2009");
    window->close(); // the close box leaves no trace either
    settle();
    EXPECT_EQ(app->mainView(), nullptr);
    EXPECT_TRUE(nothingWritten());
}

// Enter in an open list only picks the item; Enter in the window then saves it.
TEST_F(SettingsTest, EnterInAnOpenListOnlyPicks) {
    auto* list = child<QComboBox>(window, "Combo1");
    list->showPopup();
    QTest::keyClick(list->view(), Qt::Key_Down);
    QTest::keyClick(list->view(), Qt::Key_Return);
    settle();
    ASSERT_FALSE(window.isNull());
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_TRUE(saved());
    EXPECT_EQ(savedOptions().statusTheme, "コスモ");
}

// A caption too long for its box gives up a pixel of its size, no more.
TEST_F(SettingsTest, CaptionsInsideTheirBoxes) {
    EXPECT_GE(QFontInfo(child(window, "Label1_13")->font()).pixelSize(),
              QFontInfo(window->font()).pixelSize() - 1);
}

} // namespace
} // namespace kemurina::testing
