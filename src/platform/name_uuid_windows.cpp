#include <windows.h>
// Needs the types windows.h declares.
#include <bcrypt.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>

#include "platform/name_uuid.h"

namespace bio {

namespace {

using Bytes = std::array<unsigned char, 16>;

int hexValue(char digit) {
    if (digit >= '0' && digit <= '9') return digit - '0';
    if (digit >= 'a' && digit <= 'f') return digit - 'a' + 10;
    if (digit >= 'A' && digit <= 'F') return digit - 'A' + 10;
    return 0;
}

// The 16 bytes of a UUID's text; the hyphens only group the digits.
Bytes parseUuid(std::string_view text) {
    Bytes bytes{};
    std::size_t digit = 0;
    for (const char c : text) {
        if (c == '-' || digit >= 32) continue;
        bytes[digit / 2] = static_cast<unsigned char>(bytes[digit / 2] << 4 | hexValue(c));
        ++digit;
    }
    return bytes;
}

std::string unparseLower(const Bytes& bytes) {
    constexpr char kDigits[] = "0123456789abcdef";
    std::string text;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i == 4 || i == 6 || i == 8 || i == 10) text += '-';
        text += kDigits[bytes[i] >> 4];
        text += kDigits[bytes[i] & 0xF];
    }
    return text;
}

// The SHA-1 digest of `first` followed by `second`.
std::array<unsigned char, 20> sha1(std::string_view first, std::string_view second) {
    std::array<unsigned char, 20> digest{};
    BCRYPT_ALG_HANDLE algorithm = nullptr;
    BCRYPT_HASH_HANDLE hash = nullptr;
    const auto feed = [&](std::string_view part) {
        return BCRYPT_SUCCESS(
            BCryptHashData(hash, reinterpret_cast<PUCHAR>(const_cast<char*>(part.data())),
                           static_cast<ULONG>(part.size()), 0));
    };
    const bool hashed =
        BCRYPT_SUCCESS(
            BCryptOpenAlgorithmProvider(&algorithm, BCRYPT_SHA1_ALGORITHM, nullptr, 0)) &&
        BCRYPT_SUCCESS(BCryptCreateHash(algorithm, &hash, nullptr, 0, nullptr, 0, 0)) &&
        feed(first) && feed(second) &&
        BCRYPT_SUCCESS(BCryptFinishHash(hash, digest.data(), static_cast<ULONG>(digest.size()), 0));
    if (hash) BCryptDestroyHash(hash);
    if (algorithm) BCryptCloseAlgorithmProvider(algorithm, 0);
    // SHA-1 is part of every Windows since Vista: a failure here is a broken system.
    if (!hashed) throw std::runtime_error("SHA-1 を計算できません");
    return digest;
}

}  // namespace

// As RFC 4122 (and libuuid on POSIX) make it: the digest of the namespace's
// bytes and the name, its first 16 bytes marked as version 5 of the RFC's variant.
std::string nameBasedUuid(std::string_view namespaceText, std::string_view name) {
    const Bytes space = parseUuid(namespaceText);
    const auto digest =
        sha1(std::string_view(reinterpret_cast<const char*>(space.data()), space.size()), name);
    Bytes uuid{};
    std::copy_n(digest.begin(), uuid.size(), uuid.begin());
    uuid[6] = static_cast<unsigned char>((uuid[6] & 0x0F) | 0x50);
    uuid[8] = static_cast<unsigned char>((uuid[8] & 0x3F) | 0x80);
    return unparseLower(uuid);
}

}  // namespace bio
