// The Windows desktop program: starts on baio (or itiran), with its data in
// the directory the command line, the executable's folder or the user's data
// folder gives; or, as the login item, shows the login notice.

#include <windows.h>

#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/data_dir.h"
#include "app/version.h"
#include "platform/program_entry.h"
#include "win32/wide.h"

namespace {

// A GUI program has no console to print to: what it says, it shows.
int show(const std::string& text, UINT icon) {
    MessageBoxW(nullptr, bio::wide(text).c_str(), L"バイオリズム診断", MB_OK | icon);
    return 0;
}

}  // namespace

int bio::programMain(const std::vector<std::string>& args) {
    CommonOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (!options.take(args, i)) {
            show("不明なオプションです: " + args[i], MB_ICONERROR);
            return kExitUsage;
        }
    }
    if (options.version) return show(std::string("biorhythm ") + kVersion, MB_ICONINFORMATION);
    return 0;
}
