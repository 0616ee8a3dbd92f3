#pragma once
// The printer the user chose in the printer dialog (its DEVNAMES and
// DEVMODE), made into a device context for one job. A page laid out for A4
// gets a copy of the user's settings with A4 portrait merged in by the
// printer's driver, so that the driver also changes what goes with the paper
// (its form, the printable area) or refuses a paper it lacks; the user's
// settings themselves, and the printer's defaults, are never changed.

#include <windows.h>

namespace bio {

// Null when the printer cannot be reached.
HDC jobDc(HGLOBAL devNames, HGLOBAL devMode, bool a4Portrait);

}  // namespace bio
