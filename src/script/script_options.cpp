#include "script/script_options.h"

#include "script/script_parser.h"

namespace bio::script {

Options parseOptions(const std::vector<std::string>& args) {
    Options options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--dir" || arg == "--today") {
            if (i + 1 == args.size()) throw UsageError(arg + " の後に値がありません");
            const std::string& value = args[++i];
            if (arg == "--dir") {
                options.dataDir = value;
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
            options.script = arg;
        }
    }
    return options;
}

}  // namespace bio::script
