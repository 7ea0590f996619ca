#include "calc/catalogue.h"
#include "calc/numtext.h"
#include "calc/uw.h"

#include <gtest/gtest.h>

#include <vector>

namespace termika {
namespace {

using WT = WindowType;

// A tab filled in as a user would: dimensions, list items, the tab's boxes.
struct Window {
    WindowType type;
    double width, height;
    int system;
    int glass1;
    int spacer;
    bool post = false;             // the movable-post box
    int glass2 = 0;                // doors
    double transom = 900;          // doors: the transom-height edit
    bool glassUnderTransom = true; // doors
    std::uint8_t metoda = 0;
};

CalcState chosen(const Window& w) {
    CalcState s;
    s.Metoda = w.metoda;
    s.Szer = w.width;
    s.Wys = w.height;
    applySystem(s, w.type, w.system, w.post);
    applyGlazing(s, GlassField::First, w.glass1);
    applyGlazing(s, GlassField::Second, w.glass2);
    applySpacer(s, w.spacer, "");
    return s;
}

// Owns the texts that a PressInput points into.
struct Press {
    std::string width, height, transom;
    PressInput input;

    explicit Press(const Window& w)
        : width(formatGeneral(w.width, ",")), height(formatGeneral(w.height, ",")),
          transom(formatGeneral(w.transom, ",")) {
        input.type = w.type;
        input.check.widthText = width;
        input.check.heightText = height;
        input.check.systemItem = w.system;
        input.check.glass1 = {w.glass1, true};
        input.check.spacerItem = w.spacer;
        input.check.glassUnderTransom = w.glassUnderTransom;
        input.check.glass2 = {w.glass2, true};
        input.transomText = transom;
    }
};

struct UwCase {
    const char* tag;
    Window window;
    Outcome outcome;
    double uOkna;      // when Done
    const char* shown; // when Done
};

class WorkedExample : public testing::TestWithParam<UwCase> {};

TEST_P(WorkedExample, PressGivesUw) {
    const UwCase& c = GetParam();
    CalcState s = chosen(c.window);
    const Press p(c.window);
    const PressResult result = press(p.input, s, ",");
    ASSERT_EQ(result.outcome, c.outcome);
    if (c.outcome != Outcome::Done)
        return;
    EXPECT_NEAR(s.UOkna, c.uOkna, 1e-6); // the examples are cut after six decimals
    EXPECT_EQ(formatFixed2(s.UOkna, ","), c.shown);
    // The breakdown explains exactly the stored value.
    EXPECT_EQ(result.breakdown.uw(), s.UOkna);
    EXPECT_EQ(result.breakdown.windowArea(), s.PoleOkna);
}

// Tavio 5: frame 116 mm, Uf 1.3; the 24 mm units 1.1 (item 2) and 1.3 (item 6); steel spacer.
// Tavio Polar: frame 124 mm, Uf 0.94; the 36 mm unit 0.7 (item 4); plastic spacer.
INSTANTIATE_TEST_SUITE_P(
    AllTypes, WorkedExample,
    testing::Values(
        UwCase{"one_sash_tavio5",
               {WT::OneSash, 1000, 1500, 1, 2, 1},
               Outcome::Done,
               1.3438955,
               "1,34"},
        UwCase{"one_sash_calc_method",
               {WT::OneSash, 1000, 1500, 1, 2, 1, false, 0, 900, true, 1},
               Outcome::Done,
               1.4210679,
               "1,42"},
        UwCase{
            "one_sash_small", {WT::OneSash, 600, 800, 1, 2, 1}, Outcome::Done, 1.4625067, "1,46"},
        UwCase{
            "fixed_polar_48mm", {WT::Fixed, 1000, 1500, 3, 5, 2}, Outcome::Done, 0.7349783, "0,73"},
        UwCase{"fixed_tavio5", {WT::Fixed, 1000, 1500, 1, 2, 1}, Outcome::Done, 1.3720751, "1,37"},
        UwCase{"fixed_tavio5_48mm_refused",
               {WT::Fixed, 1000, 1500, 1, 5, 1},
               Outcome::UnsuitableUnit,
               0,
               ""},
        UwCase{"two_sash_mullion",
               {WT::TwoSash, 1500, 1500, 1, 2, 1},
               Outcome::Done,
               1.407609,
               "1,41"},
        UwCase{"two_sash_post",
               {WT::TwoSash, 1500, 1500, 1, 2, 1, true},
               Outcome::Done,
               1.392809,
               "1,39"},
        UwCase{"two_sash_48mm_in_polar",
               {WT::TwoSash, 1500, 1500, 3, 5, 1},
               Outcome::Done,
               0.9014232,
               "0,90"},
        UwCase{"three_sash_post",
               {WT::ThreeSash, 2400, 1500, 3, 4, 2, true},
               Outcome::Done,
               0.904620,
               "0,90"},
        UwCase{"three_sash_mullions",
               {WT::ThreeSash, 2400, 1500, 3, 4, 2},
               Outcome::Done,
               0.909493,
               "0,91"},
        UwCase{"door_two_glazings",
               {WT::DoorOneSash, 1000, 2200, 1, 2, 1, false, 6},
               Outcome::Done,
               1.423355,
               "1,42"},
        UwCase{"door_one_glazing",
               {WT::DoorOneSash, 1000, 2200, 1, 2, 1, false, 0, 900, false},
               Outcome::Done,
               1.371550,
               "1,37"},
        UwCase{"two_sash_door_two_glazings",
               {WT::DoorTwoSash, 1600, 2200, 1, 2, 1, true, 6},
               Outcome::Done,
               1.460567,
               "1,46"},
        UwCase{"two_sash_door_one_glazing",
               {WT::DoorTwoSash, 1600, 2200, 1, 2, 1, true, 6, 900, false},
               Outcome::Done,
               1.409807,
               "1,41"}),
    [](const testing::TestParamInfo<UwCase>& info) { return info.param.tag; });

// The areas and perimeter each type stores, against the worked examples.
TEST(Geometry, StoresTheAreasOfEachType) {
    struct Expected {
        Window window;
        double frame, mullion, mullion2, transom, window_, glass, glass1, glass2, perimeter;
    };
    const std::vector<Expected> cases = {
        {{WT::OneSash, 1000, 1500, 1, 2, 1}, 0.526176, 0, 0, 0, 1.5, 0.973824, 0, 0, 4.072},
        {{WT::OneSash, 600, 800, 1, 2, 1}, 0.270976, 0, 0, 0, 0.48, 0.209024, 0, 0, 1.872},
        {{WT::TwoSash, 1500, 1500, 1, 2, 1}, 0.642176, 0.233312, 0, 0, 2.25, 1.374512, 0, 0, 7.24},
        {{WT::TwoSash, 1500, 1500, 1, 2, 1, true},
         0.642176,
         0.207952,
         0,
         0,
         2.25,
         1.399872,
         0,
         0,
         7.28},
        // Each of the three panes counts both of its vertical edges.
        {{WT::ThreeSash, 2400, 1500, 3, 4, 2, true},
         0.905696,
         0.2504,
         0.22536,
         0,
         3.6,
         2.218544,
         0,
         0,
         11.056},
        {{WT::ThreeSash, 2400, 1500, 3, 4, 2},
         0.905696,
         0.2504,
         0.2504,
         0,
         3.6,
         2.193504,
         0,
         0,
         11.016},
        {{WT::DoorOneSash, 1000, 2200, 1, 2, 1, false, 6},
         0.688576,
         0,
         0,
         0.064512,
         2.2,
         1.446912,
         0.877056,
         0.569856,
         6.84},
        // The member bounds all four glass fields, and field 1 gives up all of it above the
        // transom's centre line.
        {{WT::DoorTwoSash, 1600, 2200, 1, 2, 1, true, 6},
         0.827776,
         0.322752,
         0,
         0.101136,
         3.52,
         2.268336,
         1.374968,
         0.893368,
         12.352},
    };
    for (const Expected& e : cases) {
        SCOPED_TRACE(static_cast<int>(e.window.type));
        CalcState s = chosen(e.window);
        s.WysPrzew = e.window.transom;
        Breakdown b;
        ASSERT_EQ(computeUw(e.window.type, s, {}, b), Outcome::Done);
        EXPECT_NEAR(s.PoleRamy, e.frame, 1e-12);
        EXPECT_NEAR(s.PoleSlupka, e.mullion, 1e-12);
        EXPECT_NEAR(s.PoleSlupka2, e.mullion2, 1e-12);
        EXPECT_NEAR(s.PolePrzew, e.transom, 1e-12);
        EXPECT_NEAR(s.PoleOkna, e.window_, 1e-12);
        EXPECT_NEAR(s.PoleSzyby, e.glass, 1e-12);
        EXPECT_NEAR(s.PoleSzyby1, e.glass1, 1e-12);
        EXPECT_NEAR(s.PoleSzyby2, e.glass2, 1e-12);
        EXPECT_NEAR(s.ObwodSzyby, e.perimeter, 1e-12);
    }
}

// The breakdown names the elements of each type in the order of its formula, and its terms add
// up to Uw times the window area.
TEST(Breakdown, NamesTheElementsAndAddsUp) {
    using E = Element;
    struct Case {
        Window window;
        std::vector<Element> elements;
    };
    const std::vector<Case> cases = {
        {{WT::OneSash, 1000, 1500, 1, 2, 1}, {E::Glass, E::Frame}},
        {{WT::Fixed, 1000, 1500, 3, 5, 2}, {E::Glass, E::Frame}},
        {{WT::TwoSash, 1500, 1500, 1, 2, 1}, {E::Glass, E::Frame, E::Mullion}},
        {{WT::ThreeSash, 2400, 1500, 3, 4, 2, true}, {E::Glass, E::Frame, E::Mullion, E::Mullion2}},
        {{WT::DoorOneSash, 1000, 2200, 1, 2, 1, false, 6},
         {E::Glass1, E::Glass2, E::Frame, E::Transom}},
        {{WT::DoorOneSash, 1000, 2200, 1, 2, 1, false, 6, 900, false},
         {E::Glass, E::Frame, E::Transom}},
        {{WT::DoorTwoSash, 1600, 2200, 1, 2, 1, true, 6},
         {E::Glass1, E::Glass2, E::Frame, E::Mullion, E::Transom}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.window.type));
        CalcState s = chosen(c.window);
        s.WysPrzew = c.window.transom;
        Breakdown b;
        ASSERT_EQ(computeUw(c.window.type, s, {c.window.glassUnderTransom, true}, b),
                  Outcome::Done);
        std::vector<Element> named;
        double sum = b.perimeterTerm();
        double area = 0;
        for (const ElementTerm& item : b.elements()) {
            named.push_back(item.element);
            EXPECT_EQ(item.term, item.area * item.u);
            sum += item.term;
            area += item.area;
        }
        EXPECT_EQ(named, c.elements);
        EXPECT_NEAR(sum, s.UOkna * s.PoleOkna, 1e-12);
        EXPECT_NEAR(area, s.PoleOkna, 1e-12); // the elements cover the window
        EXPECT_EQ(b.perimeter(), s.ObwodSzyby);
        EXPECT_EQ(b.psi(), s.PsiRamki);
        EXPECT_EQ(b.glassArea(), s.PoleSzyby);
    }
}

// A frame, members or a transom that leave no glass are refused like a missing dimension, with
// nothing stored.
struct NoGlassCase {
    const char* tag;
    Window window;
    Outcome outcome;
};

class LeavesNoGlass : public testing::TestWithParam<NoGlassCase> {};

TEST_P(LeavesNoGlass, IsRefusedAndStoresNothing) {
    const NoGlassCase& c = GetParam();
    CalcState s = chosen(c.window);
    s.WysPrzew = c.window.transom;
    s.UOkna = 7; // whatever an earlier press left
    s.PoleRamy = 7;
    Breakdown b;
    EXPECT_EQ(computeUw(c.window.type, s, {}, b), c.outcome);
    EXPECT_EQ(s.UOkna, 7);
    EXPECT_EQ(s.PoleRamy, 7);
    EXPECT_EQ(s.PoleOkna, 0);
    EXPECT_EQ(s.ObwodSzyby, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Guard, LeavesNoGlass,
    testing::Values(
        NoGlassCase{"zero_width", {WT::OneSash, 0, 1500, 1, 2, 1}, Outcome::NoWidth},
        NoGlassCase{"zero_height", {WT::OneSash, 1000, 0, 1, 2, 1}, Outcome::NoHeight},
        NoGlassCase{"both_zero", {WT::Fixed, 0, 0, 1, 2, 1}, Outcome::NoWidth},
        NoGlassCase{"negative_width", {WT::OneSash, -1000, 1500, 1, 2, 1}, Outcome::NoWidth},
        NoGlassCase{"width_of_two_frame_bars", {WT::OneSash, 232, 1500, 1, 2, 1}, Outcome::NoWidth},
        NoGlassCase{"height_under_two_bars", {WT::OneSash, 1000, 200, 1, 2, 1}, Outcome::NoHeight},
        NoGlassCase{
            "mullion_fills_the_clear_width", {WT::TwoSash, 416, 1500, 1, 2, 1}, Outcome::NoWidth},
        NoGlassCase{"two_mullions_fill_it", {WT::ThreeSash, 600, 1500, 1, 2, 1}, Outcome::NoWidth},
        NoGlassCase{"door_member_fills_it",
                    {WT::DoorTwoSash, 380, 2200, 1, 2, 1, true, 6, 900},
                    Outcome::NoWidth},
        // 2·116 + 84 = 316 mm of frame and transom, less than the transom height.
        NoGlassCase{"door_transom_fills_the_height",
                    {WT::DoorOneSash, 1000, 316, 1, 2, 1, false, 6, 200},
                    Outcome::NoHeight},
        NoGlassCase{"door_transom_at_the_height",
                    {WT::DoorOneSash, 1000, 2200, 1, 2, 1, false, 6, 2200},
                    Outcome::BadTransom},
        NoGlassCase{"door_zero_height",
                    {WT::DoorOneSash, 1000, 0, 1, 2, 1, false, 6, 0},
                    Outcome::BadTransom},
        // F + t/2 = 158 mm: a transom lower than that leaves field 2 no glass.
        NoGlassCase{"door_transom_on_the_bottom_rail",
                    {WT::DoorOneSash, 1000, 2200, 1, 2, 1, false, 6, 158},
                    Outcome::BadTransom},
        NoGlassCase{"door_transom_on_the_top_rail",
                    {WT::DoorOneSash, 1000, 2200, 1, 2, 1, false, 6, 2042},
                    Outcome::BadTransom}),
    [](const testing::TestParamInfo<NoGlassCase>& info) { return info.param.tag; });

TEST(Geometry, JustClearOfTheFrameComputes) {
    CalcState s = chosen({WT::OneSash, 233, 1500, 1, 2, 1});
    Breakdown b;
    EXPECT_EQ(computeUw(WT::OneSash, s, {}, b), Outcome::Done);
    CalcState d = chosen({WT::DoorOneSash, 1000, 2200, 1, 2, 1, false, 6});
    for (const double transom : {159.0, 2041.0}) {
        d.WysPrzew = transom;
        EXPECT_EQ(computeUw(WT::DoorOneSash, d, {}, b), Outcome::Done) << transom;
    }
}

TEST(Geometry, OverflowingDimensionsAreAnArithmeticError) {
    CalcState s = chosen({WT::OneSash, 1e300, 1e300, 1, 2, 1});
    Breakdown b;
    EXPECT_EQ(computeUw(WT::OneSash, s, {}, b), Outcome::ArithmeticError);
    EXPECT_EQ(s.UOkna, 0);
    // Under one glazing the transom plays no part in Uw, but its field areas would be NaN.
    CalcState d = chosen({WT::DoorOneSash, 1000, 2200, 1, 2, 1, false, 6});
    d.WysPrzew = -1e306;
    EXPECT_EQ(computeUw(WT::DoorOneSash, d, {false, true}, b), Outcome::ArithmeticError);
    EXPECT_EQ(d.PoleSzyby1, 0);
}

// The doors compute with the transom height and dimensions their edits show at the press, and
// check them on those values.
struct DoorPressCase {
    const char* tag;
    double storedTransom; // what the state held before the press
    const char* transomText;
    bool glassUnderTransom;
    Outcome outcome;
};

class DoorPress : public testing::TestWithParam<DoorPressCase> {};

TEST_P(DoorPress, ChecksTheValuesItReads) {
    const DoorPressCase& c = GetParam();
    Window w{WT::DoorOneSash, 1000, 2200, 1, 2, 1, false, 6};
    w.glassUnderTransom = c.glassUnderTransom;
    CalcState s = chosen(w);
    s.WysPrzew = c.storedTransom;
    Press p(w);
    p.input.transomText = c.transomText;
    const PressResult result = press(p.input, s, ",");
    EXPECT_EQ(result.outcome, c.outcome);
    if (c.outcome == Outcome::Done) {
        EXPECT_GT(s.UOkna, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Transom, DoorPress,
    testing::Values(DoorPressCase{"untouched_800", 0, "800", true, Outcome::Done},
                    DoorPressCase{"equal_to_the_height", 0, "2200", true, Outcome::BadTransom},
                    DoorPressCase{"just_below", 0, "1999", true, Outcome::Done},
                    DoorPressCase{"above_the_height", 900, "2500", true, Outcome::BadTransom},
                    // A height typed on the other door tab is no longer compared.
                    DoorPressCase{"stale_value_in_state", 2500, "900", true, Outcome::Done},
                    DoorPressCase{"bare_zero", 900, "0", true, Outcome::NoTransom},
                    DoorPressCase{"bare_zero_one_glazing", 900, "0", false, Outcome::Done},
                    DoorPressCase{"zero_written_otherwise", 900, "00", true, Outcome::BadTransom},
                    DoorPressCase{"empty_is_zero", 900, "", true, Outcome::BadTransom},
                    DoorPressCase{"not_a_number", 900, "9x", true, Outcome::NotANumber}),
    [](const testing::TestParamInfo<DoorPressCase>& info) { return info.param.tag; });

TEST(DoorPress, StoresWhatItReadsUpToAFailure) {
    Window w{WT::DoorTwoSash, 1600, 2200, 1, 2, 1, true, 6};
    CalcState s = chosen(w);
    s.Szer = 1;
    s.Wys = 2;
    s.WysPrzew = 3;
    s.UOkna = 5;
    Press p(w);
    p.input.transomText = "9x";
    const PressResult result = press(p.input, s, ",");
    EXPECT_EQ(result.outcome, Outcome::NotANumber);
    EXPECT_EQ(result.badText, "9x");
    EXPECT_EQ(s.Szer, 1600);
    EXPECT_EQ(s.Wys, 2200);
    EXPECT_EQ(s.WysPrzew, 3);
    EXPECT_EQ(s.UOkna, 5);
}

TEST(WindowPress, UsesTheStoredDimensionsAndTypedUg) {
    CalcState s = chosen({WT::OneSash, 1000, 1500, 1, 0, 1});
    s.USzyby1 = 1.1; // as typed; the list stays at "-"
    Press p({WT::OneSash, 1000, 1500, 1, 0, 1});
    p.input.check.glass1.typedEmpty = false;
    p.width = "1 000"; // not read again: only the bare "0" is looked at
    p.input.check.widthText = p.width;
    ASSERT_EQ(press(p.input, s, ",").outcome, Outcome::Done);
    EXPECT_EQ(formatFixed2(s.UOkna, ","), "1,34");
}

} // namespace
} // namespace termika
