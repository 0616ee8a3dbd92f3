#include "shell/catalogue.h"
#include "shell/catalogue_parts.h"
#include "shell/sindan_controls.h"

namespace bio {

using namespace catalogue;

// The biorhythm result screen: day counts, weekdays, the diagnosis list, the
// month graph and a menu bar of print and navigation commands.
ScreenDesign sindanDesign() {
    const Font gothic9{"ＭＳ ゴシック", 9, true};
    const Font gothic975{"ＭＳ ゴシック", 9.75, true};
    const Font gothic1125{"ＭＳ ゴシック", 11.25, true};

    ScreenDesign design;
    design.name = "sindan";
    design.caption = "バイオリズム診断";
    design.width = 10665;
    design.height = 8265;
    design.font = {"ＭＳ ゴシック", 12, true};
    design.background = Rgb{255, 224, 192};
    design.controls = {
        frame("Frame5", "バイオリズム計算", {120, 120, 6975, 975}),
        withFont(label("Label10", "生まれてから今日までの日数", {240, 360, 1815, 495}, "Frame5"),
                 gothic975),
        textBox(sindan::kDaysBox, {2040, 360, 975, 375}, "Frame5"),
        label("Label4", "感情", {3120, 360, 615, 375}, "Frame5"),
        textBox(sindan::kEmotionBox, {3720, 360, 495, 390}, "Frame5"),
        label("Label8", "知性", {4440, 360, 615, 375}, "Frame5"),
        textBox(sindan::kIntellectBox, {5040, 360, 495, 375}, "Frame5"),
        label("Label9", "身体", {5760, 360, 615, 375}, "Frame5"),
        textBox(sindan::kBodyBox, {6360, 360, 495, 375}, "Frame5"),

        withFont(label("Label2", "誕生日は", {7320, 480, 975, 375}), gothic975),
        withFont(textBox(sindan::kBirthWeekdayBox, {8280, 360, 855, 375}), gothic1125),

        withFont(frame("Frame1", "周期", {9240, 120, 1215, 1095}), gothic975),
        withFont(indexed(label("Label1", "感情:28日", {120, 240, 975, 255}, "Frame1"), 0), gothic9),
        withFont(indexed(label("Label1", "知性:33日", {120, 480, 975, 255}, "Frame1"), 1), gothic9),
        withFont(indexed(label("Label1", "身体:23日", {120, 720, 975, 255}, "Frame1"), 2), gothic9),

        withFont(spoken(listBox(sindan::kList, {120, 1320, 10455, 2400}), "診断メッセージ"),
                 gothic9),

        // "[12]月1日：[火曜日]" reads as one line; said box by box, each box
        // names its own part of it.
        spoken(textBox(sindan::kMonthBox, {360, 3840, 375, 360}), "グラフの月"),
        label("Label3", "月1日：", {720, 3840, 975, 375}),
        spoken(textBox(sindan::kFirstWeekdayBox, {1560, 3840, 975, 345}), "1日の曜日"),
        pictureBox(sindan::kPicture, {120, 4320, 10455, 3735}),
        printerDialog("CommonDialog2"),

        menuCommand(sindan::kPrintMessage, "メッセージ印刷"),
        menuCommand(sindan::kPrintGraph, "グラフ印刷"),
        menuCommand(sindan::kPrintBoth, "ﾒｯｾｰｼﾞとｸﾞﾗﾌ印刷"),
        menuCommand(sindan::kReport, "レポート印刷"),
        menuCommand(sindan::kToMenu, "メニューへ"),
        menuCommand(sindan::kBack, "データセット画面へ"),
        menuCommand(sindan::kPreviousMonth, "前月"),
        menuCommand(sindan::kNextMonth, "翌月"),
        menuCommand(sindan::kCalendarExport, "カレンダー書き出し"),
    };
    // The run fills every box; the screen opens on the diagnosis.
    readOnlyBoxes(design);
    design.tabOrder = {"Text9", "Text10", "Text11", "Text12", "Text1", "List1", "Text3", "Text2"};
    design.firstFocus = sindan::kList;
    return design;
}

}  // namespace bio
