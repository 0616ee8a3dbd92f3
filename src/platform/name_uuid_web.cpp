#include <boost/uuid/name_generator_sha1.hpp>
#include <boost/uuid/string_generator.hpp>
#include <boost/uuid/uuid_io.hpp>

#include "platform/name_uuid.h"

namespace bio {

// Boost's generator, since the browser's own SHA-1 (SubtleCrypto) answers
// only after the command that asked has run. The name goes in as its bytes.
std::string nameBasedUuid(std::string_view namespaceText, std::string_view name) {
    const boost::uuids::uuid space = boost::uuids::string_generator()(std::string(namespaceText));
    const boost::uuids::name_generator_sha1 generate(space);
    return boost::uuids::to_string(generate(name.data(), name.size()));
}

}  // namespace bio
