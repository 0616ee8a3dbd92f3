#include "biorhythm/biorhythm.h"

#include "biorhythm/month_steps.h"
#include "shell/baio_controls.h"
#include "shell/program.h"
#include "shell/sindan_controls.h"
#include "ui/page.h"

namespace bio {

void installBiorhythm(Program& p) {
    p.setLoadAction(ScreenId::baio, loadBaio);
    p.setCommand(ScreenId::baio, baio::kRun, startReading);
    p.setCommand(ScreenId::baio, baio::kTakeFromRegister, takeRegisterPerson);
    p.setCommand(ScreenId::sindan, sindan::kPrintMessage, messeji);
    p.setCommand(ScreenId::sindan, sindan::kPrintGraph, gurafu);
    p.setCommand(ScreenId::sindan, sindan::kPrintBoth, ryouinsatu);
    p.setCommand(ScreenId::sindan, sindan::kReport,
                 [](Program& program) { printReport(program, sindanReport); });
    installMonthSteps(p, ScreenId::sindan, {sindan::kPreviousMonth, sindan::kNextMonth},
                      ScreenId::baio, baio::kTargetDateBoxes, startReading);
}

}  // namespace bio
