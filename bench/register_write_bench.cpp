// One two-person "登録" and one "更新" on a register of 100 records, as the
// user's clicks start them, with every flush they make: on a RAM disk
// (/dev/shm), where flushing costs nothing and the figure is the program's
// own, and on the disk the build folder lives on.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <memory>
#include <string>

#include "app/app.h"
#include "register/record_layout.h"
#include "register/register_file.h"
#include "testing/program_fixture.h"
#include "ui/doubles.h"

namespace {

using bio::ScreenId;

class ProgramIn {
  public:
    explicit ProgramIn(const std::filesystem::path& base) {
        std::string pattern = (base / "bio-bench-XXXXXX").string();
        dir_ = ::mkdtemp(pattern.data());
        program_ =
            bio::makeProgram(bio::Services{dialogs_, printer_, clock_}, dir_, dir_ / "config");
        for (int k = 1; k <= 100; ++k)
            seed_ += bio::encodeRecord(program_->cp932(),
                                       {std::to_string(k), "山田　太郎", "昭和", "38", "5", "10"});
        resetRegister();
        program_->start();
        program_->move(ScreenId::baio, ScreenId::menyu);
    }
    ~ProgramIn() {
        program_.reset();
        std::filesystem::remove_all(dir_);
    }
    ProgramIn(const ProgramIn&) = delete;
    ProgramIn& operator=(const ProgramIn&) = delete;

    bio::Program& program() { return *program_; }
    void resetRegister() { bio::testing::writeBytes(dir_ / bio::kRegisterFileName, seed_); }
    // The message boxes' log would otherwise grow with every iteration.
    void forgetMessages() { events_.lines.clear(); }

  private:
    std::filesystem::path dir_;
    std::string seed_;
    bio::EventLog events_;
    bio::ScriptedDialogs dialogs_{events_.sink()};
    bio::RecordingPrinter printer_{events_.sink()};
    bio::FixedClock clock_{{2026, 12, 7}};
    std::unique_ptr<bio::Program> program_;
};

void TwoPersonRegister(benchmark::State& state, const char* base) {
    ProgramIn in(base);
    bio::Program& p = in.program();
    p.click(ScreenId::menyu, "Command4");
    for (auto _ : state) {
        p.click(ScreenId::aisyou, "Command2");
        state.PauseTiming();
        in.resetRegister();
        in.forgetMessages();
        state.ResumeTiming();
    }
}
BENCHMARK_CAPTURE(TwoPersonRegister, ram_disk, "/dev/shm")
    ->Unit(benchmark::kMicrosecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(TwoPersonRegister, build_disk, BIO_BUILD_DIR)
    ->Unit(benchmark::kMicrosecond)
    ->UseRealTime();

void UpdateOneRecord(benchmark::State& state, const char* base) {
    ProgramIn in(base);
    bio::Program& p = in.program();
    p.click(ScreenId::menyu, "Command2");
    bio::Screen& kousin = p.screen(ScreenId::kousin);
    kousin.setText("Text1(0)", "50");
    int round = 0;
    for (auto _ : state) {
        kousin.setText("Text2(0)", ++round % 2 ? "佐藤　花子" : "鈴木　一郎");
        p.click(ScreenId::kousin, "Command2");
        in.forgetMessages();
    }
}
BENCHMARK_CAPTURE(UpdateOneRecord, ram_disk, "/dev/shm")
    ->Unit(benchmark::kMicrosecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(UpdateOneRecord, build_disk, BIO_BUILD_DIR)
    ->Unit(benchmark::kMicrosecond)
    ->UseRealTime();

}  // namespace
