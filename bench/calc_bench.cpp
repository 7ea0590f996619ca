#include "bench/median_table.h"
#include "calc/catalogue.h"
#include "calc/numtext.h"
#include "calc/uw.h"

#include <benchmark/benchmark.h>

#include <iostream>
#include <string_view>

namespace termika {
namespace {

// A tab filled in as a user would, with the texts its edits show.
struct Example {
    WindowType type;
    std::string_view width, height, transom;
    int system, glass1, glass2, spacer;
    bool post; // the movable-post box
};

CalcState filledIn(const Example& e) {
    CalcState s;
    s.Szer = parseNumber(e.width, ",").value_or(0);
    s.Wys = parseNumber(e.height, ",").value_or(0);
    s.WysPrzew = parseNumber(e.transom, ",").value_or(0);
    applySystem(s, e.type, e.system, e.post);
    applyGlazing(s, GlassField::First, e.glass1);
    applyGlazing(s, GlassField::Second, e.glass2);
    applySpacer(s, e.spacer, "stalowa");
    return s;
}

PressInput pressInput(const Example& e) {
    PressInput in;
    in.type = e.type;
    in.check.widthText = e.width;
    in.check.heightText = e.height;
    in.check.systemItem = e.system;
    in.check.glass1 = {e.glass1, true};
    in.check.spacerItem = e.spacer;
    in.check.glassUnderTransom = true; // the doors' hidden box, ticked from the start
    in.check.glass2 = {e.glass2, true};
    in.transomText = e.transom;
    return in;
}

// The single-sash worked example: 1000 x 1500, Tavio 5, the 24 mm unit, steel spacer.
constexpr Example OneSash{WindowType::OneSash, "1000", "1500", "0", 1, 2, 0, 1, false};

// One press of "Przelicz": the input check, on the doors the edits read again, then the
// geometry and Uw.
void BM_Press(benchmark::State& bench, const Example& e) {
    CalcState s = filledIn(e);
    const PressInput in = pressInput(e);
    for (auto _ : bench) {
        benchmark::DoNotOptimize(press(in, s, ","));
        benchmark::DoNotOptimize(s.UOkna);
    }
}
BENCHMARK_CAPTURE(BM_Press, one_sash, OneSash);
BENCHMARK_CAPTURE(BM_Press, two_sash,
                  Example{WindowType::TwoSash, "1500", "1500", "0", 1, 2, 0, 1, false});
BENCHMARK_CAPTURE(BM_Press, three_sash_post,
                  Example{WindowType::ThreeSash, "2400", "1500", "0", 3, 4, 0, 2, true});
BENCHMARK_CAPTURE(BM_Press, fixed,
                  Example{WindowType::Fixed, "1000", "1500", "0", 1, 2, 0, 1, false});
BENCHMARK_CAPTURE(BM_Press, door_one_sash,
                  Example{WindowType::DoorOneSash, "1000", "2200", "900", 1, 2, 6, 1, false});
BENCHMARK_CAPTURE(BM_Press, door_two_sash_post,
                  Example{WindowType::DoorTwoSash, "1600", "2200", "900", 1, 2, 6, 1, true});

// The two parts of the single-sash press alone, the baselines the presses are read against.
void BM_InputCheckOnly(benchmark::State& bench) {
    const CalcState s = filledIn(OneSash);
    const PressInput in = pressInput(OneSash);
    for (auto _ : bench)
        benchmark::DoNotOptimize(checkInput(in.check, s));
}
BENCHMARK(BM_InputCheckOnly);

void BM_FormulaOnly(benchmark::State& bench) {
    CalcState s = filledIn(OneSash);
    Breakdown b;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(computeUw(WindowType::OneSash, s, {}, b));
        benchmark::DoNotOptimize(s.UOkna);
    }
}
BENCHMARK(BM_FormulaOnly);

void BM_ParseNumber(benchmark::State& bench, std::string_view text) {
    for (auto _ : bench)
        benchmark::DoNotOptimize(parseNumber(text, ","));
}
BENCHMARK_CAPTURE(BM_ParseNumber, typical, std::string_view("1500"));
BENCHMARK_CAPTURE(BM_ParseNumber, long_60_chars,
                  std::string_view("-1234567890123456789012345678901,23456789012345678901234E-27"));

// Both output formats of the single-sash Uw, 1.3438954...: a result label and a general form
// with all 15 digits.
double oneSashUw() {
    CalcState s = filledIn(OneSash);
    Breakdown b;
    computeUw(WindowType::OneSash, s, {}, b);
    return s.UOkna;
}

void BM_FormatFixed2(benchmark::State& bench) {
    const double uw = oneSashUw();
    for (auto _ : bench)
        benchmark::DoNotOptimize(formatFixed2(uw, ","));
}
BENCHMARK(BM_FormatFixed2);

void BM_FormatGeneral(benchmark::State& bench) {
    const double uw = oneSashUw();
    for (auto _ : bench)
        benchmark::DoNotOptimize(formatGeneral(uw, ","));
}
BENCHMARK(BM_FormatGeneral);

} // namespace
} // namespace termika

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    termika::bench::MedianTable table(benchmark::CreateDefaultDisplayReporter());
    benchmark::RunSpecifiedBenchmarks(&table);
    table.print(std::cout, "BM_FormulaOnly");
    benchmark::Shutdown();
    return 0;
}
