#pragma once
// The opt-in to the login notice on itiran: a login item of the user's desktop
// session (an autostart entry in the user's settings folder; on Windows a
// value of the user's Run key) that runs `biorhythm --notify` on this data
// directory, one item per directory. The program installs none for everyone:
// only a user who ticks the box is notified.

namespace bio {

class Program;

// itiran.Check1 after a click: ticked writes the login item, cleared removes
// it. When that fails the user is told and the box goes back.
void loginNoticeChosen(Program& p);

// The box as the settings folder has it: ticked when the login item is there.
void showLoginNoticeChoice(Program& p);

}  // namespace bio
