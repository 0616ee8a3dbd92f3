#include "app/app.h"

#include "compat/compat.h"
#include "register/register.h"
#include "shell/navigation.h"
#include "shell/today.h"

namespace bio {

std::unique_ptr<Program> makeProgram(Services services, std::filesystem::path dataDir) {
    auto program = std::make_unique<Program>(services, std::move(dataDir));
    installNavigation(*program);
    installRegister(*program);
    installCompat(*program);
    program->setLoadAction(ScreenId::baio, [](Program& p) {
        fillTodayDate(p, p.screen(ScreenId::baio), "Text4", "Text5", "Text6");
    });
    return program;
}

}  // namespace bio
