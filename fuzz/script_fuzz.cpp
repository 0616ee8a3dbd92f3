// Any script line either parses or is refused with a reason; nothing else.
#include <cstdint>
#include <string_view>

#include "script/script_parser.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view script(reinterpret_cast<const char*>(data), size);
    while (!script.empty()) {
        std::size_t end = script.find('\n');
        std::string_view line = script.substr(0, end);
        try {
            bio::script::parseLine(line);
        } catch (const bio::script::ScriptError&) {
        }
        if (end == std::string_view::npos) break;
        script.remove_prefix(end + 1);
    }
    return 0;
}
