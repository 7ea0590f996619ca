#include "calc/numtext.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
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

// Up to 15 digits after an optional '-': exact in a double, so there is no rounding to decide.
double wholeNumber(std::string_view number) {
    const bool negative = number.front() == '-';
    std::uint64_t units = 0;
    for (char c : number.substr(negative ? 1 : 0))
        units = units * 10 + static_cast<std::uint64_t>(c - '0');
    const auto value = static_cast<double>(units);
    return negative ? -value : value;
}

// A well-formed number in C form; nothing outside the range of a double.
std::optional<double> readC(std::string_view number) {
    double value = 0;
    const char* last = number.data() + number.size();
    auto [ptr, ec] = std::from_chars(number.data(), last, value, std::chars_format::general);
    if (ec != std::errc() || ptr != last)
        return std::nullopt;
    return value;
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
    std::size_t first = i; // the number without its blanks and without a '+'
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '+')
            ++first;
        ++i;
    }
    int mantissaDigits = 0;
    std::size_t separator = std::string_view::npos;
    while (i < n) {
        if (isDigit(text[i])) {
            ++mantissaDigits;
            ++i;
        } else if (separator == std::string_view::npos && !decimalSep.empty() &&
                   text.substr(i).starts_with(decimalSep)) {
            separator = i;
            i += decimalSep.size();
        } else {
            break;
        }
    }
    if (mantissaDigits == 0)
        return std::nullopt;
    const bool exponent = i < n && (text[i] == 'e' || text[i] == 'E');
    if (exponent) {
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-'))
            ++i;
        int exponentDigits = 0;
        while (i < n && isDigit(text[i])) {
            ++i;
            ++exponentDigits;
        }
        if (exponentDigits == 0)
            return std::nullopt;
    }
    const std::size_t last = i;
    while (i < n && text[i] == ' ')
        ++i;
    if (i != n)
        return std::nullopt;

    // The text is well formed by now. A press reads three numbers, mostly whole millimetres,
    // so those are read directly; from_chars (which takes no '+' and only '.' as the separator)
    // is left to round the rest and to refuse what lies outside the range of a double. It reads
    // the number where it stands unless the separator must be replaced; short ones are copied
    // without an allocation.
    const std::string_view number = text.substr(first, last - first);
    if (separator == std::string_view::npos && !exponent && mantissaDigits <= 15)
        return wholeNumber(number);
    if (separator == std::string_view::npos || decimalSep == ".")
        return readC(number);
    const std::size_t head = separator - first;
    const std::size_t tail = last - separator - decimalSep.size();
    std::array<char, 64> small;
    std::string large;
    char* c = small.data();
    if (head + 1 + tail > small.size()) {
        large.resize(head + 1 + tail);
        c = large.data();
    }
    number.copy(c, head);
    c[head] = '.';
    text.copy(c + head + 1, tail, separator + decimalSep.size());
    return readC({c, head + 1 + tail});
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
