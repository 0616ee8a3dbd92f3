#pragma once
// The Qt view of the whole program: one window per created screen, kept equal
// to the model after every user action and before every modal dialog. It
// computes nothing; the model decides.

#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "desktop/screen_window.h"
#include "desktop/window_placement.h"
#include "shell/program.h"

namespace bio {

class ProgramView {
  public:
    // `placeFile` remembers where the program's window stood when it ended.
    ProgramView(Program& program, QString placeFile);
    ~ProgramView();
    ProgramView(const ProgramView&) = delete;
    ProgramView& operator=(const ProgramView&) = delete;

    // Creates the windows of newly created screens, writes every widget that
    // differs from the model, then shows and hides windows as the model says.
    void sync();
    // Runs once, when the program has ended.
    void setOnEnded(std::function<void()> onEnded) { onEnded_ = std::move(onEnded); }

    // nullptr until the screen has been created.
    ScreenWindow* window(ScreenId id) const;
    // The window a modal dialog belongs to: the one brought to front last.
    QWidget* dialogParent() const;

  private:
    WindowInput inputOf(ScreenId id);
    // Where the window of a screen that is being shown goes. One that replaces
    // the place holder, or the first of the run, holds the place from then on.
    std::optional<QPoint> takePlace(ScreenId id, const ScreenWindow* leaving);
    // Hands one user action to the model, then shows its outcome.
    void perform(const std::function<void()>& action);
    void reportInternalError(const char* what);

    Program& program_;
    std::array<std::unique_ptr<ScreenWindow>, kAllScreens.size()> windows_;
    ScreenWindow* front_ = nullptr;
    // The screen whose window's place the next screen takes; hyouji, shown
    // over the menu, never holds it.
    std::optional<ScreenId> placeHolder_;
    RememberedPlace remembered_;
    std::function<void()> onEnded_;
    bool acting_ = false;
    bool endReported_ = false;
};

}  // namespace bio
