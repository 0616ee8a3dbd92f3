#include "desktop/desktop_program.h"

#include "app/app.h"
#include "desktop/accessible_roles.h"
#include "overview/overview.h"

namespace bio {

DesktopProgram::DesktopProgram(std::filesystem::path dataDir, std::filesystem::path configDir,
                               Clock& clock, std::filesystem::path placeFile)
    : dialogs_(printer_),
      program_(makeProgram(Services{dialogs_, printer_, clock}, std::move(dataDir),
                           std::move(configDir))),
      view_(*program_, std::move(placeFile)) {
    installAccessibleRoles();
    dialogs_.setBeforeOpening([this] {
        view_.sync();
        return view_.dialogParent();
    });
}

void DesktopProgram::start() {
    program_->start();
    view_.sync();
}

void DesktopProgram::startOnOverview() {
    showOverview(*program_);
    view_.sync();
}

}  // namespace bio
