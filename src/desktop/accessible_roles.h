#pragma once
// The roles a screen reader cannot tell from the program's own widgets: a
// screen is a window, a frame a group named by its caption, a picture box a
// chart.

namespace bio {

// Once, after the application object exists; later calls change nothing.
void installAccessibleRoles();

}  // namespace bio
