#include "view/desktop_options.h"

#include <string_view>
#include <utility>

#include "view/key_table.h"

namespace bio {

DesktopOptions parseDesktopOptions(const std::vector<std::string>& args) {
    DesktopOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (options.take(args, i)) continue;
        if (arg == "--overview") {
            options.overview = true;
        } else if (arg == "--notify") {
            options.notify = true;
        } else if (arg.starts_with("--")) {
            throw UsageError("不明なオプションです: " + arg);
        } else {
            options.toolkitArgs.push_back(i);
        }
    }
    if (options.overview && options.notify)
        throw UsageError("--overview と --notify は一緒に指定できません");
    return options;
}

std::string desktopHelpText(const std::filesystem::path& dataDir) {
    std::vector<std::pair<std::string_view, std::string_view>> keys;
    for (const KeyUse& use : keyTable()) keys.emplace_back(use.keys, use.does);
    return helpText(
        {"biorhythm",
         kDesktopUsage,
         "バイオリズム相性診断を起動します。",
         {{"--data-dir DIR", "データのフォルダー（kojinfl.txt と kojinfl2.txt の場所）"},
          {"--overview", "今日のバイオリズム一覧の画面で起動します"},
          {"--notify",
           "画面を出さず、今日が要注意日の人をデスクトップの通知で知らせます（ログイン時用）"}},
         keys},
        dataDir);
}

}  // namespace bio
