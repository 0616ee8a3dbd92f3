#include "script/script_runner.h"

#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>

#include "testing/program_fixture.h"

namespace bio::script {
namespace {

// A runner on a fresh data directory and a fixed date; the program may be
// prepared through runner.program() before run().
struct Harness {
    int run(const std::string& script) {
        std::istringstream in(script);
        return runner.run(in, err);
    }
    Program& program() { return runner.program(); }

    testing::TempDir dir;
    FixedClock clock{Date{2026, 12, 7}};
    std::ostringstream out;
    std::ostringstream err;
    ScriptRunner runner{out, clock, dir.path(), dir.path() / "config"};
};

TEST(ScriptRunner, StartsOnBaioAndRunsToTheLastLine) {
    Harness h;
    EXPECT_EQ(h.run("screens\r\n\n# nothing\n   \nscreens"), kExitOk);
    EXPECT_EQ(h.out.str(), "visible: baio\nvisible: baio\n");
    EXPECT_EQ(h.err.str(), "");
}

TEST(ScriptRunner, StopsAtTheFirstLineThatCannotRun) {
    Harness h;
    EXPECT_EQ(h.run("screens\n\n# comment\nbogus\nscreens\n"), kExitScriptError);
    EXPECT_EQ(h.out.str(), "visible: baio\n");
    EXPECT_EQ(h.err.str(), "script:4: 不明なコマンドです: bogus\n");
}

TEST(ScriptRunner, UserActionsNeedAVisibleScreenAndFailWithoutTouchingIt) {
    struct Case {
        std::string line;
        ScreenId screen;
    } cases[] = {
        {"set aisyou.Text7 \"山田\"", ScreenId::aisyou},
        {"select aisyou.Option3", ScreenId::aisyou},
        {"click menyu.Command1", ScreenId::menyu},
        {"click sindan.back", ScreenId::sindan},
        {"enter aisyou", ScreenId::aisyou},
        {"close kousin", ScreenId::kousin},
    };
    for (const auto& c : cases) {
        Harness h;
        EXPECT_EQ(h.run(c.line + "\nscreens\n"), kExitScriptError) << c.line;
        EXPECT_EQ(h.out.str(), "") << c.line;
        EXPECT_EQ(h.err.str(), "script:1: 画面が表示されていません: " +
                                   std::string(screenName(c.screen)) + "\n");
        EXPECT_FALSE(h.program().created(c.screen)) << c.line;
    }
}

TEST(ScriptRunner, ACatalogueCheckThatFailsCreatesNoScreen) {
    for (std::string line : {"get aisyou.Text99", "list aisyou.Text7", "canvas menyu.Label1"}) {
        Harness h;
        EXPECT_EQ(h.run(line), kExitScriptError) << line;
        for (ScreenId id : kAllScreens)
            EXPECT_EQ(h.program().created(id), id == ScreenId::baio) << line;
    }
}

TEST(ScriptRunner, QueriesCreateAScreenWithoutShowingIt) {
    Harness h;
    EXPECT_EQ(h.run("get menyu.Label1\nscreens\n"), kExitOk);
    EXPECT_EQ(h.out.str(), "menyu.Label1 = \"バイオリズム相性診断メニュー\"\nvisible: baio\n");
    EXPECT_TRUE(h.program().created(ScreenId::menyu));
    EXPECT_FALSE(h.program().visible(ScreenId::menyu));
}

TEST(ScriptRunner, SetReplacesTheTextAndGetQuotesIt) {
    Harness h;
    EXPECT_EQ(h.run("set baio.Text7 \"前の名前\"\n"
                    "set baio.Text7 \"山田\\t\\\"太郎\\\"\\\\\"\n"
                    "get baio.Text7\n"),
              kExitOk);
    EXPECT_EQ(h.program().screen(ScreenId::baio).text("Text7"), "山田\t\"太郎\"\\");
    EXPECT_EQ(h.out.str(), "baio.Text7 = \"山田\\t\\\"太郎\\\"\\\\\"\n");
}

TEST(ScriptRunner, SelectKeepsOneOptionOfItsFrame) {
    Harness h;
    EXPECT_EQ(h.run("select baio.Option1\nselect baio.Option3\n"
                    "get baio.Option1\nget baio.Option3\n"),
              kExitOk);
    EXPECT_EQ(h.out.str(), "baio.Option1 = \"明治\"\nbaio.Option3 = \"昭和\" selected\n");
}

TEST(ScriptRunner, DumpShowsEveryControlInCatalogueOrder) {
    Harness h;
    EXPECT_EQ(h.run("dump menyu\n"), kExitOk);
    EXPECT_EQ(h.out.str(),
              "screen menyu \"バイオリズム相性診断 Ver.2.0\" hidden\n"
              "menyu.Label1 = \"バイオリズム相性診断メニュー\"\n"
              "menyu.Command4 = \"相 性 診 断\"\n"
              "menyu.Command1 = \"バイオリズム診断\"\n"
              "menyu.Command3 = \"検      索\"\n"
              "menyu.Command5 = \"読      出\"\n"
              "menyu.Command2 = \"更　　　新\"\n"
              "menyu.Command7 = \"一　覧　表\"\n"
              "menyu.Command6 = \"終　　　了\"\n");
}

TEST(ScriptRunner, DumpShowsListsPicturesAndThePrinterDialog) {
    Harness h;
    Control& list = h.program().screen(ScreenId::sindan).control("List1");
    list.addItem("一行目");
    list.addItem("");
    h.program().screen(ScreenId::sindan).control("Picture1").canvas().line(0, 0, 1, 1);
    EXPECT_EQ(h.run("dump sindan\n"), kExitOk);
    std::string out = h.out.str();
    EXPECT_TRUE(out.starts_with("screen sindan \"バイオリズム診断\" hidden\n")) << out;
    for (std::string line : {"sindan.List1: 2 items\n  \"一行目\"\n  \"\"\n",
                             "sindan.Picture1: 1 drawing operations\n",
                             "sindan.CommonDialog2 = \"\"\n", "sindan.Label1(2) = \"身体:23日\"\n",
                             "sindan.ryouinsatu = \"ﾒｯｾｰｼﾞとｸﾞﾗﾌ印刷\"\n", "sindan.Text9 = \"\"\n"})
        EXPECT_NE(out.find(line), std::string::npos) << line;
}

TEST(ScriptRunner, ListPrintsEachItemQuoted) {
    Harness h;
    h.program().screen(ScreenId::aisyousin).control("List1").addItem("感情\t\"好調\"");
    EXPECT_EQ(h.run("list sindan.List1\nlist aisyousin.List1\nget aisyousin.List1\n"), kExitOk);
    EXPECT_EQ(h.out.str(),
              "sindan.List1: 0 items\n"
              "aisyousin.List1: 1 items\n"
              "  \"感情\\t\\\"好調\\\"\"\n"
              "aisyousin.List1 = \"\"\n");
}

TEST(ScriptRunner, CanvasPrintsTheDisplayListSinceTheLastClearing) {
    Harness h;
    Canvas& canvas = h.program().screen(ScreenId::sindan).control("Picture1").canvas();
    canvas.line(5, 5, 6, 6);
    canvas.clear();
    canvas.setScale(0, 100, 31, -100);
    canvas.setColor(12);
    canvas.setWidth(2);
    canvas.line(0.5, -0.00004, 19.99994, 100.0 / 3);
    canvas.setAutoRedraw();
    canvas.setColor(1);
    canvas.setTextPosition(1.25, -50);
    canvas.print("感情 \"28\"");
    EXPECT_EQ(h.run("canvas sindan.Picture1\ncanvas aisyousin.Picture1\n"), kExitOk);
    EXPECT_EQ(h.out.str(),
              "scale 0 100 31 -100\n"
              "line 0.5 0 19.9999 33.3333 color 12 width 2\n"
              "autoredraw\n"
              "text 1.25 -50 \"感情 \\\"28\\\"\" color 1\n");
}

// A stand-in command that asks every kind of dialog and writes what it was
// told into baio.Text7.
void askEverything(Program& p) {
    Dialogs& d = p.dialogs();
    auto word = [](bool ok) { return std::string(ok ? "ok" : "cancel"); };
    std::string told = word(d.messageBox("一", "") == Answer::Ok) + ",";
    told += word(d.messageBox("二", "題") == Answer::Ok) + ",";
    for (std::string prompt : {"名1", "名2", "名3"}) {
        auto answer = d.inputBox(prompt, "検索", "既定");
        told += (answer ? *answer : "(cancel)") + ",";
    }
    told += word(d.printerDialog()) + ",";
    told += word(d.printerDialog());
    p.screen(ScreenId::baio).setText("Text7", told);
}

TEST(ScriptRunner, AnswersAreQueuedByKindAndDefaultWhenNoneIsLeft) {
    Harness h;
    h.program().setCommand(ScreenId::baio, "Command4", askEverything);
    EXPECT_EQ(h.run("printer cancel\ninput cancel\nanswer cancel\ninput \"山田\"\n"
                    "click baio.Command4\nget baio.Text7\n"),
              kExitOk);
    EXPECT_EQ(h.out.str(),
              "msgbox \"一\" title \"\" -> cancel\n"
              "msgbox \"二\" title \"題\" -> ok\n"
              "inputbox \"名1\" title \"検索\" default \"既定\" -> cancel\n"
              "inputbox \"名2\" title \"検索\" default \"既定\" -> \"山田\"\n"
              "inputbox \"名3\" title \"検索\" default \"既定\" -> \"既定\"\n"
              "printer dialog -> cancel\n"
              "printer dialog -> ok\n"
              "baio.Text7 = \"cancel,ok,(cancel),山田,既定,cancel,ok\"\n");
}

TEST(ScriptRunner, EnterActivatesTheDefaultButton) {
    Harness h;
    h.program().setCommand(ScreenId::baio, "Command1",
                           [](Program& p) { p.screen(ScreenId::baio).setText("Text9", "実行"); });
    EXPECT_EQ(h.run("enter baio\nget baio.Text9\n"), kExitOk);
    EXPECT_EQ(h.out.str(), "baio.Text9 = \"実行\"\n");
}

TEST(ScriptRunner, TheEndOfTheProgramPrintsEndAndStopsTheScript) {
    Harness h;
    h.program().setCommand(ScreenId::baio, "Command4", [](Program& p) {
        p.dialogs().messageBox("さようなら", "");
        p.end();
    });
    EXPECT_EQ(h.run("click baio.Command4\nscreens\nbogus\n"), kExitOk);
    EXPECT_EQ(h.out.str(), "msgbox \"さようなら\" title \"\" -> ok\nend\n");
    EXPECT_EQ(h.err.str(), "");
}

TEST(ScriptRunner, TheCloseBoxOfAScreenEndsTheProgram) {
    Harness h;
    EXPECT_EQ(h.run("close baio\nscreens\n"), kExitOk);
    EXPECT_EQ(h.out.str(), "end\n");
}

TEST(ScriptRunner, AFaultInsideTheProgramIsReportedWithItsLine) {
    Harness h;
    h.program().setCommand(ScreenId::baio, "Command4",
                           [](Program&) { throw std::runtime_error("壊れた"); });
    EXPECT_EQ(h.run("screens\nclick baio.Command4\nscreens\n"), kExitFailure);
    EXPECT_EQ(h.out.str(), "visible: baio\n");
    EXPECT_EQ(h.err.str(), "script:2: プログラムの内部エラーです: 壊れた\n");
}

}  // namespace
}  // namespace bio::script
