#include "shell/catalogue.h"
#include "shell/catalogue_parts.h"
#include "shell/register_controls.h"

namespace bio {

using namespace catalogue;

// One register record to type: six headed boxes in the columns of hyouji.
ScreenDesign kousinDesign() {
    ScreenDesign design;
    design.name = "kousin";
    design.caption = "更新";
    design.width = 7440;
    design.height = 2220;
    design.controls.push_back(
        label("Label7", "更新データ入力後更新ボタンをクリックしてください", {120, 120, 6855, 255}));
    addRegisterHeadings(design.controls, 480);
    addRegisterRow(design, 0, 780);
    design.controls.push_back(button(kousin::kUpdate, "更　新", {4200, 1440, 1095, 495}));
    design.controls.push_back(button(kousin::kToMenu, "メニューへ", {5640, 1440, 1335, 495}));
    design.tabOrder.insert(design.tabOrder.end(), {"Command2", "Command1"});
    return design;
}

}  // namespace bio
