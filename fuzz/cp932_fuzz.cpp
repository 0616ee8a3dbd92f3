// Decoding any bytes gives text that encodes again, and a field cut from it is
// exactly its width and never ends in a stray lead byte.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "state/cp932.h"

namespace {

bool isLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

// True when the bytes split into whole characters.
bool wholeCharacters(const std::string& bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (isLeadByte(static_cast<unsigned char>(bytes[i]))) {
            if (i + 1 == bytes.size()) return false;
            ++i;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bio::Cp932 codec;
    std::string bytes(reinterpret_cast<const char*>(data), size);
    std::string text = codec.decode(bytes);
    std::string encoded = codec.encode(text);
    if (codec.width(text) != encoded.size()) std::abort();
    std::size_t width = size % 45;
    std::string field = codec.encodeField(text, width);
    if (field.size() != width || !wholeCharacters(field)) std::abort();
    return 0;
}
