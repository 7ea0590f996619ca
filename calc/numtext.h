#pragma once

#include <optional>
#include <string>
#include <string_view>

// Number text in the user's regional format. The decimal separator is passed in (UTF-8, usually
// "," or "."), so nothing here depends on the process locale.
namespace termika {

// Strict conversion: optional blanks, an optional sign, digits with at most one decimal
// separator, an optional exponent, optional blanks. No grouping, no "inf", no hex. Anything
// else, and a value outside the range of a double, gives no value.
std::optional<double> parseNumber(std::string_view text, std::string_view decimalSep);

// A typed glass value may be written with a point or a comma whatever the regional format:
// both become the regional separator before the conversion.
std::string normaliseTypedUg(std::string_view text, std::string_view decimalSep);

// Pattern "0.00": exactly two decimals, halves away from zero, decided on the value's
// 15-significant-digit decimal form (1.005 gives 1,01 with a comma separator).
std::string formatFixed2(double value, std::string_view decimalSep);

// The same rounding to any number of decimals from 0 to 14.
std::string formatFixed(double value, int decimals, std::string_view decimalSep);

// General form: at most 15 significant digits, no trailing zeros, no grouping; an exponent
// only for values of 1E15 and more or below 1E-4.
std::string formatGeneral(double value, std::string_view decimalSep);

} // namespace termika
