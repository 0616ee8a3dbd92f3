// The two conversions every reading runs many times: the numeric value of a
// typed text and the day count.

#include <benchmark/benchmark.h>

#include "biorhythm/day_count.h"
#include "state/numbers.h"
#include "testing/program_fixture.h"

namespace {

void NumericValue(benchmark::State& state) {
    const char* texts[] = {"38", " 1 2 ", "３８年", "&HFF", "2.5E1", "abc", ""};
    for (auto _ : state) {
        for (const char* text : texts) benchmark::DoNotOptimize(bio::numericValue(text));
    }
    state.SetItemsProcessed(state.iterations() * std::size(texts));
}
BENCHMARK(NumericValue);

void Calcdays(benchmark::State& state) {
    bio::testing::TestProgram t;
    bio::Program& p = t.start();
    auto& s = p.state();
    s.person = 1;
    s.byear = 1963;
    s.m1 = 5;
    s.d1 = 10;
    s.y2 = 2026;
    s.m2 = 12;
    s.d2 = 7;
    for (auto _ : state) {
        bio::calcdays(p);
        benchmark::DoNotOptimize(s.days);
    }
}
BENCHMARK(Calcdays);

}  // namespace
