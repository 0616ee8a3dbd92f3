#include "shell/navigation.h"

#include "shell/aisyou_controls.h"
#include "shell/aisyousin_controls.h"
#include "shell/baio_controls.h"
#include "shell/itiran_controls.h"
#include "shell/menyu_controls.h"
#include "shell/program.h"
#include "shell/register_controls.h"
#include "shell/sindan_controls.h"

namespace bio {

namespace {

void moveOn(Program& p, ScreenId from, const char* control, ScreenId to) {
    p.setCommand(from, control, [from, to](Program& program) { program.move(from, to); });
}

}  // namespace

void installNavigation(Program& p) {
    moveOn(p, ScreenId::menyu, menyu::kBiorhythm, ScreenId::baio);
    moveOn(p, ScreenId::menyu, menyu::kUpdate, ScreenId::kousin);
    p.setCommand(ScreenId::menyu, menyu::kCompatibility, [](Program& program) {
        program.move(ScreenId::menyu, ScreenId::aisyou);
        program.closeAllFiles();
    });
    p.setCommand(ScreenId::menyu, menyu::kEnd, [](Program& program) { program.end(); });
    moveOn(p, ScreenId::baio, baio::kToMenu, ScreenId::menyu);
    moveOn(p, ScreenId::sindan, sindan::kBack, ScreenId::baio);
    moveOn(p, ScreenId::sindan, sindan::kToMenu, ScreenId::menyu);
    moveOn(p, ScreenId::hyouji, hyouji::kToMenu, ScreenId::menyu);
    moveOn(p, ScreenId::kousin, kousin::kToMenu, ScreenId::menyu);
    moveOn(p, ScreenId::itiran, itiran::kToMenu, ScreenId::menyu);
    moveOn(p, ScreenId::aisyou, aisyou::kToMenu, ScreenId::menyu);
    moveOn(p, ScreenId::aisyousin, aisyousin::kBack, ScreenId::aisyou);
    moveOn(p, ScreenId::aisyousin, aisyousin::kToMenu, ScreenId::menyu);
    p.setCommand(ScreenId::aisyousin, aisyousin::kEnd, [](Program& program) { program.end(); });
}

}  // namespace bio
