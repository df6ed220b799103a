#pragma once

#include <QString>
#include <cstdint>

namespace kemurina {

inline constexpr int kDailyMessageCount = 60;

// The message number for completed years, completed months beyond the years, whole days
// and a draw r from 0 to 99; -1 when no message applies (elapsed time below zero).
int pickDailyMessage(std::int32_t years, std::int32_t months, std::int32_t wholeDays, int r);

// Message text by number; "" for a number outside 0..59.
QString dailyMessageText(int number);

// Convenience: the text the daily-message label shows.
inline QString dailyMessage(std::int32_t years, std::int32_t months, std::int32_t wholeDays,
                            int r) {
    return dailyMessageText(pickDailyMessage(years, months, wholeDays, r));
}

} // namespace kemurina
