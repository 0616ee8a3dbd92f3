// The command lines quotedArgument builds, split again by Windows itself
// (CommandLineToArgvW): every argument must come back as it went in.

#include <windows.h>

#include <shellapi.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/command_line_quoting.h"
#include "platform/utf16.h"

namespace bio {
namespace {

std::vector<std::string> splitByWindows(const std::string& line) {
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(wide(line).c_str(), &count);
    std::vector<std::string> split;
    for (int i = 0; arguments && i < count; ++i) split.push_back(utf8(arguments[i]));
    LocalFree(arguments);
    return split;
}

void expectRoundTrip(const std::vector<std::string>& arguments) {
    EXPECT_EQ(splitByWindows(commandLine(arguments)), arguments) << commandLine(arguments);
}

TEST(CommandLineSplit, DataFoldersComeBackWhole) {
    const std::string program = R"(C:\Program Files\バイオリズム\biorhythm.exe)";
    for (const char* folder : {R"(E:\)", R"(\\server\share\)", R"(C:\Users\山田 太郎\データ\)",
                               R"(C:\a "quoted" name\)", R"(D:\trailing\\)", R"(D:\𠮟 頰\)", ""})
        expectRoundTrip({program, "--overview", "--data-dir", folder, "--notify"});
}

// Every text of up to five characters made of a letter, a blank, a tab, a
// backslash, a quote and a Japanese character, after a program's path.
TEST(CommandLineSplit, EveryShortMixOfBackslashesQuotesAndBlanks) {
    const std::vector<std::string> pieces{"a", " ", "\t", "\\", "\"", "日"};
    std::vector<std::string> texts{""};
    for (std::size_t length = 0, first = 0; length < 5; ++length) {
        const std::size_t end = texts.size();
        for (std::size_t i = first; i < end; ++i)
            for (const std::string& piece : pieces) texts.push_back(texts[i] + piece);
        first = end;
    }
    ASSERT_EQ(texts.size(), 9331u);
    for (const std::string& text : texts) expectRoundTrip({R"(C:\bio.exe)", text, text + "x"});
}

}  // namespace
}  // namespace bio
