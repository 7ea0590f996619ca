#include "calc/uw.h"

#include <cmath>

namespace termika {

Outcome computeSingleField(CalcState& s) {
    const double w = s.Szer;
    const double h = s.Wys;
    const double f = s.SzerRamy;
    // A frame that leaves no glass has no meaningful U value; it also covers a zero width or
    // height, which would otherwise divide by a zero window area.
    if (w - 2 * f <= 0)
        return Outcome::NoWidth;
    if (h - 2 * f <= 0)
        return Outcome::NoHeight;

    const double poleRamy = (w * f * 2 + (h - 2 * f) * f * 2) / 1000000;
    const double poleOkna = w * h / 1000000;
    const double poleSzyby = poleOkna - poleRamy;
    const double obwodSzyby = ((w - 2 * f) * 2 + (h - 2 * f) * 2) / 1000;
    const double uOkna =
        (poleSzyby * s.USzyby1 + poleRamy * s.URamy + obwodSzyby * s.PsiRamki) / poleOkna;
    if (!std::isfinite(uOkna))
        return Outcome::ArithmeticError;

    s.PoleRamy = poleRamy;
    s.PoleOkna = poleOkna;
    s.PoleSzyby = poleSzyby;
    s.ObwodSzyby = obwodSzyby;
    s.UOkna = uOkna;
    return Outcome::Done;
}

Outcome press(const CheckInput& input, CalcState& state, Formula formula) {
    const Outcome checked = checkInput(input, state.GrPak1);
    return checked == Outcome::Done ? formula(state) : checked;
}

} // namespace termika
