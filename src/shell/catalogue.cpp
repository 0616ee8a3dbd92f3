#include "shell/catalogue.h"

#include <array>
#include <cstddef>
#include <string>
#include <utility>

#include "shell/catalogue_parts.h"

namespace bio {

const ScreenDesign& screenDesign(ScreenId id) {
    // Built once: the catalogue is fixed design data, shared by every Program.
    static const std::array<ScreenDesign, kAllScreens.size()> designs{
        baioDesign(),   sindanDesign(),    menyuDesign(),  hyoujiDesign(),
        aisyouDesign(), aisyousinDesign(), kousinDesign(), itiranDesign(),
    };
    return designs[static_cast<std::size_t>(id)];
}

namespace catalogue {

namespace {

ControlDesign control(ControlKind kind, std::string name, std::string caption, Rect rect,
                      std::string frame) {
    ControlDesign design;
    design.name = std::move(name);
    design.kind = kind;
    design.caption = std::move(caption);
    design.container = std::move(frame);
    design.rect = rect;
    return design;
}

}  // namespace

ControlDesign label(std::string name, std::string caption, Rect rect, std::string frame) {
    return control(ControlKind::Label, std::move(name), std::move(caption), rect, std::move(frame));
}

ControlDesign textBox(std::string name, Rect rect, std::string frame) {
    return control(ControlKind::TextBox, std::move(name), {}, rect, std::move(frame));
}

ControlDesign numberBox(std::string name, Rect rect, std::string frame) {
    ControlDesign design = textBox(std::move(name), rect, std::move(frame));
    design.numeric = true;
    return design;
}

ControlDesign button(std::string name, std::string caption, Rect rect) {
    return control(ControlKind::CommandButton, std::move(name), std::move(caption), rect, {});
}

ControlDesign option(std::string name, std::string caption, Rect rect, std::string frame) {
    return control(ControlKind::OptionButton, std::move(name), std::move(caption), rect,
                   std::move(frame));
}

ControlDesign checkBox(std::string name, std::string caption, Rect rect) {
    return control(ControlKind::CheckBox, std::move(name), std::move(caption), rect, {});
}

ControlDesign frame(std::string name, std::string caption, Rect rect) {
    return control(ControlKind::Frame, std::move(name), std::move(caption), rect, {});
}

ControlDesign listBox(std::string name, Rect rect) {
    return control(ControlKind::ListBox, std::move(name), {}, rect, {});
}

ControlDesign pictureBox(std::string name, Rect rect) {
    return control(ControlKind::PictureBox, std::move(name), {}, rect, {});
}

ControlDesign menuCommand(std::string name, std::string caption) {
    return control(ControlKind::MenuCommand, std::move(name), std::move(caption), {}, {});
}

ControlDesign printerDialog(std::string name) {
    return control(ControlKind::PrinterDialog, std::move(name), {}, {}, {});
}

ControlDesign indexed(ControlDesign design, int index) {
    design.index = index;
    return design;
}

ControlDesign withFont(ControlDesign design, Font font) {
    design.font = std::move(font);
    return design;
}

ControlDesign readOnly(ControlDesign design) {
    design.readOnly = true;
    return design;
}

ControlDesign spoken(ControlDesign design, std::string name) {
    design.spokenName = std::move(name);
    return design;
}

void readOnlyBoxes(ScreenDesign& design) {
    for (ControlDesign& control : design.controls)
        if (control.kind == ControlKind::TextBox) control.readOnly = true;
}

void addDateBoxes(std::vector<ControlDesign>& controls, const std::string& frame,
                  const std::array<DateBox, 3>& boxes) {
    static const std::array<const char*, 3> units{"年", "月", "日"};
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const DateBox& box = boxes[i];
        controls.push_back(numberBox(box.box, box.rect, frame));
        // Centred on the 420-twip box it follows.
        controls.push_back(
            label(box.unitLabel, units[i], {box.unitLeft, box.rect.top + 60, 375, 300}, frame));
    }
}

void addTargetDateFrame(std::vector<ControlDesign>& controls, const std::string& frameName,
                        Rect frameRect, const std::array<const char*, 3>& boxes,
                        const std::array<std::string, 3>& unitLabels) {
    controls.push_back(frame(frameName, "現在の西暦年月日入力", frameRect));
    addDateBoxes(controls, frameName,
                 {{
                     {boxes[0], {1320, 555, 855, 420}, unitLabels[0], 2280},
                     {boxes[1], {3360, 555, 495, 420}, unitLabels[1], 3960},
                     {boxes[2], {5040, 555, 495, 420}, unitLabels[2], 5520},
                 }});
}

namespace {

struct RegisterColumn {
    const char* heading;
    int left;
    int width;
    bool numeric;
};

// Number, name, era, year, month, day: as wide as the fields they show.
constexpr std::array<RegisterColumn, 6> kRegisterColumns{{
    {"番号", 120, 735, true},
    {"氏名", 960, 2175, false},
    {"元号", 3240, 855, false},
    {"年", 4200, 855, true},
    {"月", 5160, 855, true},
    {"日", 6120, 855, true},
}};

}  // namespace

void addRegisterHeadings(std::vector<ControlDesign>& controls, int top) {
    for (std::size_t c = 0; c < kRegisterColumns.size(); ++c) {
        const RegisterColumn& column = kRegisterColumns[c];
        controls.push_back(label("Label" + std::to_string(c + 1), column.heading,
                                 {column.left, top, column.width, 255}));
    }
}

void addRegisterRow(ScreenDesign& design, int row, int top) {
    for (std::size_t c = 0; c < kRegisterColumns.size(); ++c) {
        const RegisterColumn& column = kRegisterColumns[c];
        const std::string name = "Text" + std::to_string(c + 1);
        const Rect rect{column.left, top, column.width, 375};
        ControlDesign box =
            indexed(column.numeric ? numberBox(name, rect) : textBox(name, rect), row);
        design.tabOrder.push_back(controlKey(box.name, box.index));
        design.controls.push_back(std::move(box));
    }
}

}  // namespace catalogue

}  // namespace bio
