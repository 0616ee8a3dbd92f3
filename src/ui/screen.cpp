#include "ui/screen.h"

#include <stdexcept>
#include <utility>

namespace bio {

Screen::Screen(const ScreenDesign& design) : design_(design) {
    controls_.reserve(design.controls.size());
    for (const auto& control : design.controls)
        controls_.push_back(std::make_unique<Control>(control));
}

const Control* Screen::find(const std::string& key) const {
    for (const auto& control : controls_)
        if (control->key() == key) return control.get();
    return nullptr;
}

Control* Screen::find(const std::string& key) {
    return const_cast<Control*>(std::as_const(*this).find(key));
}

const Control& Screen::control(const std::string& name) const {
    if (const Control* found = find(name)) return *found;
    throw std::logic_error("screen " + design_.name + " has no control " + name);
}

Control& Screen::control(const std::string& name) {
    return const_cast<Control&>(std::as_const(*this).control(name));
}

const Control& Screen::control(const std::string& name, int index) const {
    return control(controlKey(name, index));
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
