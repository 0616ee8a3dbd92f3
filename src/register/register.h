#pragma once
// The register's commands: search and browse on the menu, the update screen.

namespace bio {

class Program;

void installRegister(Program& p);

}  // namespace bio
