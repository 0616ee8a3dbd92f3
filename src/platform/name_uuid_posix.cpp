#include <uuid/uuid.h>

#include <string>

#include "platform/name_uuid.h"

namespace bio {

std::string nameBasedUuid(std::string_view namespaceText, std::string_view name) {
    uuid_t space, uid;
    uuid_parse(std::string(namespaceText).c_str(), space);
    uuid_generate_sha1(uid, space, name.data(), name.size());
    char text[37];  // 36 characters and the terminator
    uuid_unparse_lower(uid, text);
    return text;
}

}  // namespace bio
