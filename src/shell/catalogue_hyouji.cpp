#include "shell/catalogue.h"
#include "shell/catalogue_parts.h"

namespace bio {

using namespace catalogue;

// Ten register records under a header row; listed row by row, as they read.
ScreenSpec hyoujiSpec() {
    ScreenSpec spec;
    spec.name = "hyouji";
    spec.caption = "表示画面";
    spec.width = 7335;
    spec.height = 6345;
    addRegisterHeadings(spec.controls, 600);
    for (int row = 0; row < 10; ++row) addRegisterRow(spec, row, 960 + 480 * row);  // 960..5280
    // Right-aligned with the last column, under row 9 (which ends at 5655).
    spec.controls.push_back(button("Command1", "メニューへ", {5640, 5760, 1335, 495}));
    spec.tabOrder.push_back("Command1");
    return spec;
}

}  // namespace bio
