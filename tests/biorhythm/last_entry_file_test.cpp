#include "biorhythm/last_entry_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "biorhythm/reading.h"
#include "testing/file_permissions.h"
#include "testing/program_fixture.h"

namespace bio {
namespace {

using testing::BaioInput;
using testing::readBytes;
using testing::TestProgram;
using testing::withFilePermissions;
using testing::writeBytes;

// "ＡＢＣＤ","昭和","38","5","10" CR LF in code page 932.
const std::string kExampleBytes =
    "\"\x82\x60\x82\x61\x82\x62\x82\x63\",\"\x8f\xba\x98\x61\",\"38\",\"5\",\"10\"\r\n";

TEST(LastEntryFormat, QuotesEveryFieldAndDoublesInnerQuotes) {
    EXPECT_EQ(formatLastEntryLine({"ＡＢＣＤ", "昭和", "38", "5", "10"}),
              "\"ＡＢＣＤ\",\"昭和\",\"38\",\"5\",\"10\"\r\n");
    EXPECT_EQ(formatLastEntryLine({"", "", "", "", ""}), "\"\",\"\",\"\",\"\",\"\"\r\n");
    EXPECT_EQ(formatLastEntryLine({"a\"b", " x ", "", "", "\""}),
              "\"a\"\"b\",\" x \",\"\",\"\",\"\"\"\"\r\n");
}

TEST(LastEntryFormat, ReadsWhatItWrites) {
    const LastEntry entries[] = {
        {"ＡＢＣＤ", "昭和", "38", "5", "10"},
        {"山田, 太郎", "", " 38 ", "5月", ""},
        {"\"引用\"", "平成", "\"", "\"\"", "a,\"b\",c"},
    };
    for (const LastEntry& entry : entries) {
        EXPECT_EQ(parseLastEntry(formatLastEntryLine(entry)), entry) << entry[0];
    }
}

TEST(LastEntryFormat, ParsesTheFileAsWritten) {
    using Entry = std::optional<LastEntry>;
    struct Case {
        std::string text;
        Entry expected;
    };
    const Case cases[] = {
        {"\"a\",\"b\",\"c\",\"d\",\"e\"", LastEntry{"a", "b", "c", "d", "e"}},
        // Content after the fifth field is ignored.
        {"\"a\",\"b\",\"c\",\"d\",\"e\",\"f\"\r\nmore\r\n", LastEntry{"a", "b", "c", "d", "e"}},
        // Blanks between fields are skipped; blanks inside quotes are kept.
        {" \"a \" , \" b\",\"c\",\"d\",\"e\"", LastEntry{"a ", " b", "c", "d", "e"}},
        {"", std::nullopt},
        {"\"a\",\"b\",\"c\",\"d\"\r\n", std::nullopt},
        {"\"a\",\"b\",\"c\",\"d\",\"e", std::nullopt},
        {"a,b,c,d,e\r\n", std::nullopt},
        {"\"a\";\"b\";\"c\";\"d\";\"e\"", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(parseLastEntry(c.text), c.expected) << c.text;
}

struct BaioBoxes {
    std::string name, year, month, day;
    std::string selected;  // the selected era option, or ""
    bool operator==(const BaioBoxes&) const = default;
};

BaioBoxes boxesOf(Program& p) {
    Screen& baio = p.screen(ScreenId::baio);
    BaioBoxes boxes{baio.text("Text7"), baio.text("Text1"), baio.text("Text2"), baio.text("Text3"),
                    ""};
    for (const char* option : {"Option1", "Option2", "Option3", "Option4", "Option5"}) {
        if (baio.control(option).selected()) boxes.selected = option;
    }
    return boxes;
}

TEST(LastEntryFile, StartRestoresTheLastPerson) {
    TestProgram t;
    writeBytes(t.file(kLastEntryFileName), kExampleBytes);
    Program& p = t.start();
    EXPECT_EQ(boxesOf(p), (BaioBoxes{"ＡＢＣＤ", "38", "5", "10", "Option3"}));
    EXPECT_EQ(p.state().names[1], "ＡＢＣＤ");
    EXPECT_EQ(p.state().eraname, "昭和");
    EXPECT_TRUE(t.events.lines.empty());
}

TEST(LastEntryFile, OnlyAnExactEraNameSelectsAnOption) {
    const std::pair<std::string, std::string> cases[] = {
        {"明治", "Option1"}, {"大正", "Option2"}, {"平成", "Option4"}, {"", ""},
        {"昭和 ", ""},       {"令和", "Option5"}, {"大化", ""},
    };
    for (const auto& [era, option] : cases) {
        TestProgram t;
        writeBytes(t.file(kLastEntryFileName),
                   Cp932().encode("\"n\",\"" + era + "\",\"1\",\"2\",\"3\"\r\n"));
        EXPECT_EQ(boxesOf(t.start()).selected, option) << era;
    }
}

TEST(LastEntryFile, MissingShortOrGarbledFilesStartEmptyAndSilently) {
    const std::optional<std::string> files[] = {
        std::nullopt, "", "\"a\",\"b\"\r\n", "\x82\x60\x82\x61,38\r\n", "\"unterminated,\"b\"",
    };
    for (const auto& bytes : files) {
        TestProgram t;
        if (bytes) writeBytes(t.file(kLastEntryFileName), *bytes);
        Program& p = t.start();
        EXPECT_EQ(boxesOf(p), BaioBoxes{}) << bytes.value_or("(missing)");
        EXPECT_EQ(p.screen(ScreenId::baio).text("Text4"), "2026");
        EXPECT_TRUE(t.events.lines.empty());
    }
}

TEST(LastEntryFile, TheRunWritesTheExampleBytes) {
    TestProgram t;
    Program& p = t.start();
    runReading(p, BaioInput{});
    EXPECT_EQ(readBytes(t.file(kLastEntryFileName)), kExampleBytes);
}

TEST(LastEntryFile, ANameWithQuotesAndCommasSurvivesTheNextStart) {
    TestProgram first;
    BaioInput person;
    person.name = "\"ｱﾝﾅ\", 山田";
    person.eraOption = "";
    person.eraYear = " 7 ";
    runReading(first.start(), person);
    EXPECT_EQ(
        readBytes(first.file(kLastEntryFileName)),
        first.program().cp932().encode("\"\"\"ｱﾝﾅ\"\", 山田\",\"\",\" 7 \",\"5\",\"10\"\r\n"));

    TestProgram second;
    writeBytes(second.file(kLastEntryFileName), readBytes(first.file(kLastEntryFileName)));
    EXPECT_EQ(boxesOf(second.start()), (BaioBoxes{"\"ｱﾝﾅ\", 山田", " 7 ", "5", "10", ""}));
}

TEST(LastEntryFile, AReiwaPersonBornInTheFirstYearSurvivesTheNextStart) {
    TestProgram first;
    BaioInput person;
    person.eraOption = "Option5";
    person.eraYear = "元";
    runReading(first.start(), person);
    EXPECT_EQ(first.program().screen(ScreenId::baio).text("Text8"), "2019");
    EXPECT_EQ(readBytes(first.file(kLastEntryFileName)),
              first.program().cp932().encode("\"ＡＢＣＤ\",\"令和\",\"元\",\"5\",\"10\"\r\n"));

    TestProgram second;
    writeBytes(second.file(kLastEntryFileName), readBytes(first.file(kLastEntryFileName)));
    Program& p = second.start();
    EXPECT_EQ(boxesOf(p), (BaioBoxes{"ＡＢＣＤ", "元", "5", "10", "Option5"}));
    p.click(ScreenId::baio, "Command1");
    EXPECT_EQ(p.screen(ScreenId::baio).text("Text8"), "2019");
}

TEST(LastEntryFile, AFailedWriteKeepsTheOldFileAndTheReadingCompletes) {
    TestProgram t;
    writeBytes(t.file(kLastEntryFileName), kExampleBytes);
    Program& p = t.start();
    std::filesystem::permissions(t.dir.path(), std::filesystem::perms::owner_read |
                                                   std::filesystem::perms::owner_exec |
                                                   std::filesystem::perms::others_read |
                                                   std::filesystem::perms::others_exec);
    withFilePermissions([&] {
        BaioInput other;
        other.name = "別人";
        runReading(p, other);
        ASSERT_EQ(t.events.lines.size(), 1u);
        EXPECT_NE(t.events.lines[0].find("kojinfl.txt"), std::string::npos) << t.events.lines[0];
        EXPECT_NE(t.events.lines[0].find("title \"誤り警告\""), std::string::npos)
            << t.events.lines[0];
        EXPECT_TRUE(p.visible(ScreenId::sindan));
        EXPECT_EQ(p.screen(ScreenId::sindan).control("List1").items().size(), 9u);
    });
    EXPECT_EQ(readBytes(t.file(kLastEntryFileName)), kExampleBytes);
}

TEST(LastEntryFile, AFailedRenameIsReportedAndLeavesNoTemporaryFile) {
    TestProgram t;
    // A folder in the file's place: the new file cannot be renamed over it.
    std::filesystem::create_directories(t.file(kLastEntryFileName) / "inside");
    Program& p = t.start();
    runReading(p, BaioInput{});
    ASSERT_EQ(t.events.lines.size(), 1u);
    EXPECT_EQ(t.events.lines[0],
              "msgbox \"ファイル kojinfl.txt に書き込めません：同じ名前のフォルダーがあります。\" "
              "title \"誤り警告\" -> ok");
    EXPECT_TRUE(std::filesystem::is_directory(t.file(kLastEntryFileName) / "inside"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(t.dir.path()),
                            std::filesystem::directory_iterator()),
              1);
    EXPECT_EQ(p.screen(ScreenId::sindan).control("List1").items().size(), 9u);
    EXPECT_EQ(p.screen(ScreenId::sindan).text("Text2"), "火曜日");
}

TEST(LastEntryFile, ReplacingLeavesNoTemporaryFileBehind) {
    TestProgram t;
    writeBytes(t.file(kLastEntryFileName), "\"old\",\"\",\"\",\"\",\"\"\r\n");
    runReading(t.start(), BaioInput{});
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(t.dir.path())) {
        names.push_back(entry.path().filename().string());
    }
    EXPECT_EQ(names, std::vector<std::string>{kLastEntryFileName});
    EXPECT_EQ(readBytes(t.file(kLastEntryFileName)), kExampleBytes);
}

}  // namespace
}  // namespace bio
