#include "core/SpokenTexts.h"

#include "base/NumberText.h"

#include <QDate>
#include <gtest/gtest.h>

using namespace kemurina;

// By day at 05:07: the lungs, the bar and the 11-day milestones of the pictures on show.
TEST(SpokenTexts, SayEachValueAfterItsHeading) {
    const struct {
        int days;
        const char* lungs;
        int progress;
        std::vector<int> milestones;
    } rows[] = {
        {4, "ピンク色（回復）まであと３５日", 12, {}},
        {25, "ピンク色（回復）まであと１４日", 9, {11, 22}},
        {38, "ピンク色（回復）まであと１日", 0, {11, 22, 33}},
        {39, "ピンク色（回復）", 0, {11, 22, 33}},
        {50, "ピンク色（回復）", 0, {22, 33, 44}},
        {60, "ピンク色（回復）", 0, {33, 44, 55}},
        {400, "ピンク色（回復）", 0, {44, 55, 66}},
    };
    for (const auto& row : rows) {
        AppState s;
        s.profile.setQuitMoment({2010, 1, 1, 0, 0});
        const QDate d = QDate(2010, 1, 1).addDays(row.days);
        refreshAll(s, {d.year(), d.month(), d.day(), 5, 7}, 50);
        const SpokenTexts spoken = spokenTexts(s);
        for (std::size_t i = 0; i < kCaptionCount; ++i)
            EXPECT_EQ(spoken.values[i], heading(i) + u'　' + s.display.captions[i]) << row.days;
        EXPECT_EQ(spoken.lungs, QStringLiteral("肺の状態　") + QString::fromUtf8(row.lungs));
        EXPECT_EQ(spoken.progress,
                  QStringLiteral("次の目標まで３３分の") + wideNumber(row.progress));
        QStringList shown;
        for (std::size_t i = 0; i < kMilestonePictureCount; ++i) {
            if (s.display.milestones.visible[i])
                shown << spoken.pictures[i];
        }
        ASSERT_EQ(shown.size(), row.milestones.size()) << row.days;
        for (const int m : row.milestones)
            EXPECT_EQ(shown.filter(u'煙' + wideNumber(m) + QStringLiteral("日達成")).size(), 1)
                << row.days << " " << m;
        if (row.days == 4) {
            EXPECT_EQ(spoken.values[ElapsedCaption], "卒煙からの日数　０年０ヶ月４日５時間７分");
        }
    }
}

TEST(SpokenTexts, ColourSampleNamesTheNearestColours) {
    const auto said = [](Rgb text, Rgb back) {
        return colourSampleText(text.toWindowsColor(), back.toWindowsColor());
    };
    EXPECT_EQ(said({255, 255, 255}, {28, 4, 141}), "文字は白、背景は紺");
    EXPECT_EQ(said({10, 0, 20}, {200, 190, 190}), "文字は黒、背景は明るい灰色");
    EXPECT_EQ(said({250, 150, 180}, {0, 70, 10}), "文字はピンク、背景は深緑");
}
