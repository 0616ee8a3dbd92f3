#include "shell/warnings.h"

#include "shell/program.h"

namespace bio {

void warn(Program& p, const std::string& text) {
    p.dialogs().messageBox(text, std::string(kWarningTitle));
}

}  // namespace bio
