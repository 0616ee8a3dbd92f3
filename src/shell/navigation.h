#pragma once
// The screen-to-screen commands and the two ways to end the program.

namespace bio {

class Program;

void installNavigation(Program& p);

}  // namespace bio
