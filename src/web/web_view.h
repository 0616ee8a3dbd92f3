#pragma once
// The page's view of the whole program: the program's windows
// (view/program_windows.h) as screens of the page. It computes nothing; the
// model decides.

#include <array>
#include <filesystem>
#include <memory>

#include "shell/program.h"
#include "view/program_windows.h"
#include "web/web_screen.h"

namespace bio {

class WebView : private FrontEnd {
  public:
    WebView(Program& program, std::filesystem::path placeFile);

    void sync() { windows_.sync(); }
    // Builds in the page, while nothing else runs, the window of one more
    // screen the model has not made yet, so that a screen shown for the
    // first time costs its command only its values; false once none is left.
    // One at a time keeps each of the page's idle tasks short.
    bool prepareOne();
    // The screen's window, nullptr until the model has created the screen.
    WebScreen* screen(ScreenId id) const;

  private:
    std::unique_ptr<ScreenView> makeWindow(ScreenId id, WindowInput input) override;
    WorkAreas workAreas() const override;
    void showInternalError(const std::string& text) override;
    void ended() override;

    ProgramWindows windows_;
    std::array<std::unique_ptr<WebScreen>, kAllScreens.size()> prepared_;  // by ScreenId
};

}  // namespace bio
