#pragma once
// The commands the user's session starts at login, where the system keeps
// them as named values: on Windows, those of
// HKCU\Software\Microsoft\Windows\CurrentVersion\Run. The freedesktop desktop
// keeps files in an autostart folder instead, which the caller writes itself;
// POSIX has no such values.

#include <string>

#include "platform/file_failure.h"

namespace bio {

// Whether this system keeps its login items as named values.
bool loginItemsAreValues();

// Sets NAME to the command line COMMAND, replacing what it held.
FileStatus writeLoginValue(const std::string& name, const std::string& command);
// Removes NAME; a value that is not there is no failure.
FileStatus removeLoginValue(const std::string& name);
bool loginValueExists(const std::string& name);

}  // namespace bio
