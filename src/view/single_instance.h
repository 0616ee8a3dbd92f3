#pragma once
// One desktop program per data directory, the same protocol in every front
// end. The first start on a directory takes the directory's instance name (a
// local socket of that name in sessionDir() on Linux, a named object in the
// session's namespace on Windows) and listens on it. A later start on the
// same directory connects to that name, waiting at most
// kInstanceConnectMilliseconds; the connection itself is the whole request:
// nothing is sent either way. The first program then brings its front window
// (and the dialog it may be waiting on) forward, and the later start ends with
// status 0. A name that answers nobody was left by a program that crashed: it
// is taken over.

#include <filesystem>
#include <string>

namespace bio {

// The name a program running on this data directory is known by:
// "biorhythm-" and 16 hexadecimal digits of a hash of the directory's
// weakly canonical path in UTF-8 (a path may be longer than a name may be).
std::string instanceName(const std::filesystem::path& dataDir);

// A connection to a running program is made at once or not at all.
inline constexpr int kInstanceConnectMilliseconds = 500;

}  // namespace bio
