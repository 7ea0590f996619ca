// The input check, the geometry of every window type and the whole press under libFuzzer, with
// arbitrary state values: nothing may crash, a Done result is a finite number explained by its
// breakdown, and any other outcome leaves the stored results as they were.
//
// Input, read front to back (missing bytes read as zero; make_seeds.py writes the same layout):
//   u8 window type (mod 6), u8 flags (see Flag), i8 system item, i8 glazing 1 item,
//   i8 glazing 2 item, i8 spacer item, u8 Metoda, f64 Szer, f64 Wys, f64 WysPrzew,
//   the width, height and transom texts (each a u8 length and its bytes; length 255 stands for
//   the general form of the state's value), then any number of (u8 field, f64 value) pairs
//   that overwrite a number of the state, as typed Ug values or earlier presses would leave it.

#include "calc/catalogue.h"
#include "calc/check.h"
#include "calc/numtext.h"
#include "calc/uw.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <span>
#include <string>
#include <string_view>

namespace {

using namespace termika;

enum Flag : std::uint8_t {
    PointSeparator = 1,
    MovablePost = 2,
    GlassUnderTransom = 4,    // the door's hidden box, as the press reads it
    OptGlassUnderTransom = 8, // the same for computeUw alone
    OptTransomGiven = 16,
    Glass1Typed = 32,
    Glass2Typed = 64,
};

class Reader {
public:
    Reader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    std::size_t left() const { return size_ - pos_; }

    std::uint8_t u8() { return left() > 0 ? data_[pos_++] : 0; }
    int i8() { return static_cast<std::int8_t>(u8()); }

    double f64() {
        unsigned char bytes[sizeof(double)] = {};
        const std::size_t n = std::min(left(), sizeof bytes);
        std::memcpy(bytes, data_ + pos_, n);
        pos_ += n;
        double value;
        std::memcpy(&value, bytes, sizeof value);
        return value;
    }

