#include "view/key_table.h"

#include <algorithm>
#include <initializer_list>

#include "shell/screen_id.h"

namespace bio {

namespace {

struct ShortcutUse {
    std::initializer_list<ShortcutKey> keys;
    std::string_view does;
};

// What the shortcuts do, in the order --help lists them.
constexpr ShortcutUse kShortcutUses[] = {
    {{ShortcutKey::Escape}, "前の画面へ戻る（メニューへ・データセット画面へ・back と同じ）"},
    {{ShortcutKey::PageUp, ShortcutKey::PageDown}, "診断結果の前月・翌月"},
    {{ShortcutKey::CtrlP}, "診断結果のレポート印刷"},
};

bool someScreenUses(ShortcutKey key) {
    return std::any_of(kAllScreens.begin(), kAllScreens.end(), [key](ScreenId id) {
        const std::vector<Shortcut> keys = shortcuts(id);
        return std::any_of(keys.begin(), keys.end(),
                           [key](const Shortcut& shortcut) { return shortcut.key == key; });
    });
}

std::vector<KeyUse> makeTable() {
    std::vector<KeyUse> table{
        {"Tab, Shift+Tab", "次の欄やボタンへ、前の欄やボタンへ"},
        {"Up, Down", "元号の中で選ぶ"},
        {"Enter", "画面の実行ボタン（バイオリズム実行・相性診断実行・表示）"},
    };
    for (const ShortcutUse& use : kShortcutUses) {
        if (!std::any_of(use.keys.begin(), use.keys.end(), someScreenUses)) continue;
        std::string keys;
        for (ShortcutKey key : use.keys) keys += (keys.empty() ? "" : ", ") + std::string(keyName(key));
        table.push_back({keys, use.does});
    }
    table.push_back({"F10", "診断結果のメニューバー"});
    return table;
}

}  // namespace

std::string_view keyName(ShortcutKey key) {
    switch (key) {
        case ShortcutKey::Escape:
            return "Esc";
        case ShortcutKey::PageUp:
            return "Page Up";
        case ShortcutKey::PageDown:
            return "Page Down";
        case ShortcutKey::CtrlP:
            return "Ctrl+P";
    }
    return {};
}

const std::vector<KeyUse>& keyTable() {
    static const std::vector<KeyUse> table = makeTable();
    return table;
}

}  // namespace bio
