#include "platform/login_items.h"

namespace bio {

// The desktop's session starts what its login items name.
std::optional<std::string> loginItemsUnavailable() { return std::nullopt; }

}  // namespace bio
