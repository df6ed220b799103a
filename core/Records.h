#pragma once

#include <QString>
#include <cstdint>

namespace kemurina {

// A moment to the minute, as the user and the clock see it (local time).
struct DateTimeParts {
    std::int32_t year = 0;
    std::int32_t month = 0;
    std::int32_t day = 0;
    std::int32_t hour = 0;
    std::int32_t minute = 0;

    friend bool operator==(const DateTimeParts&, const DateTimeParts&) = default;
};

// When the user quit and what they used to smoke (initial.ini).
struct QuitProfile {
    std::int32_t quitYear = 0;
    std::int32_t quitMonth = 0;
    std::int32_t quitDay = 0;
    std::int32_t quitHour = 0;
    std::int32_t quitMinute = 0;
    std::int32_t cigarettesPerDay = 20;
    std::int32_t packPrice = 300;
    std::int32_t cigaretteLength = 85;

    DateTimeParts quitMoment() const {
        return {quitYear, quitMonth, quitDay, quitHour, quitMinute};
    }
    void setQuitMoment(const DateTimeParts& m);

    // The record written when no initial.ini exists: quit "now", default smoking profile.
    static QuitProfile defaultsAt(const DateTimeParts& now);

    friend bool operator==(const QuitProfile&, const QuitProfile&) = default;
};

inline constexpr std::int32_t kDefaultBackColor = 9241372;  // red 28, green 3, blue 141
inline constexpr std::int32_t kDefaultTextColor = 16777215; // white
inline constexpr char kDefaultBlogAddress[] = "kemurina.example.jp/community/";
inline constexpr char kDefaultStatusTheme[] = "ソルジャー";

// Which view shows: the mini one, or the main one before or after the mini one was first used.
// The file's number is kept as it is, also one that names none of these (the main view shows).
enum class WindowMode : std::int32_t { Main = 0, Mini = 1, MiniNeverShown = 2 };

// Display choices, tax figures and window placement (option.ini), in file order.
struct Options {
    std::int32_t setupDone = 0;
    std::int32_t tobaccoTaxPer1000 = 12244;
    std::int32_t consumptionTaxPercent = 5;
    std::int32_t profileSuffix = 0;
    std::int32_t smokingYears = 5;
    std::int32_t showPackCount = 1;
    std::int32_t mainLeft = 0;                  // twips
    std::int32_t mainTop = 0;                   // twips
    std::int32_t backColor = kDefaultBackColor; // Windows colour value, red in the low byte
    std::int32_t textColor = kDefaultTextColor;
    QString blogAddress = QString::fromUtf8(kDefaultBlogAddress);
    WindowMode windowMode = WindowMode::MiniNeverShown;
    std::int32_t miniLeft = 0;
    std::int32_t miniTop = 0;
    QString statusTheme = QString::fromUtf8(kDefaultStatusTheme);

    friend bool operator==(const Options&, const Options&) = default;
};

// Up to which moment the milestones have been told, and whether to tell them (milestone.ini).
struct MilestoneRecord {
    DateTimeParts lastTold;
    bool notify = true;

    friend bool operator==(const MilestoneRecord&, const MilestoneRecord&) = default;
};

// Red, green and blue of a Windows colour value (red in the low byte).
struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;

    static Rgb fromWindowsColor(std::int32_t value);
    std::int32_t toWindowsColor() const;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// A window's top-left corner in twips.
struct TwipsPoint {
    std::int32_t left = 0;
    std::int32_t top = 0;
};

// One twip is 1/1440 inch; the layout assumes 15 twips per logical pixel.
inline constexpr int kTwipsPerPixel = 15;

} // namespace kemurina
