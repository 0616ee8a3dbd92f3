#pragma once
// The keys of the program's windows, each named and explained once: the
// screens' shortcuts (shell/shortcuts.h) and the keys every window knows.
// --help lists them, and a front end may name its keys by them.

#include <string>
#include <string_view>
#include <vector>

#include "shell/shortcuts.h"

namespace bio {

// What the key is called: "Esc", "Page Up", "Page Down", "Ctrl+P".
std::string_view keyName(ShortcutKey key);

// One line of the table: a key, or keys that work as a pair ("Page Up, Page
// Down"), and what they do.
struct KeyUse {
    std::string keys;
    std::string_view does;
};

// Tab, the arrows and Enter, then the shortcuts some screen has, then F10
// (a result screen's menu bar).
const std::vector<KeyUse>& keyTable();

}  // namespace bio
