#include "shell/accessible_names.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace bio
