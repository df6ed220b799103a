#include "ui/dialogs/SeasonalWindow.h"

#include "ui/dialogs/DialogLook.h"
#include "ui/dialogs/StartConfirmationWindow.h"

#include <QLabel>
#include <QMovie>
#include <QPushButton>
#include <algorithm>

namespace kemurina {

namespace {

constexpr int kGreetingTop = 960;
constexpr int kWishSecondTop = 1920;
constexpr int kNewYearGreetingTop = 1200;
constexpr int kNewYearWishTop = 1800;

constexpr SeasonalLayout kLayouts[] = {
    {12,
     24,
     24,
     "クリスマスイブ - pelsoft",
     "クリスマスイブ限定スペシャルメッセージ",
     "",
     "聖なる日の卒煙が",
     "成功しますように！",
     kGreetingTop,
     kWishSecondTop,
     {false, true, false}},
    {12,
     25,
     25,
     "メリークリスマス - pelsoft",
     "クリスマス限定スペシャルメッセージ",
     "メリークリスマス",
     "聖なる日の卒煙が",
     "成功しますように！",
     kGreetingTop,
     kWishSecondTop,
     {true, false, true}},
    {1,
     1,
     3,
     "謹賀新年 - pelsoft",
     "お正月限定スペシャルメッセージ",
     "あけましておめでとうございます",
     "",
     "貴方の卒煙が成功しますように！",
     kNewYearGreetingTop,
     kNewYearWishTop,
     {false, false, false}},
};

constexpr int kPictureLefts[] = {1200, 2570, 3960};
constexpr int kPictureTop = 900;
constexpr int kTextLeft = 480;
constexpr int kTextWidth = 4575;

void moveTop(QWidget* control, int topTwips) {
    control->move(control->x(), twipsToPixels(topTwips));
}

} // namespace

const SeasonalLayout* seasonalLayoutFor(int month, int day) {
    const auto* found = std::find_if(std::begin(kLayouts), std::end(kLayouts), [&](const auto& l) {
        return l.month == month && day >= l.firstDay && day <= l.lastDay;
    });
    return found == std::end(kLayouts) ? nullptr : found;
}

SeasonalWindow::SeasonalWindow(AppContext& context, QWidget* parent)
    : QWidget(parent, Qt::Window), m_context(context) {
    setUpDialog(this, "Form6", QStringLiteral(" メリークリスマス - pelnoa"));
    fixClientSize(this, 5535, 3615);

    auto* heading = addLabel(this, "Label1", QString(), {kTextLeft, 480, kTextWidth, 255});
    auto* greeting =
        addLabel(this, "Label2", QString(), {kTextLeft, kGreetingTop, kTextWidth, 255});
    auto* wishFirst = addLabel(this, "Label3_0", QString(), {kTextLeft, 1560, kTextWidth, 375});
    auto* wishSecond =
        addLabel(this, "Label3_1", QString(), {kTextLeft, kWishSecondTop, kTextWidth, 375});
    for (QLabel* wish : {wishFirst, wishSecond})
        useGothicFont(wish, 12);
    for (QLabel* text : {heading, greeting, wishFirst, wishSecond})
        text->setAlignment(Qt::AlignCenter);

    auto* movie = new QMovie(QStringLiteral(":/seasonal/sparkle.gif"), QByteArray(), this);
    std::array<QLabel*, 3> pictures{};
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        pictures[i] = addLabel(this, QStringLiteral("Image1_%1").arg(i).toLatin1().constData(),
                               QString(), {kPictureLefts[i], kPictureTop, 375, 345});
        pictures[i]->setMovie(movie);
        pictures[i]->setAccessibleName(QStringLiteral("お祝いのきらきら"));
        pictures[i]->hide();
    }

    auto* startButton =
        addButton(this, "Command1", QStringLiteral("卒煙を開始する(CR)"), {1560, 2760, 2295, 375});
    connect(startButton, &QPushButton::clicked, this, &SeasonalWindow::start);
    onEnterKey(this, [this] { start(); });

    const QuitProfile& quit = m_context.session.state().profile;
    if (const SeasonalLayout* layout = seasonalLayoutFor(quit.quitMonth, quit.quitDay)) {
        setWindowTitle(QString::fromUtf8(layout->title));
        heading->setText(QString::fromUtf8(layout->heading));
        greeting->setText(QString::fromUtf8(layout->greeting));
        wishFirst->setText(QString::fromUtf8(layout->wishFirst));
        wishSecond->setText(QString::fromUtf8(layout->wishSecond));
        moveTop(greeting, layout->greetingTop);
        moveTop(wishSecond, layout->wishSecondTop);
        for (std::size_t i = 0; i < pictures.size(); ++i)
            pictures[i]->setVisible(layout->pictures[i]);
        if (std::find(layout->pictures.begin(), layout->pictures.end(), true) !=
            layout->pictures.end())
            movie->start();
    }
    centreOnScreen(this);
}

void SeasonalWindow::start() {
    completeStart(m_context, this);
}

} // namespace kemurina
