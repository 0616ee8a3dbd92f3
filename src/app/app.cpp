#include "app/app.h"

#include "shell/navigation.h"
#include "shell/today.h"

namespace bio {

std::unique_ptr<Program> makeProgram(Services services, std::filesystem::path dataDir) {
    auto program = std::make_unique<Program>(services, std::move(dataDir));
    installNavigation(*program);
    program->setLoadAction(ScreenId::baio, [](Program& p) {
        fillTodayDate(p, p.screen(ScreenId::baio), "Text4", "Text5", "Text6");
    });
    return program;
}

}  // namespace bio
