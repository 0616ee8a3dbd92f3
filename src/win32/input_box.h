#pragma once
// The one-line input box: the prompt, the text, OK and キャンセル, as a dialog
// template made in memory (the program carries no dialog resources).

#include <windows.h>

#include <optional>
#include <string>

namespace bio {

// nullopt when cancelled.
std::optional<std::string> runInputBox(HWND owner, const std::string& prompt,
                                       const std::string& title, const std::string& defaultText);

}  // namespace bio
