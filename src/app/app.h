#pragma once
// Builds the whole program: the shell with every subsystem's load actions and
// command handlers installed. Both front ends start here.

#include <filesystem>
#include <memory>

#include "shell/program.h"

namespace bio {

std::unique_ptr<Program> makeProgram(Services services, std::filesystem::path dataDir,
                                     std::filesystem::path configDir);

}  // namespace bio
