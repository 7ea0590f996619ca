#include "calc/catalogue.h"

namespace termika {
namespace {

struct Member {
    double width; // mm
    double u;     // W/(m²·K)
};

struct ProfileSystem {
    std::string_view windowName; // tabs of windows
    std::string_view doorName;   // balcony doors carry a name of their own for item 2
    double frameWidth;
    double ufCalculation; // Metoda 1
    double ufTest;        // Metoda 0
    double fixedFrameWidth;
    double ufFixed;
    Member mullion;
    Member post;
    Member transom;
};

// Items 1 to 4 of the system list.
constexpr std::array<ProfileSystem, 4> Systems = {{
    {"Tavio 5",
     "Tavio 5",
     116,
     UfTavio5Obliczeniowa,
     UfTavio5Badawcza,
     66,
     UfFest,
     {184, 1.53},
     {164, 1.41},
     {84, 1.44}},
    {"Tavio 5 Classic",
     "Tavio 5 Clasic",
     116,
     UfClassicObliczeniowa,
     UfClassicBadawcza,
     66,
     UfFest,
     {184, 1.55},
     {164, 1.43},
     {84, 1.44}},
    {"Tavio Polar",
     "Tavio Polar",
     124,
     0.94,
     0.94,
     74,
     1.12,
     {200, 1.09},
     {180, 1.05},
     {100, 1.05}},
    {"Tavio Polar Classic",
     "Tavio Polar Classic",
     124,
     0.98,
     0.98,
     74,
     1.12,
     {200, 1.15},
     {180, 1.11},
     {100, 1.05}},
}};

// How a division member of a window type is chosen.
enum class MemberRule { None, FromBox, Mullion };

struct TypeRule {
    bool fixedFrame;
    MemberRule first;
    MemberRule second;
    bool transom;
    bool doorNames;
    bool clearsFirstMemberOnNone;
};

constexpr TypeRule ruleOf(WindowType type) {
    switch (type) {
    case WindowType::OneSash:
        return {false, MemberRule::None, MemberRule::None, false, false, false};
    case WindowType::TwoSash:
        return {false, MemberRule::FromBox, MemberRule::None, false, false, true};
    case WindowType::ThreeSash:
        return {false, MemberRule::Mullion, MemberRule::FromBox, false, false, false};
    case WindowType::Fixed:
        return {true, MemberRule::None, MemberRule::None, false, false, false};
    case WindowType::DoorOneSash:
        return {false, MemberRule::None, MemberRule::None, true, true, false};
    case WindowType::DoorTwoSash:
        return {false, MemberRule::FromBox, MemberRule::None, true, true, false};
    }
    return {};
}

void setMember(MemberRule rule, const ProfileSystem& sys, bool movablePost, double& width,
               double& u) {
    if (rule == MemberRule::None)
        return;
    const Member& m = rule == MemberRule::FromBox && movablePost ? sys.post : sys.mullion;
    width = m.width;
    u = m.u;
}

} // namespace

void applySystem(CalcState& state, WindowType type, int item, bool movablePost) {
    const TypeRule rule = ruleOf(type);
    if (item < 1 || item > static_cast<int>(Systems.size())) {
        state.NazwaSystemu.assign(1, '-');
        state.URamy = 0;
        state.SzerRamy = 0;
        if (rule.clearsFirstMemberOnNone) {
            state.SzerSlupka = 0;
            state.USlupka = 0;
        }
        return;
    }
    const ProfileSystem& sys = Systems[static_cast<std::size_t>(item - 1)];
    if (rule.fixedFrame) {
        state.URamy = sys.ufFixed;
        state.SzerRamy = sys.fixedFrameWidth;
    } else {
        state.URamy = state.Metoda == 1 ? sys.ufCalculation : sys.ufTest;
        state.SzerRamy = sys.frameWidth;
    }
    setMember(rule.first, sys, movablePost, state.SzerSlupka, state.USlupka);
    setMember(rule.second, sys, movablePost, state.SzerSlupka2, state.USlupka2);
    if (rule.transom) {
        state.SzerPrzew = sys.transom.width;
        state.UPrzew = sys.transom.u;
    }
    state.NazwaSystemu = std::string(rule.doorNames ? sys.doorName : sys.windowName);
}

void applyGlazing(CalcState& state, GlassField field, int item) {
    const bool known = item >= 0 && item < static_cast<int>(GlazingItems.size());
    const Glazing& g = GlazingItems[known ? static_cast<std::size_t>(item) : 0];
    const GlassFields glass = glassFields(state, field);
    glass.name = std::string(g.name);
    glass.ug = g.ug;
    glass.thickness = g.thickness;
}

GlassFields glassFields(CalcState& state, GlassField field) {
    if (field == GlassField::First)
        return {state.NazwaSzyby1, state.USzyby1, state.GrPak1};
    return {state.NazwaSzyby2, state.USzyby2, state.GrPak2};
}

void applySpacer(CalcState& state, int item, std::string_view itemText) {
    if (item < 0 || item >= static_cast<int>(SpacerPsi.size()))
        return;
    state.NazwaRamki = std::string(itemText);
    state.PsiRamki = SpacerPsi[static_cast<std::size_t>(item)];
}

} // namespace termika
