#include "shell/aisyousin_controls.h"
#include "shell/catalogue.h"
#include "shell/catalogue_parts.h"

namespace bio {

using namespace catalogue;

// The compatibility result screen: title, report list and the two persons'
// graph, stacked to fill the client area.
ScreenDesign aisyousinDesign() {
    ScreenDesign design;
    design.name = "aisyousin";
    design.caption = "相性診断メッセージ";
    design.width = 11100;
    design.height = 9255;
    design.controls = {
        withFont(label("Label1", "相性診断メッセージ", {120, 30, 3495, 300}),
                 {"富士ポップ", 11.25, true}),
        withFont(spoken(listBox(aisyousin::kList, {75, 360, 10935, 5280}), "2人の診断と相性"),
                 {"ＭＳ ゴシック", 9, true}),
        pictureBox(aisyousin::kPicture, {255, 5700, 10575, 3495}),  // ends at 9195
        menuCommand(aisyousin::kBack, "back"),
        menuCommand(aisyousin::kToMenu, "メニューへ"),
        menuCommand(aisyousin::kEnd, "終了"),
        menuCommand(aisyousin::kReport, "レポート印刷"),
        menuCommand(aisyousin::kPreviousMonth, "前月"),
        menuCommand(aisyousin::kNextMonth, "翌月"),
    };
    design.tabOrder = {"List1"};
    return design;
}

}  // namespace bio
