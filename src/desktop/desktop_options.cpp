#include "desktop/desktop_options.h"

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
    return helpText(
        {"biorhythm",
         kDesktopUsage,
         "バイオリズム相性診断を起動します。",
         {{"--data-dir DIR", "データのフォルダー（kojinfl.txt と kojinfl2.txt の場所）"},
          {"--overview", "今日のバイオリズム一覧の画面で起動します"},
          {"--notify",
           "画面を出さず、今日が要注意日の人をデスクトップの通知で知らせます（ログイン時用）"}},
         {{"Tab, Shift+Tab", "次の欄やボタンへ、前の欄やボタンへ"},
          {"Up, Down", "元号の中で選ぶ"},
          {"Enter", "画面の実行ボタン（バイオリズム実行・相性診断実行・表示）"},
          {"Esc", "前の画面へ戻る（メニューへ・データセット画面へ・back と同じ）"},
          {"Page Up, Page Down", "診断結果の前月・翌月"},
          {"Ctrl+P", "診断結果のレポート印刷"},
          {"F10", "診断結果のメニューバー"}}},
        dataDir);
}

}  // namespace bio
