#pragma once
// Refusals and failures told to the user: a message box titled "誤り警告" that
// says what went wrong; the operation then changes nothing.

#include <string>
#include <string_view>

namespace bio {

class Program;

inline constexpr std::string_view kWarningTitle = "誤り警告";

void warn(Program& p, const std::string& text);

}  // namespace bio
