// One whole compatibility run on the model: both reports, both curves and the
// summary, as a click on " 相 性 診 断 実 行" does it.

#include <benchmark/benchmark.h>

#include "shell/program.h"
#include "testing/program_fixture.h"

namespace {

using bio::ScreenId;

void CompatibilityRun(benchmark::State& state) {
    bio::testing::TestProgram t;
    bio::Program& p = t.start();
    p.click(ScreenId::baio, "Command2");
    p.click(ScreenId::menyu, "Command4");
    bio::Screen& aisyou = p.screen(ScreenId::aisyou);
    aisyou.setText("Text7", "Ａ");
    aisyou.select("Option3");
    aisyou.setText("Text1", "40");
    aisyou.setText("Text2", "5");
    aisyou.setText("Text3", "10");
    aisyou.setText("Text8", "Ｂ");
    aisyou.select("Option7");
    aisyou.setText("Text11", "42");
    aisyou.setText("Text10", "8");
    aisyou.setText("Text9", "3");
    for (auto _ : state) {
        p.move(ScreenId::aisyousin, ScreenId::aisyou);
        p.click(ScreenId::aisyou, "Command1");
        benchmark::DoNotOptimize(p.screen(ScreenId::aisyousin).control("List1").items().data());
        // The dialog log would otherwise grow with every iteration.
        t.events.lines.clear();
    }
}
BENCHMARK(CompatibilityRun);

}  // namespace
