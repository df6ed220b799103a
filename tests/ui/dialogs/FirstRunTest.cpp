#include "DialogFixture.h"
#include "ui/dialogs/EntryRules.h"
#include "ui/dialogs/SeasonalWindow.h"
#include "ui/dialogs/SetupWindow.h"
#include "ui/dialogs/StartConfirmationWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QMovie>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace kemurina;
using namespace kemurina::testing;

namespace {

class FirstRunTest : public DialogTest {
  protected:
    void SetUp() override {
        // What start-up leaves behind on a first start.
        state.profile = QuitProfile::defaultsAt({2010, 9, 30, 8, 0});
        ASSERT_TRUE(store.saveQuitProfile(state.profile));
        ASSERT_TRUE(store.saveOptions(state.options));
        startProfileFile = profileFile();
        startOptionsFile = optionsFile();
    }

    bool nothingWritten() {
        return profileFile() == startProfileFile && optionsFile() == startOptionsFile;
    }

    QByteArray startProfileFile;
    QByteArray startOptionsFile;
};

TEST_F(FirstRunTest, AnotherInstanceEndsTheSetupAtOnce) {
    platform.anotherInstance = true;
    QPointer<SetupWindow> setup = new SetupWindow(context);
    EXPECT_TRUE(setup->anotherInstanceFound());
    EXPECT_EQ(platform.messages, QStringList{"プログラムは既に起動されています。"});
    setup->show();
    EXPECT_FALSE(setup->isVisible());
    EXPECT_TRUE(closed(setup.data()));
    EXPECT_TRUE(navigator.calls.isEmpty());
    EXPECT_TRUE(nothingWritten());
}

struct SetupCase {
    const char* perDay;
    const char* price;
    bool accepted;
};

void PrintTo(const SetupCase& c, std::ostream* os) {
    *os << c.perDay << " / " << c.price;
}

class SetupValidation : public FirstRunTest, public ::testing::WithParamInterface<SetupCase> {};

TEST_P(SetupValidation, AcceptsOneToTwoHundredAndOneToTwoThousand) {
    const SetupCase& c = GetParam();
    QPointer<QWidget> setup = new SetupWindow(context);
    setup->show();
    control<QLineEdit>(setup, "Text1_0")->setText(QString::fromUtf8(c.perDay));
    control<QLineEdit>(setup, "Text1_1")->setText(QString::fromUtf8(c.price));
    control<QPushButton>(setup, "Command1")->click();
    if (c.accepted) {
        EXPECT_TRUE(platform.messages.isEmpty());
        EXPECT_EQ(navigator.calls, QStringList{"openStartConfirmation"});
        EXPECT_TRUE(closed(setup));
        EXPECT_EQ(state.profile.cigarettesPerDay, valueOfText(QString::fromUtf8(c.perDay)));
    } else {
        EXPECT_EQ(platform.messages, QStringList{"有効範囲内にある半角数字を入れてください"});
        EXPECT_TRUE(navigator.calls.isEmpty());
        EXPECT_FALSE(closed(setup));
        EXPECT_EQ(control<QLineEdit>(setup, "Text1_0")->text(), QString::fromUtf8(c.perDay));
        delete setup;
    }
    EXPECT_TRUE(nothingWritten());
}

INSTANTIATE_TEST_SUITE_P(Table, SetupValidation,
                         ::testing::Values(SetupCase{"200", "2000", true},
                                           SetupCase{"1", "1", true}, SetupCase{"0", "300", false},
                                           SetupCase{"201", "300", false},
                                           SetupCase{"20", "2001", false},
                                           SetupCase{"", "300", false}, SetupCase{"20", "", false},
                                           SetupCase{"２０", "300", false}));

TEST_F(FirstRunTest, SetupKeepsTheChosenSizeAndEnterConfirms) {
    QPointer<QWidget> setup = new SetupWindow(context);
    setup->show();
    EXPECT_EQ(setup->windowTitle(), " ケムリナ初期設定 - pelnoa");
    EXPECT_TRUE(control<QRadioButton>(setup, "Option1_1")->isChecked());
    EXPECT_TRUE(control<QLineEdit>(setup, "Text1_0")->text().isEmpty());
    control<QRadioButton>(setup, "Option1_2")->click();
    QTest::keyClicks(control<QLineEdit>(setup, "Text1_0"), QStringLiteral("15"));
    QTest::keyClicks(control<QLineEdit>(setup, "Text1_1"), QStringLiteral("410"));
    QTest::keyClick(control<QLineEdit>(setup, "Text1_1"), Qt::Key_Return);
    EXPECT_EQ(navigator.calls, QStringList{"openStartConfirmation"});
    EXPECT_EQ(state.profile.cigarettesPerDay, 15);
    EXPECT_EQ(state.profile.packPrice, 410);
    EXPECT_EQ(state.profile.cigaretteLength, 100);
    EXPECT_TRUE(closed(setup));
}

class StartDay : public FirstRunTest, public ::testing::WithParamInterface<DateTimeParts> {};

TEST_P(StartDay, AHolidayHandsOverToTheGreetingWithoutWriting) {
    clock.current = GetParam();
    QPointer<QWidget> confirmation = new StartConfirmationWindow(context);
    confirmation->show();
    control<QPushButton>(confirmation, "Command1")->click();
    EXPECT_EQ(navigator.calls, QStringList{"openSeasonalGreeting"});
    EXPECT_EQ(state.profile.quitMoment(), GetParam());
    EXPECT_EQ(state.options.setupDone, 0);
    EXPECT_TRUE(nothingWritten());
    EXPECT_TRUE(closed(confirmation));
}

INSTANTIATE_TEST_SUITE_P(Holidays, StartDay,
                         ::testing::Values(DateTimeParts{2010, 12, 24, 0, 0},
                                           DateTimeParts{2010, 12, 25, 23, 59},
                                           DateTimeParts{2011, 1, 1, 9, 30},
                                           DateTimeParts{2011, 1, 2, 12, 0},
                                           DateTimeParts{2011, 1, 3, 18, 45}));

class OrdinaryStartDay : public FirstRunTest,
                         public ::testing::WithParamInterface<DateTimeParts> {};

TEST_P(OrdinaryStartDay, WritesBothFilesAndOpensTheMainViewWhereTheWindowStood) {
    const DateTimeParts now = GetParam();
    clock.current = now;
    state.profile.cigarettesPerDay = 15;
    QPointer<QWidget> confirmation = new StartConfirmationWindow(context);
    confirmation->move(30, 50);
    confirmation->show();
    QTest::keyClick(confirmation, Qt::Key_Return);
    EXPECT_EQ(navigator.calls, QStringList{"showMainView"});
    EXPECT_TRUE(closed(confirmation));
    const QuitProfile saved = store.loadQuitProfile(now).record;
    EXPECT_EQ(saved.quitMoment(), now);
    EXPECT_EQ(saved.cigarettesPerDay, 15);
    const Options options = store.loadOptions().record;
    EXPECT_EQ(options.setupDone, 1);
    EXPECT_EQ(options.mainLeft, 450);
    EXPECT_EQ(options.mainTop, 750);
    EXPECT_EQ(options.statusTheme, Options{}.statusTheme);
    EXPECT_EQ(state.options, options);
}

INSTANTIATE_TEST_SUITE_P(Days, OrdinaryStartDay,
                         ::testing::Values(DateTimeParts{2010, 12, 23, 23, 59},
                                           DateTimeParts{2010, 12, 26, 0, 0},
                                           DateTimeParts{2011, 1, 4, 0, 0},
                                           DateTimeParts{2011, 2, 24, 10, 10},
                                           DateTimeParts{2011, 11, 25, 10, 10}));

TEST_F(FirstRunTest, NotNowOnlyClosesTheConfirmation) {
    for (const char* name : {"Command2_0", "Command2_1"}) {
        QPointer<QWidget> confirmation = new StartConfirmationWindow(context);
        confirmation->show();
        EXPECT_EQ(confirmation->windowTitle(), " ( ・◇・)  - pelnoa");
        control<QPushButton>(confirmation, name)->click();
        EXPECT_TRUE(closed(confirmation)) << name;
    }
    EXPECT_TRUE(navigator.calls.isEmpty());
    EXPECT_TRUE(nothingWritten());
    EXPECT_EQ(store.loadOptions().record.setupDone, 0);
}

class SeasonalTest : public FirstRunTest {
  protected:
    QPointer<QWidget> greetingOn(int month, int day) {
        state.profile.setQuitMoment({month == 1 ? 2011 : 2010, month, day, 23, 58});
        greeting = new SeasonalWindow(context);
        greeting->show();
        return greeting;
    }
    QString text(const char* name) { return control<QLabel>(greeting, name)->text(); }
    int top(const char* name) { return control<QLabel>(greeting, name)->y(); }
    QList<bool> pictures() {
        QList<bool> shown;
        for (const char* name : {"Image1_0", "Image1_1", "Image1_2"})
            shown << !control<QLabel>(greeting, name)->isHidden();
        return shown;
    }
    QPointer<QWidget> greeting;
};

TEST_F(SeasonalTest, ChristmasEveShowsTheMiddlePicture) {
    greetingOn(12, 24);
    EXPECT_EQ(greeting->objectName(), "Form6");
    EXPECT_EQ(greeting->windowTitle(), "クリスマスイブ - pelsoft");
    EXPECT_EQ(text("Label1"), "クリスマスイブ限定スペシャルメッセージ");
    EXPECT_EQ(text("Label2"), "");
    EXPECT_EQ(text("Label3_0"), "聖なる日の卒煙が");
    EXPECT_EQ(text("Label3_1"), "成功しますように！");
    EXPECT_EQ(pictures(), (QList<bool>{false, true, false}));
    QMovie* movie = control<QLabel>(greeting, "Image1_1")->movie();
    ASSERT_NE(movie, nullptr);
    EXPECT_TRUE(movie->isValid());
    EXPECT_EQ(movie->state(), QMovie::Running);
    EXPECT_EQ(movie->currentImage().size(), QSize(25, 23));
}

TEST_F(SeasonalTest, ChristmasDayFramesTheGreetingWithTwoPictures) {
    greetingOn(12, 25);
    EXPECT_EQ(greeting->windowTitle(), "メリークリスマス - pelsoft");
    EXPECT_EQ(text("Label1"), "クリスマス限定スペシャルメッセージ");
    EXPECT_EQ(text("Label2"), "メリークリスマス");
    EXPECT_EQ(pictures(), (QList<bool>{true, false, true}));
    EXPECT_EQ(top("Label2"), 64);
}

TEST_F(SeasonalTest, NewYearMovesTheTextsAndShowsNoPicture) {
    for (int day : {1, 2, 3}) {
        greetingOn(1, day);
        EXPECT_EQ(greeting->windowTitle(), "謹賀新年 - pelsoft");
        EXPECT_EQ(text("Label1"), "お正月限定スペシャルメッセージ");
        EXPECT_EQ(text("Label2"), "あけましておめでとうございます");
        EXPECT_EQ(text("Label3_0"), "");
        EXPECT_EQ(text("Label3_1"), "貴方の卒煙が成功しますように！");
        EXPECT_EQ(top("Label2"), 80);
        EXPECT_EQ(top("Label3_1"), 120);
        EXPECT_EQ(pictures(), (QList<bool>{false, false, false}));
        delete greeting;
    }
}

TEST_F(SeasonalTest, TheButtonCompletesTheStartWithTheConfirmationsMinute) {
    greetingOn(12, 25);
    greeting->move(12, 24);
    clock.current = {2010, 12, 26, 0, 3}; // the greeting stayed open past midnight
    QTest::keyClick(control<QPushButton>(greeting, "Command1"), Qt::Key_Enter);
    EXPECT_EQ(navigator.calls, QStringList{"showMainView"});
    EXPECT_TRUE(closed(greeting));
    EXPECT_EQ(profileFile(), "2010,12,25,23,58,20,300,85\r\n");
    const Options options = store.loadOptions().record;
    EXPECT_EQ(options.setupDone, 1);
    EXPECT_EQ(options.mainLeft, 180);
    EXPECT_EQ(options.mainTop, 360);
}

TEST_F(SeasonalTest, ClosingTheGreetingWritesNothing) {
    greetingOn(1, 2);
    greeting->close();
    EXPECT_TRUE(closed(greeting));
    EXPECT_TRUE(navigator.calls.isEmpty());
    EXPECT_TRUE(nothingWritten());
}

} // namespace
