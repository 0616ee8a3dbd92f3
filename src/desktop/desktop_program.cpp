#include "desktop/desktop_program.h"

#include "app/app.h"
#include "desktop/accessible_roles.h"

namespace bio {

DesktopProgram::DesktopProgram(std::filesystem::path dataDir, Clock& clock, QString placeFile)
    : dialogs_(printer_),
      program_(makeProgram(Services{dialogs_, printer_, clock}, std::move(dataDir))),
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

}  // namespace bio
