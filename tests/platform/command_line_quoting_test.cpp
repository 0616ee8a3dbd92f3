// A command line for a Windows program, as its splitting reads it back.

#include "platform/command_line_quoting.h"

#include <gtest/gtest.h>

namespace bio {
namespace {

TEST(QuotedArgument, EscapesOnlyWhatTheSplittingWouldRead) {
    const struct {
        const char* argument;
        const char* quoted;
    } cases[] = {
        {"--notify", "--notify"},
        {R"(E:\)", R"(E:\)"},  // no blank: no quotes, so the backslash stays single
        {R"(C:\a\b)", R"(C:\a\b)"},
        {"", R"("")"},
        {R"(C:\Program Files\バイオ\)", R"("C:\Program Files\バイオ\\")"},
        {R"(D:\データ 置き場\\)", R"("D:\データ 置き場\\\\")"},
        {R"(say "hi")", R"("say \"hi\"")"},
        {R"(a\"b)", R"("a\\\"b")"},
        {R"(a\\b c)", R"("a\\b c")"},  // backslashes before a letter stay as they are
        {"tab\there", "\"tab\there\""},
        {R"(")", R"("\"")"},
    };
    for (const auto& c : cases) EXPECT_EQ(quotedArgument(c.argument), c.quoted) << c.argument;
}

TEST(CommandLine, QuotesEachArgumentAndJoinsThemWithSpaces) {
    EXPECT_EQ(commandLine({R"(C:\Program Files\biorhythm.exe)", "--data-dir", R"(E:\)"}),
              R"("C:\Program Files\biorhythm.exe" --data-dir E:\)");
    EXPECT_EQ(commandLine({"a.exe", "", R"(E:\ 1\)"}), R"(a.exe "" "E:\ 1\\")");
}

}  // namespace
}  // namespace bio
