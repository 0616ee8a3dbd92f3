#include "view/key_table.h"

#include <gtest/gtest.h>

namespace bio {
namespace {

// --help lists the keys every window knows around the shortcuts the screens
// have, each key once and pairs together.
TEST(KeyTable, ListsTheWindowsKeysInOrder) {
    std::vector<std::string> keys;
    for (const KeyUse& use : keyTable()) keys.push_back(use.keys);
    EXPECT_EQ(keys, (std::vector<std::string>{"Tab, Shift+Tab", "Up, Down", "Enter", "Esc",
                                              "Page Up, Page Down", "Ctrl+P", "F10"}));
}

}  // namespace
}  // namespace bio
