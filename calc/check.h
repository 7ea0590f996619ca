#pragma once

#include "calc/state.h"

#include <string>
#include <string_view>

namespace termika {

// What a press of "Przelicz" came to: a result, the first unsuitable input, or an arithmetic
// failure that no input check foresaw.
enum class Outcome {
    Done,
    NoWidth,
    NoHeight,
    NoSystem,
    NoGlass,
    NoSpacer,
    UnsuitableUnit,
    ArithmeticError,
};

// The tab's controls as the input check sees them.
struct CheckInput {
    std::string_view widthText;
    std::string_view heightText;
    int systemItem = 0;
    int glassItem = 0;
    bool typedUgEmpty = true;
    int spacerItem = 0;
};

// Units of this thickness and more do not fit the Tavio 5 systems' sashes.
inline constexpr double MaxTavio5Unit = 37;

// The ordered check run before every calculation; the first failing step decides.
Outcome checkInput(const CheckInput& input, double grPak1);

// The message slot that tells the user about an outcome, or nullptr for Done and
// ArithmeticError.
const std::string* messageFor(const TextSlots& slots, Outcome outcome);

} // namespace termika
