#include "web/web_program.h"

#include <stdexcept>

#include "app/app.h"

namespace bio {

WebProgram::WebProgram(std::filesystem::path dataDir, std::filesystem::path configDir)
    : program_(makeProgram(Services{dialogs_, printer_, clock_}, std::move(dataDir), configDir)),
      view_(*program_, configDir / "window.ini") {
    dialogs_.setBeforeOpening([this] { view_.sync(); });
}

void WebProgram::start() {
    program_->start();
    view_.sync();
}

WebScreen& WebProgram::screen(ScreenId id) {
    WebScreen* shown = view_.screen(id);
    // The page only speaks of screens it has been given.
    if (!shown) throw std::logic_error("no window for this screen");
    return *shown;
}

}  // namespace bio
