#include "DialogFixture.h"
#include "ui/dialogs/EntryRules.h"
#include "ui/dialogs/SeasonalWindow.h"
#include "ui/dialogs/SettingsWindow.h"
#include "ui/dialogs/SetupWindow.h"
#include "ui/dialogs/StartConfirmationWindow.h"

#include <QDir>
#include <QImage>
#include <QKeySequence>
#include <QRadioButton>
#include <QTest>

using namespace kemurina;
using namespace kemurina::testing;

namespace {

template <typename Window> QWidget* make(AppContext& context) {
    return new Window(context);
}

class KeysAndChoicesTest : public DialogTest {
  protected:
    // Also run between the rows of a table, so that each row starts afresh.
    void SetUp() override {
        state.profile = {2009, 1, 2, 3, 4, 25, 410, 85};
        state.options = Options{};
        state.options.setupDone = 1;
        navigator.calls.clear();
        platform.messages.clear();
        QDir(store.dataDir()).removeRecursively();
    }

    void open(QWidget* (*makeWindow)(AppContext&)) {
        window = makeWindow(context);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    }

    // Keys go where the keyboard sends them: to the focused control or to an open list.
    void type(const char* focus, const char* keys) {
        control<QWidget>(window, focus)->setFocus();
        const QKeySequence sequence(QString::fromLatin1(keys));
        for (int i = 0; i < sequence.count(); ++i) {
            QWidget* popup = QApplication::activePopupWidget();
            QTest::keyClick(popup ? popup->focusWidget() : QApplication::focusWidget(),
                            sequence[i].key());
        }
    }

    void click(const char* name) {
        auto* option = control<QRadioButton>(window, name);
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(4, option->height() / 2));
    }

    std::string whatHappened() {
        QStringList events = navigator.calls + platform.messages;
        if (profileFile() != "<missing>")
            events << QStringLiteral("initial.ini");
        if (optionsFile() != "<missing>")
            events << QStringLiteral("option.ini ") + store.loadOptions().record.statusTheme;
        if (closed(window))
            events << QStringLiteral("closed");
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

TEST_F(KeysAndChoicesTest, TheFocusedControlDecidesWhatEnterAndSpaceDo) {
    const char* saved = "showViewForWindowMode initial.ini option.ini ソルジャー closed";
    const char* started = "showMainView initial.ini option.ini ソルジャー closed";
    const char* cancelled = "showViewForWindowMode closed";
    const struct {
        QWidget* (*makeWindow)(AppContext&);
        const char* focus;
        const char* keys;
        const char* happened;
    } cases[] = {
        {make<SettingsWindow>, "Text1_0", "Return", saved},
        {make<SettingsWindow>, "Option1_2", "Enter", saved},
        {make<SettingsWindow>, "Check2", "Return", saved},
        // The first Enter only picks from the open list; the second saves what it picked.
        {make<SettingsWindow>, "Combo1", "F4, Down, Return, Return",
         "showViewForWindowMode initial.ini option.ini コスモ closed"},
        {make<SettingsWindow>, "Command2", "Return", cancelled},
        {make<SettingsWindow>, "Command2", "Space", cancelled},
        {make<SettingsWindow>, "Command6", "Enter", "openHelp"},
        {make<SetupWindow>, "Option1_0", "Return", "有効範囲内にある半角数字を入れてください"},
        {make<StartConfirmationWindow>, "Command1", "Return", started},
        {make<StartConfirmationWindow>, "Command2_0", "Return", "closed"},
        {make<SeasonalWindow>, "Command1", "Enter", started},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.focus << " " << c.keys);
        TearDown();
        SetUp();
        open(c.makeWindow);
        type(c.focus, c.keys);
        EXPECT_EQ(whatHappened(), c.happened);
    }
}

TEST_F(KeysAndChoicesTest, EverySizeAndCopyChoiceIsSavedAndShownAgain) {
    for (std::size_t size = 0; size < 3; ++size) {
        for (int suffix = 0; suffix < 3; ++suffix) {
            SCOPED_TRACE(::testing::Message() << "size " << size << ", copy+ " << suffix);
            state.profile.cigaretteLength = kCigaretteLengths[(size + 1) % 3];
            state.options.profileSuffix = (suffix + 1) % 3;
            const QByteArray sizeName = "Option1_" + QByteArray::number(size);
            const QByteArray suffixName = "Option2_" + QByteArray::number(suffix);
            const std::string chosen = (sizeName + ' ' + suffixName).toStdString();
            open(make<SettingsWindow>);
            for (const char* name : {sizeName.data(), suffixName.data(), sizeName.data()})
                click(name); // a second click keeps the choice
            EXPECT_EQ(checkedOptions(), chosen);
            type("Command1", "Space");

            state.profile = store.loadQuitProfile(clock.now()).record;
            state.options = store.loadOptions().record;
            EXPECT_EQ(state.profile.cigaretteLength, kCigaretteLengths[size]);
            EXPECT_EQ(state.options.profileSuffix, suffix);
            open(make<SettingsWindow>);
            EXPECT_EQ(checkedOptions(), chosen);
            delete window;
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
    open(make<SettingsWindow>);
    auto* prefix = control<QWidget>(window, "Label1_13");
    EXPECT_EQ(prefix->geometry(), QRect(5, 20, 41, 17));
    EXPECT_GE(inkColumns(prefix).first, 2); // clear of the frame's border left of the label
    EXPECT_LE(inkColumns(prefix).second, prefix->width() - 2);
    EXPECT_GE(QFontInfo(prefix->font()).pixelSize(), QFontInfo(window->font()).pixelSize() - 1);
    // Each caption ends well before the next button's circle or the years box, and OFF, the
    // longest for its box, comes no closer to its circle than that needs.
    EXPECT_GE(inkColumns(control<QWidget>(window, "Option2_0")).second, 40 - 7);
    const std::pair<const char*, int> boxes[] = {
        {"Option2_0", 40}, {"Option2_1", 40}, {"Option2_2", 104}};
    for (const auto& [name, width] : boxes) {
        auto* option = control<QWidget>(window, name);
        EXPECT_EQ(option->width(), width) << name;
        EXPECT_LE(inkColumns(option).second, width - 5) << name;
    }
}

} // namespace
