#include "script/script_options.h"

#include <gtest/gtest.h>

namespace bio::script {
namespace {

TEST(ParseOptions, TakesDirTodayAndScriptInAnyOrder) {
    Options none = parseOptions({});
    EXPECT_FALSE(none.dataDir);
    EXPECT_FALSE(none.today);
    EXPECT_FALSE(none.script);

    Options all = parseOptions({"demo.script", "--today", "2024-02-29", "--dir", "/tmp/data"});
    EXPECT_EQ(all.dataDir, std::filesystem::path("/tmp/data"));
    ASSERT_TRUE(all.today);
    EXPECT_EQ(all.today->year, 2024);
    EXPECT_EQ(all.today->month, 2);
    EXPECT_EQ(all.today->day, 29);
    EXPECT_EQ(all.script, std::filesystem::path("demo.script"));
}

TEST(ParseOptions, RejectsWhatItCannotRunWith) {
    struct Case {
        std::vector<std::string> args;
        std::string reason;
    } cases[] = {
        {{"--today", "2026-02-30"},
         "--today の日付が正しくありません: 2026-02-30（実在する日付を YYYY-MM-DD "
         "で指定してください）"},
        {{"--today"}, "--today の後に値がありません"},
        {{"a.script", "--dir"}, "--dir の後に値がありません"},
        {{"--verbose"}, "不明なオプションです: --verbose"},
        {{"-"}, "不明なオプションです: -"},
        {{"a.script", "b.script"}, "スクリプトは一つしか指定できません: b.script"},
        {{"--notify", "a.script"}, "--notify ではスクリプトを指定できません: a.script"},
    };
    for (const auto& c : cases) {
        try {
            parseOptions(c.args);
            ADD_FAILURE() << "accepted " << c.args[0];
        } catch (const UsageError& error) {
            EXPECT_EQ(error.what(), c.reason);
        }
    }
}

}  // namespace
}  // namespace bio::script
