#include "ui/dialogs/SettingsWindow.h"
#include "DialogFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>

using namespace kemurina;
using namespace kemurina::testing;

namespace {

const QString kRange = QStringLiteral("有効範囲内にある半角数字を入れてください");

class SettingsTest : public DialogTest {
  protected:
    void SetUp() override {
        state.profile = {2009, 1, 2, 3, 4, 25, 410, 100};
        state.options.setupDone = 1;
        state.options.profileSuffix = 2;
        state.options.smokingYears = 7;
        state.options.showPackCount = 0;
        state.options.mainLeft = 1500;
        state.options.mainTop = 3000;
        state.options.blogAddress = QStringLiteral("blog.example.jp/me/");
        state.options.statusTheme = QStringLiteral("会社モード");
        state.options.windowMode = 1;
    }

    QPointer<QWidget> open() {
        window = new SettingsWindow(context);
        window->show();
        return window;
    }
    QLineEdit* box(const char* name) { return control<QLineEdit>(window, name); }
    void type(const char* name, const char* text) { box(name)->setText(QString::fromUtf8(text)); }
    void click(const char* name) { control<QPushButton>(window, name)->click(); }
    QLabel* sample() { return control<QLabel>(window, "Label2"); }

    void typeMoment(const char* y, const char* mo, const char* d, const char* h, const char* mi) {
        const char* names[] = {"Text1_0", "Text1_1", "Text1_2", "Text1_3", "Text1_4"};
        const char* values[] = {y, mo, d, h, mi};
        for (int i = 0; i < 5; ++i)
            type(names[i], values[i]);
    }

    bool saved() { return navigator.calls == QStringList{"showViewForWindowMode"}; }

