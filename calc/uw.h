#pragma once

#include "calc/breakdown.h"
#include "calc/catalogue.h"
#include "calc/check.h"
#include "calc/state.h"

namespace termika {

// What a balcony door's press knows beyond the state: its hidden "glass under the transom" box,
// and whether the transom-height edit holds anything but the bare "0".
struct DoorOptions {
    bool glassUnderTransom = true;
    bool transomGiven = true;
};

// The geometry and Uw of one window type, from the state's dimensions and catalogue values.
// On Done the type's areas, its perimeter and UOkna are stored and `breakdown` explains UOkna;
// on any other outcome the state is left as it was.
Outcome computeUw(WindowType type, CalcState& state, const DoorOptions& door, Breakdown& breakdown);

// A press of "Przelicz" as the tab's controls show it.
struct PressInput {
    WindowType type = WindowType::OneSash;
    CheckInput check;
    std::string_view transomText; // balcony doors
};

struct PressResult {
    Outcome outcome = Outcome::Done;
    std::string badText; // the text that is not a number, for NotANumber
    Breakdown breakdown; // for Done
};

// A whole press: the input check; on the balcony doors the width, height and transom height
// read again from their edits; then the geometry and Uw.
PressResult press(const PressInput& input, CalcState& state, std::string_view decimalSep);

} // namespace termika
