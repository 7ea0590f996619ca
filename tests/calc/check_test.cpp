#include "calc/check.h"

#include <gtest/gtest.h>

namespace termika {
namespace {

// A tab filled in completely: "Tavio 5", the 24 mm unit, steel spacer.
CheckInput complete() {
    CheckInput in;
    in.widthText = "1000";
    in.heightText = "1500";
    in.systemItem = 1;
    in.glass1 = {2, true};
    in.spacerItem = 1;
    return in;
}

// The same on a balcony door with both glass fields.
CheckInput door() {
    CheckInput in = complete();
    in.door = true;
    in.glassUnderTransom = true;
    in.glass2 = {6, true};
    return in;
}

struct CheckCase {
    const char* tag;
    CheckInput input;
    double grPak1;
    double grPak2;
    Outcome expected;
};

class InputCheck : public testing::TestWithParam<CheckCase> {};

TEST_P(InputCheck, FirstFailingStepDecides) {
    const CheckCase& c = GetParam();
    CalcState s;
    s.GrPak1 = c.grPak1;
    s.GrPak2 = c.grPak2;
    EXPECT_EQ(checkInput(c.input, s), c.expected);
}

CheckInput with(CheckInput in, void (*change)(CheckInput&)) {
    change(in);
    return in;
}

INSTANTIATE_TEST_SUITE_P(
    Windows, InputCheck,
    testing::Values(
        CheckCase{"complete", complete(), 24, 0, Outcome::Done},
        CheckCase{"fresh_tab",
                  with(CheckInput(),
                       [](CheckInput& i) {
                           i.widthText = "0";
                           i.heightText = "0";
                       }),
                  0, 0, Outcome::NoWidth},
        CheckCase{"no_height", with(complete(), [](CheckInput& i) { i.heightText = "0"; }), 24, 0,
                  Outcome::NoHeight},
        CheckCase{"width_00_passes", with(complete(), [](CheckInput& i) { i.widthText = "00"; }),
                  24, 0, Outcome::Done},
        CheckCase{"width_blank_0_passes",
                  with(complete(), [](CheckInput& i) { i.widthText = " 0"; }), 24, 0,
                  Outcome::Done},
        CheckCase{"no_system",
                  with(complete(),
                       [](CheckInput& i) {
                           i.systemItem = 0;
                           i.glass1.item = 0;
                           i.spacerItem = 0;
                       }),
                  0, 0, Outcome::NoSystem},
        CheckCase{"no_glass", with(complete(), [](CheckInput& i) { i.glass1.item = 0; }), 0, 0,
                  Outcome::NoGlass},
        CheckCase{"typed_ug_counts_as_glass",
                  with(complete(),
                       [](CheckInput& i) {
                           i.glass1 = {0, false};
                       }),
                  0, 0, Outcome::Done},
        CheckCase{"no_spacer", with(complete(), [](CheckInput& i) { i.spacerItem = 0; }), 24, 0,
                  Outcome::NoSpacer},
        CheckCase{"tavio5_48mm", complete(), 48, 0, Outcome::UnsuitableUnit},
        CheckCase{"classic_37mm", with(complete(), [](CheckInput& i) { i.systemItem = 2; }), 37, 0,
                  Outcome::UnsuitableUnit},
        CheckCase{"classic_36mm", with(complete(), [](CheckInput& i) { i.systemItem = 2; }), 36, 0,
                  Outcome::Done},
        CheckCase{"polar_48mm", with(complete(), [](CheckInput& i) { i.systemItem = 3; }), 48, 0,
                  Outcome::Done},
        CheckCase{"polar_classic_48mm", with(complete(), [](CheckInput& i) { i.systemItem = 4; }),
                  48, 0, Outcome::Done},
        // A window has no glass 2: a unit left there from a door does not count.
        CheckCase{"window_ignores_glass_2", complete(), 24, 48, Outcome::Done}),
    [](const testing::TestParamInfo<CheckCase>& info) { return info.param.tag; });

INSTANTIATE_TEST_SUITE_P(
    Doors, InputCheck,
    testing::Values(CheckCase{"complete", door(), 24, 24, Outcome::Done},
                    CheckCase{"glass_2_missing",
                              with(door(), [](CheckInput& i) { i.glass2.item = 0; }), 24, 0,
                              Outcome::NoGlass},
                    CheckCase{"glass_2_typed",
                              with(door(),
                                   [](CheckInput& i) {
                                       i.glass2 = {0, false};
                                   }),
                              24, 0, Outcome::Done},
                    CheckCase{"glass_2_missing_before_spacer",
                              with(door(),
                                   [](CheckInput& i) {
                                       i.glass2.item = 0;
                                       i.spacerItem = 0;
                                   }),
                              24, 0, Outcome::NoGlass},
                    CheckCase{"glass_2_not_needed_under_one_glazing",
                              with(door(),
                                   [](CheckInput& i) {
                                       i.glassUnderTransom = false;
                                       i.glass2.item = 0;
                                   }),
                              24, 0, Outcome::Done},
                    CheckCase{"glass_2_of_48mm_in_tavio5", door(), 24, 48, Outcome::UnsuitableUnit},
                    CheckCase{"glass_2_of_48mm_counts_under_one_glazing",
                              with(door(), [](CheckInput& i) { i.glassUnderTransom = false; }), 24,
                              48, Outcome::UnsuitableUnit},
                    CheckCase{"glass_2_of_48mm_in_polar",
                              with(door(), [](CheckInput& i) { i.systemItem = 3; }), 24, 48,
                              Outcome::Done}),
    [](const testing::TestParamInfo<CheckCase>& info) { return info.param.tag; });

TEST(MessageFor, EachFailureNamesItsSlot) {
    const TextSlots slots{"w", "h", "s", "g", "r", "p", "t", "tb", "", "", "", ""};
    EXPECT_EQ(*messageFor(slots, Outcome::NoWidth), "w");
    EXPECT_EQ(*messageFor(slots, Outcome::NoHeight), "h");
    EXPECT_EQ(*messageFor(slots, Outcome::NoSystem), "s");
    EXPECT_EQ(*messageFor(slots, Outcome::NoGlass), "g");
    EXPECT_EQ(*messageFor(slots, Outcome::NoSpacer), "r");
    EXPECT_EQ(*messageFor(slots, Outcome::UnsuitableUnit), "p");
    EXPECT_EQ(*messageFor(slots, Outcome::NoTransom), "t");
    EXPECT_EQ(*messageFor(slots, Outcome::BadTransom), "tb");
    EXPECT_EQ(messageFor(slots, Outcome::Done), nullptr);
    EXPECT_EQ(messageFor(slots, Outcome::NotANumber), nullptr);
    EXPECT_EQ(messageFor(slots, Outcome::ArithmeticError), nullptr);
}

} // namespace
} // namespace termika
