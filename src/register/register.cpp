#include "register/register.h"

#include "register/csv_exchange.h"
#include "register/kousin_screen.h"
#include "register/search_browse.h"
#include "shell/menyu_controls.h"
#include "shell/program.h"
#include "shell/register_controls.h"

namespace bio {

void installRegister(Program& p) {
    p.setCommand(ScreenId::menyu, menyu::kSearch, search);
    p.setCommand(ScreenId::menyu, menyu::kBrowse, browse);
    p.setCommand(ScreenId::kousin, kousin::kUpdate, updateRecord);
    p.setCommand(ScreenId::hyouji, hyouji::kExport, exportRegister);
    p.setCommand(ScreenId::hyouji, hyouji::kImport, importRegister);
}

}  // namespace bio
