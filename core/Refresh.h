#pragma once

#include "core/DataFiles.h"
#include "core/Metrics.h"
#include "core/Records.h"

#include <QString>
#include <array>
#include <optional>

namespace kemurina {

// The value labels of the main view, by index.
enum Caption : std::size_t {
    ElapsedCaption = 0,
    LifeCaption = 1,
    MoneyCaption = 2,
    StatusCaption = 3,
    NotSmokedCaption = 4,
    MessageCaption = 5,
};
inline constexpr std::size_t kCaptionCount = 6;

// The six milestone pictures of the main view, in this order.
enum MilestonePicture : std::size_t {
    Image1_10 = 0,
    Image1_11,
    Image1_12,
    Image3_0,
    Image3_1,
    Image3_2,
};
inline constexpr std::size_t kMilestonePictureCount = 6;
inline constexpr int kMilestoneRowTopTwips = 2850;
inline constexpr int kProgressMaximum = 33;

struct MilestoneView {
    std::array<bool, kMilestonePictureCount> visible{};
    std::optional<int> topTwips; // set: move the visible pictures to this top edge
    int progressValue = 0;
    bool hideProgressBar = false; // once hidden, the bar stays hidden for that window

    friend bool operator==(const MilestoneView&, const MilestoneView&) = default;
};

// Everything a refresh produces for the two views to render.
struct DisplayValues {
    std::array<QString, kCaptionCount> captions;
    Rgb lungColour;
    MilestoneView milestones;
    QString miniSummary;
};

// The shared state of one running program: records, last metrics and what the views show.
struct AppState {
    QuitProfile profile;
    Options options;
    Metrics metrics;
    bool elapsedToggle = false; // while the elapsed label shows the day-count form
    QString shortSummary;
    DisplayValues display;
    LoadResult<History> history; // past attempts, read when the record window opens
    LoadResult<CravingLog> cravings; // urges, read when the urge window opens
};

Rgb lungColour(std::int32_t wholeDays);
std::int32_t lungPinkDay(); // the first day of the final pink
MilestoneView milestoneView(std::int32_t wholeDays);
std::int32_t milestoneFirstDay(MilestonePicture picture); // the day it first shows

QString calendarElapsedText(const Metrics& m); // ０年１ヶ月３日５時間７分
QString dayCountElapsedText(const Metrics& m); // ３４日５時間７分

// Recomputes every figure at now, with r (0..99) for the daily message; clears elapsedToggle.
void refreshAll(AppState& state, const DateTimeParts& now, int randomDraw);

// A click on the elapsed label: switches between the calendar and the day-count form.
void toggleElapsedLabel(AppState& state);

} // namespace kemurina