    QPointer<QWidget> window;
};

TEST_F(SettingsTest, LoadShowsTheLiveRecordsAtTheMainWindowsPlace) {
    open();
    EXPECT_EQ(window->objectName(), "Form2");
    EXPECT_EQ(window->windowTitle(), " 設定ウィンドウ - 全て半角で記入してください - pelnoa");
    EXPECT_EQ(box("Text1_0")->text(), "2009");
    EXPECT_EQ(box("Text1_4")->text(), "4");
    EXPECT_EQ(box("Text2")->text(), "25");
    EXPECT_EQ(box("Text3")->text(), "410");
    EXPECT_EQ(box("Text5")->text(), "12244");
    EXPECT_EQ(box("Text6")->text(), "5");
    EXPECT_EQ(box("Text7")->text(), "7");
    EXPECT_EQ(box("Text4")->text(), "blog.example.jp/me/");
    EXPECT_TRUE(control<QRadioButton>(window, "Option1_2")->isChecked());
    EXPECT_TRUE(control<QRadioButton>(window, "Option2_2")->isChecked());
    EXPECT_TRUE(box("Text7")->isEnabled());
    EXPECT_FALSE(control<QCheckBox>(window, "Check2")->isChecked());
    EXPECT_EQ(control<QComboBox>(window, "Combo1")->currentText(), "会社モード");
    EXPECT_EQ(sample()->palette().color(QPalette::Window), QColor(28, 3, 141));
    EXPECT_EQ(sample()->palette().color(QPalette::WindowText), QColor(255, 255, 255));
    EXPECT_EQ(window->pos(), QPoint(100, 200));
}

TEST_F(SettingsTest, AnUnknownSizeAndCopyOptionShowTheInitialChoices) {
    state.profile.cigaretteLength = 70;
    state.options.profileSuffix = 9;
    open();
    EXPECT_TRUE(control<QRadioButton>(window, "Option1_1")->isChecked());
    EXPECT_TRUE(control<QRadioButton>(window, "Option2_0")->isChecked());
    EXPECT_FALSE(box("Text7")->isEnabled());
    control<QRadioButton>(window, "Option2_2")->click();
    EXPECT_TRUE(box("Text7")->isEnabled());
    control<QRadioButton>(window, "Option2_1")->click();
    EXPECT_FALSE(box("Text7")->isEnabled());
}

struct MomentCase {
    const char* what;
    const char* fields[7]; // year, month, day, hour, minute, per day, pack price
    const char* message;   // nullptr: saved
};

void PrintTo(const MomentCase& c, std::ostream* os) {
    *os << c.what;
}

class SettingsValidation : public SettingsTest, public ::testing::WithParamInterface<MomentCase> {};

TEST_P(SettingsValidation, ShowsOneMessageAndWritesNothingOrSavesBothFiles) {
    const MomentCase& c = GetParam();
    open();
    typeMoment(c.fields[0], c.fields[1], c.fields[2], c.fields[3], c.fields[4]);
    type("Text2", c.fields[5]);
    type("Text3", c.fields[6]);
    click("Command1");
    if (c.message == nullptr) {
        EXPECT_TRUE(platform.messages.isEmpty()) << platform.messages.join(u'|').toStdString();
        EXPECT_TRUE(saved());
        EXPECT_TRUE(closed(window));
        EXPECT_NE(profileFile(), "<missing>");
        EXPECT_NE(optionsFile(), "<missing>");
    } else {
        EXPECT_EQ(platform.messages, QStringList{QString::fromUtf8(c.message)});
        EXPECT_TRUE(navigator.calls.isEmpty());
        EXPECT_FALSE(closed(window));
        EXPECT_EQ(profileFile(), "<missing>");
        EXPECT_EQ(optionsFile(), "<missing>");
        EXPECT_EQ(state.profile, (QuitProfile{2009, 1, 2, 3, 4, 25, 410, 100}));
    }
}

constexpr const char* kR = "有効範囲内にある半角数字を入れてください";
constexpr const char* kF = "現在より未来の日時は設定できません";

INSTANTIATE_TEST_SUITE_P(
    Table, SettingsValidation,
    ::testing::Values(
        MomentCase{"29 February 2000", {"2000", "2", "29", "0", "0", "20", "300"}, nullptr},
        MomentCase{"29 February 2008", {"2008", "2", "29", "0", "0", "20", "300"}, nullptr},
        MomentCase{"29 February 1900", {"1900", "2", "29", "0", "0", "20", "300"}, kR},
        MomentCase{"29 February 2010", {"2010", "2", "29", "0", "0", "20", "300"}, kR},
        MomentCase{"31 April", {"2009", "4", "31", "0", "0", "20", "300"}, kR},
        MomentCase{"1899", {"1899", "1", "1", "0", "0", "20", "300"}, kR},
        MomentCase{"next year", {"2011", "1", "1", "0", "0", "20", "300"}, kR},
        MomentCase{"next year, all wrong", {"2011", "13", "32", "24", "60", "0", "0"}, kR},
        MomentCase{"the current minute", {"2010", "10", "1", "12", "0", "20", "300"}, nullptr},
        MomentCase{"one minute later", {"2010", "10", "1", "12", "1", "20", "300"}, kF},
        MomentCase{"later and out of range", {"2010", "10", "1", "12", "1", "0", "300"}, kR},
        MomentCase{"200 a day, 2000 yen", {"2009", "1", "1", "0", "0", "200", "2000"}, nullptr},
        MomentCase{"201 a day", {"2009", "1", "1", "0", "0", "201", "300"}, kR},
        MomentCase{"2001 yen", {"2009", "1", "1", "0", "0", "20", "2001"}, kR},
        MomentCase{"full-width year", {"２００９", "1", "1", "0", "0", "20", "300"}, kR},
        MomentCase{"empty hour and minute", {"2009", "1", "1", "", "", "20", "300"}, nullptr},
        MomentCase{"empty cigarettes", {"2009", "1", "1", "0", "0", "", "300"}, kR},
        MomentCase{"empty price", {"2009", "1", "1", "0", "0", "20", ""}, kR},
        MomentCase{"leading blanks, trailing text",
                   {"2009", "1x", " 1", "0", "0", " 20", "300"},
                   nullptr}),
    [](const auto& info) {
        QString name = QString::fromUtf8(info.param.what);
        name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9]")), QString());
        return name.toStdString();
    });

