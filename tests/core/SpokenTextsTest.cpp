#include "core/SpokenTexts.h"

#include "core/NumberText.h"

#include <QDate>
#include <gtest/gtest.h>

using namespace kemurina;

namespace {

AppState refreshedAfter(int days, int minutes = 0) {
    AppState s;
    s.profile.setQuitMoment({2010, 1, 1, 0, 0});
    const QDate d = QDate(2010, 1, 1).addDays(days);
    refreshAll(s, {d.year(), d.month(), d.day(), minutes / 60, minutes % 60}, 50);
    return s;
}

struct Spoken {
    int days;
    int minutes;
    const char* elapsed; // null: not checked
    const char* lungs;
    const char* progress;
};

constexpr Spoken kSpoken[] = {
    {0, 0, "卒煙からの日数　０年０ヶ月０日０時間０分", "肺の状態　ピンク色（回復）まであと３９日",
     "次の目標まで３３分の０"},
    {4, 307, "卒煙からの日数　０年０ヶ月４日５時間７分", "肺の状態　ピンク色（回復）まであと３５日",
     "次の目標まで３３分の１２"},
    {38, 0, "卒煙からの日数　０年１ヶ月７日０時間０分", "肺の状態　ピンク色（回復）まであと１日",
     "次の目標まで３３分の０"},
    {39, 0, "卒煙からの日数　０年１ヶ月８日０時間０分", "肺の状態　ピンク色（回復）",
     "次の目標まで３３分の０"},
    {-3, 0, nullptr, "肺の状態　ピンク色（回復）まであと４２日", "次の目標まで３３分の０"},
};

} // namespace

TEST(SpokenTexts, ValueLabelsLungsAndBarByDay) {
    for (const Spoken& row : kSpoken) {
        const AppState s = refreshedAfter(row.days, row.minutes);
        const SpokenTexts spoken = spokenTexts(s);
        if (row.elapsed != nullptr) {
            EXPECT_EQ(spoken.values[ElapsedCaption], QString::fromUtf8(row.elapsed)) << row.days;
        }
        EXPECT_EQ(spoken.lungs, QString::fromUtf8(row.lungs)) << row.days;
        EXPECT_EQ(spoken.progress, QString::fromUtf8(row.progress)) << row.days;
    }
}

TEST(SpokenTexts, EveryValueIsReadAfterItsHeadingAsTheLabelShowsIt) {
    AppState s = refreshedAfter(1);
    EXPECT_EQ(spokenTexts(s).values[MoneyCaption], "節約できた金額　300円（節税分 258円）");
    toggleElapsedLabel(s);
    const SpokenTexts spoken = spokenTexts(s);
    EXPECT_EQ(spoken.values[ElapsedCaption], "卒煙からの日数　１日０時間０分");
    for (std::size_t i = 0; i < kCaptionCount; ++i)
        EXPECT_EQ(spoken.values[i], heading(i) + QStringLiteral("　") + s.display.captions[i]);
}

// The pictures on show celebrate the (up to three) latest 11-day milestones reached.
TEST(SpokenTexts, VisiblePicturesNameTheLatestMilestones) {
    for (const int day : {0, 10, 11, 21, 22, 32, 33, 44, 54, 55, 65, 66, 400}) {
        const AppState s = refreshedAfter(day);
        const SpokenTexts spoken = spokenTexts(s);
        QStringList shown;
        for (std::size_t i = 0; i < kMilestonePictureCount; ++i) {
            if (s.display.milestones.visible[i])
                shown << spoken.pictures[i];
        }
        const int latest = std::min(day, 66) / 11 * 11;
        QStringList expected;
        for (int m = std::max(11, latest - 22); m <= latest; m += 11)
            expected << QStringLiteral("卒煙") + wideNumber(m) + QStringLiteral("日達成の記念");
        ASSERT_EQ(shown.size(), expected.size()) << day;
        for (const QString& milestone : expected)
            EXPECT_EQ(shown.filter(milestone).size(), 1) << day << " " << milestone.toStdString();
    }
}

TEST(SpokenTexts, ColourSampleNamesTheNearestColours) {
    const struct {
        Rgb text;
        Rgb back;
        const char* spoken;
    } rows[] = {
        {{255, 255, 255}, {28, 4, 141}, "文字は白、背景は紺"},
        {{10, 0, 20}, {200, 190, 190}, "文字は黒、背景は明るい灰色"},
        {{250, 150, 180}, {0, 70, 10}, "文字はピンク、背景は深緑"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(colourSampleText(row.text.toWindowsColor(), row.back.toWindowsColor()),
                  QString::fromUtf8(row.spoken));
}
