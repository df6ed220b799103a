#include "support/AppFixture.h"
#include "ui/dialogs/EntryRules.h"
#include "ui/dialogs/SetupWindow.h"

#include <QImage>
#include <QKeySequence>
#include <QRadioButton>
#include <QTest>

namespace kemurina::testing {
namespace {

class KeysAndChoicesTest : public AppTest {
  protected:
    // Also run between the rows of a table, so that each row starts afresh.
    void reset() {
        if (window)
            window->close(); // a setup window is the test's own
        restart();
        QDir(files.dataDir()).removeRecursively();
        app->state().profile = {2009, 1, 2, 3, 4, 25, 410, 85};
        app->state().options.setupDone = 1;
    }

    void open(const char* form) {
        if (form == std::string("Form3"))
            (new SetupWindow(app->context()))->show();
        const std::map<std::string, void (AppController::*)()> openers = {
            {"Form2", &AppController::openSettings},
            {"Form4", &AppController::openStartConfirmation},
            {"Form6", &AppController::openSeasonalGreeting}};
        if (openers.count(form))
            (app.get()->*openers.at(form))();
        window = shown(form);
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    }

    // Keys go where the keyboard sends them: to the focused control or to an open list.
    void type(const char* focus, const char* keys) {
        child(window, focus)->setFocus();
        const QKeySequence sequence(QString::fromLatin1(keys));
        for (int i = 0; i < sequence.count(); ++i) {
            QWidget* popup = QApplication::activePopupWidget();
            QTest::keyClick(popup ? popup->focusWidget() : QApplication::focusWidget(),
                            sequence[i].key());
        }
        settle();
    }

    // The windows on screen, the messages shown and the files written.
    std::string whatHappened() {
        QStringList events;
        for (const char* form : {"Form1", "Form2", "Form3", "Form4", "Form5", "Form6"})
            if (shown(form))
                events << form;
        events << platform->messages;
        if (profileFile() != "<missing>")
            events << "initial.ini";
        if (optionsFile() != "<missing>")
            events << "option.ini " + savedOptions().statusTheme;
        return events.join(u' ').toStdString();
    }

    std::string checkedOptions() {
        QStringList names;
        for (const QRadioButton* option : window->findChildren<QRadioButton*>())
            if (option->isChecked())
                names << option->objectName();
        names.sort();
        return names.join(u' ').toStdString();
    }

    QPointer<QWidget> window;
};

TEST_F(KeysAndChoicesTest, TheFocusedControlDecidesWhatEnterDoes) {
    const char* written = "Form1 initial.ini option.ini ソルジャー";
    const char* cases[][4] = {
        {"Form2", "Text1_0", "Return", written},
        {"Form2", "Option1_2", "Enter", written},
        {"Form2", "Check2", "Return", written},
        {"Form2", "Combo1", "F4, Down, Return", "Form2"}, // the open list only picks
        {"Form2", "Combo1", "F4, Down, Return, Return", "Form1 initial.ini option.ini コスモ"},
        {"Form2", "Command2", "Return", "Form1"},
        {"Form2", "Command2", "Space", "Form1"},
        {"Form2", "Command6", "Enter", "Form2 Form5"},
        {"Form3", "Option1_0", "Return", "Form3 有効範囲内にある半角数字を入れてください"},
        {"Form4", "Command1", "Return", written},
        {"Form4", "Command2_0", "Return", ""},
        {"Form6", "Command1", "Enter", written}};
    for (const auto& [form, focus, keys, happened] : cases) {
        SCOPED_TRACE(::testing::Message() << form << " " << focus << " " << keys);
        reset();
        open(form);
        type(focus, keys);
        EXPECT_EQ(whatHappened(), happened);
    }
}

TEST_F(KeysAndChoicesTest, EverySizeAndCopyChoiceIsSavedAndShownAgain) {
    reset();
    for (std::size_t size = 0; size < 3; ++size) {
        for (int suffix = 0; suffix < 3; ++suffix) {
            SCOPED_TRACE(::testing::Message() << "size " << size << ", copy+ " << suffix);
            const QByteArray sizeName = "Option1_" + QByteArray::number(size);
            const QByteArray suffixName = "Option2_" + QByteArray::number(suffix);
            open("Form2");
            for (const char* name : {sizeName.data(), suffixName.data(), sizeName.data()}) {
                auto* option = child<QRadioButton>(window, name); // a second click keeps it
                QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(4, option->height() / 2));
            }
            const std::string chosen = (sizeName + ' ' + suffixName).toStdString();
            EXPECT_EQ(checkedOptions(), chosen);
            type("Command1", "Space");
            EXPECT_EQ(files.loadQuitProfile(kQuit).record.cigaretteLength, kCigaretteLengths[size]);
            EXPECT_EQ(savedOptions().profileSuffix, suffix);
            open("Form2"); // the views read the files; settings show them again
            EXPECT_EQ(checkedOptions(), chosen);
        }
    }
}

// First and last pixel column of dark ink: text, not the light edge of a circle.
std::pair<int, int> inkColumns(QWidget* control) {
    const QImage image = control->grab().toImage();
    std::pair<int, int> columns{image.width(), -1};
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (qGray(image.pixel(x, y)) < 128)
                columns = {std::min(columns.first, x), x};
    return columns;
}

TEST_F(KeysAndChoicesTest, TheFixedPrefixAndTheCopyCaptionsStayInsideTheirBoxes) {
    reset();
    open("Form2");
    auto* prefix = child(window, "Label1_13");
    EXPECT_EQ(prefix->geometry(), QRect(5, 20, 41, 17));
    EXPECT_GE(inkColumns(prefix).first, 2); // clear of the frame's border left of the label
    EXPECT_LE(inkColumns(prefix).second, prefix->width() - 2);
    EXPECT_GE(QFontInfo(prefix->font()).pixelSize(), QFontInfo(window->font()).pixelSize() - 1);
    // Each caption ends well before the next circle or the years box, and OFF comes no closer
    // to its circle than that needs.
    EXPECT_GE(inkColumns(child(window, "Option2_0")).second, 40 - 7);
    for (const auto& [name, width] :
         {std::pair{"Option2_0", 40}, {"Option2_1", 40}, {"Option2_2", 104}}) {
        EXPECT_EQ(child(window, name)->width(), width) << name;
        EXPECT_LE(inkColumns(child(window, name)).second, width - 5) << name;
    }
}

} // namespace
} // namespace kemurina::testing
