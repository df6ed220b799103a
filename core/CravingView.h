#pragma once

#include "core/Cravings.h"
#include "core/DataFiles.h"

#include <QString>
#include <array>
#include <vector>

namespace kemurina {

struct ChartBar {
    QString label;     // under or beside the bar: "11/2", "7", "朝"
    double value = 0;  // its length, from 0 to the chart's maximum
    QString valueText; // "3回", "2.5", "—"
};

enum class ChartKind { Columns, Rows };

// One bar chart of the pattern page as plain values, with the sentence a screen reader says
// instead of the picture.
struct BarChart {
    QString title;
    ChartKind kind = ChartKind::Columns;
    std::vector<ChartBar> bars;
    double maximum = 1;
    int labelEvery = 1; // columns: every n-th label is drawn, and the last
    QString summary;
};

enum CravingChart : std::size_t { PerDayChart, ByHourChart, TriggerChart, WeeklyStrengthChart };
inline constexpr std::size_t kCravingChartCount = 4;

// Every text and picture of the pattern page for one scope.
struct CravingPattern {
    QString headline;  // the count of urges and of those ridden out
    QString emptyText; // set when the scope holds no urge: shown instead of the charts
    std::array<BarChart, kCravingChartCount> charts;
    QString unreadable; // "" or how many lines could not be read
};

QString cravingScopeName(CravingScope scope); // いまの挑戦, これまでのすべて

CravingPattern cravingPattern(const CravingStats& stats, CravingScope scope);

// Both scopes as plain lines joined by CR LF, for a terminal.
QString cravingText(const LoadResult<CravingLog>& log, const DateTimeParts& quitMoment,
                    const DateTimeParts& now);

inline constexpr std::int64_t kCravingCountdownMs = 5 * 60 * 1000;

// The time left, minutes and seconds rounded up so that 0:00 shows only at the end: "4:59".
QString countdownText(std::int64_t msLeft);
// What the countdown says once it has run out.
QString countdownEndQuestion();

enum class CravingSave { Saved, FileUnreadable, SaveFailed };

// Appends the urge to the log and saves the whole file; on failure the log is as it was.
// A file that could not be read is never written over.
CravingSave appendCraving(const DataStore& store, LoadResult<CravingLog>& log,
                          const Craving& craving);

// What the window says once an urge is logged, or why it was not.
QString cravingSaveMessage(CravingSave result, const Craving& craving, std::int64_t riddenOutSoFar);

} // namespace kemurina
