#include <array>
#include <string>

#include "shell/catalogue.h"
#include "shell/catalogue_parts.h"

namespace bio {

using namespace catalogue;

namespace {

// Where one person's frame places its name and date boxes; person 2's frame
// is shifted against person 1's.
struct PersonFrame {
    std::string frame;
    Rect rect;
    std::string nameLabel;
    std::string nameBox;
    int nameLabelLeft;
    std::array<std::string, 5> eraOptions;  // 明治, 大正, 昭和, 平成, 令和
    std::array<DateBox, 3> dateBoxes;
};

void addPersonFrame(std::vector<ControlDesign>& controls, const PersonFrame& person) {
    static const std::array<const char*, 5> eras{"明治", "大正", "昭和", "平成", "令和"};

    controls.push_back(frame(person.frame, "氏名-生年月日入力", person.rect));
    controls.push_back(
        label(person.nameLabel, "氏名", {person.nameLabelLeft, 360, 495, 255}, person.frame));
    // The name box follows its label at the same distance in both frames.
    controls.push_back(
        textBox(person.nameBox, {person.nameLabelLeft + 600, 360, 2655, 375}, person.frame));
    // Five eras close up in a column of 390-twip pitch that fits both frames.
    for (std::size_t i = 0; i < eras.size(); ++i) {
        const int top = 280 + 390 * static_cast<int>(i);
        controls.push_back(
            option(person.eraOptions[i], eras[i], {240, top, 855, 375}, person.frame));
    }
    addDateBoxes(controls, person.frame, person.dateBoxes);
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
    addPersonFrame(controls, {.frame = "Frame1",
                              .rect = {1200, 840, 6615, 2295},
                              .nameLabel = "Label4",
                              .nameBox = "Text7",
                              .nameLabelLeft = 2280,
                              .eraOptions = {"Option1", "Option2", "Option3", "Option4", "Option9"},
                              .dateBoxes = {{
                                  {"Text1", {1560, 960, 615, 420}, "Label1", 2280},
                                  {"Text2", {3000, 960, 615, 420}, "Label2", 3720},
                                  {"Text3", {4800, 960, 615, 420}, "Label3", 5520},
                              }}});
    // Person 2's date boxes are numbered against their order on screen.
    addPersonFrame(controls,
                   {.frame = "Frame5",
                    .rect = {1200, 3120, 6615, 2415},
                    .nameLabel = "Label6",
                    .nameBox = "Text8",
                    .nameLabelLeft = 2400,
                    .eraOptions = {"Option5", "Option6", "Option7", "Option8", "Option10"},
                    .dateBoxes = {{
                        {"Text11", {1440, 960, 615, 420}, "Label10", 2160},
                        {"Text10", {2880, 960, 615, 420}, "Label11", 3600},
                        {"Text9", {4680, 960, 615, 420}, "Label12", 5400},
                    }}});
    addTargetDateFrame(controls, "Frame2", {1200, 5640, 6495, 1335},
                       {"Label13", "Label14", "Label15"});

    controls.push_back(label("Label8", "番 号", {360, 2280, 615, 255}));
    controls.push_back(textBox("Text12", {240, 2520, 735, 375}));
    controls.push_back(button("Command4", "セット１", {120, 1440, 975, 375}));
    controls.push_back(label("Label9", "番 号", {360, 4560, 615, 255}));
    controls.push_back(textBox("Text13", {240, 4800, 735, 375}));
    controls.push_back(button("Command5", "セット２", {120, 3600, 975, 375}));
    controls.push_back(button("Command2", "登録", {4800, 360, 975, 495}));
    controls.push_back(button("Command3", "メニューへ", {6120, 360, 1335, 495}));
    controls.push_back(button("Command1", " 相 性 診 断 実 行", {3000, 7800, 2535, 495}));
    controls.push_back(label("Label5",
                             "２人の生年月日を入力してから "
                             "[相性診断実行]ボタンをクリックしてください.",
                             {1560, 7080, 5775, 495}));

    design.defaultButton = "Command1";
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
