#include "calc/catalogue.h"

#include <gtest/gtest.h>

namespace termika {
namespace {

struct SystemCase {
    const char* tag;
    WindowType type;
    int item;
    std::uint8_t metoda;
    bool movablePost;
    const char* name;
    double frameWidth, uf;
    double member1Width, member1U; // 0, 0 where the type has none
    double member2Width, member2U;
    double transomWidth, transomU;
};

class ApplySystem : public testing::TestWithParam<SystemCase> {};

TEST_P(ApplySystem, LoadsTheValuesOfTheWindowType) {
    const SystemCase& c = GetParam();
    CalcState s;
    s.Metoda = c.metoda;
    applySystem(s, c.type, c.item, c.movablePost);
    EXPECT_EQ(s.NazwaSystemu, c.name);
    EXPECT_DOUBLE_EQ(s.SzerRamy, c.frameWidth);
    EXPECT_DOUBLE_EQ(s.URamy, c.uf);
    EXPECT_DOUBLE_EQ(s.SzerSlupka, c.member1Width);
    EXPECT_DOUBLE_EQ(s.USlupka, c.member1U);
    EXPECT_DOUBLE_EQ(s.SzerSlupka2, c.member2Width);
    EXPECT_DOUBLE_EQ(s.USlupka2, c.member2U);
    EXPECT_DOUBLE_EQ(s.SzerPrzew, c.transomWidth);
    EXPECT_DOUBLE_EQ(s.UPrzew, c.transomU);
}

using WT = WindowType;
INSTANTIATE_TEST_SUITE_P(
    Catalogue, ApplySystem,
    testing::Values(SystemCase{"tavio5_test_method", WT::OneSash, 1, 0, false, "Tavio 5", 116, 1.3,
                               0, 0, 0, 0, 0, 0},
                    SystemCase{"tavio5_calc_method", WT::OneSash, 1, 1, false, "Tavio 5", 116, 1.52,
                               0, 0, 0, 0, 0, 0},
                    SystemCase{"classic_window_name", WT::OneSash, 2, 0, false, "Tavio 5 Classic",
                               116, 1.1, 0, 0, 0, 0, 0, 0},
                    SystemCase{"classic_calc_method", WT::OneSash, 2, 1, false, "Tavio 5 Classic",
                               116, 1.55, 0, 0, 0, 0, 0, 0},
                    SystemCase{"fixed_ignores_method", WT::Fixed, 1, 1, false, "Tavio 5", 66, 1.49,
                               0, 0, 0, 0, 0, 0},
                    SystemCase{"fixed_polar", WT::Fixed, 4, 0, false, "Tavio Polar Classic", 74,
                               1.12, 0, 0, 0, 0, 0, 0},
                    SystemCase{"two_sash_post", WT::TwoSash, 3, 0, true, "Tavio Polar", 124, 0.94,
                               180, 1.05, 0, 0, 0, 0},
                    SystemCase{"two_sash_mullion", WT::TwoSash, 3, 0, false, "Tavio Polar", 124,
                               0.94, 200, 1.09, 0, 0, 0, 0},
                    SystemCase{"three_sash_post", WT::ThreeSash, 1, 0, true, "Tavio 5", 116, 1.3,
                               184, 1.53, 164, 1.41, 0, 0},
                    SystemCase{"three_sash_mullion", WT::ThreeSash, 1, 0, false, "Tavio 5", 116,
                               1.3, 184, 1.53, 184, 1.53, 0, 0},
                    SystemCase{"door_classic_name", WT::DoorOneSash, 2, 0, false, "Tavio 5 Clasic",
                               116, 1.1, 0, 0, 0, 0, 84, 1.44},
                    SystemCase{"door_polar_classic", WT::DoorTwoSash, 4, 0, true,
                               "Tavio Polar Classic", 124, 0.98, 180, 1.11, 0, 0, 100, 1.05}),
    [](const testing::TestParamInfo<SystemCase>& info) { return info.param.tag; });

TEST(ApplySystem, NothingChosenClearsTheFrameButKeepsOtherMembers) {
    CalcState s;
    applySystem(s, WindowType::ThreeSash, 1, true);
    applySystem(s, WindowType::ThreeSash, 0, true);
    EXPECT_EQ(s.NazwaSystemu, "-");
    EXPECT_EQ(s.SzerRamy, 0);
    EXPECT_EQ(s.URamy, 0);
    EXPECT_EQ(s.SzerSlupka2, 164); // only the two-sash list clears its member
    applySystem(s, WindowType::TwoSash, 0, true);
    EXPECT_EQ(s.SzerSlupka, 0);
    EXPECT_EQ(s.USlupka, 0);
}

TEST(ApplyGlazing, StoresUgThicknessAndNameOfTheField) {
    CalcState s;
    applyGlazing(s, GlassField::First, 2);
    EXPECT_EQ(s.NazwaSzyby1, "float 4mm / 16(ar) / termofloat 4mm");
    EXPECT_DOUBLE_EQ(s.USzyby1, 1.1);
    EXPECT_DOUBLE_EQ(s.GrPak1, 24);

    applyGlazing(s, GlassField::Second, 5);
    EXPECT_DOUBLE_EQ(s.USzyby2, 0.5);
    EXPECT_DOUBLE_EQ(s.GrPak2, 48);
    EXPECT_DOUBLE_EQ(s.USzyby1, 1.1); // glass 1 untouched

    applyGlazing(s, GlassField::First, 0);
    EXPECT_EQ(s.NazwaSzyby1, "-");
    EXPECT_EQ(s.USzyby1, 0);
    EXPECT_EQ(s.GrPak1, 0);
}

TEST(ApplySpacer, StoresPsiAndTheShownText) {
    CalcState s;
    applySpacer(s, 1, "stalowa");
    EXPECT_EQ(s.NazwaRamki, "stalowa");
    EXPECT_DOUBLE_EQ(s.PsiRamki, 0.064);
    applySpacer(s, 2, "plastic");
    EXPECT_DOUBLE_EQ(s.PsiRamki, 0.031);
    applySpacer(s, 0, "-");
    EXPECT_EQ(s.PsiRamki, 0);
}

} // namespace
} // namespace termika
