#include "shell/accessible_names.h"

#include <gtest/gtest.h>

#include <set>

#include "shell/catalogue.h"
#include "shell/catalogue_parts.h"

namespace bio {
namespace {

// Captions as a screen reader says them: the blanks that space Japanese out
// go, one blank between Latin words stays.
TEST(AccessibleNames, DropTheBlanksThatOnlySpaceACaptionOut) {
    const std::vector<std::pair<std::string, std::string>> captions{
        {"検      索", "検索"},
        {"更　　　新", "更新"},
        {" バイオリズム実行", "バイオリズム実行"},
        {"Ver.2.0  はじめに", "Ver.2.0はじめに"},
        {"CSV  UTF-8 で書き出し", "CSV UTF-8で書き出し"},
        {"　", ""},
    };
    ScreenDesign design;
    for (const auto& [caption, spoken] : captions)
        design.controls.push_back(catalogue::button("Command1", caption, {}));
    const std::vector<DesignName> names = designNames(design);
    for (std::size_t i = 0; i < captions.size(); ++i)
        EXPECT_EQ(names[i].name, captions[i].second) << captions[i].first;
}

// What a screen reader's user moves to on a screen is told apart by its name
// alone: no two such controls share one (the month box and the weekday box,
// the two persons' era options), and none holding something is named by
// the window's title, which the reader has already said.
TEST(AccessibleNames, TellEveryControlOfAScreenApart) {
    for (ScreenId id : kAllScreens) {
        const ScreenDesign& design = screenDesign(id);
        const std::vector<DesignName> names = designNames(design);
        std::set<std::string> seen;
        for (std::size_t i = 0; i < names.size(); ++i) {
            const ControlDesign& control = design.controls[i];
            const std::string where = design.name + "." + controlKey(control.name, control.index);
            if (control.kind == ControlKind::Label || control.kind == ControlKind::Frame ||
                control.kind == ControlKind::PrinterDialog)
                continue;
            EXPECT_TRUE(seen.insert(names[i].name).second) << where << " " << names[i].name;
            if (control.kind == ControlKind::ListBox || control.kind == ControlKind::TextBox) {
                EXPECT_NE(names[i].name, design.caption) << where;
            }
        }
    }
}

}  // namespace
}  // namespace bio
