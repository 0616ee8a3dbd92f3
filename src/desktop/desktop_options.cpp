#include "desktop/desktop_options.h"

namespace bio {

DesktopOptions parseDesktopOptions(const std::vector<std::string>& args) {
    DesktopOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (options.take(args, i)) continue;
        if (arg.starts_with("--")) throw UsageError("不明なオプションです: " + arg);
        options.toolkitArgs.push_back(i);
    }
    return options;
}

std::string desktopHelpText(const std::filesystem::path& dataDir) {
    return helpText(
        {"biorhythm",
         kDesktopUsage,
         "バイオリズム相性診断を起動します。",
         {{"--data-dir DIR", "データのフォルダー（kojinfl.txt と kojinfl2.txt の場所）"}}},
        dataDir);
}

}  // namespace bio
