#include "shell/catalogue.h"
#include "shell/catalogue_parts.h"
#include "shell/register_controls.h"

namespace bio {

using namespace catalogue;

// Ten register records under a header row; listed row by row, as they read.
ScreenDesign hyoujiDesign() {
    ScreenDesign design;
    design.name = "hyouji";
    design.caption = "表示画面";
    design.width = 7335;
    design.height = 6345;
    addRegisterHeadings(design.controls, 600);
    for (int row = 0; row < hyouji::kRows; ++row)
        addRegisterRow(design, row, 960 + 480 * row);  // 960..5280
    // Under row 9 (which ends at 5655): the register in and out of
    // spreadsheets, then "メニューへ" right-aligned with the last column.
    design.controls.push_back(button(hyouji::kExport, "CSVへ書き出し", {1800, 5760, 1815, 495}));
    design.controls.push_back(button(hyouji::kImport, "CSVから読み込み", {3720, 5760, 1815, 495}));
    design.controls.push_back(button(hyouji::kToMenu, "メニューへ", {5640, 5760, 1335, 495}));
    for (const char* command : {hyouji::kExport, hyouji::kImport, hyouji::kToMenu})
        design.tabOrder.push_back(command);
    readOnlyBoxes(design);  // search and browse fill the rows
    design.closeCommand = hyouji::kToMenu;
    return design;
}

}  // namespace bio
