#include "shell/catalogue.h"

#include <array>
#include <cstddef>
#include <string>
#include <utility>

#include "shell/catalogue_parts.h"

namespace bio {

const ScreenSpec& screenSpec(ScreenId id) {
    // Built once: the catalogue is fixed design data, shared by every Program.
    static const std::array<ScreenSpec, kAllScreens.size()> specs{
        baioSpec(),   sindanSpec(),    menyuSpec(),  hyoujiSpec(),
        aisyouSpec(), aisyousinSpec(), kousinSpec(),
    };
    return specs[static_cast<std::size_t>(id)];
}

namespace catalogue {

namespace {

ControlSpec control(ControlKind kind, std::string name, std::string caption, Rect rect,
                    std::string frame) {
    ControlSpec spec;
    spec.name = std::move(name);
    spec.kind = kind;
    spec.caption = std::move(caption);
    spec.container = std::move(frame);
    spec.rect = rect;
    return spec;
}

}  // namespace

ControlSpec label(std::string name, std::string caption, Rect rect, std::string frame) {
    return control(ControlKind::Label, std::move(name), std::move(caption), rect, std::move(frame));
}

ControlSpec textBox(std::string name, Rect rect, std::string frame) {
    return control(ControlKind::TextBox, std::move(name), {}, rect, std::move(frame));
}

ControlSpec button(std::string name, std::string caption, Rect rect) {
    return control(ControlKind::CommandButton, std::move(name), std::move(caption), rect, {});
}

ControlSpec option(std::string name, std::string caption, Rect rect, std::string frame) {
    return control(ControlKind::OptionButton, std::move(name), std::move(caption), rect,
                   std::move(frame));
}

ControlSpec frame(std::string name, std::string caption, Rect rect) {
    return control(ControlKind::Frame, std::move(name), std::move(caption), rect, {});
}

ControlSpec listBox(std::string name, Rect rect) {
    return control(ControlKind::ListBox, std::move(name), {}, rect, {});
}

ControlSpec pictureBox(std::string name, Rect rect) {
    return control(ControlKind::PictureBox, std::move(name), {}, rect, {});
}

ControlSpec menuCommand(std::string name, std::string caption) {
    return control(ControlKind::MenuCommand, std::move(name), std::move(caption), {}, {});
}

ControlSpec printerDialog(std::string name) {
    return control(ControlKind::PrinterDialog, std::move(name), {}, {}, {});
}

ControlSpec indexed(ControlSpec spec, int index) {
    spec.index = index;
    return spec;
}

ControlSpec withFont(ControlSpec spec, Font font) {
    spec.font = std::move(font);
    return spec;
}

void addDateBoxes(std::vector<ControlSpec>& controls, const std::string& frame,
                  const std::array<DateBox, 3>& boxes) {
    static const std::array<const char*, 3> units{"年", "月", "日"};
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const DateBox& box = boxes[i];
        controls.push_back(textBox(box.box, box.rect, frame));
        // Centred on the 420-twip box it follows.
        controls.push_back(
            label(box.unitLabel, units[i], {box.unitLeft, box.rect.top + 60, 375, 300}, frame));
    }
}

void addTargetDateFrame(std::vector<ControlSpec>& controls, const std::string& frameName,
                        Rect frameRect, const std::array<std::string, 3>& unitLabels) {
    controls.push_back(frame(frameName, "現在の西暦年月日入力", frameRect));
    addDateBoxes(controls, frameName,
                 {{
                     {"Text4", {1320, 555, 855, 420}, unitLabels[0], 2280},
                     {"Text5", {3360, 555, 495, 420}, unitLabels[1], 3960},
                     {"Text6", {5040, 555, 495, 420}, unitLabels[2], 5520},
                 }});
}

namespace {

struct RegisterColumn {
    const char* heading;
    int left;
    int width;
};

// Number, name, era, year, month, day: as wide as the fields they show.
constexpr std::array<RegisterColumn, 6> kRegisterColumns{{
    {"番号", 120, 735},
    {"氏名", 960, 2175},
    {"元号", 3240, 855},
    {"年", 4200, 855},
    {"月", 5160, 855},
    {"日", 6120, 855},
}};

}  // namespace

void addRegisterHeadings(std::vector<ControlSpec>& controls, int top) {
    for (std::size_t c = 0; c < kRegisterColumns.size(); ++c) {
        const RegisterColumn& column = kRegisterColumns[c];
        controls.push_back(label("Label" + std::to_string(c + 1), column.heading,
                                 {column.left, top, column.width, 255}));
    }
}

void addRegisterRow(ScreenSpec& spec, int row, int top) {
    for (std::size_t c = 0; c < kRegisterColumns.size(); ++c) {
        const RegisterColumn& column = kRegisterColumns[c];
        ControlSpec box = indexed(
            textBox("Text" + std::to_string(c + 1), {column.left, top, column.width, 375}), row);
        spec.tabOrder.push_back(controlKey(box.name, box.index));
        spec.controls.push_back(std::move(box));
    }
}

}  // namespace catalogue

}  // namespace bio
