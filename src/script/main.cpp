// biorhythm-script: runs the program without a display, from a script.

#include <fstream>
#include <iostream>
#include <memory>
#include <system_error>

#include "script/script_options.h"
#include "script/script_runner.h"
#include "ui/doubles.h"
#include "ui/system_clock.h"

namespace {

using bio::script::UsageError;

// The program keeps its data beside the executable; so does the driver by default.
std::filesystem::path executableDir() {
    std::error_code error;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) throw UsageError("実行ファイルの場所が分かりません。--dir で指定してください");
    return exe.parent_path();
}

int run(const bio::script::Options& options) {
    auto dataDir = options.dataDir ? *options.dataDir : executableDir();
    if (!std::filesystem::is_directory(dataDir))
        throw UsageError("ディレクトリがありません: " + dataDir.string());

    std::ifstream file;
    if (options.script) {
        // A directory opens like a file here but reads as nothing at all.
        if (!std::filesystem::is_directory(*options.script))
            file.open(*options.script, std::ios::binary);
        if (!file.is_open())
            throw UsageError("スクリプトを開けません: " + options.script->string());
    }
    std::istream& script = options.script ? file : std::cin;

    std::unique_ptr<bio::Clock> clock;
    if (options.today) {
        clock = std::make_unique<bio::FixedClock>(*options.today);
    } else {
        clock = std::make_unique<bio::SystemClock>();
    }
    bio::script::ScriptRunner runner(std::cout, *clock, dataDir);
    return runner.run(script, std::cerr);
}

}  // namespace

int main(int argc, char** argv) {
    try {
        return run(bio::script::parseOptions({argv + 1, argv + argc}));
    } catch (const UsageError& error) {
        std::cerr << "biorhythm-script: " << error.what() << '\n' << bio::script::kUsage << '\n';
        return bio::script::kExitScriptError;
    } catch (const std::exception& error) {
        std::cout.flush();
        std::cerr << "biorhythm-script: プログラムの内部エラーです: " << error.what() << '\n';
        return bio::script::kExitFailure;
    }
}
