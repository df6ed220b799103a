#include "base/NumberText.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

namespace kemurina {

namespace {

constexpr double kIntegralLimit = 1e15;

QString exponentForm(double x) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14E", x); // 15 significant digits
    QString s = QString::fromLatin1(buf);
    const qsizetype e = s.indexOf(QLatin1Char('E'));
    QString mantissa = s.left(e);
    QString exponent = s.mid(e + 1); // sign and digits
    if (mantissa.contains(QLatin1Char('.'))) {
        while (mantissa.endsWith(QLatin1Char('0')))
            mantissa.chop(1);
        if (mantissa.endsWith(QLatin1Char('.')))
            mantissa.chop(1);
    }
    const QChar sign = exponent.at(0);
    QString digits = exponent.mid(1);
    while (digits.size() > 2 && digits.startsWith(QLatin1Char('0')))
        digits.remove(0, 1);
    return mantissa + QLatin1Char('E') + sign + digits;
}

QString fractionForm(double x) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15g", x);
    QString s = QString::fromLatin1(buf);
    if (s.contains(QLatin1Char('e')))
        return exponentForm(x);
    if (s.startsWith(QLatin1String("0.")))
        s.remove(0, 1);
    else if (s.startsWith(QLatin1String("-0.")))
        s.remove(1, 1);
    return s;
}

} // namespace

QString plainNumber(double x) {
    if (!std::isfinite(x))
        return QStringLiteral("0");
    if (x == 0.0)
        return QStringLiteral("0");
    const double magnitude = std::fabs(x);
    if (magnitude >= kIntegralLimit)
        return exponentForm(x);
    if (std::floor(x) == x)
        return QString::number(static_cast<std::int64_t>(x));
    return fractionForm(x);
}

QString spacedNumber(double x) {
    const QString text = plainNumber(x);
    return text.startsWith(QLatin1Char('-')) ? text : QLatin1Char(' ') + text;
}

QString toFullWidth(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u' ')
            out.append(QChar(0x3000));
        else if (u > 0x20 && u < 0x7F)
            out.append(QChar(static_cast<char16_t>(u - 0x21 + 0xFF01)));
        else
            out.append(c);
    }
    return out;
}

} // namespace kemurina
