#include "support/AppFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace kemurina::testing {
namespace {

const QString kRange = "有効範囲内にある半角数字を入れてください";
const QString kFuture = "現在より未来の日時は設定できません";
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
        o.showPackCount = 0;
        o.blogAddress = "blog.example.jp/me/";
        o.statusTheme = "会社モード";
        ASSERT_TRUE(files.saveQuitProfile(kLiveProfile) && files.saveOptions(o));
        app->state().profile = kLiveProfile;
        app->state().options = o;
        startFiles = {profileFile(), optionsFile()};
        app->openSettings();
        window = shown("Form2");
        ASSERT_NE(window, nullptr);
    }

    QLineEdit* box(const char* name) { return child<QLineEdit>(window, name); }
    void type(const char* name, const QString& text) { box(name)->setText(text); }
    void click(const char* name) { child<QPushButton>(window, name)->click(); }
    QRadioButton* option(const char* name) { return child<QRadioButton>(window, name); }
    QPalette sample() { return child<QLabel>(window, "Label2")->palette(); }
    // The quit moment, cigarettes a day and pack price, "/" between the boxes.
    void typeProfile(const char* boxes) {
        const QStringList texts = QString::fromUtf8(boxes).split(u'/');
        const char* names[] = {"Text1_0", "Text1_1", "Text1_2", "Text1_3",
                               "Text1_4", "Text2",   "Text3"};
        for (int i = 0; i < 7; ++i)
            type(names[i], texts[i]);
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
    EXPECT_TRUE(option("Option1_2")->isChecked());
    EXPECT_TRUE(option("Option2_2")->isChecked());
    EXPECT_TRUE(box("Text7")->isEnabled());
    EXPECT_FALSE(child<QCheckBox>(window, "Check2")->isChecked());
    EXPECT_EQ(child<QComboBox>(window, "Combo1")->currentText(), "会社モード");
    EXPECT_EQ(sample().color(QPalette::Window), QColor(28, 3, 141));
    EXPECT_EQ(sample().color(QPalette::WindowText), QColor(255, 255, 255));
    EXPECT_EQ(window->pos(), QPoint(100, 200));
    option("Option2_1")->click();
    EXPECT_FALSE(box("Text7")->isEnabled());

    window->close(); // an unknown size and copy option show the first choices
    app->state().profile.cigaretteLength = 70;
    app->state().options.profileSuffix = 9;
    app->openSettings();
    window = shown("Form2");
    EXPECT_TRUE(option("Option1_1")->isChecked());
    EXPECT_TRUE(option("Option2_0")->isChecked());
}

struct EntryCase {
    const char* name;
    const char* fields;     // year/month/day/hour/minute/per day/pack price
    const QString* message; // null: saved
};

class SettingsEntry : public SettingsTest, public ::testing::WithParamInterface<EntryCase> {};

TEST_P(SettingsEntry, StopOrSave) {
    typeProfile(GetParam().fields);
    click("Command1");
    if (GetParam().message == nullptr) {
        EXPECT_TRUE(platform->messages.isEmpty()) << qPrintable(platform->messages.join(u'|'));
        EXPECT_TRUE(saved());
    } else {
        EXPECT_EQ(platform->messages, QStringList{*GetParam().message});
        EXPECT_FALSE(saved());
        EXPECT_TRUE(nothingWritten());
        EXPECT_EQ(app->state().profile, kLiveProfile);
    }
}

