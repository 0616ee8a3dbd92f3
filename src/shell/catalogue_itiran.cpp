#include "shell/catalogue.h"
#include "shell/catalogue_parts.h"
#include "shell/itiran_controls.h"

namespace bio {

using namespace catalogue;

// The whole register for one day: the day shown over a list wide enough for a
// person line of a ten-character name and three verdicts, and tall enough for
// the first line and ten persons; more scroll.
ScreenDesign itiranDesign() {
    ScreenDesign design;
    design.name = "itiran";
    design.caption = "今日のバイオリズム一覧";
    design.width = 9600;
    design.height = 4140;
    auto& controls = design.controls;

    controls.push_back(label("Label1", "基準日", {240, 300, 735, 300}));
    addDateBoxes(controls, {},
                 {{
                     {itiran::kDayBoxes[0], {1080, 240, 855, 420}, "Label2", 2040},
                     {itiran::kDayBoxes[1], {2520, 240, 495, 420}, "Label3", 3120},
                     {itiran::kDayBoxes[2], {3600, 240, 495, 420}, "Label4", 4200},
                 }});
    controls.push_back(button(itiran::kShow, "表示", {4920, 203, 1335, 495}));
    controls.push_back(
        button(itiran::kCalendarExport, "カレンダー書き出し", {6375, 203, 2535, 495}));
    controls.push_back(
        withFont(spoken(listBox(itiran::kList, {120, 840, 9360, 2580}), "登録者全員の診断"),
                 {"ＭＳ ゴシック", 9, true}));
    // Under the list, beside "メニューへ", with room for the caption to grow.
    controls.push_back(checkBox(itiran::kLoginNotice, "ログイン時に今日の要注意日を知らせる",
                                {120, 3600, 6000, 375}));
    controls.push_back(button(itiran::kToMenu, "メニューへ", {8145, 3540, 1335, 495}));

    design.defaultButton = itiran::kShow;
    design.tabOrder = {"Text1",    "Text2", "Text3",  "Command1",
                       "Command3", "List1", "Check1", "Command2"};
    design.closeCommand = itiran::kToMenu;
    return design;
}

}  // namespace bio
