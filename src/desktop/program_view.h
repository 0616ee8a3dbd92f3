#pragma once
// The Qt view of the whole program: the program's windows (view/program_windows.h)
// as Qt widgets on the desktop's screens. It computes nothing; the model decides.

#include <filesystem>
#include <functional>

#include "desktop/screen_window.h"
#include "shell/program.h"
#include "view/program_windows.h"

namespace bio {

class ProgramView : private FrontEnd {
  public:
    // `placeFile` remembers where the program's window stood when it ended.
    ProgramView(Program& program, std::filesystem::path placeFile);

    // Creates the windows of newly created screens, writes every widget that
    // differs from the model, then shows and hides windows as the model says.
    void sync() { windows_.sync(); }
    // Runs once, when the program has ended.
    void setOnEnded(std::function<void()> onEnded) { onEnded_ = std::move(onEnded); }

    // nullptr until the screen has been created.
    ScreenWindow* window(ScreenId id) const;
    // The window a modal dialog belongs to: the one brought to front last.
    QWidget* dialogParent() const;

  private:
    std::unique_ptr<ScreenView> makeWindow(ScreenId id, WindowInput input) override;
    WorkAreas workAreas() const override;
    void showInternalError(const std::string& text) override;
    void ended() override;

    ProgramWindows windows_;
    std::function<void()> onEnded_;
};

}  // namespace bio
