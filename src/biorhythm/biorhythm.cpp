#include "biorhythm/biorhythm.h"

#include "biorhythm/baio_controls.h"
#include "biorhythm/month_steps.h"
#include "shell/program.h"
#include "ui/page.h"

namespace bio {

void installBiorhythm(Program& p) {
    p.setLoadAction(ScreenId::baio, loadBaio);
    p.setCommand(ScreenId::baio, "Command1", startReading);
    p.setCommand(ScreenId::baio, "Command4", takeRegisterPerson);
    p.setCommand(ScreenId::sindan, "messeji", messeji);
    p.setCommand(ScreenId::sindan, "gurafu", gurafu);
    p.setCommand(ScreenId::sindan, "ryouinsatu", ryouinsatu);
    p.setCommand(ScreenId::sindan, "repoto",
                 [](Program& program) { printReport(program, sindanReport); });
    installMonthSteps(p, ScreenId::sindan, ScreenId::baio, kBaioTargetDateBoxes, startReading);
}

}  // namespace bio
