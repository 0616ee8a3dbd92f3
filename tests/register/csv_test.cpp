// CSV as spreadsheets write it, the dates its cells hold, and the import
// command that appends its persons.

#include "register/csv.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "register/birth_text.h"
#include "register/record_layout.h"
#include "shell/register_controls.h"
#include "testing/program_fixture.h"

namespace bio {
namespace {

using Fields = std::vector<std::string>;

TEST(ParseCsv, SplitsRowsAndFieldsAsSpreadsheetsQuoteThem) {
    struct Case {
        const char* text;
        std::vector<CsvRow> rows;
    };
    const Case cases[] = {
        {"a,b\r\nc,d\r\n", {{1, {"a", "b"}}, {2, {"c", "d"}}}},
        {"a,b\nc,d", {{1, {"a", "b"}}, {2, {"c", "d"}}}},             // LF, no line end at the end
        {"a\rb\r", {{1, {"a"}}, {2, {"b"}}}},                         // CR alone
        {"\r\n\r\na,,\r\n\n,", {{3, {"a", "", ""}}, {5, {"", ""}}}},  // empty lines are no rows
        {"\"a,b\",\"say \"\"hi\"\"\"", {{1, {"a,b", "say \"hi\""}}}},
        // A quoted line break stays in the field; the next row starts two lines on.
        {"\"one\r\ntwo\",x\r\ny", {{1, {"one\r\ntwo", "x"}}, {3, {"y"}}}},
        // Forgiving where a quote stands out of place.
        {"ab\"c,\"d\"e,\"", {{1, {"ab\"c", "de", ""}}}},
        {"\"open\nto the end", {{1, {"open\nto the end"}}}},
        {"", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const std::vector<CsvRow> rows = parseCsv(c.text);
        ASSERT_EQ(rows.size(), c.rows.size());
        for (std::size_t i = 0; i < rows.size(); ++i) {
            EXPECT_EQ(rows[i].line, c.rows[i].line) << i;
            EXPECT_EQ(rows[i].fields, c.rows[i].fields) << i;
        }
    }
}

TEST(CsvText, TakesUtf8OrCodePage932AndRefusesWhatIsNoText) {
    const Cp932 codec;
    struct Case {
        std::string bytes;
        std::optional<std::string> text;
    };
    const Case cases[] = {
        {"\xEF\xBB\xBF氏名,年\r\n", "氏名,年\r\n"},  // the byte order mark dropped
        {"氏名\t年\r\n", "氏名\t年\r\n"},
        {codec.encode("氏名,生年月日\r\n山田,1963/5/10\r\n"),
         "氏名,生年月日\r\n山田,1963/5/10\r\n"},
        {codec.encode("①㈱髙"), "①㈱髙"},  // Windows' own characters
        {"", ""},
        {std::string("a\0b", 3), std::nullopt},  // a NUL: binary
        {"PK\x03\x04\x14", std::nullopt},        // a zip file (an .xlsx)
        {std::string("\xFF\xFE"
                     "a\0",
                     4),
         std::nullopt},                          // UTF-16
        {"\x82\xA0\xFF", std::nullopt},          // no character of code page 932
        {"\xEF\xBB\xBF\x82\xA0", std::nullopt},  // neither
    };
    for (const Case& c : cases) {
        EXPECT_EQ(csvText(codec, c.bytes), c.text) << c.bytes;
    }
}

// What one text of a date gives: the four register fields, or the reason.
TEST(BirthOfText, ReadsWesternAndEraDates) {
    struct Case {
        const char* text;
        Fields fields;  // era, year, month, day; or the one reason
    };
    const Case cases[] = {
        {"1963/5/10", {"昭和", "38", "5", "10"}},
        {"1963-05-10", {"昭和", "38", "5", "10"}},
        {" 1963年5月10日 ", {"昭和", "38", "5", "10"}},
        {"１９６３／０５／１０", {"昭和", "38", "5", "10"}},
        {"1912/7/30", {"大正", "1", "7", "30"}},
        {"1989/1/8", {"平成", "1", "1", "8"}},
        {"2000/2/29", {"平成", "12", "2", "29"}},
        {"昭和38年5月10日", {"昭和", "38", "5", "10"}},
        {"平成元年1月8日", {"平成", "1", "1", "8"}},
        {"令和 ２年 ３月 １５日", {"令和", "2", "3", "15"}},
        {"大正15年12月25", {"大正", "15", "12", "25"}},  // 日 may be left out
        // Refused.
        {"1867/12/31", {"生年月日が1868年より前です"}},
        {"1900/2/29", {"生年月日が実在しない日付です"}},
        {"1963/4/31", {"生年月日が実在しない日付です"}},
        {"", {"生年月日を読めません"}},
        {"1963/5-10", {"生年月日を読めません"}},
        {"1963/5/10 0:00", {"生年月日を読めません"}},
        {"19630/5/10", {"生年月日を読めません"}},
        {"-1963/5/10", {"生年月日を読めません"}},
        {"昭和38/5/10", {"生年月日を読めません"}},
        {"昭和三十八年5月10日", {"生年月日を読めません"}},
        {"S38.5.10", {"生年月日を読めません"}},
    };
    for (const Case& c : cases) {
        const std::variant<TypedBirth, std::string> birth = birthOfText(c.text);
        Fields got;
        if (const auto* typed = std::get_if<TypedBirth>(&birth))
            got = {typed->era, typed->eraYear, typed->month, typed->day};
        else
            got = {std::get<std::string>(birth)};
        EXPECT_EQ(got, c.fields) << c.text;
    }
}

// The command as a whole: one append, the register closed, recno on the last
// person, as 登録 leaves them.
TEST(ImportCommand, AppendsAfterConfirmingAndLeavesTheStateOfRegistering) {
    testing::TestProgram t;
    testing::writeBytes(t.file("in.csv"), "氏名,生年月日\n甲,1963/5/10\n乙,1989/1/8\n");
    Program& p = t.start();
    p.click(ScreenId::baio, "Command2");
    p.click(ScreenId::menyu, "Command5");
    t.dialogs.queueFile(t.file("in.csv").string());
    t.dialogs.queueMessageAnswer(Answer::Cancel);
    p.click(ScreenId::hyouji, hyouji::kImport);
    EXPECT_EQ(testing::readBytes(t.file("kojinfl2.txt")), "");

    t.dialogs.queueFile(t.file("in.csv").string());
    p.state().recno = 0;
    p.click(ScreenId::hyouji, hyouji::kImport);
    EXPECT_EQ(testing::readBytes(t.file("kojinfl2.txt")),
              encodeRecord(p.cp932(), {"1", "甲", "昭和", "38", "5", "10"}) +
                  encodeRecord(p.cp932(), {"2", "乙", "平成", "1", "1", "8"}));
    EXPECT_EQ(p.state().recno, 2);
    EXPECT_EQ(p.openFile(), nullptr);
    EXPECT_EQ(t.events.lines.back(), "msgbox \"2件を読み込みました。\" title \"\" -> ok");
}

}  // namespace
}  // namespace bio
