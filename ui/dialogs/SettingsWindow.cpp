#include "ui/dialogs/SettingsWindow.h"

#include "core/SpokenTexts.h"
#include "ui/Accessibility.h"
#include "ui/dialogs/DialogLook.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace kemurina {

namespace {

constexpr char kThemes[][16] = {"ソルジャー", "コスモ", "会社モード", "日本旅行"};

struct QuitBox {
    const char* name;
    int left;
    int width;
    int maxLength;
    const char* unitName;
    const char* unit;
};
constexpr QuitBox kQuitBoxes[] = {
    {"Text1_0", 960, 735, 4, "Label1_0", "年"},  {"Text1_1", 2040, 375, 2, "Label1_1", "月"},
    {"Text1_2", 2760, 375, 2, "Label1_2", "日"}, {"Text1_3", 3480, 375, 2, "Label1_3", "時"},
    {"Text1_4", 4200, 375, 2, "Label1_4", "分"},
};

struct Choice {
    const char* name;
    const char* caption;
    const char* spoken; // the caption with what it adds, for screen readers
    int left;
    int width;
};
// Inside the "copy+" frame.
constexpr Choice kSuffixOptions[] = {
    {"Option2_0", "OFF", "OFF（何も付けない）", 480, 600},
    {"Option2_1", "ON", "ON（本数・金額・サイズを付ける）", 1080, 600},
    {"Option2_2", "ON+喫煙年数→", "ON+喫煙年数（本数と喫煙年数を付ける）", 1680, 1560}};
constexpr int kChoiceTopInFrame = 195;
constexpr int kFrameEdgeTop = 6; // pixels
constexpr int kFrameCaptionLeft = 6;
// Pixels between a caption and the edge of the box around it.
constexpr int kCaptionInset = 2;
constexpr int kCaptionGap = 4;

constexpr int kBoxMaxLength = 256;

QString utf8(const char* text) {
    return QString::fromUtf8(text);
}

template <std::size_t N>
std::array<QRadioButton*, N> addChoices(QWidget* parent, const Choice (&choices)[N], int top,
                                        int height) {
    std::array<QRadioButton*, N> buttons{};
    for (std::size_t i = 0; i < N; ++i) {
        buttons[i] = addOption(parent, choices[i].name, utf8(choices[i].caption),
                               {choices[i].left, top, choices[i].width, height});
        buttons[i]->setAccessibleName(utf8(choices[i].spoken));
    }
    return buttons;
}

template <std::size_t N>
std::optional<std::int32_t> checkedIndex(const std::array<QRadioButton*, N>& buttons) {
    for (std::size_t i = 0; i < N; ++i)
        if (buttons[i]->isChecked())
            return static_cast<std::int32_t>(i);
    return std::nullopt;
}

} // namespace

SettingsWindow::SettingsWindow(AppContext& context, QWidget* parent)
    : QWidget(parent, Qt::Window), m_context(context), m_session(context.session) {
    m_session.settingsWindowOpened();
    // Through a connection the session owns: at exit the session may be gone before this window.
    connect(this, &QObject::destroyed, &m_session, &Session::settingsWindowGone);
    setUpDialog(this, "Form2",
                QStringLiteral(" 設定ウィンドウ - 全て半角で記入してください - pelnoa"));
    fixClientSize(this, 5655, 3390);
    buildControls();
    fillFromRecords();
    onEnterKey(this, [this] { save(); });
}

