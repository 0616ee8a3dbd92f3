#pragma once
// The Windows view of the whole program: the program's windows
// (view/program_windows.h) as windows of Windows' standard controls on the
// monitors' work areas. It computes nothing; the model decides.

#include <windows.h>

#include <filesystem>

#include "shell/program.h"
#include "view/program_windows.h"
#include "win32/screen_reader_names.h"
#include "win32/screen_window.h"

namespace bio {

class ProgramView : private FrontEnd {
  public:
    // Screen readers reach the controls through COM, which `apartment` joins.
    ProgramView(Program& program, std::filesystem::path placeFile, ComApartment& apartment);

    // Creates the windows of newly created screens, writes every control that
    // differs from the model, then shows and hides windows as the model says.
    void sync() { windows_.sync(); }
    // The window a modal dialog belongs to: the one brought to front last.
    HWND dialogParent() const;
    // Hands a message to the window it is for, if that window wants it for
    // its keys; false when it goes the usual way.
    bool translate(MSG& message);

  private:
    std::unique_ptr<ScreenView> makeWindow(ScreenId id, WindowInput input) override;
    WorkAreas workAreas() const override;
    void showInternalError(const std::string& text) override;
    void ended() override;

    // Before the windows, which name their controls through it until they go.
    ScreenReaderNames readerNames_;
    ProgramWindows windows_;
};

}  // namespace bio
