#include "shell/shortcuts.h"

#include "shell/aisyou_controls.h"
#include "shell/aisyousin_controls.h"
#include "shell/baio_controls.h"
#include "shell/itiran_controls.h"
#include "shell/register_controls.h"
#include "shell/sindan_controls.h"

namespace bio {

std::vector<Shortcut> shortcuts(ScreenId id) {
    switch (id) {
        case ScreenId::baio:
            return {{ShortcutKey::Escape, baio::kToMenu}};
        case ScreenId::sindan:
            return {{ShortcutKey::Escape, sindan::kBack},
                    {ShortcutKey::PageUp, sindan::kPreviousMonth},
                    {ShortcutKey::PageDown, sindan::kNextMonth},
                    {ShortcutKey::CtrlP, sindan::kReport}};
        case ScreenId::menyu:
            return {};  // the menu is where Esc leads; it ends only by "終　　　了"
        case ScreenId::hyouji:
            return {{ShortcutKey::Escape, hyouji::kToMenu}};
        case ScreenId::aisyou:
            return {{ShortcutKey::Escape, aisyou::kToMenu}};
        case ScreenId::aisyousin:
            return {{ShortcutKey::Escape, aisyousin::kBack},
                    {ShortcutKey::PageUp, aisyousin::kPreviousMonth},
                    {ShortcutKey::PageDown, aisyousin::kNextMonth},
                    {ShortcutKey::CtrlP, aisyousin::kReport}};
        case ScreenId::kousin:
            return {{ShortcutKey::Escape, kousin::kToMenu}};
        case ScreenId::itiran:
            return {{ShortcutKey::Escape, itiran::kToMenu}};
    }
    return {};
}

}  // namespace bio
