#pragma once
// A failed storage operation told to the user as a warning (shell/warnings.h),
// in the words describe() gives it.

#include <optional>
#include <string>

#include "register/storage_error.h"
#include "shell/warnings.h"

namespace bio {

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
