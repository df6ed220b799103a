#include "support/AppFixture.h"

#include "ui/main/CravingParts.h"
#include "ui/main/CravingWindow.h"

#include <QLabel>

namespace kemurina::testing {
namespace {

class CravingWindowTest : public AppTest {
  protected:
    // The shown urge window, made active; a missing one crashes the test.
    CravingWindow& shownCravingWindow() const {
        auto* window = qobject_cast<CravingWindow*>(app->cravingWindow());
        EXPECT_TRUE(window && window->isVisible());
        QApplication::setActiveWindow(window);
        return *window;
    }
    CravingWindow& openWithS(ViewWindow& view) const {
        QTest::keyClick(&view, Qt::Key_S);
        return shownCravingWindow();
    }
};

// S in a view opens the window; 6 chooses 朝 and Enter logs the urge as ridden out: two keys.
TEST_F(CravingWindowTest, LoggedWithTheKeyboardAlone) {
    ASSERT_TRUE(startWith(options()));
    CravingWindow* window = &openWithS(mainView());
    EXPECT_FALSE(window->headline()->isVisibleTo(window)) << "the empty state stands instead";
    EXPECT_FALSE(QFile::exists(files.cravingsPath()));

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // nothing chosen yet
    EXPECT_TRUE(window->messageLabel()->text().startsWith("きっかけを選んでください"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_6);
    EXPECT_EQ(&openWithS(mainView()), window) << "the open one, as it was";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(fileBytes(files.cravingsPath()), "2010,10,11,12,0,3,5,1,\"\"\r\n");
    EXPECT_EQ(window->headline()->text(), "乗り越えた回数：1回（記録した1回のうち）");
    EXPECT_EQ(window->messageLabel()->text(),
              "記録しました。よく乗り越えましたね。乗り越えたのは、これで1回目です。");
    QTest::keyClick(window, Qt::Key_Return);
    EXPECT_EQ(files.loadCravings().record.lines.size(), 1u) << "logged once";

    // The next urge, from the menu's last item, takes a fresh window. Smoking is logged, then
    // the record window is offered: nothing restarts by itself. Escape closes the window.
    mainView().popupMenu()->actions().constLast()->trigger();
    settle();
    CravingWindow* next = &shownCravingWindow();
    EXPECT_TRUE(next->riddenOutButton()->isEnabled() && next->messageLabel()->text().isEmpty());
    EXPECT_FALSE(next->recordButton()->isVisibleTo(next));
    const QByteArray profile = profileFile();
    child<QAbstractButton>(next, "Trigger1")->click();
    next->smokedButton()->click();
    EXPECT_TRUE(fileBytes(files.cravingsPath()).endsWith("\r\n2010,10,11,12,0,3,1,0,\"\"\r\n"));
    EXPECT_TRUE(next->messageLabel()->text().contains("「卒煙の記録」で決められます"));
    EXPECT_FALSE(next->smokedButton()->isEnabled());
    next->recordButton()->click();
    EXPECT_NE(shown("RecordWindow"), nullptr);
    EXPECT_EQ(profileFile(), profile);
    QTest::keyClick(next, Qt::Key_Escape);
    settle();
    EXPECT_EQ(app->cravingWindow(), nullptr);
}

// The countdown runs while the window is shown; at its end it asks, and can run again.
TEST_F(CravingWindowTest, CountdownAndBreathing) {
    ASSERT_TRUE(startWith(options()));
    CravingWindow* window = &openWithS(mainView());
    auto* caption = child<QLabel>(window, "CountdownCaption");
    QPushButton* again = child<QPushButton>(window, "AgainButton");
    EXPECT_TRUE(window->breathingGuide()->moving());
    window->showElapsed(61 * 1000);
    EXPECT_EQ(window->countdownLabel()->text(), "3:59");
    EXPECT_FALSE(again->isVisibleTo(window));
    window->showElapsed(kCravingCountdownMs);
    EXPECT_EQ(window->countdownLabel()->text(), "0:00");
    EXPECT_EQ(caption->text(), countdownEndQuestion());
    again->click();
    EXPECT_EQ(window->countdownLabel()->text(), "5:00");
    EXPECT_NE(caption->text(), countdownEndQuestion());
    window->hide();
    EXPECT_FALSE(window->breathingGuide()->moving()) << "nothing moves unseen";
}

// Each chart says in words what it draws; an unreadable line is counted and kept.
TEST_F(CravingWindowTest, PatternsAsTheEngineGivesThem) {
    ASSERT_TRUE(writeBytes(files.cravingsPath(),
                           "2010,10,5,8,0,4,2,1,\"\"\r\nbroken\r\n2010,9,20,8,0,2,2,0,\"\"\r\n"));
    ASSERT_TRUE(startWith(options()));
    CravingWindow* window = &openWithS(mainView());
    const auto patterns = session->cravingPatterns();
    for (const auto& [scope, name] : {std::pair(CravingScope::AllTime, "ScopeAll"),
                                      {CravingScope::CurrentAttempt, "ScopeAttempt"}}) {
        child<QAbstractButton>(window, name)->click();
        const CravingPattern& p = patterns[static_cast<std::size_t>(scope)];
        EXPECT_EQ(window->headline()->text(), p.headline);
        for (std::size_t i = 0; i < kCravingChartCount; ++i) {
            EXPECT_EQ(window->charts()[i]->accessibleName(), p.charts[i].title);
            EXPECT_EQ(window->charts()[i]->accessibleDescription(), p.charts[i].summary);
        }
    }
    EXPECT_EQ(child<QLabel>(window, "UnreadableLabel")->text(), patterns[0].unreadable);
    child<QAbstractButton>(window, "Trigger8")->click();
    window->riddenOutButton()->click();
    EXPECT_TRUE(
        fileBytes(files.cravingsPath()).startsWith("2010,10,5,8,0,4,2,1,\"\"\r\nbroken\r\n"));
    EXPECT_EQ(window->headline()->text(), "乗り越えた回数：2回（記録した2回のうち）");
}

} // namespace
} // namespace kemurina::testing
