#include "ui/control.h"

namespace bio {

const char* controlKindName(ControlKind kind) {
    switch (kind) {
        case ControlKind::Label: return "label";
        case ControlKind::TextBox: return "text box";
        case ControlKind::CommandButton: return "command button";
        case ControlKind::OptionButton: return "option button";
        case ControlKind::Frame: return "frame";
        case ControlKind::ListBox: return "list box";
        case ControlKind::PictureBox: return "picture box";
        case ControlKind::MenuCommand: return "menu command";
        case ControlKind::PrinterDialog: return "printer dialog";
    }
    return "control";
}

std::string controlKey(const std::string& name, std::optional<int> index) {
    return index ? name + "(" + std::to_string(*index) + ")" : name;
}

Control::Control(ControlSpec spec)
    : spec_(std::move(spec)), key_(controlKey(spec_.name, spec_.index)) {
    // Text boxes start empty; everything else shows its design caption.
    if (spec_.kind != ControlKind::TextBox) text_ = spec_.caption;
}

}  // namespace bio
