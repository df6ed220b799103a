#include "core/EntryRules.h"

#include "core/Checked.h"
#include "core/Metrics.h"

namespace kemurina {

namespace {

// Far beyond 32 bits, so a capped value still reads as out of range.
constexpr std::int64_t kWholeCap = 100'000'000'000;

struct DecimalPrefix {
    bool hasDigits = false;
    bool negative = false;
    std::int64_t whole = 0;
    int firstFractionDigit = 0;
    bool laterFractionDigits = false; // any non-zero digit after the first fraction digit
    qsizetype end = 0;

    bool hasFraction() const { return firstFractionDigit != 0 || laterFractionDigits; }
};

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

int digitAt(const QString& text, qsizetype i) {
    if (i >= text.size())
        return -1;
    const char16_t c = text[i].unicode();
    return c >= u'0' && c <= u'9' ? c - u'0' : -1;
}

// [+-] digits [. digits] at pos; hasDigits is false when no digit was found.
DecimalPrefix readDecimal(const QString& text, qsizetype pos) {
    DecimalPrefix r;
    qsizetype i = pos;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        r.negative = text[i++] == u'-';
    for (int d; (d = digitAt(text, i)) >= 0; ++i) {
        r.hasDigits = true;
        r.whole = r.whole >= kWholeCap ? kWholeCap : r.whole * 10 + d;
    }
    if (i < text.size() && text[i] == u'.') {
        qsizetype f = i + 1;
        for (int d; (d = digitAt(text, f)) >= 0; ++f) {
            if (f == i + 1)
                r.firstFractionDigit = d;
            else if (d != 0)
                r.laterFractionDigits = true;
        }
        if (f > i + 1 || r.hasDigits) {
            r.hasDigits = r.hasDigits || f > i + 1;
            i = f;
        }
    }
    r.end = r.hasDigits ? i : pos;
    return r;
}

qsizetype skipBlanks(const QString& text, qsizetype i) {
    while (i < text.size() && isBlank(text[i]))
        ++i;
    return i;
}

int outside(std::int32_t value, std::int32_t low, std::int32_t high) {
    return value < low || value > high ? 1 : 0;
}

std::int64_t lastDigits(std::int32_t value, std::int64_t modulus) {
    return ((value % modulus) + modulus) % modulus;
}

std::int64_t minuteKey(const DateTimeParts& p) {
    return lastDigits(p.year, 10000) * 100'000'000 + lastDigits(p.month, 100) * 1'000'000 +
           lastDigits(p.day, 100) * 10'000 + lastDigits(p.hour, 100) * 100 +
           lastDigits(p.minute, 100);
}

} // namespace

std::int32_t valueOfText(const QString& text) {
    const DecimalPrefix n = readDecimal(text, skipBlanks(text, 0));
    if (!n.hasDigits)
        return 0;
    std::int64_t v = n.negative ? -n.whole : n.whole;
    if (n.negative && n.hasFraction())
        --v;
    return saturateToInt32(v);
}

std::optional<std::int32_t> strictWholeNumber(const QString& text) {
    const qsizetype start = skipBlanks(text, 0);
    const DecimalPrefix n = readDecimal(text, start);
    if (!n.hasDigits || skipBlanks(text, n.end) != text.size())
        return std::nullopt;
    std::int64_t magnitude = n.whole;
    const bool half = n.firstFractionDigit == 5 && !n.laterFractionDigits;
    if (n.firstFractionDigit > 5 || (n.firstFractionDigit == 5 && n.laterFractionDigits) ||
        (half && magnitude % 2 == 1))
        ++magnitude;
    const std::int64_t v = n.negative ? -magnitude : magnitude;
    if (saturateToInt32(v) != v)
        return std::nullopt;
    return static_cast<std::int32_t>(v);
}

int smokingProfileRangeErrors(std::int32_t cigarettesPerDay, std::int32_t packPrice) {
    return outside(cigarettesPerDay, 1, 200) + outside(packPrice, 1, 2000);
}

int quitMomentRangeErrors(const DateTimeParts& entered, std::int32_t currentYear) {
    MonthLengths lengths = kMonthLengths;
    adjustFebruary(lengths, entered.year);
    const bool thirtyDayMonth = entered.month >= 1 && entered.month <= 12 &&
                                kMonthLengths[static_cast<std::size_t>(entered.month)] == 30;
    int errors = outside(entered.year, 1900, currentYear) + outside(entered.month, 1, 12) +
                 outside(entered.day, 1, 31) + outside(entered.hour, 0, 23) +
                 outside(entered.minute, 0, 59);
    if (thirtyDayMonth && entered.day > 30)
        ++errors;
    if (entered.month == 2 && entered.day > lengths[2])
        ++errors;
    return errors;
}

bool isLaterThan(const DateTimeParts& entered, const DateTimeParts& now) {
    return minuteKey(entered) > minuteKey(now);
}

} // namespace kemurina
