// Any last-entry file reads without failing, and what it reads writes back to
// a line that reads the same.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "biorhythm/last_entry_file.h"
#include "state/cp932.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bio::Cp932 codec;
    std::string text = codec.decode(std::string(reinterpret_cast<const char*>(data), size));
    auto entry = bio::parseLastEntry(text);
    if (entry) {
        auto again = bio::parseLastEntry(bio::formatLastEntryLine(*entry));
        if (!again || *again != *entry) std::abort();
    }
    return 0;
}
