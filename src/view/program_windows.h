#pragma once
// The windows of the whole program, the same in every desktop front end: one
// window per created screen, kept equal to the model after every user action
// and before every modal dialog. A screen that replaces another takes its
// window's place, so the program feels like one window; the first window of a
// run stands where the last one stood when the program last ended. The front
// end makes the windows and knows the screens; the model decides the rest.

#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "shell/program.h"
#include "view/window_placement.h"

namespace bio {

// What the user did in a window.
struct WindowInput {
    std::function<void(const std::string& key, const std::string& text)> typed;
    std::function<void(const std::string& key)> selected;
    std::function<void(const std::string& key, bool checked)> checked;
    std::function<void(const std::string& key)> clicked;
    std::function<void()> enter;
    std::function<void()> closeBox;
};

// A front end's top-level window of one screen.
class ScreenView {
  public:
    virtual ~ScreenView() = default;

    // Writes every control whose value differs from the model, without
    // letting the write come back as input.
    virtual void mirror(const Screen& screen) = 0;
    // Shows the window in front, its frame's top-left corner at `place` when
    // given; the first time the focus goes where the design puts it.
    virtual void open(const std::optional<PixelPoint>& place) = 0;
    virtual void hide() = 0;
    virtual bool isVisible() const = 0;
    // Whether it has been opened before.
    virtual bool opened() const = 0;
    // The frame's top-left corner, and its size.
    virtual PixelPoint position() const = 0;
    virtual PixelSize frameSize() const = 0;
};

// What the taskbars and panels leave of the screens.
struct WorkAreas {
    std::vector<PixelRect> screens;
    PixelRect primary;
};

// What the program's windows need of a front end.
class FrontEnd {
  public:
    virtual std::unique_ptr<ScreenView> makeWindow(ScreenId id, WindowInput input) = 0;
    virtual WorkAreas workAreas() const = 0;
    // A fault of the program, not of the user, in a message box of its own.
    virtual void showInternalError(const std::string& text) = 0;
    // Once, when the program has ended and its windows are hidden.
    virtual void ended() = 0;

  protected:
    ~FrontEnd() = default;
};

class ProgramWindows {
  public:
    // `placeFile` remembers where the program's window stood when it ended.
    ProgramWindows(Program& program, FrontEnd& front, std::filesystem::path placeFile);
    ProgramWindows(const ProgramWindows&) = delete;
    ProgramWindows& operator=(const ProgramWindows&) = delete;

    // Creates the windows of newly created screens, writes every control that
    // differs from the model, then shows and hides windows as the model says.
    void sync();

    // nullptr until the screen has been created.
    ScreenView* window(ScreenId id) const;
    // The window a modal dialog belongs to: the one brought to front last, or
    // else any that is shown; nullptr when none is.
    ScreenView* dialogParent() const;

  private:
    WindowInput inputOf(ScreenId id);
    // Hands one user action to the model, then shows its outcome.
    void perform(const std::function<void()>& action);
    // Where the window of a screen that is being shown goes. One that replaces
    // the place holder, or the first of the run, holds the place from then on.
    std::optional<PixelPoint> takePlace(ScreenId id, const ScreenView* leaving);
    // The place `wanted` if the window's title bar is on a screen there, else
    // the primary screen's centre.
    PixelPoint settled(const std::optional<PixelPoint>& wanted, const ScreenView& window) const;

    Program& program_;
    FrontEnd& front_;
    std::array<std::unique_ptr<ScreenView>, kAllScreens.size()> windows_;
    ScreenView* lastOpened_ = nullptr;
    // The screen whose window's place the next screen takes; hyouji, shown
    // over the menu, never holds it.
    std::optional<ScreenId> placeHolder_;
    RememberedPlace remembered_;
    bool acting_ = false;
    bool endReported_ = false;
};

}  // namespace bio
