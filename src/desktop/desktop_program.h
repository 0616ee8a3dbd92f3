#pragma once
// The whole desktop program: the model with Qt dialogs and printer, and the
// view that mirrors it. main(), the tests and the screenshots build this.

#include <filesystem>
#include <memory>

#include "desktop/program_view.h"
#include "desktop/qt_dialogs.h"
#include "desktop/qt_printer.h"
#include "shell/program.h"

namespace bio {

class DesktopProgram {
  public:
    // Needs the QApplication to exist. `configDir` is the user's settings
    // folder; `placeFile` remembers where the window stood when the program ended.
    DesktopProgram(std::filesystem::path dataDir, std::filesystem::path configDir, Clock& clock,
                   std::filesystem::path placeFile);

    // baio created and shown, on the model and on screen.
    void start();
    // itiran for today instead, as `biorhythm --overview` starts.
    void startOnOverview();

    Program& program() { return *program_; }
    ProgramView& view() { return view_; }
    QtPrinter& printer() { return printer_; }

  private:
    QtPrinter printer_;
    QtDialogs dialogs_;
    std::unique_ptr<Program> program_;
    ProgramView view_;
};

}  // namespace bio
