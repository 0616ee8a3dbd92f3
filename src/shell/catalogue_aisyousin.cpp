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
        withFont(listBox("List1", {75, 360, 10935, 5280}), {"ＭＳ ゴシック", 9, true}),
        pictureBox("Picture1", {255, 5700, 10575, 3495}),  // ends at 9195
        menuCommand("back", "back"),
        menuCommand("mnback", "メニューへ"),
        menuCommand("syuuryou", "終了"),
        menuCommand("repoto", "レポート印刷"),
        menuCommand("zengetu", "前月"),
        menuCommand("yokugetu", "翌月"),
    };
    design.tabOrder = {"List1"};
    return design;
}

}  // namespace bio
