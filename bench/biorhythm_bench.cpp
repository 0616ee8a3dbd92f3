// One whole biorhythm reading on the model, as a click on " バイオリズム実行"
// does it: from the inputs to the finished display list of the month graph,
// the last-entry file written on the way. On a disk the flush of that file
// outweighs everything else; run with TMPDIR on a RAM disk (TMPDIR=/dev/shm)
// to time the reading itself.

#include <benchmark/benchmark.h>

#include "shell/program.h"
#include "testing/program_fixture.h"

namespace {

using bio::ScreenId;

void BiorhythmReading(benchmark::State& state) {
    bio::testing::TestProgram t;
    bio::Program& p = t.start();
    bio::Screen& baio = p.screen(ScreenId::baio);
    baio.setText("Text7", "ＡＢＣＤ");
    baio.select("Option3");
    baio.setText("Text1", "38");
    baio.setText("Text2", "5");
    baio.setText("Text3", "10");
    for (auto _ : state) {
        p.move(ScreenId::sindan, ScreenId::baio);
        p.click(ScreenId::baio, "Command1");
        benchmark::DoNotOptimize(
            p.screen(ScreenId::sindan).control("Picture1").canvas().ops().data());
    }
}
BENCHMARK(BiorhythmReading);

}  // namespace
