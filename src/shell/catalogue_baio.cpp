#include <array>
#include <string>

#include "shell/baio_controls.h"
#include "shell/catalogue.h"
#include "shell/catalogue_parts.h"

namespace bio {

using namespace catalogue;

// The biorhythm input screen. Its unit labels have no names of their own in
// the design; they take the free numbers Label1..4, 6, 7 and 9..11.
ScreenDesign baioDesign() {
    ScreenDesign design;
    design.name = "baio";
    design.caption = "バイオリズム診断";
    design.width = 7860;
    design.height = 8565;
    auto& controls = design.controls;

    controls.push_back(frame("Frame3", "氏名の入力", {240, 120, 3975, 1095}));
    controls.push_back(textBox(baio::kNameBox, {840, 480, 2535, 375}, "Frame3"));

    controls.push_back(frame("Frame1", "生年月日入力", {960, 1320, 6615, 2535}));
    // Five eras close up in the frame's height: a pitch of 435 twips.
    constexpr std::array<int, kEraNames.size()> kEraWidths{975, 1095, 975, 855, 855};
    for (std::size_t i = 0; i < kEraNames.size(); ++i) {
        const int top = 300 + 435 * static_cast<int>(i);
        controls.push_back(option(baio::kEraOptions[i], std::string(kEraNames[i]),
                                  {240, top, kEraWidths[i], 375}, "Frame1"));
    }
    addDateBoxes(controls, "Frame1",
                 {{
                     {baio::kBirthBoxes[0], {1560, 1200, 615, 420}, "Label1", 2280},
                     {baio::kBirthBoxes[1], {3120, 1200, 615, 420}, "Label2", 3840},
                     {baio::kBirthBoxes[2], {4800, 1200, 615, 420}, "Label3", 5520},
                 }});

    controls.push_back(label("Label8", "番号", {240, 2760, 615, 255}));
    controls.push_back(numberBox(baio::kNumberBox, {120, 3000, 735, 375}));
    controls.push_back(button(baio::kTakeFromRegister, "セット", {120, 1920, 735, 375}));
    controls.push_back(label("Label5",
                             "生年月日を入力してから[Enter]キーを押すか，     "
                             "[バイオリズム実行]ボタンをクリックしてください.",
                             {1440, 3840, 5775, 495}));
    controls.push_back(button(baio::kRun, " バイオリズム実行", {2880, 4440, 2535, 495}));

    controls.push_back(frame("Frame5", "年齢計算", {1200, 4920, 6495, 855}));
    controls.push_back(readOnly(textBox(baio::kAgeBox, {3000, 240, 975, 375}, "Frame5")));
    controls.push_back(label("Label4", "歳です。", {4080, 360, 1095, 255}, "Frame5"));

    controls.push_back(frame("Frame4", "生年の西暦年出力", {1200, 5880, 6495, 975}));
    controls.push_back(label("Label6", "西暦", {2280, 480, 615, 255}, "Frame4"));
    controls.push_back(readOnly(textBox(baio::kWesternYearBox, {3000, 360, 975, 375}, "Frame4")));
    controls.push_back(label("Label7", "年です。", {4080, 480, 1095, 255}, "Frame4"));

    addTargetDateFrame(controls, "Frame2", {1200, 6960, 6495, 1335}, baio::kTargetDateBoxes,
                       {"Label9", "Label10", "Label11"});

    controls.push_back(button(baio::kToMenu, "メニューへ", {5640, 360, 1335, 495}));

    design.defaultButton = baio::kRun;
    design.tabOrder = {"Text7", "Option1", "Option2", "Option3",  "Option4",  "Option5",
                       "Text1", "Text2",   "Text3",   "Text12",   "Text9",    "Text8",
                       "Text4", "Text5",   "Text6",   "Command1", "Command4", "Command2"};
    return design;
}

}  // namespace bio
