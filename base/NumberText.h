#pragma once

#include <QString>

namespace kemurina {

// Plain decimal: ASCII minus, no grouping, no trailing zeros, no leading zero before
// the point (0.5 -> ".5"); integral values have no point; magnitudes of 1e15 and more
// (and tiny fractions) take the exponent form "1E+15" / "1E-05" with 15 significant digits.
QString plainNumber(double x);

// The same with one leading space for values that are not negative (" 2590").
QString spacedNumber(double x);

// Every printable ASCII character to its full-width form: "1.7" -> "１．７", "-" -> "－".
QString toFullWidth(const QString& text);

// Full-width rendering of a number: toFullWidth(plainNumber(x)).
inline QString wideNumber(double x) {
    return toFullWidth(plainNumber(x));
}

} // namespace kemurina
