// The numeric value of any typed text: finite, and its whole-number and text
// forms never fail.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "state/numbers.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    double value = bio::numericValue(text);
    if (!std::isfinite(value)) std::abort();
    bio::wholeNumber16(text);
    bio::roundToInt16(value);
    if (bio::numericValue(bio::numberText(value)) != value && std::fabs(value) < 1e15 &&
        value == std::floor(value))
        std::abort();  // whole values must survive their own text
    bio::canvasNumberText(value);
    return 0;
}
