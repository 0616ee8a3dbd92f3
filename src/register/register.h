#pragma once
// The register's commands: search and browse on the menu, the update screen,
// the CSV export and import on hyouji.

namespace bio {

class Program;

void installRegister(Program& p);

}  // namespace bio
