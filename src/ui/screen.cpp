#include "ui/screen.h"

#include <stdexcept>

namespace bio {

Screen::Screen(const ScreenDesign& design) : design_(design) {
    controls_.reserve(design.controls.size());
    for (const auto& control : design.controls)
        controls_.push_back(std::make_unique<Control>(control));
}

Control* Screen::find(const std::string& key) {
    for (auto& control : controls_)
        if (control->key() == key) return control.get();
    return nullptr;
}

const Control* Screen::find(const std::string& key) const {
    return const_cast<Screen*>(this)->find(key);
}

Control& Screen::control(const std::string& name) {
    if (Control* found = find(name)) return *found;
    throw std::logic_error("screen " + design_.name + " has no control " + name);
}

Control& Screen::control(const std::string& name, int index) {
    return control(controlKey(name, index));
}

void Screen::select(const std::string& optionKey) {
    Control& chosen = control(optionKey);
    for (auto& other : controls_) {
        if (other->kind() == ControlKind::OptionButton &&
            other->design().container == chosen.design().container)
            other->setSelectedFlag(false);
    }
    chosen.setSelectedFlag(true);
}

}  // namespace bio
