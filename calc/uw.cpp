#include "calc/uw.h"

#include "calc/numtext.h"

#include <array>
#include <cmath>

namespace termika {
namespace {

constexpr double Mm2PerM2 = 1000000;
constexpr double MmPerM = 1000;

// Window area and frame: the rails run the full width, the jambs between them.
double frameArea(double w, double h, double f) {
    return (2 * w * f + 2 * f * (h - 2 * f)) / Mm2PerM2;
}

// The areas a formula works out, stored together only when the whole press succeeds.
struct Areas {
    double frame = 0, mullion = 0, mullion2 = 0, transom = 0, window = 0;
    double glass = 0, glass1 = 0, glass2 = 0, perimeter = 0;
};

// Stores the areas and UOkna once all of them are numbers; absurd dimensions (1e300, a transom of
// -1e306 under one glazing) overflow to no result and leave the state as it was.
Outcome store(CalcState& s, const Areas& a, Breakdown& b) {
    const double uOkna = b.finish();
    for (const double value : {uOkna, a.frame, a.mullion, a.mullion2, a.transom, a.window, a.glass,
                               a.glass1, a.glass2, a.perimeter})
        if (!std::isfinite(value))
            return Outcome::ArithmeticError;
    s.PoleRamy = a.frame;
    s.PoleSlupka = a.mullion;
    s.PoleSlupka2 = a.mullion2;
    s.PolePrzew = a.transom;
    s.PoleOkna = a.window;
    s.PoleSzyby = a.glass;
    s.PoleSzyby1 = a.glass1;
    s.PoleSzyby2 = a.glass2;
    s.ObwodSzyby = a.perimeter;
    s.UOkna = uOkna;
    return Outcome::Done;
}

// Keeps the fields a window type does not compute as they were.
void keepUnused(const CalcState& s, Areas& a, bool mullion, bool mullion2, bool doors) {
    if (!mullion)
        a.mullion = s.PoleSlupka;
    if (!mullion2)
        a.mullion2 = s.PoleSlupka2;
    if (!doors) {
        a.transom = s.PolePrzew;
        a.glass1 = s.PoleSzyby1;
        a.glass2 = s.PoleSzyby2;
    }
}

// Windows: one glass field per sash, divided by up to two vertical members that run between
// the rails. A frame or members that leave no glass give no value.
Outcome window(CalcState& s, int members, Breakdown& b) {
    const double w = s.Szer, h = s.Wys, f = s.SzerRamy;
    const double s1 = members >= 1 ? s.SzerSlupka : 0;
    const double s2 = members >= 2 ? s.SzerSlupka2 : 0;
    const double clearWidth = w - 2 * f - s1 - s2;
    const double clearHeight = h - 2 * f;
    if (clearWidth <= 0)
        return Outcome::NoWidth;
    if (clearHeight <= 0)
        return Outcome::NoHeight;

    Areas a;
    a.frame = frameArea(w, h, f);
    a.mullion = s1 * clearHeight / Mm2PerM2;
    a.mullion2 = s2 * clearHeight / Mm2PerM2;
    a.window = w * h / Mm2PerM2;
    a.glass = a.window - a.frame - a.mullion - a.mullion2;
    // Every pane's whole edge is visible: top and bottom over the clear width less the
    // members, both sides of each of the members + 1 panes over the clear height.
    a.perimeter = (2 * clearWidth + 2 * (members + 1) * clearHeight) / MmPerM;
    keepUnused(s, a, members >= 1, members >= 2, false);

    b.add(Element::Glass, a.glass, s.USzyby1);
    b.add(Element::Frame, a.frame, s.URamy);
    if (members >= 1)
        b.add(Element::Mullion, a.mullion, s.USlupka);
    if (members >= 2)
        b.add(Element::Mullion2, a.mullion2, s.USlupka2);
    b.setPerimeter(a.perimeter, s.PsiRamki);
    b.setAreas(a.window, a.glass);
    return store(s, a, b);
}

// Balcony doors: a horizontal transom at height p (its centre line above the bottom edge) splits
// the glass into field 1 above and field 2 below; the two-sash door adds a member over the whole
// clear height, which interrupts the transom and bounds all four glass fields.
Outcome door(CalcState& s, bool twoSash, const DoorOptions& opt, Breakdown& b) {
    const double w = s.Szer, h = s.Wys, p = s.WysPrzew;
    const double f = s.SzerRamy, t = s.SzerPrzew;
    const double m = twoSash ? s.SzerSlupka : 0;
    if (p >= h)
        return Outcome::BadTransom;
    const double clearWidth = w - 2 * f - m;
    const double clearHeight = h - 2 * f - t;
    if (clearWidth <= 0)
        return Outcome::NoWidth;
    if (clearHeight <= 0)
        return Outcome::NoHeight;
    if (opt.glassUnderTransom) {
        if (!opt.transomGiven)
            return Outcome::NoTransom;
        // The transom must leave glass above and below it.
        if (p - t / 2 <= f || p + t / 2 >= h - f)
            return Outcome::BadTransom;
    }

    Areas a;
    a.frame = frameArea(w, h, f);
    a.transom = clearWidth * t / Mm2PerM2;
    a.mullion = twoSash ? (h - 2 * f) * m / Mm2PerM2 : 0;
    a.window = w * h / Mm2PerM2;
    a.glass = a.window - a.frame - a.transom - a.mullion;
    // Field 1: the strip above the transom's centre line, less the top rail, the jambs down to
    // the centre line, the upper half of the transom and the member above the centre line.
    a.glass1 =
        (w * (h - p) - (w * f + 2 * f * (h - p - f)) - clearWidth * t / 2 - m * (h - f - p)) /
        Mm2PerM2;
    a.glass2 = a.glass - a.glass1;
    // Each field has a top and a bottom edge; the side edges run the clear height less the
    // transom, on both sides of each sash.
    const double sashes = twoSash ? 2 : 1;
    a.perimeter = (4 * clearWidth + 2 * sashes * clearHeight) / MmPerM;
    keepUnused(s, a, twoSash, false, true);

    if (opt.glassUnderTransom) {
        b.add(Element::Glass1, a.glass1, s.USzyby1);
        b.add(Element::Glass2, a.glass2, s.USzyby2);
    } else {
        b.add(Element::Glass, a.glass, s.USzyby1);
    }
    b.add(Element::Frame, a.frame, s.URamy);
    if (twoSash)
        b.add(Element::Mullion, a.mullion, s.USlupka);
    b.add(Element::Transom, a.transom, s.UPrzew);
    b.setPerimeter(a.perimeter, s.PsiRamki);
    b.setAreas(a.window, a.glass);
    return store(s, a, b);
}

bool isDoor(WindowType type) {
    return type == WindowType::DoorOneSash || type == WindowType::DoorTwoSash;
}

// Reads a dimension edit again, as its change handler does: empty is 0.
bool reread(std::string_view text, std::string_view sep, double& field, PressResult& result) {
    if (text.empty()) {
        field = 0;
        return true;
    }
    const auto value = parseNumber(text, sep);
    if (!value) {
        result.outcome = Outcome::NotANumber;
        result.badText = std::string(text);
        return false;
    }
    field = *value;
    return true;
}

} // namespace

Outcome computeUw(WindowType type, CalcState& state, const DoorOptions& opt, Breakdown& b) {
    b = Breakdown{};
    switch (type) {
    case WindowType::OneSash:
    case WindowType::Fixed:
        return window(state, 0, b);
    case WindowType::TwoSash:
        return window(state, 1, b);
    case WindowType::ThreeSash:
        return window(state, 2, b);
    case WindowType::DoorOneSash:
        return door(state, false, opt, b);
    case WindowType::DoorTwoSash:
        return door(state, true, opt, b);
    }
    return Outcome::ArithmeticError;
}

PressResult press(const PressInput& input, CalcState& state, std::string_view sep) {
    PressResult result;
    CheckInput check = input.check;
    check.door = isDoor(input.type);
    result.outcome = checkInput(check, state);
    if (result.outcome != Outcome::Done)
        return result;
    DoorOptions opt;
    if (check.door) {
        // The doors compute with what their edits show now; each value read is kept at once.
        if (!reread(check.widthText, sep, state.Szer, result) ||
            !reread(check.heightText, sep, state.Wys, result) ||
            !reread(input.transomText, sep, state.WysPrzew, result))
            return result;
        opt.glassUnderTransom = check.glassUnderTransom;
        opt.transomGiven = input.transomText != "0";
    }
    result.outcome = computeUw(input.type, state, opt, result.breakdown);
    return result;
}

} // namespace termika
