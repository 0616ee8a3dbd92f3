#pragma once
// The program's entry point: the platform's own (main, or wmain with UTF-16
// arguments on Windows) turns its arguments into UTF-8 and sets the standard
// streams to bytes, then calls programMain, which each executable defines.

#include <string>
#include <vector>

namespace bio {

// The arguments after the program's name, in UTF-8; the exit status.
int programMain(const std::vector<std::string>& args);

}  // namespace bio
