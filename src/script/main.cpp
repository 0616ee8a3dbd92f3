// biorhythm-script: runs the program without a display, from a script, on
// the same data directory as the desktop program.

#include <iostream>
#include <memory>
#include <sstream>
#include <system_error>

#include "app/data_dir.h"
#include "app/version.h"
#include "overview/login_notice.h"
#include "platform/file.h"
#include "platform/path.h"
#include "platform/program_entry.h"
#include "script/script_options.h"
#include "script/script_runner.h"
#include "ui/doubles.h"
#include "ui/system_clock.h"

namespace {

using bio::script::UsageError;

// The notification `biorhythm --notify` would send for `day`, or nothing. Like
// the login item, it succeeds when the register cannot be read, and says why
// on standard error.
int printLoginNotice(const std::filesystem::path& dataDir, const bio::Date& day) {
    const auto notice = bio::loginNotice(dataDir, day);
    if (!notice) {
        std::cerr << "biorhythm-script: " << bio::describe(notice.error()) << '\n';
    } else if (*notice) {
        std::cout << "notify " << bio::quoted((*notice)->summary) << ' '
                  << bio::quoted((*notice)->body()) << '\n';
    }
    return bio::script::kExitOk;
}

int run(const bio::script::Options& options) {
    const auto dataDir = bio::chooseDataDir(options.dataDir);
    if (options.help) {
        std::cout << bio::script::helpText(dataDir);
        return bio::script::kExitOk;
    }
    if (options.version) {
        std::cout << "biorhythm-script " << bio::kVersion << '\n';
        return bio::script::kExitOk;
    }
    // A folder named on the command line is the caller's to prepare; the
    // per-user one is created on the first write, as by the desktop program.
    if (options.dataDir && !std::filesystem::is_directory(dataDir))
        throw UsageError("ディレクトリがありません: " + bio::utf8Text(*options.dataDir));

    std::unique_ptr<bio::Clock> clock;
    if (options.today) {
        clock = std::make_unique<bio::FixedClock>(*options.today);
    } else {
        clock = std::make_unique<bio::SystemClock>();
    }
    if (options.notify) return printLoginNotice(dataDir, clock->today());

    std::istringstream file;
    if (options.script) {
        // Far longer than any script a person writes.
        constexpr std::size_t kLongestScript = 64 << 20;
        const bio::FileResult<std::string> text =
            bio::readWholeFile(*options.script, kLongestScript);
        if (!text) throw UsageError("スクリプトを開けません: " + bio::utf8Text(*options.script));
        file.str(*text);
    }
    std::istream& script = options.script ? file : std::cin;

    bio::script::ScriptRunner runner(std::cout, *clock, dataDir, bio::chooseConfigDir());
    return runner.run(script, std::cerr);
}

}  // namespace

int bio::programMain(const std::vector<std::string>& args) {
    try {
        return run(bio::script::parseOptions(args));
    } catch (const UsageError& error) {
        std::cerr << "biorhythm-script: " << error.what() << '\n' << bio::script::kUsage << '\n';
        return bio::kExitUsage;
    } catch (const std::exception& error) {
        std::cout.flush();
        std::cerr << "biorhythm-script: プログラムの内部エラーです: " << error.what() << '\n';
        return bio::script::kExitFailure;
    }
}
