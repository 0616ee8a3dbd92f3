// Search, browse and the overview of a full register (500 records) on the
// model: one scan of the file, the table filled, fifty pages of hyouji with
// their "次へ" pauses; or every person's verdicts for one day on itiran.

#include <benchmark/benchmark.h>

#include <string>

#include "register/record_layout.h"
#include "shell/program.h"
#include "testing/program_fixture.h"

namespace {

using bio::ScreenId;

class FullRegister {
  public:
    FullRegister() : program_(t_.start()) {
        std::string bytes;
        for (int k = 1; k <= bio::kMaxRecords; ++k) {
            const std::string name = k % 7 ? "佐藤　花子" : "山田　太郎";
            bytes += bio::encodeRecord(program_.cp932(),
                                       {std::to_string(k), name, "昭和", "38", "5", "10"});
        }
        bio::testing::writeBytes(t_.file(bio::kRegisterFileName), bytes);
        program_.move(ScreenId::baio, ScreenId::menyu);
    }

    void click(const char* command) {
        program_.click(ScreenId::menyu, command);
        benchmark::DoNotOptimize(program_.state().regtable.data());
        // The dialog log would otherwise grow with every iteration.
        t_.events.lines.clear();
    }
    void answerInput(const char* text) { t_.dialogs.queueInput(std::string(text)); }

  private:
    bio::testing::TestProgram t_;
    bio::Program& program_;
};

void BrowseFullRegister(benchmark::State& state) {
    FullRegister full;
    for (auto _ : state) full.click("Command5");
}
BENCHMARK(BrowseFullRegister)->Unit(benchmark::kMicrosecond);

// Every name matches: fifty pages of hits.
void SearchEveryName(benchmark::State& state) {
    FullRegister full;
    for (auto _ : state) {
        full.answerInput("");
        full.click("Command3");
    }
}
BENCHMARK(SearchEveryName)->Unit(benchmark::kMicrosecond);

// One name in seven matches.
void SearchOneName(benchmark::State& state) {
    FullRegister full;
    for (auto _ : state) {
        full.answerInput("山田");
        full.click("Command3");
    }
}
BENCHMARK(SearchOneName)->Unit(benchmark::kMicrosecond);

// The menu's "一　覧　表": the register read once and 500 person lines.
void OverviewFullRegister(benchmark::State& state) {
    FullRegister full;
    for (auto _ : state) full.click("Command7");
}
BENCHMARK(OverviewFullRegister)->Unit(benchmark::kMicrosecond);

}  // namespace
