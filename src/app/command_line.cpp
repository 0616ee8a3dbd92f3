#include "app/command_line.h"

#include <algorithm>

#include "platform/path.h"

namespace bio {

const std::string& optionValue(const std::vector<std::string>& args, std::size_t& i) {
    if (i + 1 == args.size()) throw UsageError(args[i] + " の後に値がありません");
    return args[++i];
}

bool CommonOptions::take(const std::vector<std::string>& args, std::size_t& i) {
    if (args[i] == "--help") {
        help = true;
    } else if (args[i] == "--version") {
        version = true;
    } else if (args[i] == "--data-dir") {
        dataDir = pathFromUtf8(optionValue(args, i));
    } else {
        return false;
    }
    return true;
}

namespace {

// Names (ASCII: bytes are columns) and their explanations, in two columns.
std::string aligned(const std::vector<std::pair<std::string_view, std::string_view>>& entries) {
    std::size_t width = 0;
    for (const auto& entry : entries) width = std::max(width, entry.first.size());
    std::string text;
    for (const auto& [name, explanation] : entries) {
        text += "  ";
        text += name;
        text += std::string(width - name.size() + 2, ' ');
        text += explanation;
        text += '\n';
    }
    return text;
}

}  // namespace

std::string helpText(const HelpPage& page, const std::filesystem::path& dataDir) {
    auto options = page.options;
    options.emplace_back("--help", "この説明を表示して終わります");
    options.emplace_back("--version", "バージョンを表示して終わります");

    std::string text(page.usage);
    // Under the program name: "使い方: " takes eight columns.
    text += "\n        ";
    text += page.program;
    text += " --help | --version\n";
    text += page.purpose;
    text += "\n\n";
    text += aligned(options);
    if (!page.keys.empty()) text += "\nキー操作:\n" + aligned(page.keys);
    text += "\nデータのフォルダー: " + utf8Text(dataDir) + "\n";
    return text;
}

}  // namespace bio
