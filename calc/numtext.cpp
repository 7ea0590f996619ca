#include "calc/numtext.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <system_error>

namespace termika {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// A value's 15 significant digits and its decimal exponent: value = 0.d1d2...d15 × 10^(exp+1).
struct Decimal15 {
    bool negative = false;
    std::string digits; // exactly 15 digits, the first non-zero unless the value is 0
    int exponent = 0;   // power of ten of the first digit
};

Decimal15 toDecimal15(double value) {
    Decimal15 d;
    d.negative = std::signbit(value) && value != 0;
    char buf[64];
    auto [end, ec] =
        std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, 14);
    (void)ec; // 64 bytes always hold a 15-digit scientific form
    std::string_view s(buf, static_cast<std::size_t>(end - buf));
    // s is "d.ddddddddddddde±XX"
    d.digits.reserve(15);
    d.digits.push_back(s[0]);
    d.digits.append(s.substr(2, 14));
    d.exponent = std::atoi(std::string(s.substr(17)).c_str());
    return d;
}

std::string trimZeros(std::string s) {
    while (!s.empty() && s.back() == '0')
        s.pop_back();
    return s;
}

} // namespace

std::optional<double> parseNumber(std::string_view text, std::string_view decimalSep) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && text[i] == ' ')
        ++i;
    std::string canonical; // the number in C form, for from_chars
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-')
            canonical.push_back('-');
        ++i;
    }
    int mantissaDigits = 0;
    bool separatorSeen = false;
    while (i < n) {
        if (isDigit(text[i])) {
            canonical.push_back(text[i]);
            ++mantissaDigits;
            ++i;
        } else if (!separatorSeen && !decimalSep.empty() &&
                   text.substr(i).starts_with(decimalSep)) {
            canonical.push_back('.');
            separatorSeen = true;
            i += decimalSep.size();
        } else {
            break;
        }
    }
    if (mantissaDigits == 0)
        return std::nullopt;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        canonical.push_back('e');
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-'))
            canonical.push_back(text[i++]);
        int exponentDigits = 0;
        while (i < n && isDigit(text[i])) {
            canonical.push_back(text[i++]);
            ++exponentDigits;
        }
        if (exponentDigits == 0)
            return std::nullopt;
    }
    while (i < n && text[i] == ' ')
        ++i;
    if (i != n)
        return std::nullopt;

    // The text is well formed by now; from_chars (which takes no '+', dropped above) is left
    // to round it and to refuse what lies outside the range of a double.
    double value = 0;
    const char* first = canonical.data();
    const char* last = first + canonical.size();
    auto [ptr, ec] = std::from_chars(first, last, value, std::chars_format::general);
    if (ec != std::errc() || ptr != last)
        return std::nullopt;
    return value;
}

std::string normaliseTypedUg(std::string_view text, std::string_view decimalSep) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == '.' || c == ',')
            out.append(decimalSep);
        else
            out.push_back(c);
    }
    return out;
}

std::string formatFixed(double value, int decimals, std::string_view decimalSep) {
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";

    const Decimal15 d = toDecimal15(value);
    const auto places = static_cast<std::size_t>(decimals);
    // Integer count of the last kept unit, as decimal digits: the 15 digits shifted so that the
    // last kept digit is the last decimal, rounded half away from zero on the next digit.
    const int keep = d.exponent + 1 + decimals; // digits of the 15 that lie at or above it
    std::string units;
    if (keep > 0) {
        if (keep >= 15) {
            units = d.digits + std::string(static_cast<std::size_t>(keep - 15), '0');
        } else {
            units = d.digits.substr(0, static_cast<std::size_t>(keep));
            if (d.digits[static_cast<std::size_t>(keep)] >= '5') {
                int k = keep - 1;
                while (k >= 0 && units[static_cast<std::size_t>(k)] == '9')
                    units[static_cast<std::size_t>(k--)] = '0';
                if (k < 0)
                    units.insert(units.begin(), '1');
                else
                    ++units[static_cast<std::size_t>(k)];
            }
        }
    } else if (keep == 0 && d.digits[0] >= '5') {
        units = "1";
    }
    // Strip leading zeros but keep the integer digit and every decimal.
    std::size_t lead = units.find_first_not_of('0');
    units = lead == std::string::npos ? std::string() : units.substr(lead);
    if (units.size() < places + 1)
        units.insert(0, places + 1 - units.size(), '0');

    const bool isZero = units.find_first_not_of('0') == std::string::npos;
    std::string out;
    if (d.negative && !isZero)
        out.push_back('-');
    out.append(units, 0, units.size() - places);
    if (places > 0) {
        out.append(decimalSep);
        out.append(units, units.size() - places, places);
    }
    return out;
}

std::string formatFixed2(double value, std::string_view decimalSep) {
    return formatFixed(value, 2, decimalSep);
}

std::string formatGeneral(double value, std::string_view decimalSep) {
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";
    if (value == 0)
        return "0";

    const Decimal15 d = toDecimal15(value);
    const std::string digits = trimZeros(d.digits);
    std::string out = d.negative ? "-" : "";
    if (d.exponent >= 15 || d.exponent < -4) {
        out.push_back(digits[0]);
        if (digits.size() > 1) {
            out.append(decimalSep);
            out.append(digits, 1);
        }
        out.push_back('E');
        out.append(std::to_string(d.exponent));
        return out;
    }
    if (d.exponent < 0) {
        out.push_back('0');
        out.append(decimalSep);
        out.append(static_cast<std::size_t>(-d.exponent - 1), '0');
        out.append(digits);
        return out;
    }
    const auto intDigits = static_cast<std::size_t>(d.exponent + 1);
    if (digits.size() <= intDigits) {
        out.append(digits);
        out.append(intDigits - digits.size(), '0');
    } else {
        out.append(digits, 0, intDigits);
        out.append(decimalSep);
        out.append(digits, intDigits);
    }
    return out;
}

} // namespace termika
