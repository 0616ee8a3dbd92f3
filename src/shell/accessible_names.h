#pragma once
// What a screen reader says for each control, worked out from the design
// alone: a text box is named by its frame and by the labels beside or above
// it, a frame by its caption, anything with a caption by that caption, all
// without the blanks that only space captions out, and what belongs to one
// of two persons by whose it is. A control added to a catalogue is named
// with no further work, unless the catalogue gives it a spoken name because
// its neighbours would name it wrongly.

#include <string>
#include <vector>

#include "ui/screen.h"

namespace bio {

struct DesignName {
    std::string name;
    // A label that names a box: that box's key (a column's heading: the
    // nearest box); empty for anything else.
    std::string labelFor;
};

// One per control, in catalogue order.
std::vector<DesignName> designNames(const ScreenDesign& design);

struct AccessibleText {
    std::string name;
    std::string description;  // lines joined by "\n"
};

// A control's name and description now: a picture says what its drawing
// shows once the drawing says it; anything else is named by the design.
AccessibleText accessibleText(const Control& control, const DesignName& designName);

}  // namespace bio