TEST_F(SettingsTest, ASaveWritesBothRecordsWholeAndReturnsToTheView) {
    open();
    window->move(40, 60);
    typeMoment("2008", "02", "29", "23", "59");
    type("Text2", "30");
    type("Text3", "440");
    control<QRadioButton>(window, "Option1_0")->click();
    control<QRadioButton>(window, "Option2_1")->click();
    control<QCheckBox>(window, "Check2")->setChecked(true);
    type("Text4", "  my.example.jp/board/ ");
    control<QComboBox>(window, "Combo1")->setEditText(QStringLiteral("宇宙戦艦"));
    type("Text5", "8744");
    type("Text6", "8");
    type("Text7", "12");
    click("Command1");

    EXPECT_TRUE(platform.messages.isEmpty());
    EXPECT_EQ(profileFile(), "2008,2,29,23,59,30,440,50\r\n");
    const auto options = store.loadOptions();
    ASSERT_EQ(options.status, ReadStatus::Ok);
    Options expected = state.options;
    expected.profileSuffix = 1;
    expected.showPackCount = 1;
    expected.blogAddress = QStringLiteral("my.example.jp/board/");
    expected.statusTheme = QStringLiteral("宇宙戦艦");
    expected.tobaccoTaxPer1000 = 8744;
    expected.consumptionTaxPercent = 8;
    expected.smokingYears = 12;
    expected.mainLeft = 600;
    expected.mainTop = 900;
    EXPECT_EQ(options.record, expected);
    EXPECT_EQ(state.options, expected);
    EXPECT_EQ(state.profile, store.loadQuitProfile(clock.now()).record);
    EXPECT_TRUE(saved());
    EXPECT_TRUE(closed(window));
}

struct LateStopCase {
    const char* what;
    const char* tobaccoTax;
    const char* consumptionTax;
    const char* years;
};

void PrintTo(const LateStopCase& c, std::ostream* os) {
    *os << c.what;
}

class SettingsLateStop : public SettingsTest, public ::testing::WithParamInterface<LateStopCase> {};

TEST_P(SettingsLateStop, ComesAfterTheProfileFileIsWritten) {
    const LateStopCase& c = GetParam();
    open();
    control<QRadioButton>(window, "Option2_0")->click();
    type("Text2", "33");
    type("Text5", c.tobaccoTax);
    type("Text6", c.consumptionTax);
    type("Text7", c.years);
    click("Command1");
    EXPECT_EQ(platform.messages, QStringList{kRange});
    EXPECT_EQ(profileFile(), "2009,1,2,3,4,33,410,100\r\n");
    EXPECT_EQ(optionsFile(), "<missing>");
    EXPECT_EQ(state.options.profileSuffix, 2); // the live options keep what option.ini holds
    EXPECT_TRUE(navigator.calls.isEmpty());
    EXPECT_FALSE(closed(window));
}

INSTANTIATE_TEST_SUITE_P(Table, SettingsLateStop,
                         ::testing::Values(LateStopCase{"EmptyTax", "", "5", "5"},
                                           LateStopCase{"TextTax", "abc", "5", "5"},
                                           LateStopCase{"NegativeTax", "-1", "5", "5"},
                                           LateStopCase{"FullWidthTax", "８７４４", "5", "5"},
                                           LateStopCase{"EmptyConsumptionTax", "8744", "", "5"},
                                           LateStopCase{"NegativeConsumptionTax", "8744", "-1",
                                                        "5"},
                                           LateStopCase{"ZeroYearsWhileOff", "8744", "5", "0"},
                                           LateStopCase{"EmptyYears", "8744", "5", ""},
                                           LateStopCase{"AllThreeWrong", "x", "x", "0"}),
                         [](const auto& info) { return std::string(info.param.what); });

TEST_F(SettingsTest, TheLargestTypableTaxesAreAccepted) {
    open();
    type("Text5", "99999");
    type("Text6", "99");
    type("Text7", "99");
    click("Command1");
    EXPECT_TRUE(saved());
    EXPECT_EQ(state.options.tobaccoTaxPer1000, 99999);
    EXPECT_EQ(state.options.consumptionTaxPercent, 99);
}

