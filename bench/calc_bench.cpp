#include "calc/catalogue.h"
#include "calc/uw.h"

#include <benchmark/benchmark.h>

namespace termika {
namespace {

// One press of "Przelicz" on the single-sash tab: the input check and the Uw formula.
void BM_PressOneSash(benchmark::State& bench) {
    CalcState s;
    s.Szer = 1000;
    s.Wys = 1500;
    applySystem(s, WindowType::OneSash, 1, false);
    applyGlazing(s, GlassField::First, 2);
    applySpacer(s, 1, "stalowa");
    const CheckInput input{"1000", "1500", 1, 2, true, 1};
    for (auto _ : bench) {
        benchmark::DoNotOptimize(press(input, s, computeSingleField));
        benchmark::DoNotOptimize(s.UOkna);
    }
}
BENCHMARK(BM_PressOneSash);

} // namespace
} // namespace termika
