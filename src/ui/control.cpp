#include "ui/control.h"

namespace bio {

std::string controlKey(const std::string& name, std::optional<int> index) {
    return index ? name + "(" + std::to_string(*index) + ")" : name;
}

Control::Control(ControlDesign design)
    : design_(std::move(design)), key_(controlKey(design_.name, design_.index)) {
    // Text boxes start empty; everything else shows its design caption.
    if (design_.kind != ControlKind::TextBox) text_ = design_.caption;
}

}  // namespace bio