    std::string text(double stateValue, std::string_view sep) {
        const std::size_t length = u8();
        if (length == 255)
            return formatGeneral(stateValue, sep);
        const std::size_t n = std::min(length, left());
        std::string out(reinterpret_cast<const char*>(data_ + pos_), n);
        pos_ += n;
        return out;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

using Fields = std::span<double CalcState::*const>;

// Every number of the state, in one list so that overrides and comparisons see them all.
constexpr double CalcState::*Numbers[] = {
    &CalcState::USzyby1,    &CalcState::USzyby2,     &CalcState::UOkna,       &CalcState::URamy,
    &CalcState::USlupka,    &CalcState::USlupka2,    &CalcState::UPrzew,      &CalcState::PoleSzyby,
    &CalcState::PoleSzyby1, &CalcState::PoleSzyby2,  &CalcState::PoleOkna,    &CalcState::PoleRamy,
    &CalcState::PoleSlupka, &CalcState::PoleSlupka2, &CalcState::PolePrzew,   &CalcState::Szer,
    &CalcState::SzerRamy,   &CalcState::SzerSlupka,  &CalcState::SzerSlupka2, &CalcState::SzerPrzew,
    &CalcState::Wys,        &CalcState::WysPrzew,    &CalcState::ObwodSzyby,  &CalcState::PsiRamki,
    &CalcState::GrPak1,     &CalcState::GrPak2,
};
constexpr std::size_t NumberCount = sizeof Numbers / sizeof Numbers[0];
static_assert(sizeof(CalcState) == 4 * sizeof(std::string) + 8 + NumberCount * sizeof(double),
              "a new field of CalcState belongs in Numbers or in identical()");

// What a press computes and stores on Done.
constexpr double CalcState::*Results[] = {
    &CalcState::UOkna,     &CalcState::PoleSzyby,  &CalcState::PoleSzyby1, &CalcState::PoleSzyby2,
    &CalcState::PoleOkna,  &CalcState::PoleRamy,   &CalcState::PoleSlupka, &CalcState::PoleSlupka2,
    &CalcState::PolePrzew, &CalcState::ObwodSzyby,
};

// What a door's press reads again from its edits before it computes.
constexpr double CalcState::*Reread[] = {&CalcState::Szer, &CalcState::Wys, &CalcState::WysPrzew};

bool sameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// Field by field, NaN equal to the same NaN.
bool identical(const CalcState& a, const CalcState& b) {
    for (const auto field : Numbers)
        if (!sameBits(a.*field, b.*field))
            return false;
    return a.NazwaSystemu == b.NazwaSystemu && a.NazwaSzyby1 == b.NazwaSzyby1 &&
           a.NazwaSzyby2 == b.NazwaSzyby2 && a.NazwaRamki == b.NazwaRamki && a.Metoda == b.Metoda &&
           a.IndeksRamki == b.IndeksRamki;
}

void take(CalcState& to, const CalcState& from, Fields fields) {
    for (const auto field : fields)
        to.*field = from.*field;
}

[[noreturn]] void fail(const char* what, WindowType type, Outcome outcome) {
    std::fprintf(stderr, "%s (window type %d, outcome %d)\n", what, static_cast<int>(type),
                 static_cast<int>(outcome));
    std::abort();
}

// A Done result is finite everywhere and its terms add up to what is stored.
void checkDone(const CalcState& s, const Breakdown& b, WindowType type) {
    const auto bad = [type](const char* what) { fail(what, type, Outcome::Done); };
    if (!std::isfinite(s.UOkna))
        bad("UOkna is not finite on Done");
    if (!sameBits(b.uw(), s.UOkna) || !sameBits(b.windowArea(), s.PoleOkna) ||
        !sameBits(b.perimeter(), s.ObwodSzyby) || !sameBits(b.glassArea(), s.PoleSzyby))
        bad("the breakdown explains other values than the stored ones");
    double sum = 0;
    for (const ElementTerm& item : b.elements()) {
        if (!std::isfinite(item.area) || !std::isfinite(item.u) || !std::isfinite(item.term))
            bad("a breakdown term is not finite on Done");
        sum += item.term;
    }
    if (!std::isfinite(b.perimeter()) || !std::isfinite(b.psi()) ||
        !std::isfinite(b.perimeterTerm()) || !std::isfinite(b.windowArea()))
        bad("the perimeter or the window area is not finite on Done");
    sum += b.perimeterTerm();
    const double product = s.UOkna * s.PoleOkna;
    if (std::isfinite(sum) && std::isfinite(product)) {
        // A Uw that underflowed to a subnormal carries an absolute error of its own.
        const double slack = std::fabs(s.PoleOkna) * std::numeric_limits<double>::denorm_min();
        if (std::fabs(sum - product) > 1e-9 * std::fmax(std::fabs(sum), std::fabs(product)) + slack)
            bad("the breakdown's terms do not add up to UOkna times PoleOkna");
    }
}

// After a computation: on Done only the results (and `changeable`) moved and they hold; on any
// other outcome nothing but `changeable` moved.
void checkOutcome(const CalcState& before, const CalcState& after, const Breakdown& b,
                  WindowType type, Outcome outcome, Fields changeable) {
    CalcState expected = before;
    take(expected, after, changeable);
    if (outcome == Outcome::Done) {
        take(expected, after, Results);
        checkDone(after, b, type);
    }
    if (!identical(expected, after))
        fail(outcome == Outcome::Done ? "Done changed a field it does not compute"
                                      : "a refused computation changed the state",
             type, outcome);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Reader in(data, size);
    const auto type = static_cast<WindowType>(in.u8() % 6);
    const std::uint8_t flags = in.u8();
    const std::string_view sep = (flags & PointSeparator) != 0 ? "." : ",";
    const int systemItem = in.i8();
    const int glass1Item = in.i8();
    const int glass2Item = in.i8();
    const int spacerItem = in.i8();

    CalcState state;
    state.Metoda = in.u8();
    state.Szer = in.f64();
    state.Wys = in.f64();
    state.WysPrzew = in.f64();
    applySystem(state, type, systemItem, (flags & MovablePost) != 0);
    applyGlazing(state, GlassField::First, glass1Item);
    applyGlazing(state, GlassField::Second, glass2Item);
    applySpacer(state, spacerItem, "spacer");
    const std::string width = in.text(state.Szer, sep);
    const std::string height = in.text(state.Wys, sep);
    const std::string transom = in.text(state.WysPrzew, sep);
    while (in.left() >= 1 + sizeof(double)) {
        const std::size_t field = in.u8() % NumberCount;
        state.*Numbers[field] = in.f64();
    }

    PressInput input;
    input.type = type;
    input.check.widthText = width;
    input.check.heightText = height;
    input.check.systemItem = systemItem;
    input.check.glass1 = {glass1Item, (flags & Glass1Typed) == 0};
    input.check.spacerItem = spacerItem;
    input.check.glassUnderTransom = (flags & GlassUnderTransom) != 0;
    input.check.glass2 = {glass2Item, (flags & Glass2Typed) == 0};
    input.transomText = transom;

    const bool door = type == WindowType::DoorOneSash || type == WindowType::DoorTwoSash;
    // The check passes, or names an input through a message; it has no other way to end.
    for (const bool asDoor : {false, true}) {
        CheckInput check = input.check;
        check.door = asDoor;
        const Outcome checked = checkInput(check, state);
        if ((checked == Outcome::Done) != (messageFor(TextSlots{}, checked) == nullptr))
            fail("the input check gave an outcome it cannot give", type, checked);
    }

    const CalcState before = state;
    const DoorOptions options{(flags & OptGlassUnderTransom) != 0, (flags & OptTransomGiven) != 0};
    Breakdown breakdown;
    const Outcome computed = computeUw(type, state, options, breakdown);
    checkOutcome(before, state, breakdown, type, computed, {});
    // Computing again from what was stored gives the same bits: nothing depends on history.
    if (computed == Outcome::Done) {
        CalcState again = state;
        Breakdown second;
        if (computeUw(type, again, options, second) != Outcome::Done ||
            !sameBits(again.UOkna, state.UOkna))
            fail("a second computation from the stored state differs", type, computed);
    }

    state = before;
    const PressResult pressed = press(input, state, sep);
    checkOutcome(before, state, pressed.breakdown, type, pressed.outcome,
                 door ? Fields(Reread) : Fields());
    if ((pressed.outcome == Outcome::NotANumber) == pressed.badText.empty())
        fail("a text that is not a number is not named, or one is named without cause", type,
             pressed.outcome);
    return 0;
}
