#include "view/control_rects.h"

#include <gtest/gtest.h>

#include "shell/catalogue.h"
#include "shell/catalogue_parts.h"

namespace bio {
namespace {

using namespace catalogue;

bool overlap(const PixelRect& a, const PixelRect& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

// The slivers by which the design lays neighbours over each other come off
// the one that gives way; a frame keeps what it holds, placed by its corner.
TEST(ControlRects, TakeTheDesignsSliversOffWhatGivesWay) {
    ScreenDesign design;
    design.controls = {
        label("Label8", "番号", {240, 2760, 615, 255}),     // over its box's top by 15
        textBox("Text12", {120, 3000, 735, 375}),           //
        textBox("Text3", {360, 3840, 375, 360}),            //
        label("Label3", "月1日：", {720, 3840, 975, 375}),  // over the box before it by 15
        frame("Frame5", "年齢計算", {1200, 4920, 6495, 855}),
        button("Command1", "実行", {2880, 4440, 2535, 495}),  // over the frame's edge by 15
        textBox("Text9", {3000, 240, 975, 375}, "Frame5"),
        label("Label1", "感情", {120, 5880, 975, 255}),
        label("Label2", "知性", {120, 6120, 975, 255}),  // under the label above by 15
        menuCommand("menyuhe", "メニューへ"),
    };
    const std::vector<PixelRect> at = controlRects(design, 96);
    const std::vector<PixelRect> expected{
        {16, 184, 41, 16},                        // ends where its box begins
        {8, 200, 49, 25},                         //
        {24, 256, 25, 24},                        //
        {49, 256, 64, 25},                        // begins where the box before it ends
        {80, 329, 433, 56},                       // begins under the button
        {192, 296, 169, 33}, {280, 344, 65, 25},  // by the frame's corner
        {8, 392, 65, 16},                         // ends where the label under it begins
        {8, 408, 65, 17},    {},
    };
    ASSERT_EQ(at.size(), expected.size());
    for (std::size_t i = 0; i < at.size(); ++i) {
        EXPECT_EQ(at[i], expected[i]) << design.controls[i].name << " " << at[i].left << ","
                                      << at[i].top << " " << at[i].width << "x" << at[i].height;
    }
}

// On every screen, at 100 and 150 %, no two controls meet but a frame and
// what it holds.
TEST(ControlRects, LeaveNoControlOverAnother) {
    for (ScreenId id : kAllScreens) {
        const ScreenDesign& design = screenDesign(id);
        for (double dpi : {96.0, 144.0}) {
            const std::vector<PixelRect> at = controlRects(design, dpi);
            for (std::size_t i = 0; i < at.size(); ++i) {
                for (std::size_t j = i + 1; j < at.size(); ++j) {
                    const auto held = [&](std::size_t f, std::size_t c) {
                        return design.controls[f].kind == ControlKind::Frame &&
                               contains(at[f], at[c]);
                    };
                    if (held(i, j) || held(j, i)) continue;
                    EXPECT_FALSE(overlap(at[i], at[j]))
                        << design.name << " at " << dpi << ": " << design.controls[i].name << " "
                        << design.controls[j].name;
                }
            }
        }
    }
}

}  // namespace
}  // namespace bio
