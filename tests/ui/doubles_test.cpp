#include "ui/doubles.h"

#include <gtest/gtest.h>

#include "ui/canvas.h"

namespace bio {
namespace {

TEST(Quoted, EscapesQuotesBackslashesTabsAndLineFeeds) {
    EXPECT_EQ(quoted(""), "\"\"");
    EXPECT_EQ(quoted("次へ"), "\"次へ\"");
    EXPECT_EQ(quoted("a\"b\\c\td\ne"), "\"a\\\"b\\\\c\\td\\ne\"");
}

TEST(Fixed4, RoundsToFourDecimalsWithoutTrailingZeros) {
    struct Case {
        double value;
        const char* text;
    };
    for (auto [value, text] : {Case{-0.5, "-0.5"}, Case{19.99994, "19.9999"}, Case{31, "31"},
                               Case{-0.00001, "0"}, Case{-0.0, "0"}, Case{12.857, "12.857"},
                               Case{1e6, "1000000"}, Case{0.30000000000000004, "0.3"}}) {
        EXPECT_EQ(fixed4(value), text) << value;
    }
}

TEST(ScriptedDialogs, AnswersFromTheQueueThenWithTheDefaults) {
    EventLog log;
    ScriptedDialogs dialogs(log.sink());
    dialogs.queueMessageAnswer(Answer::Cancel);
    dialogs.queueInput(std::nullopt);
    dialogs.queuePrinterAnswer(false);
    dialogs.queueFile("/tmp/a b.ics");

    EXPECT_EQ(dialogs.messageBox("次へ", ""), Answer::Cancel);
    EXPECT_EQ(dialogs.messageBox("次へ", ""), Answer::Ok);
    EXPECT_EQ(dialogs.inputBox("検索する氏名", "検索氏名入力", "0"), std::nullopt);
    EXPECT_EQ(dialogs.inputBox("検索する氏名", "検索氏名入力", "0"),
              std::optional<std::string>("0"));
    EXPECT_FALSE(dialogs.printerDialog());
    EXPECT_TRUE(dialogs.printerDialog());
    const FileRequest save{FileDialogMode::Save, "カレンダーに書き出す", "iCalendar (*.ics)",
                           "バイオリズム要注意日.ics"};
    EXPECT_EQ(dialogs.fileDialog(save), std::filesystem::path("/tmp/a b.ics"));
    EXPECT_EQ(
        dialogs.fileDialog({FileDialogMode::Open, "CSVから登録簿に読み込む", "CSV (*.csv)", ""}),
        std::nullopt);

    std::vector<std::string> expected{
        "msgbox \"次へ\" title \"\" -> cancel",
        "msgbox \"次へ\" title \"\" -> ok",
        "inputbox \"検索する氏名\" title \"検索氏名入力\" default \"0\" -> cancel",
        "inputbox \"検索する氏名\" title \"検索氏名入力\" default \"0\" -> \"0\"",
        "printer dialog -> cancel",
        "printer dialog -> ok",
        "file dialog save \"カレンダーに書き出す\" default \"バイオリズム要注意日.ics\" -> "
        "\"/tmp/a b.ics\"",
        "file dialog open \"CSVから登録簿に読み込む\" -> cancel",
    };
    EXPECT_EQ(log.lines, expected);
}

TEST(RecordingPrinter, ReportsEachOperationAndAFailedDocument) {
    EventLog log;
    RecordingPrinter printer(log.sink());
    Canvas canvas;
    printer.setFont("ＭＳ 明朝", 12);
    printer.printLine("心の調子は，");
    printer.printPicture({"sindan", "Picture1", &canvas, 10455, 3735}, 0, 0);
    EXPECT_EQ(printer.endDocument(), std::nullopt);
    printer.failNextDocument("用紙がありません");
    EXPECT_EQ(printer.endDocument(), std::optional<std::string>("用紙がありません"));

    std::vector<std::string> expected{
        "print font \"ＭＳ 明朝\" 12",
        "print line \"心の調子は，\"",
        "print picture sindan.Picture1 at 0 0",
        "print end",
    };
    EXPECT_EQ(log.lines, expected);
}

}  // namespace
}  // namespace bio
