#include "core/SpokenTexts.h"

#include "base/NumberText.h"

#include <gtest/gtest.h>

using namespace kemurina;

TEST(SpokenTexts, ValueAfterHeading) {
    AppState s;
    s.profile.setQuitMoment({2010, 1, 1, 0, 0});
    refreshAll(s, {2010, 1, 5, 5, 7}, 50);
    const SpokenTexts spoken = spokenTexts(s);
    EXPECT_EQ(spoken.values[ElapsedCaption], "卒煙からの日数　０年０ヶ月４日５時間７分");
    EXPECT_EQ(spoken.values[MessageCaption], "今日の一言　" + s.display.captions[MessageCaption]);
    EXPECT_EQ(spoken.progress, "次の目標まで３３分の１２");
    EXPECT_EQ(spoken.lungs, "肺の状態　ピンク色（回復）まであと３５日");
}

TEST(SpokenTexts, LungsUntilPink) {
    for (const auto& [days, lungs] :
         {std::pair{38, "ピンク色（回復）まであと１日"}, std::pair{39, "ピンク色（回復）"}}) {
        AppState s;
        s.metrics.wholeDays = days;
        EXPECT_EQ(spokenTexts(s).lungs, "肺の状態　" + QString(lungs)) << days;
    }
}

// Each milestone picture names the day from which it is on show.
TEST(SpokenTexts, PicturesNameTheirMilestone) {
    const SpokenTexts spoken = spokenTexts(AppState{});
    for (std::size_t i = 0; i < kMilestonePictureCount; ++i) {
        int day = 0;
        while (!milestoneView(day).visible[i])
            ++day;
        EXPECT_TRUE(spoken.pictures[i].startsWith("卒煙" + wideNumber(day) + "日達成の記念　"))
            << i;
    }
}

TEST(SpokenTexts, ColourSampleNames) {
    const auto said = [](Rgb text, Rgb back) {
        return colourSampleText(text.toWindowsColor(), back.toWindowsColor());
    };
    EXPECT_EQ(said({255, 255, 255}, {28, 4, 141}), "文字は白、背景は紺");
    EXPECT_EQ(said({10, 0, 20}, {200, 190, 190}), "文字は黒、背景は明るい灰色");
    EXPECT_EQ(said({250, 150, 180}, {0, 70, 10}), "文字はピンク、背景は深緑");
}
