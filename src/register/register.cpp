#include "register/register.h"

#include "register/kousin_screen.h"
#include "register/search_browse.h"
#include "shell/program.h"

namespace bio {

void installRegister(Program& p) {
    p.setCommand(ScreenId::menyu, "Command3", search);
    p.setCommand(ScreenId::menyu, "Command5", browse);
    p.setCommand(ScreenId::kousin, "Command2", updateRecord);
}

}  // namespace bio