void SettingsWindow::buildControls() {
    addShape(this, "Shape1", {60, 15, 5535, 1635});
    addShape(this, "Shape2", {60, 1740, 5535, 1200});

    auto* blogHeading =
        addLabel(this, "Label1_11", QStringLiteral("あなたのブログや掲示板のアドレス"),
                 {120, 45, 3015, 255});
    auto* prefix = addLabel(this, "Label1_13", QStringLiteral("http://"), {80, 300, 615, 255});
    fitLabelText(prefix, kCaptionInset);
    prefix->setAccessibleName(QStringLiteral("http://（アドレスの先頭）"));
    m_blogBox = addTextBox(this, "Text4", kBoxMaxLength, {720, 260, 3135, 270});
    labelInput(blogHeading, m_blogBox);
    auto* themeHeading =
        addLabel(this, "Label1_16", QStringLiteral("ステータスの選択"), {3960, 45, 1575, 255});
    m_themeBox = new QComboBox(this);
    m_themeBox->setObjectName(QStringLiteral("Combo1"));
    m_themeBox->setEditable(true);
    m_themeBox->setInsertPolicy(QComboBox::NoInsert);
    for (const char* theme : kThemes)
        m_themeBox->addItem(utf8(theme));
    placeTwips(m_themeBox, {3960, 240, 1575, 300});
    labelInput(themeHeading, m_themeBox);
    // The typing field inside takes the focus, so it is what a reader names.
    m_themeBox->lineEdit()->setAccessibleName(themeHeading->text());

    auto* textColour =
        addButton(this, "Command3", QStringLiteral("テキストの色"), {240, 720, 1335, 255});
    m_sample = addLabel(this, "Label2", QStringLiteral("サンプル色"), {1680, 720, 2295, 255});
    m_sample->setAlignment(Qt::AlignCenter);
    m_sample->setFrameShape(QFrame::Box);
    m_sample->setAutoFillBackground(true);
    auto* backColour =
        addButton(this, "Command4", QStringLiteral("背景の色"), {4080, 720, 1335, 255});
    connect(textColour, &QPushButton::clicked, this, [this] { chooseColour(m_textColor); });
    connect(backColour, &QPushButton::clicked, this, [this] { chooseColour(m_backColor); });

    // A frame with its caption on the top edge.
    auto* frame = new QWidget(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    placeTwips(frame, {120, 1080, 4095, 495});
    auto* edge = new QFrame(frame);
    edge->setFrameStyle(QFrame::Box | QFrame::Sunken);
    edge->setGeometry(0, kFrameEdgeTop, frame->width(), frame->height() - kFrameEdgeTop);
    auto* caption = new QLabel(QStringLiteral("copy+"), frame);
    caption->setAutoFillBackground(true);
    caption->move(kFrameCaptionLeft, 0);
    caption->adjustSize();
    const QString copyGroup = QStringLiteral("コピーに付ける情報（copy+）");
    caption->setAccessibleName(copyGroup);
    m_suffixOptions = addChoices(frame, kSuffixOptions, kChoiceTopInFrame, 270);
    groupAsOneChoice(m_suffixOptions);
    fitOptionCaptions(m_suffixOptions, kCaptionGap);
    describeGroup(m_suffixOptions, copyGroup);
    m_yearsBox = addTextBox(frame, "Text7", 2, {3240, kChoiceTopInFrame, 375, 270});
    labelInput(addLabel(frame, "Label3", QStringLiteral("年"), {3660, kChoiceTopInFrame, 255, 270}),
               m_yearsBox, QStringLiteral("喫煙年数（年）"));
    for (QRadioButton* option : m_suffixOptions)
        connect(option, &QRadioButton::toggled, this,
                [this] { m_yearsBox->setEnabled(m_suffixOptions[2]->isChecked()); });

    m_packCountBox = new QCheckBox(this);
    m_packCountBox->setObjectName(QStringLiteral("Check2"));
    placeTwips(m_packCountBox, {4440, 1320, 255, 255});
    const QString packCount = QStringLiteral("箱数表示");
    labelInput(addLabel(this, "Label5", packCount, {4680, 1320, 855, 255}), m_packCountBox,
               packCount);

    const QString quitHeading = QStringLiteral("卒煙日");
    addLabel(this, "Label1_6", quitHeading, {240, 1845, 720, 255});
    for (std::size_t i = 0; i < m_quitBoxes.size(); ++i) {
        const QuitBox& box = kQuitBoxes[i];
        m_quitBoxes[i] =
            addTextBox(this, box.name, box.maxLength, {box.left, 1800, box.width, 270});
        QLabel* unit = addLabel(this, box.unitName, utf8(box.unit),
                                {box.left + box.width + 45, 1845, 255, 255});
        labelInput(unit, m_quitBoxes[i], quitHeading + QStringLiteral("　") + unit->text());
    }

    auto* perDay =
        addLabel(this, "Label1_7", QStringLiteral("一日あたりの本数"), {240, 2205, 1815, 255});
    m_perDayBox = addTextBox(this, "Text2", 3, {2160, 2160, 495, 240});
    labelInput(perDay, m_perDayBox);
    addLabel(this, "Label1_5", QStringLiteral("本"), {2700, 2205, 255, 255});
    auto* price =
        addLabel(this, "Label1_8", QStringLiteral("一箱（２０本）の金額"), {240, 2450, 1815, 255});
    m_priceBox = addTextBox(this, "Text3", 4, {2160, 2400, 615, 240});
    labelInput(price, m_priceBox);
    addLabel(this, "Label1_9", QStringLiteral("円"), {2820, 2450, 255, 255});
    auto* tobaccoTax =
        addLabel(this, "Label1_14", QStringLiteral("税(円/千本)"), {3480, 2200, 1035, 255});
    m_tobaccoTaxBox = addTextBox(this, "Text5", 5, {3600, 2400, 855, 240});
    labelInput(tobaccoTax, m_tobaccoTaxBox);
    auto* consumptionTax =
        addLabel(this, "Label1_15", QStringLiteral("消費税(％)"), {4560, 2200, 975, 255});
    m_consumptionTaxBox = addTextBox(this, "Text6", 2, {4620, 2400, 495, 240});
    labelInput(consumptionTax, m_consumptionTaxBox);
    const QString sizeHeading = QStringLiteral("サイズ");
    addLabel(this, "Label1_10", sizeHeading, {240, 2660, 735, 255});
    m_sizeOptions = addSizeOptions(this, {1080, 2280, 3960}, 2660);
    describeGroup(m_sizeOptions, sizeHeading);

    auto* premium = addButton(this, "Command5", QStringLiteral("みんなでケムリナ＝広告"),
                              {120, 3000, 2175, 300});
    auto* help = addButton(this, "Command6", QStringLiteral("ヘルプ"), {2400, 3000, 735, 300});
    auto* saveButton =
        addButton(this, "Command1", QStringLiteral("設定を保存"), {3240, 3000, 1095, 300});
    auto* cancelButton =
        addButton(this, "Command2", QStringLiteral("キャンセル"), {4440, 3000, 1095, 300});
    connect(premium, &QPushButton::clicked, this, [this] {
        m_session.request(WindowKind::PremiumNotice);
        close();
    });
    connect(help, &QPushButton::clicked, this, [this] { m_session.request(WindowKind::Help); });
    connect(saveButton, &QPushButton::clicked, this, &SettingsWindow::save);
    connect(cancelButton, &QPushButton::clicked, this, &SettingsWindow::cancel);
}

void SettingsWindow::fillFromRecords() {
    const QuitProfile& profile = m_session.state().profile;
    const Options& options = m_session.state().options;
    const DateTimeParts quit = profile.quitMoment();
    const std::int32_t parts[] = {quit.year, quit.month, quit.day, quit.hour, quit.minute};
    for (std::size_t i = 0; i < m_quitBoxes.size(); ++i)
        m_quitBoxes[i]->setText(QString::number(parts[i]));
    m_perDayBox->setText(QString::number(profile.cigarettesPerDay));
    m_priceBox->setText(QString::number(profile.packPrice));

    showCigaretteLength(m_sizeOptions, profile.cigaretteLength);
    const bool knownSuffix = options.profileSuffix >= 0 && options.profileSuffix <= 2;
    m_suffixOptions[knownSuffix ? static_cast<std::size_t>(options.profileSuffix) : 0]->setChecked(
        true);
    m_yearsBox->setEnabled(m_suffixOptions[2]->isChecked());

    m_tobaccoTaxBox->setText(QString::number(options.tobaccoTaxPer1000));
    m_consumptionTaxBox->setText(QString::number(options.consumptionTaxPercent));
    m_yearsBox->setText(QString::number(options.smokingYears));
    m_packCountBox->setChecked(options.showPackCount == 1);
    m_blogBox->setText(options.blogAddress);
    m_themeBox->setEditText(options.statusTheme);
    m_textColor = options.textColor;
    m_backColor = options.backColor;
    showSampleColours();
    moveToTwips(this, {options.mainLeft, options.mainTop}, m_context.platform);
}

void SettingsWindow::chooseColour(std::int32_t& colour) {
    const auto chosen = m_context.platform.chooseColor(this, m_lastDialogColour);
    if (!chosen)
        return;
    m_lastDialogColour = *chosen;
    colour = Rgb{chosen->red(), chosen->green(), chosen->blue()}.toWindowsColor();
    showSampleColours();
}

void SettingsWindow::showSampleColours() {
    QPalette palette = m_sample->palette();
    palette.setColor(QPalette::Window, toQColor(m_backColor));
    palette.setColor(QPalette::WindowText, toQColor(m_textColor));
    m_sample->setPalette(palette);
    speak(m_sample,
          m_sample->text() + QStringLiteral("　") + colourSampleText(m_textColor, m_backColor));
}

void SettingsWindow::save() {
    SettingsEntry entry;
    for (std::size_t i = 0; i < m_quitBoxes.size(); ++i)
        entry.quitMoment[i] = m_quitBoxes[i]->text();
    entry.cigarettesPerDay = m_perDayBox->text();
    entry.packPrice = m_priceBox->text();
    entry.cigaretteLength = chosenCigaretteLength(m_sizeOptions);
    entry.blogAddress = m_blogBox->text();
    entry.profileSuffix = checkedIndex(m_suffixOptions);
    entry.showPackCount = m_packCountBox->isChecked();
    entry.statusTheme = m_themeBox->currentText();
    entry.tobaccoTax = m_tobaccoTaxBox->text();
    entry.consumptionTax = m_consumptionTaxBox->text();
    entry.smokingYears = m_yearsBox->text();
    entry.corner = windowTwips(this, m_context.platform, m_session.corner(View::Main));
    entry.textColor = m_textColor;
    entry.backColor = m_backColor;
    const SaveOutcome outcome = m_session.saveSettings(entry);
    if (outcome != SaveOutcome::Saved) {
        const QString messages[] = {QString(), rangeMessage(), futureMessage(),
                                    saveFailedMessage()};
        m_context.platform.showMessage(this, messages[static_cast<int>(outcome)]);
        return;
    }
    m_session.request(WindowKind::Views);
    close();
}

void SettingsWindow::cancel() {
    m_session.request(WindowKind::Views);
    close();
}

} // namespace kemurina
