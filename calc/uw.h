#pragma once

#include "calc/check.h"
#include "calc/state.h"

namespace termika {

// The geometry and Uw of one window type, from the state's dimensions and catalogue values.
// On Done the areas, the perimeter and UOkna are stored; on any other outcome nothing is.
using Formula = Outcome (*)(CalcState& state);

// One sash or fixed glazing in a frame of equal face width on all four sides.
Outcome computeSingleField(CalcState& state);

// A whole press of "Przelicz": the input check, then the formula.
Outcome press(const CheckInput& input, CalcState& state, Formula formula);

} // namespace termika
