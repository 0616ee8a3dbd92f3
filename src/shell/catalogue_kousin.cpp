#include "shell/catalogue.h"
#include "shell/catalogue_parts.h"

namespace bio {

using namespace catalogue;

// One register record to type: six headed boxes in the columns of hyouji.
ScreenSpec kousinSpec() {
    ScreenSpec spec;
    spec.name = "kousin";
    spec.caption = "更新";
    spec.width = 7440;
    spec.height = 2220;
    spec.controls.push_back(
        label("Label7", "更新データ入力後更新ボタンをクリックしてください", {120, 120, 6855, 255}));
    addRegisterHeadings(spec.controls, 480);
    addRegisterRow(spec, 0, 780);
    spec.controls.push_back(button("Command2", "更　新", {4200, 1440, 1095, 495}));
    spec.controls.push_back(button("Command1", "メニューへ", {5640, 1440, 1335, 495}));
    spec.tabOrder.insert(spec.tabOrder.end(), {"Command2", "Command1"});
    return spec;
}

}  // namespace bio
