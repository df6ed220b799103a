#include "support/AppFixture.h"
#include "ui/dialogs/SeasonalWindow.h"

#include <QLineEdit>
#include <QMovie>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace kemurina::testing {
namespace {

// A first start from an empty start directory, on the day the clock says.
class FirstRunTest : public AppTest {
  protected:
    void startOn(const DateTimeParts& now) {
        clock->current = now;
        ASSERT_TRUE(app->start());
        ASSERT_NE(shown("Form3"), nullptr);
        defaults = snapshot(dir.path());
    }
    bool nothingWritten() const { return snapshot(dir.path()) == defaults; }

    // The setup filled in and confirmed.
    void setUp(const QString& perDay, const QString& price) {
        QWidget* setup = shown("Form3");
        child<QLineEdit>(setup, "Text1_0")->setText(perDay);
        child<QLineEdit>(setup, "Text1_1")->setText(price);
        child<QRadioButton>(setup, "Option1_2")->click();
        child<QPushButton>(setup, "Command1")->click();
        settle();
    }
    void clickIn(const char* window, const char* button) {
        child<QPushButton>(shown(window), button)->click();
        settle();
    }

    QMap<QString, QByteArray> defaults;
};

TEST(SeasonalDays, ChristmasAndNewYear) {
    const std::tuple<int, int, const char*> days[] = {{12, 23, nullptr},
                                                      {12, 24, "クリスマスイブ - pelsoft"},
                                                      {12, 25, "メリークリスマス - pelsoft"},
                                                      {12, 26, nullptr},
                                                      {1, 1, "謹賀新年 - pelsoft"},
                                                      {1, 3, "謹賀新年 - pelsoft"},
                                                      {1, 4, nullptr},
                                                      {11, 25, nullptr}};
    for (const auto& [month, day, title] : days) {
        const SeasonalLayout* layout = seasonalLayoutFor(month, day);
        EXPECT_EQ(layout ? layout->title : "", std::string(title ? title : ""))
            << month << "/" << day;
    }
}

TEST_F(FirstRunTest, SetupRanges) {
    startOn(kQuit);
    const char* cases[][3] = {{"0", "300", "no"}, {"201", "300", "no"},  {"20", "2001", "no"},
                              {"", "300", "no"},  {"２０", "300", "no"}, {"200", "2000", "yes"}};
    for (const auto& [perDay, price, accepted] : cases) {
        platform->messages.clear();
        setUp(QString::fromUtf8(perDay), price);
        const bool ok = accepted[0] == 'y';
        EXPECT_EQ(platform->messages.isEmpty(), ok) << perDay << "/" << price;
        EXPECT_EQ(shown("Form4") != nullptr, ok) << perDay << "/" << price;
    }
    EXPECT_EQ(app->state().profile.cigaretteLength, 100);
    EXPECT_TRUE(nothingWritten());
}

TEST_F(FirstRunTest, AnotherInstanceEnds) {
    platform->anotherInstance = true;
    ASSERT_TRUE(app->start());
    EXPECT_EQ(platform->messages, QStringList{"プログラムは既に起動されています。"});
    settle();
    EXPECT_EQ(windowsNamed("Form3"), 0);
}

TEST_F(FirstRunTest, StartWritesAndOpensMain) {
    const DateTimeParts day{2010, 12, 26, 0, 0};
    startOn(day);
    setUp("15", "410");
    shown("Form4")->move(30, 50);
    clickIn("Form4", "Command1");
    ASSERT_NE(app->mainView(), nullptr);
    EXPECT_TRUE(mainView().isVisible());
    EXPECT_EQ(mainView().pos(), QPoint(30, 50));
    EXPECT_EQ(profileFile(), "2010,12,26,0,0,15,410,100\r\n");
    Options expected;
    expected.setupDone = 1;
    expected.mainLeft = 450;
    expected.mainTop = 750;
    EXPECT_EQ(savedOptions(), expected);
    EXPECT_TRUE(platform->messages.isEmpty());
}

TEST_F(FirstRunTest, DecliningWritesNothing) {
    startOn({2011, 1, 2, 12, 0});
    setUp("20", "300");
    for (const char* button : {"Command2_0", "Command2_1", "Command1"}) {
        app->openStartConfirmation();
        clickIn("Form4", button);
        EXPECT_EQ(windowsNamed("Form4"), 0) << button;
    }
    ASSERT_NE(shown("Form6"), nullptr);
    shown("Form6")->close();
    settle();
    EXPECT_EQ(windowsNamed("Form6"), 0);
    EXPECT_EQ(app->mainView(), nullptr);
    EXPECT_TRUE(nothingWritten());
}

TEST_F(FirstRunTest, HolidayGreetingCompletes) {
    struct Holiday {
        DateTimeParts now;
        std::array<bool, 3> pictures;
        int greetingTop;
    };
    for (const Holiday& h : {Holiday{{2010, 12, 25, 23, 59}, {true, false, true}, 64},
                             Holiday{{2011, 1, 1, 9, 30}, {}, 80}}) {
        restart();
        QDir(files.dataDir()).removeRecursively();
        startOn(h.now);
        setUp("20", "300");
        clickIn("Form4", "Command1");
        QWidget* greeting = shown("Form6");
        ASSERT_NE(greeting, nullptr);
        EXPECT_TRUE(nothingWritten());
        EXPECT_EQ(greeting->windowTitle(), seasonalLayoutFor(h.now.month, h.now.day)->title);
        EXPECT_EQ(child(greeting, "Label2")->y(), h.greetingTop);
        for (int i = 0; i < 3; ++i) {
            auto* picture =
                child<QLabel>(greeting, (QByteArray("Image1_") + char('0' + i)).constData());
            EXPECT_EQ(!picture->isHidden(), h.pictures[i]) << i;
            EXPECT_EQ(picture->movie()->state() == QMovie::Running, h.pictures[0]);
        }
        greeting->move(12, 24);
        clock->current = {2011, 1, 9, 0, 3}; // the greeting stayed open: the start keeps its minute
        QTest::keyClick(child(greeting, "Command1"), Qt::Key_Enter);
        settle();
        EXPECT_TRUE(mainView().isVisible());
        EXPECT_EQ(files.loadQuitProfile(h.now).record.quitMoment(), h.now);
        EXPECT_EQ(savedOptions().setupDone, 1);
        EXPECT_EQ(savedOptions().mainLeft, 180);
    }
}

} // namespace
} // namespace kemurina::testing
