#include "ui/main/MainWindow.h"

#include "core/SpokenTexts.h"
#include "ui/Accessibility.h"
#include "ui/dialogs/DialogLook.h"
#include "ui/main/Pictures.h"
#include "ui/main/ViewParts.h"

#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <algorithm>

namespace kemurina {

namespace {

struct CaptionLabel {
    int index;
    std::size_t heading; // a Caption, or kLungHeading
    Twips box;
};

constexpr std::array<CaptionLabel, 7> kCaptionLabels = {{
    {0, ElapsedCaption, {120, 60, 1335, 135}},
    {4, LifeCaption, {120, 610, 975, 135}},
    {2, MoneyCaption, {120, 1155, 1335, 135}},
    {1, NotSmokedCaption, {120, 1710, 1455, 135}},
    {6, MessageCaption, {120, 2235, 975, 135}},
    {5, StatusCaption, {4005, 60, 975, 135}},
    {19, kLungHeading, {4080, 630, 735, 135}},
}};

// Indexed by Caption: elapsed, lifetime, money, status, not smoked, message.
constexpr std::array<Twips, kCaptionCount> kValueLabels = {{
    {240, 240, 3615, 255},
    {240, 790, 3615, 255},
    {240, 1340, 3615, 255},
    {4080, 240, 1335, 255},
    {240, 1890, 5175, 255},
    {240, 2440, 5175, 255},
}};

struct Picture {
    const char* name;
    const char* resource;
    Twips box;
};

// Indexed by MilestonePicture.
constexpr std::array<Picture, kMilestonePictureCount> kPictures = {{
    {"Image1_10", ":/milestones/image1_10.png", {2040, 2700, 450, 435}},
    {"Image1_11", ":/milestones/image1_11.png", {2580, 2700, 450, 435}},
    {"Image1_12", ":/milestones/image1_12.png", {3120, 2700, 450, 435}},
    {"Image3_0", ":/milestones/image3_0.png", {2040, 1560, 450, 435}},
    {"Image3_1", ":/milestones/image3_1.png", {2580, 1560, 450, 435}},
    {"Image3_2", ":/milestones/image3_2.png", {3120, 1560, 450, 435}},
}};

struct Shape {
    const char* name;
    FilledShape::Kind kind;
    Twips box;
};

// The two lobes and the bridge between them.
constexpr std::array<Shape, 3> kLungShapes = {{
    {"Shape2_0", FilledShape::Kind::Oval, {4320, 860, 375, 735}},
    {"Shape2_1", FilledShape::Kind::Oval, {4800, 860, 375, 735}},
    {"Shape1", FilledShape::Kind::Rectangle, {4560, 1100, 375, 210}},
}};

struct Button {
    const char* name;
    const char* caption;
    const char* description; // what the short caption does, for screen readers
    Twips box;
    ViewAction action;
};

// In reading order, which is also the keyboard's.
const std::array<Button, 4> kButtons = {{
    {"Command3", "コピ１", "報告文をコピーする", {120, 2950, 735, 300}, {ViewCommand::CopyReport}},
    {"Command4", "コピ２", "投稿用にコピーする", {960, 2950, 735, 300}, {ViewCommand::CopyPost}},
    {"Command2", "ＢＢＳ", "登録ページを開く", {3960, 2950, 735, 300}, {ViewCommand::OpenBlog}},
    {"Command1",
     "設定",
     "設定を変更する",
     {4800, 2950, 735, 300},
     {ViewCommand::Open, WindowKind::Settings}},
}};

// Two open frames: around the message of the day and around the lungs, each with a gap
// in its top-left corner where the caption sits.
struct Line {
    int x1, y1, x2, y2;
};
constexpr std::array<Line, 8> kFrameLines = {{
    {960, 2300, 5520, 2300},
    {120, 2400, 120, 2780},
    {5520, 2300, 5520, 2780},
    {120, 2780, 5520, 2780},
    {4800, 720, 5400, 720},
    {4080, 840, 4080, 1680},
    {5400, 720, 5400, 1680},
    {4080, 1680, 5400, 1680},
}};

const QColor kInitialLungColour(255, 192, 192);
constexpr qreal kCaptionPointSize = 8.25;

} // namespace

MainWindow::MainWindow(AppContext& context)
    : ViewWindow(context, View::Main, QStringLiteral("Form1"), QStringLiteral(" ケムリナ - pelnoa"),
                 QSize(twipsToPixels(5625), twipsToPixels(3330))) {
    fillWithFormGrey(this);
    buildControls();
    render();
    placeAtStoredCorner();
    applyLabelColours();
    connect(&m_session, &Session::refreshed, this, &MainWindow::render);
    connect(&m_session, &Session::elapsedToggled, this, &MainWindow::showElapsed);
}

void MainWindow::buildControls() {
    for (std::size_t i = 0; i < kFrameLines.size(); ++i) {
        const Line& l = kFrameLines[i];
        auto* line = new FrameLine(l.x1, l.y1, l.x2, l.y2, this);
        line->setObjectName(QStringLiteral("Line%1").arg(i + 1));
    }

    QPalette captionPalette = palette();
    captionPalette.setColor(QPalette::WindowText, Qt::white);
    for (const CaptionLabel& c : kCaptionLabels) {
        auto* label = new ControlLabel(heading(c.heading), this);
        label->setObjectName(QStringLiteral("Label1_%1").arg(c.index));
        placeTwips(label, c.box);
        useGothicFont(label, kCaptionPointSize);
        // The drawn height is a little short for the fallback fonts; never cut the glyphs.
        label->resize(label->width(), std::max(label->height(), label->fontMetrics().height()));
        label->setPalette(captionPalette);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }

    for (std::size_t i = 0; i < kCaptionCount; ++i) {
        auto* label = new ControlLabel(this);
        label->setObjectName(QStringLiteral("Label2_%1").arg(i));
        placeTwips(label, kValueLabels[i]);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setLineWidth(1);
        label->setAlignment(Qt::AlignCenter);
        label->setAutoFillBackground(true);
        m_values[i] = label;
    }
    ControlLabel* elapsed = m_values[ElapsedCaption];
    connect(elapsed, &ControlLabel::clicked, &m_session, &Session::toggleElapsed);
    // Only the keyboard gives it the focus: a click toggles it as before and moves nothing.
    elapsed->setFocusPolicy(Qt::TabFocus);
    elapsed->setAccessibleDescription(QStringLiteral("スペースキーで日数だけの表示と切り替えます"));

    for (std::size_t i = 0; i < kLungShapes.size(); ++i) {
        m_lungs[i] = new FilledShape(kLungShapes[i].kind, this);
        m_lungs[i]->setObjectName(QString::fromLatin1(kLungShapes[i].name));
        placeTwips(m_lungs[i], kLungShapes[i].box);
    }
    for (FilledShape* lung : m_lungs)
        lung->setFillColor(kInitialLungColour);
    // One picture for the reader: the first lobe speaks for the whole lungs.
    setAccessibleRole(m_lungs[0], QAccessible::Graphic);

    for (std::size_t i = 0; i < kMilestonePictureCount; ++i) {
        auto* picture = new ControlLabel(this);
        picture->setObjectName(QString::fromLatin1(kPictures[i].name));
        placeTwips(picture, kPictures[i].box);
        picture->setScaledContents(true);
        picture->hide();
        m_pictures[i] = picture;
    }
    auto* image2 = new ControlLabel(this);
    image2->setObjectName(QStringLiteral("Image2"));
    placeTwips(image2, {0, 240, 240, 240});
    image2->hide();

    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("ProgressBar1"));
    placeTwips(m_progress, {1800, 3120, 2055, 120});
    m_progress->setRange(0, kProgressMaximum);
    m_progress->setValue(0);
    m_progress->setTextVisible(false);

