#include "app/app.h"

#include "app/version.h"
#include "biorhythm/biorhythm.h"
#include "compat/compat.h"
#include "overview/calendar_export.h"
#include "overview/overview.h"
#include "register/register.h"
#include "register/register_file.h"
#include "shell/navigation.h"

namespace bio {

std::unique_ptr<Program> makeProgram(Services services, std::filesystem::path dataDir,
                                     std::filesystem::path configDir) {
    auto program = std::make_unique<Program>(services, std::move(dataDir), std::move(configDir));
    installNavigation(*program);
    installRegister(*program);
    installCompat(*program);
    installBiorhythm(*program);
    installOverview(*program);
    installCalendarExport(*program, kVersion);
    // A record that a crash left half written is put back before anyone reads it.
    recoverRegister(*program);
    return program;
}

}  // namespace bio
