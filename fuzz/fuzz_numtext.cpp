// Number text under libFuzzer: what parseNumber accepts, and whether both output formats read
// back as the value they show.
//
// Input: one flag byte (bit 0: "." instead of "," as the separator; bits 1 to 4: decimals for
// formatFixed), then the text. The text is parsed; its first eight bytes, read as a double, and
// the parsed value both go through the formats.

#include "calc/numtext.h"

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace {

using termika::formatFixed;
using termika::formatFixed2;
using termika::formatGeneral;
using termika::parseNumber;

[[noreturn]] void fail(const char* what, std::string_view text, double value) {
    std::fprintf(stderr, "%s\n  text: '%.*s'\n  value: %.17g\n", what,
                 static_cast<int>(text.size()), text.data(), value);
    std::abort();
}

bool allDigits(std::string_view s) {
    for (char c : s)
        if (c < '0' || c > '9')
            return false;
    return true;
}

// The grammar, written apart from the parser on purpose: trim the blanks, take off the sign,
// split at the exponent mark, then look at the mantissa and the exponent as whole pieces.
bool wellFormed(std::string_view text, char sep) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return false;
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);
    if (text.front() == '+' || text.front() == '-')
        text.remove_prefix(1);
    std::string_view mantissa = text;
    std::string_view exponent;
    const std::size_t mark = text.find_first_of("eE");
    const bool hasExponent = mark != std::string_view::npos;
    if (hasExponent) {
        mantissa = text.substr(0, mark);
        exponent = text.substr(mark + 1);
    }
    const std::size_t sepAt = mantissa.find(sep);
    std::string digits(mantissa);
    if (sepAt != std::string_view::npos)
        digits.erase(sepAt, 1);
    if (digits.empty() || !allDigits(digits))
        return false;
    if (hasExponent) {
        if (!exponent.empty() && (exponent.front() == '+' || exponent.front() == '-'))
            exponent.remove_prefix(1);
        if (exponent.empty() || !allDigits(exponent))
            return false;
    }
    return true;
}

// A well-formed text in the C library's own spelling, for strtod to read independently.
std::string cSpelling(std::string_view text, char sep) {
    std::string out;
    for (char c : text) {
        if (c == ' ')
            continue;
        out.push_back(c == sep ? '.' : c);
    }
    return out;
}

bool sameValue(double a, double b) {
    return a == b && std::signbit(a) == std::signbit(b);
}

void checkParse(std::string_view text, std::string_view sep) {
    const std::optional<double> parsed = parseNumber(text, sep);
    if (!wellFormed(text, sep[0])) {
        if (parsed)
            fail("parseNumber accepted a text outside the grammar", text, *parsed);
        return;
    }
    const std::string c = cSpelling(text, sep[0]);
    errno = 0;
    const double expected = std::strtod(c.c_str(), nullptr);
    const bool inRange = errno != ERANGE;
    if (std::isinf(expected)) {
        if (parsed)
            fail("parseNumber accepted a value beyond the range of a double", text, *parsed);
        return;
    }
    if (!parsed) {
        // Only an underflow may be refused: anything a double holds must be read.
        if (inRange || std::isnormal(expected))
            fail("parseNumber refused a well-formed number", text, expected);
        return;
    }
    if (!sameValue(*parsed, expected))
        fail("parseNumber read a value other than the nearest double", text, *parsed);
}

// x rounded to 15 significant digits, as the nearest double, by the C library.
double rounded15(double x) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", x);
    return std::strtod(buf, nullptr);
}

double ulp(double x) {
    const double a = std::fabs(x);
    return std::nextafter(a, std::numeric_limits<double>::infinity()) - a;
}

