#include "calc/check.h"

namespace termika {
namespace {

bool given(const GlassChoice& glass) {
    return glass.item != 0 || !glass.typedEmpty;
}

bool unitFits(int systemItem, double thickness) {
    const bool polar = systemItem == 3 || systemItem == 4;
    const bool tavio5 = systemItem == 1 || systemItem == 2;
    return polar || (tavio5 && thickness < MaxTavio5Unit);
}

} // namespace

Outcome checkInput(const CheckInput& input, const CalcState& state) {
    // The edits are compared as text: only the untouched "0" counts as no dimension.
    if (input.widthText == "0")
        return Outcome::NoWidth;
    if (input.heightText == "0")
        return Outcome::NoHeight;
    if (input.systemItem == 0)
        return Outcome::NoSystem;
    if (!given(input.glass1))
        return Outcome::NoGlass;
    if (input.door && input.glassUnderTransom && !given(input.glass2))
        return Outcome::NoGlass;
    if (input.spacerItem == 0)
        return Outcome::NoSpacer;
    // A door's second unit must fit as well, even while the whole door carries glass 1.
    if (!unitFits(input.systemItem, state.GrPak1) ||
        (input.door && !unitFits(input.systemItem, state.GrPak2)))
        return Outcome::UnsuitableUnit;
    return Outcome::Done;
}

const std::string* messageFor(const TextSlots& slots, Outcome outcome) {
    switch (outcome) {
    case Outcome::NoWidth:
        return &slots.MsgSzerokosc;
    case Outcome::NoHeight:
        return &slots.MsgWysokosc;
    case Outcome::NoSystem:
        return &slots.MsgSystem;
    case Outcome::NoGlass:
        return &slots.MsgSzyba;
    case Outcome::NoSpacer:
        return &slots.MsgRamka;
    case Outcome::UnsuitableUnit:
        return &slots.MsgPakiet;
    case Outcome::NoTransom:
        return &slots.MsgWysPrzew;
    case Outcome::BadTransom:
        return &slots.MsgWysPrzewBlad;
    case Outcome::Done:
    case Outcome::NotANumber:
    case Outcome::ArithmeticError:
        break;
    }
    return nullptr;
}

} // namespace termika
