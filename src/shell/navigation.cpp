#include "shell/navigation.h"

#include "shell/program.h"

namespace bio {

namespace {

void moveOn(Program& p, ScreenId from, const char* control, ScreenId to) {
    p.setCommand(from, control, [from, to](Program& program) { program.move(from, to); });
}

}  // namespace

void installNavigation(Program& p) {
    moveOn(p, ScreenId::menyu, "Command1", ScreenId::baio);
    moveOn(p, ScreenId::menyu, "Command2", ScreenId::kousin);
    p.setCommand(ScreenId::menyu, "Command4", [](Program& program) {
        program.move(ScreenId::menyu, ScreenId::aisyou);
        program.closeAllFiles();
    });
    p.setCommand(ScreenId::menyu, "Command6", [](Program& program) { program.end(); });
    moveOn(p, ScreenId::baio, "Command2", ScreenId::menyu);
    moveOn(p, ScreenId::sindan, "back", ScreenId::baio);
    moveOn(p, ScreenId::sindan, "menyuhe", ScreenId::menyu);
    moveOn(p, ScreenId::hyouji, "Command1", ScreenId::menyu);
    moveOn(p, ScreenId::kousin, "Command1", ScreenId::menyu);
    moveOn(p, ScreenId::itiran, "Command2", ScreenId::menyu);
    moveOn(p, ScreenId::aisyou, "Command3", ScreenId::menyu);
    moveOn(p, ScreenId::aisyousin, "back", ScreenId::aisyou);
    moveOn(p, ScreenId::aisyousin, "mnback", ScreenId::menyu);
    p.setCommand(ScreenId::aisyousin, "syuuryou", [](Program& program) { program.end(); });
}

}  // namespace bio
