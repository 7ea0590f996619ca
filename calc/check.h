#pragma once

#include "calc/catalogue.h"
#include "calc/state.h"

#include <array>
#include <string>
#include <string_view>

namespace termika {

// What a press of "Przelicz" came to: a result, the first unsuitable input, a dimension text
// that is not a number, or an arithmetic failure that no input check foresaw.
enum class Outcome {
    Done,
    NoWidth,
    NoHeight,
    NoSystem,
    NoGlass,
    NoSpacer,
    UnsuitableUnit,
    NoTransom,
    BadTransom,
    NotANumber,
    ArithmeticError,
};

// One glass field as its controls show it: the picked list item, and whether the typed-Ug
// edit is empty.
struct GlassChoice {
    int item = 0;
    bool typedEmpty = true;
};

// The tab's controls as the input check sees them.
struct CheckInput {
    std::string_view widthText;
    std::string_view heightText;
    int systemItem = 0;
    GlassChoice glass1;
    int spacerItem = 0;
    // The balcony doors also check glass 2 (while their "glass under the transom" box is ticked)
    // and apply the thickness rule to both units.
    bool door = false;
    bool glassUnderTransom = false;
    GlassChoice glass2;
};

// Units of this thickness and more do not fit the Tavio 5 systems' sashes.
inline constexpr double MaxTavio5Unit = 37;

// The ordered check run before every calculation; the first failing step decides. It reads
// the unit thicknesses from the state and changes nothing.
Outcome checkInput(const CheckInput& input, const CalcState& state);

// The message slot that tells the user about an outcome, or nullptr for the outcomes that
// are no message (Done, NotANumber, ArithmeticError).
const std::string* messageFor(const TextSlots& slots, Outcome outcome);

} // namespace termika
