#include "support/AppFixture.h"
#include "ui/dialogs/SeasonalWindow.h"

#include <QLineEdit>
#include <QMovie>
#include <QRadioButton>

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

    // The setup filled in and confirmed by a click, or by Enter in the size options.
    void setUp(const QString& perDay, const QString& price, bool byEnter = false) {
        QWidget* setup = shown("Form3");
        child<QLineEdit>(setup, "Text1_0")->setText(perDay);
        child<QLineEdit>(setup, "Text1_1")->setText(price);
        auto* size = child<QRadioButton>(setup, "Option1_2");
        size->click();
        if (byEnter)
            QTest::keyClick(size, Qt::Key_Return);
        else
            child<QPushButton>(setup, "Command1")->click();
        settle();
    }
    void start() {
        child<QPushButton>(shown("Form4"), "Command1")->click();
        settle();
    }

    QMap<QString, QByteArray> defaults;
};

TEST(SeasonalDays, ChristmasAndNewYear) {
    const std::tuple<int, int, bool> days[] = {{12, 23, false}, {12, 24, true}, {12, 25, true},
                                               {12, 26, false}, {1, 1, true},   {1, 3, true},
                                               {1, 4, false},   {11, 25, false}};
    for (const auto& [month, day, greets] : days)
        EXPECT_EQ(seasonalLayoutFor(month, day) != nullptr, greets) << month << "/" << day;
}

TEST_F(FirstRunTest, SetupDeclineAndStart) {
    startOn({2010, 12, 26, 0, 0});
    for (const auto& [perDay, price] : {std::pair{"201", "300"}, {"200", "2000"}})
        setUp(perDay, price); // the setup stays open until its values are in range
    for (const char* button : {"Command2_0", "Command2_1"}) {
        QTest::keyClick(child(shown("Form4"), button), Qt::Key_Return); // a click, not the start
        settle();
        EXPECT_EQ(shown("Form4"), nullptr) << button;
        session->request(WindowKind::StartConfirmation);
    }
    EXPECT_TRUE(nothingWritten());
    shown("Form4")->move(30, 50);
    start();
    EXPECT_TRUE(mainView().isVisible());
    EXPECT_EQ(mainView().pos(), QPoint(30, 50));
    EXPECT_EQ(profileFile(), "2010,12,26,0,0,200,2000,100\r\n");
    EXPECT_EQ(savedOptions().mainLeft, 450);
    EXPECT_EQ(platform->messages, QStringList{"有効範囲内にある半角数字を入れてください"});
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
        setUp("20", "300", true);
        start();
        ASSERT_NE(shown("Form6"), nullptr);
        shown("Form6")->close(); // closed, the greeting starts nothing
        settle();
        EXPECT_TRUE(nothingWritten());
        session->request(WindowKind::SeasonalGreeting);
        QWidget* greeting = shown("Form6");
        EXPECT_EQ(greeting->windowTitle(), seasonalLayoutFor(h.now.month, h.now.day)->title);
        EXPECT_EQ(child(greeting, "Label2")->y(), h.greetingTop);
        for (int i = 0; i < 3; ++i) {
            auto* picture = child<QLabel>(greeting, qPrintable(QString("Image1_%1").arg(i)));
            EXPECT_EQ(!picture->isHidden(), h.pictures[i]) << i;
            EXPECT_EQ(picture->movie()->state() == QMovie::Running, h.pictures[0]);
        }
        clock->current = {2011, 1, 9, 0, 3}; // the greeting stayed open: the start keeps its minute
        QTest::keyClick(child(greeting, "Command1"), Qt::Key_Enter);
        settle();
        EXPECT_TRUE(mainView().isVisible());
        EXPECT_EQ(files.loadQuitProfile(h.now).record.quitMoment(), h.now);
    }
}

} // namespace
} // namespace kemurina::testing
