#include "shell/catalogue.h"
#include "shell/catalogue_parts.h"
#include "shell/menyu_controls.h"

namespace bio {

using namespace catalogue;

// The main menu: a title over a column of seven buttons, 720 twips apart.
ScreenDesign menyuDesign() {
    ScreenDesign design;
    design.name = "menyu";
    design.caption = "バイオリズム相性診断 Ver.2.0";
    design.width = 5625;
    design.height = 6240;
    design.controls = {
        withFont(label("Label1", "バイオリズム相性診断メニュー", {600, 360, 4455, 375}),
                 {"ＭＳ ゴシック", 12, true}),
        button(menyu::kCompatibility, "相 性 診 断", {1680, 1080, 2295, 495}),
        button(menyu::kBiorhythm, "バイオリズム診断", {1680, 1800, 2295, 495}),
        button(menyu::kSearch, "検      索", {1680, 2520, 2295, 495}),
        button(menyu::kBrowse, "読      出", {1680, 3240, 2295, 495}),
        button(menyu::kUpdate, "更　　　新", {1680, 3960, 2295, 495}),
        button(menyu::kOverview, "一　覧　表", {1680, 4680, 2295, 495}),
        button(menyu::kEnd, "終　　　了", {1680, 5400, 2295, 495}),
    };
    design.tabOrder = {"Command4", "Command1", "Command3", "Command5",
                       "Command2", "Command7", "Command6"};
    return design;
}

}  // namespace bio
