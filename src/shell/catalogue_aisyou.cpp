#include <array>
#include <string>

#include "shell/aisyou_controls.h"
#include "shell/catalogue.h"
#include "shell/catalogue_parts.h"

namespace bio {

using namespace catalogue;

namespace {

// Where one person's frame places its name and date boxes; person 2's frame
// is shifted against person 1's.
struct PersonFrame {
    const aisyou::PersonControls& controls;
    Rect rect;
    std::string nameLabel;
    int nameLabelLeft;
    std::array<int, 3> dateBoxLefts;
    std::array<std::string, 3> unitLabels;  // behind the year, month and day
};

void addPersonFrame(std::vector<ControlDesign>& controls, const PersonFrame& person) {
    const std::string frameName = person.controls.frame;
    controls.push_back(frame(frameName, "氏名-生年月日入力", person.rect));
    controls.push_back(
        label(person.nameLabel, "氏名", {person.nameLabelLeft, 360, 495, 255}, frameName));
    // The name box follows its label at the same distance in both frames.
    controls.push_back(
        textBox(person.controls.nameBox, {person.nameLabelLeft + 600, 360, 2655, 375}, frameName));
    // Five eras close up in a column of 390-twip pitch that fits both frames.
    for (std::size_t i = 0; i < kEraNames.size(); ++i) {
        const int top = 280 + 390 * static_cast<int>(i);
        controls.push_back(option(person.controls.eraOptions[i], std::string(kEraNames[i]),
                                  {240, top, 855, 375}, frameName));
    }
    std::array<DateBox, 3> boxes;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const int left = person.dateBoxLefts[i];
        // Each unit label sits right behind its box.
        boxes[i] = {
            person.controls.birthBoxes[i], {left, 960, 615, 420}, person.unitLabels[i], left + 720};
    }
    addDateBoxes(controls, frameName, boxes);
}

}  // namespace

// The compatibility input screen. The unit labels behind the date boxes have
// no names of their own in the design; they take Label1..3 and Label10..15.
ScreenDesign aisyouDesign() {
    ScreenDesign design;
    design.name = "aisyou";
    design.caption = "相性診断";
    design.width = 7935;
    design.height = 8595;
    auto& controls = design.controls;

    controls.push_back(withFont(label("Label7", "相 性 診 断", {480, 240, 2415, 495}),
                                {"ＭＳ ゴシック", 14, true}));
    addPersonFrame(controls, {.controls = aisyou::kPerson1,
                              .rect = {1200, 840, 6615, 2295},
                              .nameLabel = "Label4",
                              .nameLabelLeft = 2280,
                              .dateBoxLefts = {1560, 3000, 4800},
                              .unitLabels = {"Label1", "Label2", "Label3"}});
    addPersonFrame(controls, {.controls = aisyou::kPerson2,
                              .rect = {1200, 3120, 6615, 2415},
                              .nameLabel = "Label6",
                              .nameLabelLeft = 2400,
                              .dateBoxLefts = {1440, 2880, 4680},
                              .unitLabels = {"Label10", "Label11", "Label12"}});
    addTargetDateFrame(controls, "Frame2", {1200, 5640, 6495, 1335}, aisyou::kTargetDateBoxes,
                       {"Label13", "Label14", "Label15"});

    controls.push_back(label("Label8", "番 号", {360, 2280, 615, 255}));
    controls.push_back(numberBox(aisyou::kPerson1.numberBox, {240, 2520, 735, 375}));
    controls.push_back(
        button(aisyou::kPerson1.takeFromRegister, "セット１", {120, 1440, 975, 375}));
    controls.push_back(label("Label9", "番 号", {360, 4560, 615, 255}));
    controls.push_back(numberBox(aisyou::kPerson2.numberBox, {240, 4800, 735, 375}));
    controls.push_back(
        button(aisyou::kPerson2.takeFromRegister, "セット２", {120, 3600, 975, 375}));
    controls.push_back(button(aisyou::kRegister, "登録", {4800, 360, 975, 495}));
    controls.push_back(button(aisyou::kToMenu, "メニューへ", {6120, 360, 1335, 495}));
    controls.push_back(button(aisyou::kRun, " 相 性 診 断 実 行", {3000, 7800, 2535, 495}));
    controls.push_back(label("Label5",
                             "２人の生年月日を入力してから "
                             "[相性診断実行]ボタンをクリックしてください.",
                             {1560, 7080, 5775, 495}));

    design.defaultButton = aisyou::kRun;
    // As designed: "登録" holds the focus when the screen opens. 令和 follows
    // 平成 in each frame.
    design.tabOrder = {"Command2", "Text7",   "Text1",    "Text2",    "Text3",    "Text8",
                       "Text11",   "Text10",  "Text9",    "Command3", "Command1", "Text6",
                       "Text5",    "Text4",   "Option4",  "Option9",  "Option3",  "Option2",
                       "Option1",  "Option5", "Option6",  "Option7",  "Option8",  "Option10",
                       "Text12",   "Text13",  "Command4", "Command5"};
    return design;
}

}  // namespace bio