void checkGeneral(double x, std::string_view sep) {
    const std::string text = formatGeneral(x, sep);
    const std::optional<double> back = parseNumber(text, sep);
    if (!std::isfinite(x)) {
        if (back)
            fail("formatGeneral of INF or NAN parses", text, x);
        return;
    }
    if (!wellFormed(text, sep[0]))
        fail("formatGeneral wrote a text outside the grammar", text, x);
    if (text.find(' ') != std::string::npos || text.front() == '+')
        fail("formatGeneral wrote a blank or a plus sign", text, x);
    const std::size_t sepAt = text.find(sep);
    const std::size_t mark = text.find('E');
    if (sepAt != std::string::npos) {
        const std::size_t end = mark == std::string::npos ? text.size() : mark;
        if (sepAt + sep.size() == end || text[end - 1] == '0')
            fail("formatGeneral wrote trailing zeros or a bare separator", text, x);
    }
    const double expected = rounded15(x);
    const double magnitude = std::fabs(expected);
    if ((mark != std::string::npos) != (magnitude != 0 && (magnitude >= 1e15 || magnitude < 1e-4)))
        fail("formatGeneral chose the exponent form for the wrong magnitude", text, x);
    if (std::isinf(expected)) {
        // The 15-digit form of a value next to the largest double lies beyond it.
        if (back)
            fail("formatGeneral's text beyond the range of a double parses", text, x);
        return;
    }
    if (!back || *back != expected)
        fail("formatGeneral does not read back as the value rounded to 15 digits", text, x);
}

// Fixed forms: exactly `decimals` decimals after the separator, a sign only on a value that
// shows as non-zero, and read back within half the last decimal of the 15-digit form.
void checkFixed(double x, int decimals, std::string_view sep) {
    const std::string text = decimals == 2 ? formatFixed2(x, sep) : formatFixed(x, decimals, sep);
    const std::optional<double> back = parseNumber(text, sep);
    if (!std::isfinite(x)) {
        if (back)
            fail("formatFixed of INF or NAN parses", text, x);
        return;
    }
    std::string_view body = text;
    const bool minus = body.starts_with('-');
    if (minus)
        body.remove_prefix(1);
    const std::size_t sepAt = body.find(sep);
    const std::string_view whole = body.substr(0, sepAt);
    const std::string_view fraction =
        sepAt == std::string_view::npos ? std::string_view() : body.substr(sepAt + sep.size());
    if (whole.empty() || !allDigits(whole) || !allDigits(fraction) ||
        fraction.size() != static_cast<std::size_t>(decimals) ||
        (decimals == 0) != (sepAt == std::string_view::npos) ||
        (whole.size() > 1 && whole.front() == '0'))
        fail("formatFixed wrote a malformed text", text, x);
    const double expected = rounded15(x);
    if (std::isinf(expected)) {
        if (back)
            fail("formatFixed's text beyond the range of a double parses", text, x);
        return;
    }
    if (!back)
        fail("formatFixed does not parse back", text, x);
    if (minus && *back == 0)
        fail("formatFixed wrote a negative zero", text, x);
    // From 1E15 on the fixed form holds the whole 15-digit form and nothing else.
    if (std::fabs(x) >= 1e15) {
        if (*back != expected)
            fail("formatFixed of a large value is not its 15-digit form", text, x);
        return;
    }
    const double half = 0.5 * std::pow(10.0, -decimals);
    const double tolerance = half + std::fabs(x - expected) + 2 * ulp(std::fmax(std::fabs(x), 1));
    if (std::fabs(*back - x) > tolerance)
        fail("formatFixed does not read back within half its last decimal", text, x);
}

void checkFormats(double x, int decimals, std::string_view sep) {
    checkGeneral(x, sep);
    checkFixed(x, 2, sep);
    checkFixed(x, decimals, sep);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::string_view sep = (data[0] & 1) != 0 ? "." : ",";
    const int decimals = (data[0] >> 1) % 15;
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    checkParse(text, sep);
    if (const std::optional<double> parsed = parseNumber(text, sep))
        checkFormats(*parsed, decimals, sep);
    if (text.size() >= sizeof(double)) {
        double raw;
        std::memcpy(&raw, text.data(), sizeof raw);
        checkFormats(raw, decimals, sep);
    }
    return 0;
}
