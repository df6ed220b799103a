#pragma once

#include "core/Records.h"

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

namespace kemurina {

// How the dialogs read what the user typed. Only half-width digits count as digits.

// The leading number of the text after any blanks, rounded down; 0 when the text does not
// start with a number. Sign, fraction and exponent are read; out-of-range values saturate.
std::int32_t valueOfText(const QString& text);

// The whole text (blanks around it allowed) must be one number, rounded to the nearest whole
// value; nullopt for anything else, the empty text and values beyond 32 bits included.
std::optional<std::int32_t> strictWholeNumber(const QString& text);

// The size choices "ショート", "スタンダード", "ロング" in this order, as cigarette lengths.
inline constexpr std::array<std::int32_t, 3> kCigaretteLengths = {50, 85, 100};
inline constexpr std::size_t kStandardSize = 1;

// One count per failed test: cigarettes a day 1 to 200, a pack 1 to 2000 yen.
int smokingProfileRangeErrors(std::int32_t cigarettesPerDay, std::int32_t packPrice);

// One count per failed test of the quit moment against the calendar and the current year.
int quitMomentRangeErrors(const DateTimeParts& entered, std::int32_t currentYear);

// True when the entered moment lies after now, compared to the minute.
bool isLaterThan(const DateTimeParts& entered, const DateTimeParts& now);

} // namespace kemurina
