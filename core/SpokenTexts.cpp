#include "core/SpokenTexts.h"

#include "base/NumberText.h"

#include <algorithm>

namespace kemurina {

namespace {

const QString kSeparator = QStringLiteral("　");

// By Caption, then the lungs.
constexpr std::array<const char*, kCaptionCount + 1> kHeadings = {
    "卒煙からの日数",   "延びた寿命", "節約できた金額", "ステータス",
    "吸わなかった煙草", "今日の一言", "肺の状態",
};

// By MilestonePicture: the ducks arrive on days 11, 22 and 33 and celebrate in turn later.
constexpr std::array<const char*, kMilestonePictureCount> kMilestonePictures = {
    "アヒルの副隊長がやってきた", "アヒルの王様がやってきた", "アヒルの隊長がやってきた",
    "アヒルの副隊長のお祝い",     "アヒルの王様のお祝い",     "アヒルの隊長のお祝い",
};

struct NamedColour {
    const char* name;
    Rgb rgb;
};

constexpr NamedColour kColourNames[] = {
    {"黒", {0, 0, 0}},           {"灰色", {128, 128, 128}},   {"明るい灰色", {192, 192, 192}},
    {"白", {255, 255, 255}},     {"赤", {255, 0, 0}},         {"えんじ色", {128, 0, 0}},
    {"ピンク", {255, 160, 192}}, {"オレンジ", {255, 160, 0}}, {"茶色", {150, 75, 0}},
    {"黄色", {255, 255, 0}},     {"黄緑", {160, 255, 64}},    {"緑", {0, 160, 0}},
    {"深緑", {0, 90, 0}},        {"水色", {128, 208, 255}},   {"青", {0, 0, 255}},
    {"紺", {0, 0, 128}},         {"紫", {128, 0, 128}},       {"赤紫", {255, 0, 255}},
    {"青緑", {0, 128, 128}},
};

QString utf8(const char* text) {
    return QString::fromUtf8(text);
}

int distance(const Rgb& a, const Rgb& b) {
    const int r = a.red - b.red;
    const int g = a.green - b.green;
    const int bl = a.blue - b.blue;
    return r * r + g * g + bl * bl;
}

QString colourName(std::int32_t windowsColor) {
    const Rgb rgb = Rgb::fromWindowsColor(windowsColor);
    const auto nearest = std::min_element(std::begin(kColourNames), std::end(kColourNames),
                                          [&](const NamedColour& a, const NamedColour& b) {
                                              return distance(a.rgb, rgb) < distance(b.rgb, rgb);
                                          });
    return utf8(nearest->name);
}

QString lungsText(std::int32_t wholeDays) {
    const std::int64_t daysLeft = std::int64_t{lungPinkDay()} - wholeDays;
    const QString state = daysLeft > 0
                              ? QStringLiteral("ピンク色（回復）まであと") +
                                    wideNumber(static_cast<double>(daysLeft)) + QStringLiteral("日")
                              : QStringLiteral("ピンク色（回復）");
    return heading(kLungHeading) + kSeparator + state;
}

} // namespace

QString heading(std::size_t which) {
    return utf8(kHeadings.at(which));
}

SpokenTexts spokenTexts(const AppState& state) {
    SpokenTexts spoken;
    for (std::size_t i = 0; i < kCaptionCount; ++i)
        spoken.values[i] = heading(i) + kSeparator + state.display.captions[i];
    spoken.lungs = lungsText(state.metrics.wholeDays);
    for (std::size_t i = 0; i < kMilestonePictureCount; ++i)
        spoken.pictures[i] = QStringLiteral("卒煙") +
                             wideNumber(milestoneFirstDay(static_cast<MilestonePicture>(i))) +
                             QStringLiteral("日達成の記念") + kSeparator +
                             milestonePictureName(static_cast<MilestonePicture>(i));
    spoken.progress = QStringLiteral("次の目標まで") + wideNumber(kProgressMaximum) +
                      QStringLiteral("分の") + wideNumber(state.display.milestones.progressValue);
    return spoken;
}

QString milestonePictureName(MilestonePicture picture) {
    return utf8(kMilestonePictures[picture]);
}

QString colourSampleText(std::int32_t textColor, std::int32_t backColor) {
    return QStringLiteral("文字は") + colourName(textColor) + QStringLiteral("、背景は") +
           colourName(backColor);
}

} // namespace kemurina
