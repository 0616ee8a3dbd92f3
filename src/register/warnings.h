#pragma once
// Refusals and failures told to the user: a message box titled "誤り警告" that
// says what went wrong; the operation then changes nothing.

#include <optional>
#include <string>
#include <string_view>

#include "register/storage_error.h"

namespace bio {

class Program;

inline constexpr std::string_view kWarningTitle = "誤り警告";

void warn(Program& p, const std::string& text);
void warn(Program& p, const StorageError& error);

// The value of a storage operation; when it failed, the user is told why and
// the result is nullopt.
template <typename T>
std::optional<T> orWarn(Program& p, Result<T> result) {
    if (result) return std::move(*result);
    warn(p, result.error());
    return std::nullopt;
}

// Whether a storage operation that gives no value succeeded; the user has
// been told when it did not.
inline bool succeeded(Program& p, const Status& status) {
    if (!status) warn(p, status.error());
    return status.ok();
}

}  // namespace bio
