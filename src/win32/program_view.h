#pragma once
// The Windows view of the whole program: one window per created screen, kept
// equal to the model after every user action and before every modal dialog.
// It computes nothing; the model decides.

#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "shell/program.h"
#include "view/window_placement.h"
#include "win32/screen_reader_names.h"
#include "win32/screen_window.h"

namespace bio {

class ProgramView {
  public:
    ProgramView(Program& program, std::filesystem::path placeFile);
    ~ProgramView();
    ProgramView(const ProgramView&) = delete;
    ProgramView& operator=(const ProgramView&) = delete;

    // Creates the windows of newly created screens, writes every control that
    // differs from the model, then shows and hides windows as the model says.
    void sync();
    // The window a modal dialog belongs to: the one brought to front last.
    HWND dialogParent() const;
    // Hands a message to the window it is for, if that window wants it for
    // its keys; false when it goes the usual way.
    bool translate(MSG& message);

  private:
    WindowInput inputOf(ScreenId id);
    std::optional<PixelPoint> takePlace(ScreenId id, const ScreenWindow* leaving);
    void perform(const std::function<void()>& action);
    ScreenWindow* window(ScreenId id) const;

    Program& program_;
    ScreenReaderNames readerNames_;
    std::array<std::unique_ptr<ScreenWindow>, kAllScreens.size()> windows_;
    ScreenWindow* front_ = nullptr;
    std::optional<ScreenId> placeHolder_;
    RememberedPlace remembered_;
    bool acting_ = false;
    bool endReported_ = false;
};

}  // namespace bio
