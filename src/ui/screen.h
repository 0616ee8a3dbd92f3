#pragma once
// A screen of the headless model: a captioned set of controls with created and
// visible flags. Behaviour lives in the procedures, never here.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/control.h"

namespace bio {

struct Rgb {
    int r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

struct ScreenDesign {
    std::string name;
    std::string caption;
    int width = 0, height = 0;  // client area in twips, below any menu bar
    Font font{"ＭＳ ゴシック", 9, false};
    std::optional<Rgb> background;
    std::vector<ControlDesign> controls;  // catalogue order
    std::string defaultButton;            // key of the button Enter activates
    std::vector<std::string> tabOrder;    // keys, first holds the focus on opening
    std::string closeCommand;             // what the close box clicks; empty: it ends the program
    // Holds the focus on opening instead of the first of the tab order.
    std::string firstFocus;
};

class Screen {
  public:
    explicit Screen(const ScreenDesign& design);

    const ScreenDesign& design() const { return design_; }
    const std::string& name() const { return design_.name; }
    const std::string& caption() const { return design_.caption; }

    bool visible() const { return visible_; }
    void setVisible(bool visible) { visible_ = visible; }

    // Controls by key ("Text1", "Text1(3)"); nullptr when the screen has none.
    Control* find(const std::string& key);
    const Control* find(const std::string& key) const;
    // The control must exist: a missing one is a programming error.
    Control& control(const std::string& name);
    const Control& control(const std::string& name) const;
    Control& control(const std::string& name, int index);
    const Control& control(const std::string& name, int index) const;

    const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }

    // Text of a text box, caption of anything else.
    const std::string& text(const std::string& key) const { return control(key).text(); }
    void setText(const std::string& key, std::string text) {
        control(key).setText(std::move(text));
    }

    // Selects an option button and deselects the others of its frame.
    void select(const std::string& optionKey);

  private:
    const ScreenDesign& design_;
    std::vector<std::unique_ptr<Control>> controls_;
    bool visible_ = false;
};

}  // namespace bio
