#pragma once
// Windows hands a program its arguments as one command line, which the
// program splits again as CommandLineToArgvW and the C runtime do: a quote
// opens or closes a quoted part, and backslashes are literal except before a
// quote, where each pair stands for one backslash and an odd one left over
// makes the quote itself literal. So a folder at a drive's root, E:\, quoted
// as "E:\" would be read as E:" and the rest of the line with it. Pure text,
// the same on every system, so that its rules are tested everywhere.

#include <string>
#include <string_view>
#include <vector>

namespace bio {

// One argument, as the splitting gives it back: as it is when it holds no
// blank and no quote, otherwise quoted, the backslashes before a quote or
// before the closing quote doubled and each quote escaped.
std::string quotedArgument(std::string_view argument);

// A command line: the program's path, then its arguments, each quoted so. The
// path is read up to its closing quote without escapes, which is the same
// as long as it does not end in a backslash; a file name holds no quote.
std::string commandLine(const std::vector<std::string>& programAndArguments);

}  // namespace bio
