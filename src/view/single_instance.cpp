#include "view/single_instance.h"

#include <system_error>

#include "platform/path.h"
#include "state/fnv_hash.h"

namespace bio {

std::string instanceName(const std::filesystem::path& dataDir) {
    std::error_code ignored;
    const std::string canonical = utf8Text(std::filesystem::weakly_canonical(dataDir, ignored));
    return "biorhythm-" + fnv1aHex(canonical, 16);
}

}  // namespace bio
