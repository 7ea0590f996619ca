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

PressInput pressInput() {
    PressInput in;
    in.check.widthText = "1000";
    in.check.heightText = "1500";
    in.check.systemItem = 1;
    in.check.glass1 = {2, true};
    in.check.spacerItem = 1;
    return in;
}

// One press of "Przelicz" on the single-sash tab: the input check and the Uw formula.
void BM_PressOneSash(benchmark::State& bench) {
    CalcState s = filledIn();
    const PressInput in = pressInput();
    for (auto _ : bench) {
        benchmark::DoNotOptimize(press(in, s, ","));
        benchmark::DoNotOptimize(s.UOkna);
    }
}
BENCHMARK(BM_PressOneSash);

// Its two parts alone, as the baseline the whole press is read against.
void BM_InputCheckOnly(benchmark::State& bench) {
    const CalcState s = filledIn();
    const PressInput in = pressInput();
    for (auto _ : bench)
        benchmark::DoNotOptimize(checkInput(in.check, s));
}
BENCHMARK(BM_InputCheckOnly);

void BM_FormulaOnly(benchmark::State& bench) {
    CalcState s = filledIn();
    Breakdown b;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(computeUw(WindowType::OneSash, s, {}, b));
        benchmark::DoNotOptimize(s.UOkna);
    }
}
BENCHMARK(BM_FormulaOnly);

} // namespace
} // namespace termika
