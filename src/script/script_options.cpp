#include "script/script_options.h"

#include "platform/path.h"
#include "script/script_parser.h"

namespace bio::script {

Options parseOptions(const std::vector<std::string>& args) {
    Options options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (options.take(args, i)) continue;
        if (arg == "--notify") {
            options.notify = true;
        } else if (arg == "--dir" || arg == "--today") {
            const std::string& value = optionValue(args, i);
            if (arg == "--dir") {
                options.dataDir = pathFromUtf8(value);
            } else {
                options.today = parseIsoDate(value);
                if (!options.today)
                    throw UsageError("--today の日付が正しくありません: " + value +
                                     "（実在する日付を YYYY-MM-DD で指定してください）");
            }
        } else if (arg.starts_with('-')) {
            throw UsageError("不明なオプションです: " + arg);
        } else if (options.script) {
            throw UsageError("スクリプトは一つしか指定できません: " + arg);
        } else {
            options.script = pathFromUtf8(arg);
        }
    }
    if (options.notify && options.script)
        throw UsageError("--notify ではスクリプトを指定できません: " + utf8Text(*options.script));
    return options;
}

std::string helpText(const std::filesystem::path& dataDir) {
    return bio::helpText(
        {"biorhythm-script",
         kUsage,
         "バイオリズム相性診断を画面なしで動かし、スクリプトの操作と起きたことを表示します。",
         {{"--dir DIR, --data-dir DIR", "データのフォルダー（kojinfl.txt と kojinfl2.txt の場所）"},
          {"--today YYYY-MM-DD", "今日の日付（省略すると本当の今日）"},
          {"--notify", "スクリプトの代わりに、その日のログイン時の通知を表示します"},
          {"SCRIPT", "スクリプトのファイル（省略すると標準入力）"}}},
        dataDir);
}

}  // namespace bio::script
