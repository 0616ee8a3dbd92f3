#pragma once
// The Qt view of the whole program: one window per created screen, kept equal
// to the model after every user action and before every modal dialog. It
// computes nothing; the model decides.

#include <array>
#include <functional>
#include <memory>

#include "desktop/screen_window.h"
#include "shell/program.h"

namespace bio {

class ProgramView {
  public:
    explicit ProgramView(Program& program);
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
    // Hands one user action to the model, then shows its outcome.
    void perform(const std::function<void()>& action);

    Program& program_;
    std::array<std::unique_ptr<ScreenWindow>, kAllScreens.size()> windows_;
    ScreenWindow* front_ = nullptr;
    std::function<void()> onEnded_;
    bool acting_ = false;
    bool endReported_ = false;
};

}  // namespace bio
