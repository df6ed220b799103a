// Arbitrary texts in the settings window's boxes through the reading and range rules of its
// save, then the accepted records through the data-file format and a refresh.
//
// Input: five 32-bit clock parts for now, then the texts separated by LF in the order year,
// month, day, hour, minute, cigarettes per day, pack price, tobacco tax, consumption tax,
// years smoked, blog address, status theme (UTF-8; invalid sequences stay as they decode).

#include "FuzzInput.h"
#include "core/DataFiles.h"
#include "core/EntryRules.h"
#include "core/Refresh.h"
#include "core/Reports.h"

#include <QDate>
#include <QList>
#include <tuple>

using namespace kemurina;
using kemurina::fuzzing::FuzzInput;

namespace {

enum Box { Year, Month, Day, Hour, Minute, PerDay, Price, Tax, ConsumptionTax, Years, Blog, Theme };
constexpr int kBoxCount = 12;

bool within(std::int32_t v, std::int32_t lo, std::int32_t hi) {
    return v >= lo && v <= hi;
}

// Both readings of one text agree (the strict one rounds to nearest, the lenient one down),
// and blanks in front change neither.
void checkReadings(const QString& text) {
    const std::int32_t lenient = valueOfText(text);
    if (const auto strict = strictWholeNumber(text)) {
        const std::int64_t gap = std::int64_t{*strict} - lenient;
        FUZZ_CHECK(gap == 0 || gap == 1);
    }
    FUZZ_CHECK(valueOfText(QStringLiteral(" \t") + text) == lenient);
}

// The calendar test against an independent calendar.
void checkQuitMomentRules(const DateTimeParts& m, const DateTimeParts& now) {
    const int errors = quitMomentRangeErrors(m, now.year);
    FUZZ_CHECK(errors >= 0 && errors <= 7);
    const bool valid = within(m.year, 1900, now.year) && QDate(m.year, m.month, m.day).isValid() &&
                       within(m.hour, 0, 23) && within(m.minute, 0, 59);
    FUZZ_CHECK((errors == 0) == valid);
    const auto inFourDigits = [](const DateTimeParts& p) {
        return within(p.year, 0, 9999) && within(p.month, 0, 99) && within(p.day, 0, 99) &&
               within(p.hour, 0, 99) && within(p.minute, 0, 99);
    };
    if (inFourDigits(m) && inFourDigits(now)) {
        const bool later = std::tie(m.year, m.month, m.day, m.hour, m.minute) >
                           std::tie(now.year, now.month, now.day, now.hour, now.minute);
        FUZZ_CHECK(isLaterThan(m, now) == later);
    }
    FUZZ_CHECK(!isLaterThan(m, m));
}

// What a save that passed every check writes must come back whole, and must refresh.
void checkAcceptedSave(const QuitProfile& profile, const Options& options,
                       const DateTimeParts& now) {
    FUZZ_CHECK(parseQuitProfileLine(formatQuitProfileLine(profile)) == profile);
    FUZZ_CHECK(parseOptionsLine(formatOptionsLine(options)) == storableOptions(options));

    AppState state;
    state.profile = profile;
    state.options = storableOptions(options);
    refreshAll(state, now, 0);
    FUZZ_CHECK(state.metrics.totalMinutes >= 0);
    FUZZ_CHECK(state.metrics.wholeDays >= 0);
    FUZZ_CHECK(state.metrics.moneySaved >= 0);
    FUZZ_CHECK(longReport(state).count(QStringLiteral("\r\n")) == 5);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    DateTimeParts now = in.takeClock();
    // A running system's clock: a real date, a year the settings can be compared against.
    now.year = static_cast<std::int32_t>(1900 + static_cast<std::uint32_t>(now.year) % 8100);
    now.day = static_cast<std::int32_t>(1 + static_cast<std::uint32_t>(now.day) % 28);
    now.hour = static_cast<std::int32_t>(static_cast<std::uint32_t>(now.hour) % 24);
    now.minute = static_cast<std::int32_t>(static_cast<std::uint32_t>(now.minute) % 60);

    QList<QString> texts;
    for (const QByteArrayView part : QByteArrayView(in.rest()).toByteArray().split('\n'))
        texts << QString::fromUtf8(part);
    texts.resize(kBoxCount);
    for (const QString& t : texts)
        checkReadings(t);

    QuitProfile profile;
    const DateTimeParts entered{valueOfText(texts[Year]), valueOfText(texts[Month]),
                                valueOfText(texts[Day]), valueOfText(texts[Hour]),
                                valueOfText(texts[Minute])};
    profile.setQuitMoment(entered);
    profile.cigarettesPerDay = valueOfText(texts[PerDay]);
    profile.packPrice = valueOfText(texts[Price]);
    checkQuitMomentRules(entered, now);

    const int errors = quitMomentRangeErrors(entered, now.year) +
                       (within(profile.cigarettesPerDay, 1, 200) ? 0 : 1) +
                       (within(profile.packPrice, 1, 2000) ? 0 : 1);
    if (errors > 0 || isLaterThan(entered, now))
        return 0;

    Options options;
    options.blogAddress = texts[Blog].trimmed();
    options.statusTheme = texts[Theme];
    const auto tax = strictWholeNumber(texts[Tax]);
    const auto consumptionTax = strictWholeNumber(texts[ConsumptionTax]);
    options.smokingYears = valueOfText(texts[Years]);
    if (!tax || !within(*tax, 0, 100000) || !consumptionTax || !within(*consumptionTax, 0, 100) ||
        !within(options.smokingYears, 1, 99))
        return 0;
    options.tobaccoTaxPer1000 = *tax;
    options.consumptionTaxPercent = *consumptionTax;
    checkAcceptedSave(profile, options, now);
    return 0;
}
