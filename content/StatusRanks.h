#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace kemurina {

// The four theme keys, in the order the settings window lists them.
inline constexpr std::array<const char*, 4> kStatusThemes = {"ソルジャー", "コスモ", "会社モード",
                                                             "日本旅行"};

// The rank title for a theme, whole days and completed years since quitting.
// A theme that equals none of the keys exactly, or a negative day count, gives "".
QString statusTitle(const QString& theme, std::int32_t wholeDays, std::int32_t years);

// Where the title of a theme may change: whole-day counts and completed years at which a rule
// starts or stops holding, each list rising. A theme that is none of the keys has none.
struct StatusChangePoints {
    std::vector<std::int32_t> days;
    std::vector<std::int32_t> years;
};
StatusChangePoints statusChangePoints(const QString& theme);

// The place names of the "日本旅行" tour, one for each day 0 to 365 (UTF-8).
std::span<const char* const> tourPlaces();

} // namespace kemurina
