#include "ui/screen.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace bio {
namespace {

ScreenDesign twoFrames() {
    ScreenDesign design;
    design.name = "test";
    design.caption = "テスト";
    design.controls = {
        {"Frame1", {}, ControlKind::Frame, "人1", "", {}, {}},
        {"Option1", {}, ControlKind::OptionButton, "明治", "Frame1", {}, {}},
        {"Option2", {}, ControlKind::OptionButton, "大正", "Frame1", {}, {}},
        {"Frame2", {}, ControlKind::Frame, "人2", "", {}, {}},
        {"Option5", {}, ControlKind::OptionButton, "明治", "Frame2", {}, {}},
        {"Text1", 0, ControlKind::TextBox, "", "", {}, {}},
        {"Text1", 1, ControlKind::TextBox, "", "", {}, {}},
        {"Label1", {}, ControlKind::Label, "番号", "", {}, {}},
    };
    return design;
}

TEST(Screen, OptionButtonsAreExclusiveWithinTheirFrameOnly) {
    ScreenDesign design = twoFrames();
    Screen screen(design);
    EXPECT_FALSE(screen.control("Option1").selected());  // none selected at first

    screen.select("Option5");
    screen.select("Option1");
    screen.select("Option2");
    EXPECT_FALSE(screen.control("Option1").selected());
    EXPECT_TRUE(screen.control("Option2").selected());
    EXPECT_TRUE(screen.control("Option5").selected());
}

TEST(Screen, IndexedGroupsAreAddressedByIndex) {
    ScreenDesign design = twoFrames();
    Screen screen(design);
    screen.control("Text1", 1).setText("山田");
    EXPECT_EQ(screen.text("Text1(1)"), "山田");
    EXPECT_EQ(screen.text("Text1(0)"), "");
    EXPECT_EQ(screen.find("Text1"), nullptr);
    EXPECT_EQ(screen.find("Text1(2)"), nullptr);
    EXPECT_THROW(screen.control("Text9"), std::logic_error);
}

TEST(Screen, TextBoxesStartEmptyAndOtherControlsShowTheirCaption) {
    ScreenDesign design = twoFrames();
    design.controls[5].caption = "design text";
    Screen screen(design);
    EXPECT_EQ(screen.text("Text1(0)"), "");
    EXPECT_EQ(screen.text("Label1"), "番号");
    EXPECT_EQ(screen.text("Option1"), "明治");
    EXPECT_FALSE(screen.visible());
}

}  // namespace
}  // namespace bio
