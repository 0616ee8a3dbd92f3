// Printing from the result screen.

#include <gtest/gtest.h>

#include <tuple>

#include "biorhythm/reading.h"
#include "testing/program_fixture.h"

namespace bio {
namespace {

using testing::BaioInput;
using testing::TestProgram;
using Lines = std::vector<std::string>;

const Lines kMessagePage{
    "print font \"ＭＳ 明朝\" 12",
    "print line \"ＡＢＣＤさんのバイオリズム診断をします。\"",
    "print line \"感情：11知性:24身体:16\"",
    "print line \"心の調子は，\"",
    "print line \"好調です！　気力旺盛，感も冴えています。\"",
    "print line \"頭脳の調子は，\"",
    "print line "
    "\"低調です！復習や記憶することに重きをおいた勉強をすると良いでしょう。また，頭の休養が必要"
    "です。\"",
    "print line \"身体の調子は，\"",
    "print line \"低調です！スタミナ欠乏，過激な仕事，運動を避けてください\"",
    "print end",
};

const Lines kGraphPage{"print picture sindan.Picture1 at 0 0", "print end"};

Lines concat(std::initializer_list<Lines> parts) {
    Lines all;
    for (const Lines& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

class Printing : public ::testing::Test {
  protected:
    void SetUp() override {
        testing::runReading(t.start(), BaioInput{});
        t.events.lines.clear();
    }
    Lines click(const char* command) {
        t.program().click(ScreenId::sindan, command);
        return t.events.lines;
    }
    TestProgram t;
};

TEST_F(Printing, EachCommandPrintsItsDocuments) {
    const Lines ok{"printer dialog -> ok"};
    EXPECT_EQ(click("messeji"), concat({ok, kMessagePage}));
    t.events.lines.clear();
    EXPECT_EQ(click("gurafu"), concat({ok, kGraphPage}));
    t.events.lines.clear();
    EXPECT_EQ(click("ryouinsatu"), concat({ok, kMessagePage, kGraphPage}));
}

TEST_F(Printing, TheMessagePageDescribesTheTargetDateNotTheFirst) {
    click("messeji");
    const DiagnosisState& s = t.program().state();
    EXPECT_EQ(s.emoday[1], 11);
    EXPECT_EQ(s.intday, 24);
    EXPECT_EQ(s.bodyday, 16);
    // The screen is left as it was.
    EXPECT_EQ(t.program().screen(ScreenId::sindan).control("List1").items().size(), 9u);
    EXPECT_EQ(t.program().screen(ScreenId::sindan).control("Picture1").canvas().ops().size(),
              10u + 6 * 31);
}

TEST_F(Printing, CancellingThePrinterDialogPrintsNothing) {
    for (const char* command : {"messeji", "gurafu", "ryouinsatu", "repoto"}) {
        t.events.lines.clear();
        t.dialogs.queuePrinterAnswer(false);
        EXPECT_EQ(click(command), Lines{"printer dialog -> cancel"}) << command;
    }
}

// Unlike the message page, the report leaves even the state as the reading did.
TEST_F(Printing, TheReportChangesNothingAndReportsAFailedDocument) {
    const DiagnosisState& s = t.program().state();
    const Screen& sindan = t.program().screen(ScreenId::sindan);
    const auto items = sindan.find("List1")->items();
    const auto ops = sindan.find("Picture1")->canvas().ops();
    t.printer.failNextDocument("用紙がありません");
    EXPECT_EQ(click("repoto").back(),
              "msgbox \"印刷できませんでした。\\n用紙がありません\" title \"誤り警告\" -> ok");
    EXPECT_EQ(std::tuple(s.emoday[1], s.intday, s.bodyday), std::tuple(int16_t{5}, 18.0, 10.0));
    EXPECT_EQ(sindan.find("List1")->items(), items);
    EXPECT_EQ(sindan.find("Picture1")->canvas().ops(), ops);
}

TEST_F(Printing, AFailedDocumentIsReportedAndStopsTheSecond) {
    t.printer.failNextDocument("プリンターが見つかりません");
    Lines events = click("ryouinsatu");
    ASSERT_EQ(events.size(), 1u + kMessagePage.size());
    EXPECT_EQ(
        events.back(),
        "msgbox \"印刷できませんでした。\\nプリンターが見つかりません\" title \"誤り警告\" -> ok");
    t.events.lines.clear();
    t.printer.failNextDocument("用紙がありません");
    events = click("gurafu");
    EXPECT_EQ(
        events,
        (Lines{"printer dialog -> ok", "print picture sindan.Picture1 at 0 0",
               "msgbox \"印刷できませんでした。\\n用紙がありません\" title \"誤り警告\" -> ok"}));
}

}  // namespace
}  // namespace bio
