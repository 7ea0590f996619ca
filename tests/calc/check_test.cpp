#include "calc/check.h"

#include <gtest/gtest.h>

namespace termika {
namespace {

// A tab filled in completely: "Tavio 5", the 24 mm unit, steel spacer.
CheckInput complete() {
    return {"1000", "1500", 1, 2, true, 1};
}

struct CheckCase {
    const char* tag;
    CheckInput input;
    double grPak1;
    Outcome expected;
};

class InputCheck : public testing::TestWithParam<CheckCase> {};

TEST_P(InputCheck, FirstFailingStepDecides) {
    const CheckCase& c = GetParam();
    EXPECT_EQ(checkInput(c.input, c.grPak1), c.expected);
}

CheckInput with(void (*change)(CheckInput&)) {
    CheckInput in = complete();
    change(in);
    return in;
}

INSTANTIATE_TEST_SUITE_P(
    Steps, InputCheck,
    testing::Values(
        CheckCase{"complete", complete(), 24, Outcome::Done},
        CheckCase{"fresh_tab", {"0", "0", 0, 0, true, 0}, 0, Outcome::NoWidth},
        CheckCase{"no_height", with([](CheckInput& i) { i.heightText = "0"; }), 24,
                  Outcome::NoHeight},
        CheckCase{"width_00_passes", with([](CheckInput& i) { i.widthText = "00"; }), 24,
                  Outcome::Done},
        CheckCase{"width_blank_0_passes", with([](CheckInput& i) { i.widthText = " 0"; }), 24,
                  Outcome::Done},
        CheckCase{"no_system", with([](CheckInput& i) {
                      i.systemItem = 0;
                      i.glassItem = 0;
                      i.spacerItem = 0;
                  }),
                  0, Outcome::NoSystem},
        CheckCase{"no_glass", with([](CheckInput& i) { i.glassItem = 0; }), 0, Outcome::NoGlass},
        CheckCase{"typed_ug_counts_as_glass", with([](CheckInput& i) {
                      i.glassItem = 0;
                      i.typedUgEmpty = false;
                  }),
                  0, Outcome::Done},
        CheckCase{"no_spacer", with([](CheckInput& i) { i.spacerItem = 0; }), 24,
                  Outcome::NoSpacer},
        CheckCase{"tavio5_48mm", complete(), 48, Outcome::UnsuitableUnit},
        CheckCase{"classic_37mm", with([](CheckInput& i) { i.systemItem = 2; }), 37,
                  Outcome::UnsuitableUnit},
        CheckCase{"classic_36mm", with([](CheckInput& i) { i.systemItem = 2; }), 36, Outcome::Done},
        CheckCase{"polar_48mm", with([](CheckInput& i) { i.systemItem = 3; }), 48, Outcome::Done},
        CheckCase{"polar_classic_48mm", with([](CheckInput& i) { i.systemItem = 4; }), 48,
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
    EXPECT_EQ(messageFor(slots, Outcome::Done), nullptr);
    EXPECT_EQ(messageFor(slots, Outcome::ArithmeticError), nullptr);
}

} // namespace
} // namespace termika