TEST_F(SettingsTest, EnterInAnyFieldSaves) {
    for (const char* name : {"Text1_3", "Text5", "Text4", "Text7"}) {
        navigator.calls.clear();
        open();
        QTest::keyClick(box(name), Qt::Key_Return);
        EXPECT_TRUE(saved()) << name;
        EXPECT_TRUE(closed(window)) << name;
    }
    open();
    navigator.calls.clear();
    QTest::keyClick(control<QComboBox>(window, "Combo1")->lineEdit(), Qt::Key_Enter);
    EXPECT_TRUE(saved());
}

TEST_F(SettingsTest, ColoursStartFromTheLastChoiceAndShowInTheSampleOnly) {
    open();
    platform.colourAnswers = {QColor(255, 0, 0), std::nullopt, QColor(0, 0, 255)};
    click("Command3");
    click("Command4"); // cancelled: nothing changes
    click("Command4");
    ASSERT_EQ(platform.colourDialogStarts.size(), 3u);
    EXPECT_EQ(platform.colourDialogStarts[0], QColor(Qt::black));
    EXPECT_EQ(platform.colourDialogStarts[1], QColor(255, 0, 0));
    EXPECT_EQ(platform.colourDialogStarts[2], QColor(255, 0, 0));
    EXPECT_EQ(sample()->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(sample()->palette().color(QPalette::Window), QColor(0, 0, 255));
    EXPECT_EQ(state.options.textColor, kDefaultTextColor);
    EXPECT_EQ(state.options.backColor, kDefaultBackColor);

    click("Command1");
    EXPECT_EQ(state.options.textColor, 255);
    EXPECT_EQ(state.options.backColor, 255 << 16);
    EXPECT_EQ(store.loadOptions().record.textColor, 255);
}

TEST_F(SettingsTest, CancelAfterAColourChangeLeavesNoTrace) {
    const Options before = state.options;
    open();
    platform.colourAnswers = {QColor(0, 255, 0)};
    click("Command3");
    type("Text1_0", "2001");
    click("Command2");
    EXPECT_EQ(navigator.calls, QStringList{"showViewForWindowMode"});
    EXPECT_TRUE(closed(window));
    EXPECT_EQ(state.options, before);
    EXPECT_EQ(state.profile.quitYear, 2009);
    EXPECT_EQ(profileFile(), "<missing>");
    EXPECT_EQ(optionsFile(), "<missing>");

    // Opened again, the window shows the old colours and starts the dialog from black.
    open();
    EXPECT_EQ(sample()->palette().color(QPalette::WindowText), QColor(255, 255, 255));
    platform.colourAnswers.clear();
    click("Command4");
    EXPECT_EQ(platform.colourDialogStarts.back(), QColor(Qt::black));
}

TEST_F(SettingsTest, HelpKeepsTheWindowOpenAndPremiumReplacesIt) {
    open();
    click("Command6");
    EXPECT_EQ(navigator.calls, QStringList{"openHelp"});
    EXPECT_FALSE(closed(window));
    EXPECT_TRUE(window->isVisible());

    type("Text1_0", "2005");
    click("Command5");
    EXPECT_EQ(navigator.calls, (QStringList{"openHelp", "openPremiumNotice"}));
    EXPECT_TRUE(closed(window));
    EXPECT_EQ(state.profile.quitYear, 2009);
    EXPECT_EQ(profileFile(), "<missing>");
}

TEST_F(SettingsTest, TheCloseBoxSavesNothingAndOpensNothing) {
    open();
    type("Text1_0", "2005");
    window->close();
    EXPECT_TRUE(closed(window));
    EXPECT_TRUE(navigator.calls.isEmpty());
    EXPECT_EQ(profileFile(), "<missing>");
    EXPECT_EQ(optionsFile(), "<missing>");
}

TEST_F(SettingsTest, AFailedWriteIsReportedAndTheWindowStaysOpen) {
    // A plain file where the data folder belongs: nothing can be written.
    QFile blocker(store.dataDir());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    open();
    click("Command1");
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_NE(platform.messages.first(), kRange);
    EXPECT_TRUE(navigator.calls.isEmpty());
    EXPECT_FALSE(closed(window));
    EXPECT_EQ(box("Text1_0")->text(), "2009");
}

} // namespace
