#include "calc/catalogue.h"
#include "calc/uw.h"

#include <benchmark/benchmark.h>

namespace termika {
namespace {

// The single-sash worked example: 1000 x 1500, Tavio 5, the 24 mm unit, steel spacer.
CalcState filledIn() {
    CalcState s;
    s.Szer = 1000;
    s.Wys = 1500;
    applySystem(s, WindowType::OneSash, 1, false);
    applyGlazing(s, GlassField::First, 2);
    applySpacer(s, 1, "stalowa");
    return s;
}

const CheckInput Input{"1000", "1500", 1, 2, true, 1};

// One press of "Przelicz" on the single-sash tab: the input check and the Uw formula.
void BM_PressOneSash(benchmark::State& bench) {
    CalcState s = filledIn();
    for (auto _ : bench) {
        benchmark::DoNotOptimize(press(Input, s, computeSingleField));
        benchmark::DoNotOptimize(s.UOkna);
    }
}
BENCHMARK(BM_PressOneSash);

// Its two parts alone, as the baseline the whole press is read against.
void BM_InputCheckOnly(benchmark::State& bench) {
    const CalcState s = filledIn();
    for (auto _ : bench)
        benchmark::DoNotOptimize(checkInput(Input, s.GrPak1));
}
BENCHMARK(BM_InputCheckOnly);

void BM_FormulaOnly(benchmark::State& bench) {
    CalcState s = filledIn();
    for (auto _ : bench) {
        benchmark::DoNotOptimize(computeSingleField(s));
        benchmark::DoNotOptimize(s.UOkna);
    }
}
BENCHMARK(BM_FormulaOnly);

} // namespace
} // namespace termika
