#include "core/Refresh.h"

#include "base/NumberText.h"
#include "content/ComparisonObjects.h"
#include "content/DailyMessages.h"
#include "content/StatusRanks.h"
#include "core/Checked.h"
#include "core/Reports.h"

#include <algorithm>

namespace kemurina {

namespace {

struct MilestoneBand {
    std::int32_t fromDay;
    std::array<bool, kMilestonePictureCount> visible; // Image1(10..12), Image3(0..2)
    bool movesToMilestoneRow;
    bool hidesProgressBar;
};

// Highest band first; the first band whose start the day count reaches applies.
constexpr std::array<MilestoneBand, 7> kMilestoneBands = {{
    {66, {false, false, false, true, true, true}, true, true},
    {55, {false, true, false, true, false, true}, true, true},
    {44, {false, true, true, true, false, false}, true, true},
    {33, {true, true, true, false, false, false}, true, true},
    {22, {true, false, true, false, false, false}, false, false},
    {11, {true, false, false, false, false, false}, false, false},
    {0, {false, false, false, false, false, false}, false, false},
}};

constexpr int kLungRedLimit = 255;
constexpr int kLungGreenLimit = 140;
constexpr int kLungStart = 5; // the colour value on the quit day
constexpr int kLungStepPerDay = 10;

QString moneyCaption(const Metrics& m) {
    return plainNumber(m.moneySaved) + QStringLiteral("円（節税分") + spacedNumber(m.taxShare) +
           QStringLiteral("円）");
}

QString lifeCaption(const Metrics& m) {
    return wideNumber(m.lifeDays()) + QStringLiteral("日と") + wideNumber(m.lifeHoursPart()) +
           QStringLiteral("時間") + wideNumber(m.lifeMinutesPart()) + QStringLiteral("分");
}

} // namespace

Rgb lungColour(std::int32_t wholeDays) {
    const std::int64_t v = std::int64_t{wholeDays} * kLungStepPerDay + kLungStart;
    if (v < kLungRedLimit + 1)
        return {static_cast<int>(std::max<std::int64_t>(v, 0)), 0, 0};
    const int green = static_cast<int>(std::min<std::int64_t>(v - kLungRedLimit, kLungGreenLimit));
    return {kLungRedLimit, green, green};
}

std::int32_t lungPinkDay() {
    const int pinkValue = kLungRedLimit + kLungGreenLimit;
    return (pinkValue - kLungStart + kLungStepPerDay - 1) / kLungStepPerDay;
}

MilestoneView milestoneView(std::int32_t wholeDays) {
    MilestoneView view;
    if (wholeDays < 0)
        return view;
    const auto band = std::find_if(kMilestoneBands.begin(), kMilestoneBands.end(),
                                   [&](const MilestoneBand& b) { return wholeDays >= b.fromDay; });
    view.visible = band->visible;
    if (band->movesToMilestoneRow)
        view.topTwips = kMilestoneRowTopTwips;
    view.hideProgressBar = band->hidesProgressBar;
    if (!band->hidesProgressBar)
        view.progressValue = (wholeDays - band->fromDay) * 3;
    return view;
}

std::int32_t milestoneFirstDay(MilestonePicture picture) {
    // The bands run highest first: the last one that shows the picture starts it.
    std::int32_t first = 0;
    for (const MilestoneBand& band : kMilestoneBands)
        if (band.visible[picture])
            first = band.fromDay;
    return first;
}

QString calendarElapsedText(const Metrics& m) {
    return wideNumber(m.years()) + QStringLiteral("年") + wideNumber(m.months()) +
           QStringLiteral("ヶ月") + wideNumber(m.days()) + QStringLiteral("日") +
           wideNumber(m.hours()) + QStringLiteral("時間") + wideNumber(m.minutes()) +
           QStringLiteral("分");
}

QString dayCountElapsedText(const Metrics& m) {
    return wideNumber(m.wholeDays) + QStringLiteral("日") + wideNumber(m.hours()) +
           QStringLiteral("時間") + wideNumber(m.minutes()) + QStringLiteral("分");
}

void refreshAll(AppState& state, const DateTimeParts& now, int randomDraw) {
    Metrics& m = state.metrics;
    auto& captions = state.display.captions;
    m = computeMetrics(state.profile, state.options, now);

    captions[ElapsedCaption] = calendarElapsedText(m);
    captions[MoneyCaption] = moneyCaption(m);
    state.shortSummary =
        QStringLiteral("節約できた金額は") + wideNumber(m.moneySaved) + QStringLiteral("円です。");
    captions[LifeCaption] = lifeCaption(m);

    const NotSmokedTexts notSmoked =
        notSmokedTexts(m.totalLengthMm, saturateToInt32(m.cigarettesNotSmoked),
                       state.profile.cigaretteLength, state.options.showPackCount);
    captions[NotSmokedCaption] = notSmoked.caption;
    state.shortSummary += notSmoked.sentence;

    captions[MessageCaption] = dailyMessage(m.years(), m.months(), m.wholeDays, randomDraw);
    captions[StatusCaption] = statusTitle(state.options.statusTheme, m.wholeDays, m.years());

    state.display.lungColour = lungColour(m.wholeDays);
    state.display.milestones = milestoneView(m.wholeDays);
    state.display.miniSummary = miniSummary(state);
    state.elapsedToggle = false;
}

void toggleElapsedLabel(AppState& state) {
    state.elapsedToggle = !state.elapsedToggle;
    state.display.captions[ElapsedCaption] = state.elapsedToggle
                                                 ? dayCountElapsedText(state.metrics)
                                                 : calendarElapsedText(state.metrics);
}

} // namespace kemurina