// The calendar's edges are the entry rules' own; these show the window's order of checks.
INSTANTIATE_TEST_SUITE_P(
    Table, SettingsEntry,
    ::testing::Values(EntryCase{"LeapDay", "2008/2/29/0/0/20/300", nullptr},
                      EntryCase{"April31", "2009/4/31/0/0/20/300", &kRange},
                      EntryCase{"ThisMinute", "2010/10/1/12/0/20/300", nullptr},
                      EntryCase{"NextMinute", "2010/10/1/12/1/20/300", &kFuture},
                      EntryCase{"RangeFirst", "2010/10/1/12/1/0/300", &kRange},
                      EntryCase{"AllWrong", "2011/13/32/24/60/0/0", &kRange},
                      EntryCase{"Price2001", "2009/1/1/0/0/20/2001", &kRange},
                      EntryCase{"FullWidth", "２００９/1/1/0/0/20/300", &kRange},
                      EntryCase{"EmptyClock", "2009/1/1///20/300", nullptr},
                      EntryCase{"Blanks", "2009/1x/ 1/0/0/ 20/300", nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SettingsTest, SaveWritesBothRecords) {
    window->move(40, 60);
    typeProfile("2008/02/29/23/59/30/440");
    type("Text5", "99999");
    type("Text6", "99");
    type("Text7", "99");
    type("Text4", "  my.example.jp/board/ ");
    option("Option1_0")->click();
    option("Option2_1")->click();
    child<QCheckBox>(window, "Check2")->setChecked(true);
    child<QComboBox>(window, "Combo1")->setEditText("宇宙戦艦");
    click("Command1");
    EXPECT_TRUE(platform->messages.isEmpty());
    EXPECT_TRUE(saved());
    EXPECT_EQ(profileFile(), "2008,2,29,23,59,30,440,50\r\n");
    Options expected = options(1);
    expected.profileSuffix = 1;
    expected.smokingYears = 99;
    expected.blogAddress = "my.example.jp/board/";
    expected.statusTheme = "宇宙戦艦";
    expected.tobaccoTaxPer1000 = 99999;
    expected.consumptionTaxPercent = 99;
    expected.mainLeft = 600;
    expected.mainTop = 900;
    EXPECT_EQ(savedOptions(), expected);
    EXPECT_EQ(app->state().options, expected);
    EXPECT_EQ(app->state().profile, files.loadQuitProfile(kQuit).record);
}

TEST_F(SettingsTest, LateStops) {
    const char* cases[][3] = {{"", "5", "5"},         {"abc", "5", "5"}, {"-1", "5", "5"},
                              {"８７４４", "5", "5"}, {"8744", "", "5"}, {"8744", "-1", "5"},
                              {"8744", "5", "0"},     {"8744", "5", ""}, {"x", "x", "0"}};
    option("Option2_0")->click();
    type("Text2", "33");
    for (const auto& [tobacco, consumption, years] : cases) {
        platform->messages.clear();
        type("Text5", QString::fromUtf8(tobacco));
        type("Text6", consumption);
        type("Text7", years);
        click("Command1");
        EXPECT_EQ(platform->messages, QStringList{kRange}) << tobacco << consumption << years;
        EXPECT_FALSE(saved());
        EXPECT_EQ(profileFile(), "2009,1,2,3,4,33,410,100\r\n");
        EXPECT_EQ(optionsFile(), startFiles.second);
        EXPECT_EQ(app->state().options.profileSuffix, 2);
    }
}

TEST_F(SettingsTest, Colours) {
    platform->colourAnswers = {QColor(255, 0, 0), std::nullopt, QColor(0, 0, 255)};
    click("Command3");
    click("Command4"); // cancelled: nothing changes
    click("Command4");
    EXPECT_EQ(platform->colourDialogStarts,
              (std::vector<QColor>{Qt::black, QColor(255, 0, 0), QColor(255, 0, 0)}));
    EXPECT_EQ(sample().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(sample().color(QPalette::Window), QColor(0, 0, 255));
    EXPECT_EQ(app->state().options.textColor, kDefaultTextColor);
    click("Command1");
    EXPECT_EQ(savedOptions().textColor, 255);
    EXPECT_EQ(savedOptions().backColor, 255 << 16);
}

TEST_F(SettingsTest, CancelLeavesNoTrace) {
    const AppState before = app->state();
    platform->colourAnswers = {QColor(0, 255, 0)};
    click("Command3");
    type("Text1_0", "2001");
    click("Command6"); // help opens beside it
    EXPECT_NE(shown("Form5"), nullptr);
    EXPECT_TRUE(window->isVisible());
    click("Command2");
    EXPECT_TRUE(saved());
    EXPECT_TRUE(nothingWritten());
    EXPECT_EQ(app->state().profile, before.profile);

    app->openSettings(); // the old colours again, and the dialog starts from black
    window = shown("Form2");
    EXPECT_EQ(sample().color(QPalette::WindowText), QColor(255, 255, 255));
    click("Command4");
    EXPECT_EQ(platform->colourDialogStarts.back(), QColor(Qt::black));
    type("Text1_0", "2005");
    click("Command5");
    settle();
    EXPECT_TRUE(window.isNull());
    ASSERT_NE(shown("Form8"), nullptr);
    shown("Form8")->close(); // back to a fresh settings window
    window = shown("Form2");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(box("Text1_0")->text(), "2009");
    window->close();
    settle();
    EXPECT_EQ(app->mainView(), nullptr);
    EXPECT_EQ(profileFile(), startFiles.first);
    EXPECT_EQ(savedOptions().textColor, kDefaultTextColor);
}

TEST_F(SettingsTest, FailedWriteReported) {
    ASSERT_TRUE(QDir(files.dataDir()).removeRecursively());
    ASSERT_TRUE(writeBytes(files.dataDir(), "a file where the data folder belongs"));
    click("Command1");
    EXPECT_EQ(platform->messages, QStringList{"設定をファイルに保存できませんでした。"
                                              "データフォルダに書き込めるか確認してください"});
    EXPECT_FALSE(saved());
}

} // namespace
} // namespace kemurina::testing
