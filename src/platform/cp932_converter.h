#pragma once
// The system's converter for code page 932, one character at a time. The
// codec (state/cp932.h) builds its tables from it once, so that its own loop
// decides where characters begin and end, on every platform alike.

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace bio {

class Cp932Converter {
  public:
    Cp932Converter();
    ~Cp932Converter();
    Cp932Converter(const Cp932Converter&) = delete;
    Cp932Converter& operator=(const Cp932Converter&) = delete;

    // The character that one byte or a lead byte with its trail byte stand
    // for; nullopt where the code page has none.
    std::optional<char32_t> decode(std::string_view bytes) const;
    // The one or two bytes of `code`; empty where the code page has none.
    std::string encode(char32_t code) const;

  private:
    struct System;
    std::unique_ptr<System> system_;
};

}  // namespace bio
