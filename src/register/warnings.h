#pragma once
// The register's refusals: a message box titled "誤り警告" that says what went
// wrong; the operation then changes nothing.

#include <string>
#include <string_view>

namespace bio {

class Program;

inline constexpr std::string_view kWarningTitle = "誤り警告";

void warn(Program& p, const std::string& text);

// What was being done to a file when it failed.
enum class FileStep { Create, Open, Read, Write };

// A short Japanese reason for a failed system call, from its errno.
std::string failureReason(int errorNumber);
// "ファイル kojinfl2.txt を開けません：許可がありません。"
std::string fileFailureText(std::string_view fileName, FileStep step, int errorNumber);

}  // namespace bio
