#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>

namespace morvi {

// The leading-number parse: blanks, tabs and line feeds are skipped wherever they stand, then an
// optional sign, digits with at most one '.', an optional exponent (E or D); reading stops at the
// first character that does not fit. No number gives 0. Error 6 when the value overflows a double.
double leadingNumber(QStringView text);

// Strict conversion of a whole cell text to a double: surrounding spaces allowed, anything else
// that is not part of one number is error 13; error 6 when it overflows.
double strictNumber(QStringView text);

// The general number text: up to 15 significant digits, '.' as decimal point, no thousands
// separator, no trailing zeros (150, 12.5, -3); exponent form 1E+15 / 1.5E-05 outside that range.
// Error 6 for an infinity or NaN, which only an overflowing sum can produce.
QString generalNumberText(double value);

// Field 3 of a food line to a 32-bit integer: surrounding spaces, a sign, thousands separators,
// a decimal fraction (rounded half to even), an exponent and full-width digits are accepted.
// Empty or non-numeric text is error 13, a value outside the 32-bit range error 6.
int32_t fieldNumber(QStringView text);

}  // namespace morvi
