#include "calc/catalogue.h"
#include "calc/numtext.h"
#include "calc/uw.h"

#include <gtest/gtest.h>

namespace termika {
namespace {

struct Window {
    WindowType type;
    double width, height;
    int system;
    std::uint8_t metoda;
    int glass;
    int spacer;
};

CalcState chosen(const Window& w) {
    CalcState s;
    s.Metoda = w.metoda;
    s.Szer = w.width;
    s.Wys = w.height;
    applySystem(s, w.type, w.system, false);
    applyGlazing(s, GlassField::First, w.glass);
    applySpacer(s, w.spacer, "");
    return s;
}

struct UwCase {
    const char* tag;
    Window window;
    Outcome outcome;
    double uOkna;      // when Done
    const char* shown; // when Done
};

class SingleField : public testing::TestWithParam<UwCase> {};

TEST_P(SingleField, PressGivesUw) {
    const UwCase& c = GetParam();
    CalcState s = chosen(c.window);
    const std::string w = formatGeneral(c.window.width, ",");
    const std::string h = formatGeneral(c.window.height, ",");
    const CheckInput input{w, h, c.window.system, c.window.glass, true, c.window.spacer};
    ASSERT_EQ(press(input, s, computeSingleField), c.outcome);
    if (c.outcome == Outcome::Done) {
        EXPECT_NEAR(s.UOkna, c.uOkna, 5e-8);
        EXPECT_EQ(formatFixed2(s.UOkna, ","), c.shown);
    }
}

using WT = WindowType;
INSTANTIATE_TEST_SUITE_P(WorkedExamples, SingleField,
                         testing::Values(UwCase{"one_sash_tavio5",
                                                {WT::OneSash, 1000, 1500, 1, 0, 2, 1},
                                                Outcome::Done,
                                                1.3438955,
                                                "1,34"},
                                         UwCase{"one_sash_calc_method",
                                                {WT::OneSash, 1000, 1500, 1, 1, 2, 1},
                                                Outcome::Done,
                                                1.4210679,
                                                "1,42"},
                                         UwCase{"one_sash_small",
                                                {WT::OneSash, 600, 800, 1, 0, 2, 1},
                                                Outcome::Done,
                                                1.4625067,
                                                "1,46"},
                                         UwCase{"fixed_polar_48mm",
                                                {WT::Fixed, 1000, 1500, 3, 0, 5, 2},
                                                Outcome::Done,
                                                0.7349783,
                                                "0,73"},
                                         UwCase{"fixed_tavio5",
                                                {WT::Fixed, 1000, 1500, 1, 0, 2, 1},
                                                Outcome::Done,
                                                1.3720751,
                                                "1,37"},
                                         UwCase{"fixed_tavio5_48mm_refused",
                                                {WT::Fixed, 1000, 1500, 1, 0, 5, 1},
                                                Outcome::UnsuitableUnit,
                                                0,
                                                ""}),
                         [](const testing::TestParamInfo<UwCase>& info) { return info.param.tag; });

TEST(SingleField, StoresTheIntermediateFields) {
    CalcState s = chosen({WT::OneSash, 1000, 1500, 1, 0, 2, 1});
    ASSERT_EQ(computeSingleField(s), Outcome::Done);
    EXPECT_DOUBLE_EQ(s.PoleRamy, 0.526176);
    EXPECT_DOUBLE_EQ(s.PoleOkna, 1.5);
    EXPECT_DOUBLE_EQ(s.PoleSzyby, 0.973824);
    EXPECT_DOUBLE_EQ(s.ObwodSzyby, 4.072);

    CalcState small = chosen({WT::OneSash, 600, 800, 1, 0, 2, 1});
    ASSERT_EQ(computeSingleField(small), Outcome::Done);
    EXPECT_DOUBLE_EQ(small.PoleRamy, 0.270976);
    EXPECT_DOUBLE_EQ(small.PoleSzyby, 0.209024);
    EXPECT_DOUBLE_EQ(small.ObwodSzyby, 1.872);
}

TEST(SingleField, TypedUgIsUsed) {
    CalcState s = chosen({WT::OneSash, 1000, 1500, 1, 0, 0, 1});
    s.USzyby1 = 1.1; // as typed; the list stays at "-"
    const CheckInput input{"1000", "1500", 1, 0, false, 1};
    ASSERT_EQ(press(input, s, computeSingleField), Outcome::Done);
    EXPECT_EQ(formatFixed2(s.UOkna, ","), "1,34");
}

// A frame as wide as the window leaves no glass: refused like a missing dimension, with
// nothing stored.
struct NoGlassCase {
    const char* tag;
    double width, height;
    Outcome outcome;
};

class FrameLeavesNoGlass : public testing::TestWithParam<NoGlassCase> {};

TEST_P(FrameLeavesNoGlass, IsRefusedAndStoresNothing) {
    const NoGlassCase& c = GetParam();
    CalcState s = chosen({WT::OneSash, c.width, c.height, 1, 0, 2, 1});
    s.UOkna = 7; // whatever an earlier press left
    s.PoleRamy = 7;
    EXPECT_EQ(computeSingleField(s), c.outcome);
    EXPECT_EQ(s.UOkna, 7);
    EXPECT_EQ(s.PoleRamy, 7);
    EXPECT_EQ(s.PoleOkna, 0);
    EXPECT_EQ(s.ObwodSzyby, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Guard, FrameLeavesNoGlass,
    testing::Values(NoGlassCase{"zero_width", 0, 1500, Outcome::NoWidth},
                    NoGlassCase{"zero_height", 1000, 0, Outcome::NoHeight},
                    NoGlassCase{"both_zero", 0, 0, Outcome::NoWidth},
                    NoGlassCase{"negative_width", -1000, 1500, Outcome::NoWidth},
                    NoGlassCase{"width_of_two_frame_bars", 232, 1500, Outcome::NoWidth},
                    NoGlassCase{"height_under_two_bars", 1000, 200, Outcome::NoHeight}),
    [](const testing::TestParamInfo<NoGlassCase>& info) { return info.param.tag; });

TEST(SingleField, JustWiderThanTheFrameComputes) {
    CalcState s = chosen({WT::OneSash, 233, 1500, 1, 0, 2, 1});
    EXPECT_EQ(computeSingleField(s), Outcome::Done);
}

TEST(SingleField, OverflowingDimensionsAreAnArithmeticError) {
    CalcState s = chosen({WT::OneSash, 1e300, 1e300, 1, 0, 2, 1});
    EXPECT_EQ(computeSingleField(s), Outcome::ArithmeticError);
    EXPECT_EQ(s.UOkna, 0);
}

} // namespace
} // namespace termika
