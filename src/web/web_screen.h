#pragma once
// One screen's window in the page: built once from the screen's catalogue,
// then kept equal to the model by sending the page only what changed.

#include <optional>
#include <string>
#include <vector>

#include "shell/accessible_names.h"
#include "shell/screen_id.h"
#include "view/program_windows.h"

namespace bio {

class WebScreen : public ScreenView {
  public:
    WebScreen(ScreenId id, const ScreenDesign& design, WindowInput input);

    // What the user did in this window, handed on to the model.
    const WindowInput& input() const { return input_; }
    // A window built ahead of its screen gets its input once the screen is made.
    void attach(WindowInput input) { input_ = std::move(input); }

    void mirror(const Screen& screen) override;
    void open(const std::optional<PixelPoint>& place) override;
    void hide() override;
    bool isVisible() const override { return visible_; }
    bool opened() const override { return opened_; }
    // The page lays its screens out itself: no window stands anywhere.
    PixelPoint position() const override { return {}; }
    PixelSize frameSize() const override { return size_; }

  private:
    // What the page shows of one control.
    struct Shown {
        std::string text;
        bool selected = false, checked = false;
        std::vector<std::string> items, highlights;
        std::vector<CanvasOp> drawing;
        std::string description;
    };

    void build(const ScreenDesign& design);
    void mirrorPicture(const char* key, const Control& control, const DesignName& name,
                       Shown& shown);

    int id_;
    WindowInput input_;
    std::vector<DesignName> names_;
    std::vector<Shown> shown_;  // by control, in catalogue order
    PixelSize size_;
    bool visible_ = false, opened_ = false;
};

}  // namespace bio
