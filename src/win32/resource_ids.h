#pragma once
// The ids of what biorhythm.rc puts into the executable. Read by windres as
// well as by the compiler, so plain macros: the resource compiler knows no C++.

// The program's icon group: the lowest id, so that Explorer, the taskbar and
// shortcuts show it for the executable.
#define BIO_ICON_ID 1
