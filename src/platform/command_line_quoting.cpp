#include "platform/command_line_quoting.h"

namespace bio {

std::string quotedArgument(std::string_view argument) {
    if (!argument.empty() && argument.find_first_of(" \t\n\v\"") == std::string_view::npos)
        return std::string(argument);
    std::string quoted = "\"";
    std::size_t backslashes = 0;  // in a row, not yet written
    for (const char c : argument) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == '"' ? 2 * backslashes + 1 : backslashes, '\\');
        quoted += c;
        backslashes = 0;
    }
    quoted.append(2 * backslashes, '\\');
    return quoted + '"';
}

std::string commandLine(const std::vector<std::string>& programAndArguments) {
    std::string line;
    for (const std::string& argument : programAndArguments) {
        if (!line.empty()) line += ' ';
        line += quotedArgument(argument);
    }
    return line;
}

}  // namespace bio
