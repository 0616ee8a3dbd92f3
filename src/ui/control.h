#pragma once
// One control of a screen: its kind, its text (the text of a text box or the
// caption of anything else), selection, list items or canvas.

#include <optional>
#include <string>
#include <vector>

#include "ui/canvas.h"

namespace bio {

enum class ControlKind {
    Label,
    TextBox,
    CommandButton,
    OptionButton,
    CheckBox,
    Frame,
    ListBox,
    PictureBox,
    MenuCommand,
    PrinterDialog,  // a component without a window of its own
};

// Position and size in twips (1/1440 inch), relative to the container.
struct Rect {
    int left = 0, top = 0, width = 0, height = 0;
};

struct Font {
    std::string family;
    double points = 9;
    bool bold = false;
};

struct ControlDesign {
    std::string name;
    std::optional<int> index;  // member of an indexed group
    ControlKind kind = ControlKind::Label;
    std::string caption;
    std::string container;  // key of the frame that holds it, empty for the screen
    Rect rect;
    std::optional<Font> font;  // the screen's font when absent
    bool readOnly = false;     // a text box the program writes and the user only reads
    bool numeric = false;      // a text box for a number: a phone offers its digit keys
    // What a screen reader says where the labels around it would mislead;
    // empty: worked out from the design (shell/accessible_names.h).
    std::string spokenName{};
};

// "Text1" or "Text1(3)".
std::string controlKey(const std::string& name, std::optional<int> index);

class Control {
  public:
    explicit Control(ControlDesign design);

    const ControlDesign& design() const { return design_; }
    const std::string& key() const { return key_; }
    ControlKind kind() const { return design_.kind; }

    const std::string& text() const { return text_; }
    void setText(std::string text) { text_ = std::move(text); }

    bool selected() const { return selected_; }
    // Only the screen changes selection, so that a frame's group stays exclusive.
    void setSelectedFlag(bool selected) { selected_ = selected; }

    // A check box's tick.
    bool checked() const { return checked_; }
    void setChecked(bool checked) { checked_ = checked; }

    const std::vector<std::string>& items() const { return items_; }
    // An item with a highlight stands out on the screen (the desktop view shows
    // it in red); the highlight says in words why, for those who cannot see the
    // colour. Its text is the same.
    void addItem(std::string item, std::string highlight = {}) {
        items_.push_back(std::move(item));
        highlights_.push_back(std::move(highlight));
    }
    const std::vector<std::string>& highlights() const { return highlights_; }
    void clearItems() {
        items_.clear();
        highlights_.clear();
    }

    Canvas& canvas() { return canvas_; }
    const Canvas& canvas() const { return canvas_; }

  private:
    ControlDesign design_;
    std::string key_;
    std::string text_;
    bool selected_ = false;
    bool checked_ = false;
    std::vector<std::string> items_;
    std::vector<std::string> highlights_;  // by item, empty for none
    Canvas canvas_;
};

}  // namespace bio
