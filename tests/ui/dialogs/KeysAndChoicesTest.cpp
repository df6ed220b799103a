#include "DialogFixture.h"
#include "ui/dialogs/EntryRules.h"
#include "ui/dialogs/SeasonalWindow.h"
#include "ui/dialogs/SettingsWindow.h"
#include "ui/dialogs/SetupWindow.h"
#include "ui/dialogs/StartConfirmationWindow.h"

#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

using namespace kemurina;
using namespace kemurina::testing;

namespace {

class KeysAndChoicesTest : public DialogTest {
  protected:
    void SetUp() override {
        state.profile = {2009, 1, 2, 3, 4, 25, 410, 85};
        state.options.setupDone = 1;
        state.options.statusTheme = QStringLiteral("会社モード");
    }

    template <typename Window> QWidget* open() {
        window = new Window(context);
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window));
        return window;
    }

    // Everything the window asked for or wrote, in a fixed order, to compare with one line.
    std::string whatHappened() {
        QStringList events = navigator.calls;
        if (!platform.colourDialogStarts.empty())
            events << QStringLiteral("colour dialog");
        events += platform.messages;
        if (profileFile() != "<missing>")
            events << QStringLiteral("initial.ini");
        if (optionsFile() != "<missing>")
            events << QStringLiteral("option.ini");
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

    void clickOption(const QString& name) {
        auto* option = window->findChild<QRadioButton*>(name);
        ASSERT_NE(option, nullptr) << name.toStdString();
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(4, option->height() / 2));
    }

    QPointer<QWidget> window;
};

enum class Form { Settings, Setup, Confirmation, Greeting };

struct KeyCase {
    const char* what;
    Form form;
    const char* focus;
    std::vector<Qt::Key> keys;
    const char* happened;
};

void PrintTo(const KeyCase& c, std::ostream* os) {
    *os << c.what;
}

class KeyTable : public KeysAndChoicesTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(KeyTable, TheFocusedControlDecidesWhatAKeyDoes) {
    const KeyCase& c = GetParam();
    switch (c.form) {
    case Form::Settings:
        open<SettingsWindow>();
        break;
    case Form::Setup:
        open<SetupWindow>();
        control<QLineEdit>(window, "Text1_0")->setText(QStringLiteral("20"));
        control<QLineEdit>(window, "Text1_1")->setText(QStringLiteral("300"));
        break;
    case Form::Confirmation:
        open<StartConfirmationWindow>();
        break;
    case Form::Greeting:
        open<SeasonalWindow>();
        break;
    }
    control<QWidget>(window, c.focus)->setFocus();
    for (Qt::Key key : c.keys)
        QTest::keyClick(static_cast<QWidget*>(nullptr), key);
    if (window && c.form == Form::Settings) {
        EXPECT_EQ(control<QComboBox>(window, "Combo1")->currentText(),
                  c.keys.size() > 1 ? "コスモ" : "会社モード");
    }
    EXPECT_EQ(whatHappened(), c.happened);
}

constexpr const char* kSaved = "showViewForWindowMode initial.ini option.ini closed";
constexpr const char* kStarted = "showMainView initial.ini option.ini closed";