    QWidget* previous = elapsed;
    for (const Button& b : kButtons) {
        auto* button = new QPushButton(QString::fromUtf8(b.caption), this);
        button->setObjectName(QString::fromLatin1(b.name));
        placeTwips(button, b.box);
        button->setAutoDefault(false);
        button->setAccessibleDescription(QString::fromUtf8(b.description));
        connect(button, &QPushButton::clicked, this, [this, a = b.action] { run(a); });
        setTabOrder(previous, button);
        previous = button;
    }
}

void MainWindow::applyLabelColours() {
    const Options& o = m_session.state().options;
    for (ControlLabel* label : m_values) {
        QPalette pal = label->palette();
        pal.setColor(QPalette::Window, toQColor(o.backColor));
        pal.setColor(QPalette::WindowText, toQColor(o.textColor));
        label->setPalette(pal);
    }
}

void MainWindow::render() {
    const DisplayValues& values = m_session.state().display;
    for (std::size_t i = 0; i < kCaptionCount; ++i)
        m_values[i]->setText(values.captions[i]);

    const Rgb lung = values.lungColour;
    m_lungs[0]->setFillColor(QColor(lung.red, lung.green, lung.blue));
    m_lungs[1]->setFillColor(m_lungs[0]->fillColor());
    m_lungs[2]->setFillColor(m_lungs[0]->fillColor());

    const MilestoneView& m = values.milestones;
    for (std::size_t i = 0; i < kMilestonePictureCount; ++i) {
        showMilestonePicture(i, m.visible[i]);
        if (m.visible[i] && m.topTwips)
            m_pictures[i]->move(m_pictures[i]->x(), twipsToPixels(*m.topTwips));
    }
    if (m.hideProgressBar)
        m_progress->hide();
    m_progress->setValue(m.progressValue);
    speakValues();
}

void MainWindow::speakValues() {
    const SpokenTexts spoken = spokenTexts(m_session.state());
    for (std::size_t i = 0; i < kCaptionCount; ++i)
        speak(m_values[i], spoken.values[i]);
    speak(m_lungs[0], spoken.lungs);
    for (std::size_t i = 0; i < kMilestonePictureCount; ++i)
        speak(m_pictures[i], spoken.pictures[i]);
    speak(m_progress, spoken.progress);
}

void MainWindow::showMilestonePicture(std::size_t picture, bool visible) {
    if (visible && !m_pictureLoaded[picture]) {
        // Loaded on first use: most days show no picture at all.
        m_pictures[picture]->setPixmap(
            loadPngPicture(QString::fromLatin1(kPictures[picture].resource), devicePixelRatioF()));
        m_pictureLoaded[picture] = true;
    }
    m_pictures[picture]->setVisible(visible);
}

void MainWindow::showElapsed() {
    m_values[ElapsedCaption]->setText(m_session.state().display.captions[ElapsedCaption]);
    speakValues();
}

} // namespace kemurina
