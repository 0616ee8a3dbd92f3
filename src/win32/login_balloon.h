#pragma once
// `biorhythm --notify`, the login item: the login notice as a balloon of the
// notification area (Windows 10 and 11 show it as a notification, and keep
// it in the Action Center). No screen is made on this path.

#include <windows.h>

#include <filesystem>

namespace bio {

// The hidden window that owns the icon, and the message and the icon's
// number with which the notification area tells it about the icon.
inline constexpr wchar_t kLoginBalloonClass[] = L"BiorhythmLoginBalloon";
inline constexpr UINT kLoginIconMessage = WM_APP + 2;
inline constexpr UINT kLoginIconId = 1;

// Shows the notice for today, if anyone in the register at `dataDir` is on a
// caution day, and keeps its icon for ten minutes: a click on the notice or
// on the icon in that time starts this program on the overview of the same
// register. Returns the exit status, 0 in every case: a login item never
// shows an error window.
int showLoginBalloon(const std::filesystem::path& dataDir);

}  // namespace bio
