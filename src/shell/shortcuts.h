#pragma once
// The keys that run a screen's commands besides Enter (its default button):
// Esc leaves a screen the way its "メニューへ" or back command does, Page Up
// and Page Down step a result screen's month, Ctrl+P prints its report.

#include <vector>

#include "shell/screen_id.h"

namespace bio {

enum class ShortcutKey { Escape, PageUp, PageDown, CtrlP };

struct Shortcut {
    ShortcutKey key;
    const char* control;  // the command button or menu command the key clicks
};

std::vector<Shortcut> shortcuts(ScreenId id);

}  // namespace bio
