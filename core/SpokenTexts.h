#pragma once

#include "core/Refresh.h"

#include <QString>
#include <array>
#include <cstdint>

namespace kemurina {

// The caption over each value label of the main view, by Caption, and over the lungs.
inline constexpr std::size_t kLungHeading = kCaptionCount;
QString heading(std::size_t which);

// What a screen reader says for the main view, as the last refresh or elapsed-label toggle
// left it. Every text is whole on its own: the reader may land on any control first.
struct SpokenTexts {
    std::array<QString, kCaptionCount> values; // 卒煙からの日数　０年１ヶ月３日５時間７分
    QString lungs; // 肺の状態　ピンク色（回復）まであと１４日
    std::array<QString, kMilestonePictureCount> pictures; // the milestone each one celebrates
    QString progress;                                     // 次の目標まで３３分の１２
};
SpokenTexts spokenTexts(const AppState& state);

// What a milestone picture shows: アヒルの副隊長がやってきた
QString milestonePictureName(MilestonePicture picture);

// A colour sample read out: 文字は白、背景は紺 (each colour by its nearest everyday name).
QString colourSampleText(std::int32_t textColor, std::int32_t backColor);

} // namespace kemurina
