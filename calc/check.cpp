#include "calc/check.h"

namespace termika {

Outcome checkInput(const CheckInput& input, double grPak1) {
    // The edits are compared as text: only the untouched "0" counts as no dimension.
    if (input.widthText == "0")
        return Outcome::NoWidth;
    if (input.heightText == "0")
        return Outcome::NoHeight;
    if (input.systemItem == 0)
        return Outcome::NoSystem;
    if (input.glassItem == 0 && input.typedUgEmpty)
        return Outcome::NoGlass;
    if (input.spacerItem == 0)
        return Outcome::NoSpacer;
    const bool polar = input.systemItem == 3 || input.systemItem == 4;
    const bool tavio5 = input.systemItem == 1 || input.systemItem == 2;
    if (!polar && !(tavio5 && grPak1 < MaxTavio5Unit))
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
    case Outcome::Done:
    case Outcome::ArithmeticError:
        break;
    }
    return nullptr;
}

} // namespace termika
