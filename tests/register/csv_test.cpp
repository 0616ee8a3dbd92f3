// CSV as spreadsheets write it, and the persons its rows give the register.

#include "register/csv.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "register/csv_persons.h"
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

TEST(CsvLine, QuotesOnlyWhatNeedsItAndReadsBack) {
    EXPECT_EQ(csvLine({"1", "山田 太郎", ""}), "1,山田 太郎,\r\n");
    EXPECT_EQ(csvLine({"a,b", "say \"hi\"", "x\ny"}), "\"a,b\",\"say \"\"hi\"\"\",\"x\ny\"\r\n");
    const Fields tricky{"", "\"", ",", "\r\n", " 空白 ", "\"\"", "a\"b,c"};
    const std::vector<CsvRow> rows = parseCsv(csvLine(tricky) + csvLine({"next"}));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].fields, tricky);
    EXPECT_EQ(rows[1].line, 3);
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
        {"1868/1/1", {"明治", "1", "1", "1"}},
        {"1912/7/29", {"明治", "45", "7", "29"}},
        {"1912/7/30", {"大正", "1", "7", "30"}},
        {"1926/12/24", {"大正", "15", "12", "24"}},
        {"1926/12/25", {"昭和", "1", "12", "25"}},
        {"1989/1/7", {"昭和", "64", "1", "7"}},
        {"1989/1/8", {"平成", "1", "1", "8"}},
        {"2019/4/30", {"平成", "31", "4", "30"}},
        {"2019/5/1", {"令和", "1", "5", "1"}},
        {"2000/2/29", {"平成", "12", "2", "29"}},
        {"昭和38年5月10日", {"昭和", "38", "5", "10"}},
        {"平成元年1月8日", {"平成", "1", "1", "8"}},
        {"令和 ２年 ３月 １５日", {"令和", "2", "3", "15"}},
        {"大正15年12月25", {"大正", "15", "12", "25"}},  // 日 may be left out
        // Refused.
        {"1867/12/31", {"生年月日が1868年より前です"}},
        {"1900/2/29", {"生年月日が実在しない日付です"}},
        {"1963/4/31", {"生年月日が実在しない日付です"}},
        {"1963/13/1", {"生年月日が実在しない日付です"}},
        {"", {"生年月日を読めません"}},
        {"1963/5-10", {"生年月日を読めません"}},
        {"1963/5/10 0:00", {"生年月日を読めません"}},
        {"19630/5/10", {"生年月日を読めません"}},
        {"1963/5/", {"生年月日を読めません"}},
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

ImportPlan planOf(const std::string& text) {
    const Cp932 codec;
    auto planned = planImport(codec, parseCsv(text));
    EXPECT_TRUE(std::holds_alternative<ImportPlan>(planned)) << text;
    return std::get<ImportPlan>(planned);
}

Fields fieldsOf(const RegisterRecord& r) {
    return {r.number, r.name, r.era, r.year, r.month, r.day};
}

TEST(PlanImport, TakesEachPersonOrSaysWhyNot) {
    const ImportPlan plan = planOf(
        " 番号 ,　氏名,元号,年,月,日,生年月日,メモ\r\n"
        "9,山田太郎,昭和,38,5,10,2000/1/1,番号と生年月日の列は使わない\r\n"
        ",元年生まれ,平成,元,1,8\r\n"
        ",長い名前の人長い名前の人長い名前,令和,2,3,15\r\n"
        ",,,,,\r\n"  // a blank row is passed over
        "　,,昭和,38,5,10\r\n"
        ",𠮷野,昭和,38,5,10\r\n"
        ",\"改\n行\",昭和,38,5,10\r\n"
        ",元号違い,大化,1,1,1\r\n"
        ",二月,昭和,38,2,30\r\n"
        ",長い年,昭和,00038,5,10\r\n"
        ",短い行\r\n");
    EXPECT_EQ(plan.records.size(), 3u);
    EXPECT_EQ(fieldsOf(plan.records.at(0)), (Fields{"", "山田太郎", "昭和", "38", "5", "10"}));
    EXPECT_EQ(fieldsOf(plan.records.at(1)), (Fields{"", "元年生まれ", "平成", "元", "1", "8"}));
    EXPECT_EQ(plan.records.at(2).name, "長い名前の人長い名前の人長い名前");  // cut when written
    EXPECT_EQ(plan.namesCut, 1);
    const std::vector<std::pair<int, std::string>> refused{
        {6, "氏名が空です"},
        {7, "「𠮷」は登録簿に保存できない文字です"},
        {8, "改行などの制御文字が含まれています"},
        {10, "生年月日を読めません"},
        {11, "生年月日が実在しない日付です"},
        {12, "生年月日の文字が欄に収まりません"},
        {13, "生年月日を読めません"},
    };
    EXPECT_EQ(plan.refused, refused);
}

TEST(PlanImport, FindsTheBirthInOneColumnWhenTheFourAreMissing) {
    const ImportPlan plan = planOf("氏名,年,西暦生年月日\n甲,1,1989/1/7\n乙,2,平成元年1月8日\n");
    ASSERT_EQ(plan.records.size(), 2u);
    EXPECT_EQ(fieldsOf(plan.records[0]), (Fields{"", "甲", "昭和", "64", "1", "7"}));
    EXPECT_EQ(fieldsOf(plan.records[1]), (Fields{"", "乙", "平成", "1", "1", "8"}));

    const Cp932 codec;
    for (const auto& [text, problem] : std::vector<std::pair<std::string, HeaderProblem>>{
             {"", HeaderProblem::NoName},
             {"名前,生年月日\n", HeaderProblem::NoName},
             {"氏名,元号,年,月\n", HeaderProblem::NoBirthDate},
             {"氏名,誕生日\n", HeaderProblem::NoBirthDate},
         }) {
        const auto planned = planImport(codec, parseCsv(text));
        ASSERT_TRUE(std::holds_alternative<HeaderProblem>(planned)) << text;
        EXPECT_EQ(std::get<HeaderProblem>(planned), problem) << text;
    }
}

TEST(ExportRow, GivesFieldsWithoutPaddingAndTheRealBirthDay) {
    struct Case {
        RegisterRecord record;
        Fields row;
    };
    const Case cases[] = {
        {{"1    ", "山田 太郎  ", "昭和 ", "38  ", "5   ", "10  "},
         {"1", "山田 太郎", "昭和", "38", "5", "10", "1963-05-10"}},
        {{"2", "元年", "令和", "元", "5", "1"},
         {"2", "元年", "令和", "元", "5", "1", "2019-05-01"}},
        {{"3", "三十一日", "昭和", "38", "4", "31"},
         {"3", "三十一日", "昭和", "38", "4", "31", ""}},
        {{"4", "不明", "", "38", "5", "10"}, {"4", "不明", "", "38", "5", "10", ""}},
        {{}, {"", "", "", "", "", "", ""}},
    };
    for (const Case& c : cases) EXPECT_EQ(exportRow(c.record), c.row) << c.record.name;
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
