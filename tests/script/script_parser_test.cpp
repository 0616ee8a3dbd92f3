#include "script/script_parser.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "shell/catalogue.h"
#include "ui/doubles.h"

namespace bio::script {
namespace {

// The reason of the error the line raises, or "" when it parses.
std::string errorOf(std::string_view line) {
    try {
        parseLine(line);
    } catch (const ScriptError& error) {
        return error.what();
    }
    return "";
}

TEST(ParseLine, SkipsBlankAndCommentLines) {
    for (std::string_view line : {"", "   ", "\t \t", "\r", "# set baio.Text7", "   #indented",
                                  "#\"unclosed quote", "# \xff not even UTF-8"}) {
        EXPECT_EQ(parseLine(line), std::nullopt) << line;
    }
}

TEST(ParseLine, ReadsQuotedTextsWithTheirEscapes) {
    struct Case {
        std::string_view quotedText;
        std::string text;
    } cases[] = {
        {R"("")", ""},
        {R"("ＡＢＣＤ")", "ＡＢＣＤ"},
        {R"("a  b")", "a  b"},
        {R"("say \"hi\"")", "say \"hi\""},
        {R"("back\\slash")", "back\\slash"},
        {R"("tab\there")", "tab\there"},
        {R"("two\nlines")", "two\nlines"},
        {R"("\\n is not a line feed")", "\\n is not a line feed"},
        {R"("# not a comment")", "# not a comment"},
        {"\"ｶﾀｶﾅ　全角空白\"", "ｶﾀｶﾅ　全角空白"},
    };
    for (const auto& c : cases) {
        auto line = parseLine("set baio.Text7 " + std::string(c.quotedText));
        ASSERT_TRUE(line) << c.quotedText;
        EXPECT_EQ(line->text, c.text) << c.quotedText;
    }
}

TEST(ParseLine, ReadsBackEveryTextTheDriverPrints) {
    for (std::string text : {"", "\"", "\\", "\t\n", "a\\\"b", "氏名\t\"山田\"\n\\"}) {
        auto line = parseLine("input " + bio::quoted(text));
        ASSERT_TRUE(line);
        EXPECT_EQ(line->text, text);
    }
}

TEST(ParseLine, ReadsEveryCommand) {
    struct Case {
        std::string_view text;
        Verb verb;
        std::string target;
        std::string argument;
        bool accepted;
    } cases[] = {
        {"set baio.Text7 \"山田\"", Verb::Set, "baio.Text7", "山田", true},
        {"select baio.Option3", Verb::Select, "baio.Option3", "", true},
        {"click baio.Command1", Verb::Click, "baio.Command1", "", true},
        {"click sindan.messeji", Verb::Click, "sindan.messeji", "", true},
        {"enter aisyou", Verb::Enter, "aisyou", "", true},
        {"close hyouji", Verb::Close, "hyouji", "", true},
        {"answer ok", Verb::Answer, "baio", "", true},
        {"answer cancel", Verb::Answer, "baio", "", false},
        {"input \"12\"", Verb::Input, "baio", "12", true},
        {"input \"cancel\"", Verb::Input, "baio", "cancel", true},
        {"input cancel", Verb::Input, "baio", "", false},
        {"printer ok", Verb::Printer, "baio", "", true},
        {"printer cancel", Verb::Printer, "baio", "", false},
        {"file \"/tmp/x.ics\"", Verb::File, "baio", "/tmp/x.ics", true},
        {"file cancel", Verb::File, "baio", "", false},
        {"item sindan.List1 3", Verb::Item, "sindan.List1", "", true},
        {"get hyouji.Text2(3)", Verb::Get, "hyouji.Text2(3)", "", true},
        {"get sindan.Label1(0)", Verb::Get, "sindan.Label1(0)", "", true},
        {"get sindan.CommonDialog2", Verb::Get, "sindan.CommonDialog2", "", true},
        {"list sindan.List1", Verb::List, "sindan.List1", "", true},
        {"dump kousin", Verb::Dump, "kousin", "", true},
        {"screens", Verb::Screens, "baio", "", true},
        {"canvas aisyousin.Picture1", Verb::Canvas, "aisyousin.Picture1", "", true},
        {"  \tget   menyu.Label1  \t", Verb::Get, "menyu.Label1", "", true},
        {"enter baio\r", Verb::Enter, "baio", "", true},
    };
    for (const auto& c : cases) {
        auto line = parseLine(c.text);
        ASSERT_TRUE(line) << c.text;
        EXPECT_EQ(line->verb, c.verb) << c.text;
        EXPECT_EQ(line->target(), c.target) << c.text;
        EXPECT_EQ(line->text, c.argument) << c.text;
        EXPECT_EQ(line->accepted, c.accepted) << c.text;
    }
}

TEST(ParseLine, ReportsEveryKindOfError) {
    struct Case {
        std::string_view line;
        std::string reason;
    } cases[] = {
        {"jump baio", "不明なコマンドです: jump"},
        {"SET baio.Text7 \"x\"", "不明なコマンドです: SET"},
        {"\"set\" baio.Text7 \"x\"", "不明なコマンドです: set"},
        {"set baio.Text7 \"x", "引用符が閉じていません"},
        {"set baio.Text7 \"x\\\"", "引用符が閉じていません"},
        {"set baio.Text7 \"x\\", "引用符が閉じていません"},
        {"set baio.Text7 \"x\\q\"", "使えないエスケープです: \\q"},
        {"set baio.Text7 \"x\\あ\"", "使えないエスケープです: \\あ"},
        {"set baio.Text7 \"x\"y", "閉じ引用符の後に空白がありません"},
        {"set baio.Text7\"x\"", "語の途中に引用符があります"},
        {"set baio.Text7", "書式が違います（正しくは set S.C \"TEXT\"）"},
        {"set baio.Text7 x", "書式が違います（正しくは set S.C \"TEXT\"）"},
        {"set baio.Text7 \"x\" \"y\"", "書式が違います（正しくは set S.C \"TEXT\"）"},
        {"set \"baio.Text7\" \"x\"", "書式が違います（正しくは set S.C \"TEXT\"）"},
        {"get", "書式が違います（正しくは get S.C）"},
        {"click baio.Command1 baio.Command2", "書式が違います（正しくは click S.C）"},
        {"enter", "書式が違います（正しくは enter S）"},
        {"screens baio", "書式が違います（正しくは screens）"},
        {"answer yes", "書式が違います（正しくは answer ok|cancel）"},
        {"answer \"ok\"", "書式が違います（正しくは answer ok|cancel）"},
        {"printer", "書式が違います（正しくは printer ok|cancel）"},
        {"input ok", "書式が違います（正しくは input \"TEXT\"|cancel）"},
        {"input \"a\" \"b\"", "書式が違います（正しくは input \"TEXT\"|cancel）"},
        {"file ok", "書式が違います（正しくは file \"PATH\"|cancel）"},
        {"item sindan.List1", "書式が違います（正しくは item S.C N）"},
        {"item sindan.List1 -1", "項目の番号は1以上の整数で書きます: -1"},
        {"item sindan.List1 1.5", "項目の番号は1以上の整数で書きます: 1.5"},
        {"item sindan.List1 9999999999", "項目の番号は1以上の整数で書きます: 9999999999"},
        {"check baio.Option1", "チェックボックスではありません: baio.Option1"},
        {"enter nowhere", "不明な画面です: nowhere"},
        {"enter baio.Text7", "不明な画面です: baio.Text7"},
        {"dump Baio", "不明な画面です: Baio"},
        {"get nowhere.Text1", "不明な画面です: nowhere"},
        {"get .Text1", "不明な画面です: "},
        {"get baio", "コントロールは 画面.コントロール と書きます: baio"},
        {"get baio.Text99", "不明なコントロールです: baio.Text99"},
        {"get baio.text7", "不明なコントロールです: baio.text7"},
        {"get baio.", "不明なコントロールです: baio."},
        {"get baio.Text7(0)", "不明なコントロールです: baio.Text7(0)"},
        {"get hyouji.Text1", "不明なコントロールです: hyouji.Text1"},
        {"get hyouji.Text1(10)", "不明なコントロールです: hyouji.Text1(10)"},
        {"get hyouji.Text1(03)", "不明なコントロールです: hyouji.Text1(03)"},
        {"get hyouji.Text1(-1)", "不明なコントロールです: hyouji.Text1(-1)"},
        {"set baio.Command1 \"x\"", "テキストボックスではありません: baio.Command1"},
        {"select baio.Frame1", "オプションボタンではありません: baio.Frame1"},
        {"click baio.Text1", "コマンドボタンでもメニューコマンドでもありません: baio.Text1"},
        {"list sindan.Picture1", "リストボックスではありません: sindan.Picture1"},
        {"canvas sindan.List1", "ピクチャボックスではありません: sindan.List1"},
        {"set baio.Text7 \"\xff\"", "UTF-8 として読めない文字があります"},
        {"set baio.Text7 \"\xc0\xaf\"", "UTF-8 として読めない文字があります"},
        {"set baio.Text7 \"\xe0\x80\xaf\"", "UTF-8 として読めない文字があります"},
        {"set baio.Text7 \"\xed\xa0\x80\"", "UTF-8 として読めない文字があります"},
        {"set baio.Text7 \"\xf4\x90\x80\x80\"", "UTF-8 として読めない文字があります"},
        {"set baio.Text7 \"\xe3\x81\"", "UTF-8 として読めない文字があります"},
    };
    for (const auto& c : cases) EXPECT_EQ(errorOf(c.line), c.reason) << c.line;
}

TEST(ParseLine, AcceptsTheLongestUtf8Forms) {
    // U+FFFF, U+10000 and U+10FFFF are the edges next to the rejected forms.
    for (std::string_view text : {"\xef\xbf\xbf", "\xf0\x90\x80\x80", "\xf4\x8f\xbf\xbf"})
        EXPECT_EQ(errorOf("input \"" + std::string(text) + "\""), "") << text;
}

// Every control of every screen against every control verb: the verb is taken
// exactly by the kinds it acts on, `get` by all of them.
TEST(ParseLine, ChecksTheControlKindOfEveryCatalogueEntry) {
    struct VerbKinds {
        std::string_view word;
        std::vector<ControlKind> kinds;  // empty: any kind
    } verbs[] = {
        {"get", {}},
        {"list", {ControlKind::ListBox}},
        {"canvas", {ControlKind::PictureBox}},
        {"select", {ControlKind::OptionButton}},
        {"click", {ControlKind::CommandButton, ControlKind::MenuCommand}},
        {"check", {ControlKind::CheckBox}},
        {"uncheck", {ControlKind::CheckBox}},
    };
    int accepted = 0;
    for (ScreenId id : kAllScreens) {
        for (const ControlDesign& design : screenDesign(id).controls) {
            std::string target =
                std::string(screenName(id)) + "." + controlKey(design.name, design.index);
            for (const auto& verb : verbs) {
                bool fits = verb.kinds.empty() || std::find(verb.kinds.begin(), verb.kinds.end(),
                                                            design.kind) != verb.kinds.end();
                std::string reason = errorOf(std::string(verb.word) + " " + target);
                EXPECT_EQ(reason.empty(), fits) << verb.word << " " << target << ": " << reason;
                accepted += fits;
            }
            std::string reason = errorOf("set " + target + " \"x\"");
            EXPECT_EQ(reason.empty(), design.kind == ControlKind::TextBox)
                << target << ": " << reason;
        }
    }
    EXPECT_GT(accepted, 100);  // the catalogue was there to check against
}

TEST(ParseIsoDate, AcceptsOnlyDatesThatExist) {
    struct Case {
        std::string_view text;
        std::optional<Date> date;
    } cases[] = {
        {"2026-12-07", Date{2026, 12, 7}},
        {"2024-02-29", Date{2024, 2, 29}},
        {"2000-02-29", Date{2000, 2, 29}},
        {"0001-01-01", Date{1, 1, 1}},
        {"9999-12-31", Date{9999, 12, 31}},
        {"2026-04-30", Date{2026, 4, 30}},
        {"2026-02-29", std::nullopt},
        {"1900-02-29", std::nullopt},
        {"2026-04-31", std::nullopt},
        {"2026-13-01", std::nullopt},
        {"2026-00-10", std::nullopt},
        {"2026-12-00", std::nullopt},
        {"0000-01-01", std::nullopt},
        {"2026-12-7", std::nullopt},
        {"2026/12/07", std::nullopt},
        {"2026-12-07x", std::nullopt},
        {"+026-12-07", std::nullopt},
        {"２０２６-12-07", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases) {
        auto date = parseIsoDate(c.text);
        ASSERT_EQ(date.has_value(), c.date.has_value()) << c.text;
        if (!date) continue;
        EXPECT_EQ(date->year, c.date->year) << c.text;
        EXPECT_EQ(date->month, c.date->month) << c.text;
        EXPECT_EQ(date->day, c.date->day) << c.text;
    }
}

}  // namespace
}  // namespace bio::script
