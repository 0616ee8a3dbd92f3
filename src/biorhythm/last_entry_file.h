#pragma once
// kojinfl.txt, the person of the last reading: one line of five double-quoted,
// comma-separated fields (name, era name, era year, month, day of birth) in code
// page 932, ending in CR LF. A double quote inside a field is doubled.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "register/storage_error.h"

namespace bio {

class Program;

inline constexpr const char* kLastEntryFileName = "kojinfl.txt";

// Fields in file order, as UTF-8 texts.
using LastEntry = std::array<std::string, 5>;

std::string formatLastEntryLine(const LastEntry& entry);
// The first five fields of a decoded file; anything after them is ignored.
// nullopt when the text does not start with five quoted fields.
std::optional<LastEntry> parseLastEntry(std::string_view text);

// Missing, short or garbled files read as nullopt.
std::optional<LastEntry> readLastEntry(Program& p);
// Replaces the file atomically; a failure leaves the old file.
Status writeLastEntry(Program& p, const LastEntry& entry);

}  // namespace bio