INSTANTIATE_TEST_SUITE_P(
    Table, KeyTable,
    ::testing::Values(
        KeyCase{"SettingsFieldEnter", Form::Settings, "Text1_0", {Qt::Key_Return}, kSaved},
        KeyCase{"SettingsOptionEnter", Form::Settings, "Option1_2", {Qt::Key_Enter}, kSaved},
        KeyCase{"SettingsCheckBoxEnter", Form::Settings, "Check2", {Qt::Key_Return}, kSaved},
        KeyCase{"SettingsClosedListEnter", Form::Settings, "Combo1", {Qt::Key_Return}, kSaved},
        KeyCase{"SettingsOpenListEnter",
                Form::Settings,
                "Combo1",
                {Qt::Key_F4, Qt::Key_Down, Qt::Key_Return},
                ""},
        KeyCase{"SettingsSaveEnter", Form::Settings, "Command1", {Qt::Key_Return}, kSaved},
        KeyCase{"SettingsCancelEnter",
                Form::Settings,
                "Command2",
                {Qt::Key_Return},
                "showViewForWindowMode closed"},
        KeyCase{"SettingsCancelSpace",
                Form::Settings,
                "Command2",
                {Qt::Key_Space},
                "showViewForWindowMode closed"},
        KeyCase{"SettingsHelpEnter", Form::Settings, "Command6", {Qt::Key_Enter}, "openHelp"},
        KeyCase{
            "SettingsColourEnter", Form::Settings, "Command3", {Qt::Key_Return}, "colour dialog"},
        KeyCase{"SetupOptionEnter",
                Form::Setup,
                "Option1_0",
                {Qt::Key_Return},
                "openStartConfirmation closed"},
        KeyCase{
            "ConfirmationStartEnter", Form::Confirmation, "Command1", {Qt::Key_Return}, kStarted},
        KeyCase{
            "ConfirmationLaterEnter", Form::Confirmation, "Command2_0", {Qt::Key_Return}, "closed"},
        KeyCase{"ConfirmationNextTimeSpace",
                Form::Confirmation,
                "Command2_1",
                {Qt::Key_Space},
                "closed"},
        KeyCase{"GreetingStartEnter", Form::Greeting, "Command1", {Qt::Key_Enter}, kStarted}),
    [](const auto& info) { return std::string(info.param.what); });

TEST_F(KeysAndChoicesTest, EverySizeAndCopyChoiceIsSavedAndShownAgain) {
    for (std::size_t size = 0; size < 3; ++size) {
        for (int suffix = 0; suffix < 3; ++suffix) {
            SCOPED_TRACE(::testing::Message() << "size " << size << ", copy+ " << suffix);
            state.profile.cigaretteLength = kCigaretteLengths[(size + 1) % 3];
            state.options.profileSuffix = (suffix + 1) % 3;
            const QStringList chosen{QStringLiteral("Option1_%1").arg(size),
                                     QStringLiteral("Option2_%1").arg(suffix)};
            open<SettingsWindow>();
            for (const QString& name : chosen) {
                clickOption(name);
                clickOption(name); // a second click keeps the choice
            }
            EXPECT_EQ(checkedOptions(), chosen.join(u' ').toStdString());
            control<QWidget>(window, "Command1")->setFocus();
            QTest::keyClick(static_cast<QWidget*>(nullptr), Qt::Key_Space);
            ASSERT_TRUE(closed(window));

            state.profile = store.loadQuitProfile(clock.now()).record;
            state.options = store.loadOptions().record;
            EXPECT_EQ(state.profile.cigaretteLength, kCigaretteLengths[size]);
            EXPECT_EQ(state.options.profileSuffix, suffix);
            open<SettingsWindow>();
            EXPECT_EQ(checkedOptions(), chosen.join(u' ').toStdString());
            delete window;
        }
    }
}

// First and last pixel column holding dark ink: text, not the light edge of a circle or frame.
std::pair<int, int> inkColumns(QWidget* control) {
    const QImage image = control->grab().toImage();
    int first = image.width();
    int last = -1;
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (qGray(image.pixel(x, y)) < 128) {
                first = std::min(first, x);
                last = x;
            }
    return {first, last};
}

TEST_F(KeysAndChoicesTest, TheFixedPrefixAndTheCopyCaptionsStayInsideTheirBoxes) {
    open<SettingsWindow>();
    auto* prefix = control<QWidget>(window, "Label1_13");
    EXPECT_EQ(prefix->geometry(), QRect(5, 20, 41, 17));
    const auto [prefixStart, prefixEnd] = inkColumns(prefix);
    EXPECT_GE(prefixStart, 2); // clear of the frame's border just left of the label
    EXPECT_LE(prefixEnd, prefix->width() - 2);
    // Each caption ends well before the next button's circle or the years box.
    const std::pair<const char*, int> boxes[] = {
        {"Option2_0", 40}, {"Option2_1", 40}, {"Option2_2", 104}};
    for (const auto& [name, width] : boxes) {
        auto* option = control<QWidget>(window, name);
        EXPECT_EQ(option->width(), width) << name;
        EXPECT_LE(inkColumns(option).second, option->width() - 5) << name;
    }
}

} // namespace
