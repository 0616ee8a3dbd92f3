#include "platform/login_items.h"

namespace bio {

// A page runs only while its tab is open, and the driver under node beside
// no desktop program: nothing here could be started at login.
std::optional<std::string> loginItemsUnavailable() {
    return "ブラウザーで動くこのプログラムは、ログイン時に起動できません";
}

}  // namespace bio
