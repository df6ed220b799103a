#include "support/Fakes.h"
#include "ui/main/AppController.h"
#include "ui/main/MainWindow.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kemurina;
using namespace kemurina::testing;

namespace {

// The whole program from an empty start directory through the first-run dialogs.
class FirstRunAppTest : public ::testing::Test {
  protected:
    void SetUp() override {
        auto fakeClock = std::make_unique<FixedClock>(DateTimeParts{2010, 10, 1, 12, 0});
        auto fakePlatform = std::make_unique<FakePlatform>();
        clock = fakeClock.get();
        platform = fakePlatform.get();
        app = std::make_unique<AppController>(
            dir.path(),
            AppController::Services{std::move(fakeClock), std::make_unique<FixedRandom>(50),
                                    std::move(fakePlatform)});
    }
    void TearDown() override {
        app.reset();
        settle();
    }

    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    static QWidget* visibleWindow(const char* name) {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String(name) && w->isVisible())
                return w;
        return nullptr;
    }

    template <typename Control> static Control* control(const char* window, const char* name) {
        QWidget* w = visibleWindow(window);
        Control* found = w ? w->findChild<Control*>(QLatin1String(name)) : nullptr;
        if (found == nullptr)
            ADD_FAILURE() << "no " << name << " in a visible " << window;
        return found;
    }

    QByteArray file(const QString& path) const {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }

    // Setup with 15 a day, 410 yen, long; then the start button.
    void runSetupAndStart() {
        ASSERT_TRUE(app->start());
        control<QLineEdit>("Form3", "Text1_0")->setText(QStringLiteral("15"));
        control<QLineEdit>("Form3", "Text1_1")->setText(QStringLiteral("410"));
        control<QRadioButton>("Form3", "Option1_2")->click();
        control<QPushButton>("Form3", "Command1")->click();
        settle();
        ASSERT_EQ(visibleWindow("Form3"), nullptr);
        visibleWindow("Form4")->move(30, 50);
        control<QPushButton>("Form4", "Command1")->click();
        settle();
        ASSERT_EQ(visibleWindow("Form4"), nullptr);
    }

    QTemporaryDir dir;
    DataStore store{dir.path()};
    FixedClock* clock = nullptr;
    FakePlatform* platform = nullptr;
    std::unique_ptr<AppController> app;
};

TEST_F(FirstRunAppTest, AnOrdinaryDayEndsInTheMainWindowReadingWhatWasWritten) {
    runSetupAndStart();
    ASSERT_NE(app->mainView(), nullptr);
    EXPECT_TRUE(app->mainView()->isVisible());
    EXPECT_EQ(file(store.quitProfilePath()), "2010,10,1,12,0,15,410,100\r\n");
    const Options options = store.loadOptions().record;
    EXPECT_EQ(options.setupDone, 1);
    EXPECT_EQ(options.mainLeft, 450);
    EXPECT_EQ(options.mainTop, 750);
    EXPECT_EQ(app->state().profile, store.loadQuitProfile(clock->now()).record);
    EXPECT_EQ(app->mainView()->pos(), QPoint(30, 50));
    EXPECT_TRUE(platform->messages.isEmpty());
}

} // namespace
