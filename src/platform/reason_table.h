#pragma once
// Inside the platform layer: each platform's table of the failures a user can
// meet and act on, by the system's code, in the same Japanese words.

#include <span>

namespace bio {

struct ReasonText {
    int code;
    const char* text;
};

std::span<const ReasonText> reasonTable();

}  // namespace bio
