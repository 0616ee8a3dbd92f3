#include "state/cp932.h"

#include <gtest/gtest.h>

#include <string>

namespace bio {
namespace {

const std::string kReplacement = "\uFFFD";

bool isLeadByte(int byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}
bool isTrailByte(int byte) {
    return (byte >= 0x40 && byte <= 0x7E) || (byte >= 0x80 && byte <= 0xFC);
}

std::string bytes(std::initializer_list<int> values) {
    std::string out;
    for (const int v : values) out += static_cast<char>(v);
    return out;
}

// UTF-8 of a code point below U+10000.
std::string utf8Of(char32_t code) {
    if (code < 0x80) return std::string(1, static_cast<char>(code));
    if (code < 0x800)
        return bytes(
            {static_cast<int>(0xC0 | (code >> 6)), static_cast<int>(0x80 | (code & 0x3F))});
    return bytes({static_cast<int>(0xE0 | (code >> 12)),
                  static_cast<int>(0x80 | ((code >> 6) & 0x3F)),
                  static_cast<int>(0x80 | (code & 0x3F))});
}

struct CodecCase {
    std::string utf8;
    std::string cp932;
};

TEST(Cp932, EncodesTheWindowsTable) {
    const Cp932 codec;
    const CodecCase cases[] = {
        {"ABC", "ABC"},
        {"", ""},
        {"ｶ", bytes({0xB6})},
        {"ｶﾞ", bytes({0xB6, 0xDE})},
        {"昭和", bytes({0x8F, 0xBA, 0x98, 0x61})},
        {"ＡＢＣＤ", bytes({0x82, 0x60, 0x82, 0x61, 0x82, 0x62, 0x82, 0x63})},
        {"　", bytes({0x81, 0x40})},
        {"①", bytes({0x87, 0x40})},
        {"㈱", bytes({0x87, 0x8A})},
        {"髙", bytes({0xFB, 0xFC})},
        {"～", bytes({0x81, 0x60})},      // U+FF5E, the Windows form
        {"\u301C", bytes({0x81, 0x60})},  // WAVE DASH, as other systems type 〜
        {"－", bytes({0x81, 0x7C})},      // U+FF0D, the Windows form
        {"\u2212", bytes({0x81, 0x7C})},  // MINUS SIGN
        {"\u2015", bytes({0x81, 0x5C})},
        {"\\", "\\"},
        {"~", "~"},
        {"\x1A\x1C\x7F\t", "\x1A\x1C\x7F\t"},
    };
    for (const auto& c : cases) EXPECT_EQ(codec.encode(c.utf8), c.cp932) << c.utf8;
}

TEST(Cp932, EncodesMissingCharactersAsOneQuestionMarkEach) {
    const Cp932 codec;
    const CodecCase cases[] = {
        {"€", "?"},
        {"😀", "?"},
        {"a😀b", "a?b"},
        {"€€", "??"},
        {"한글", "??"},
        {"Ａ€Ｂ", bytes({0x82, 0x60, '?', 0x82, 0x61})},
        {"a\xFF"
         "b",
         "a?b"},               // a stray byte
        {"a\xE3\x81", "a??"},  // a character cut short
        {"\xE3"
         "A",
         "?A"},                 // a lead byte whose sequence is broken
        {"\xEF\xBF\xBD", "?"},  // the replacement character itself
    };
    for (const auto& c : cases) EXPECT_EQ(codec.encode(c.utf8), c.cp932) << c.utf8;
}

TEST(Cp932, DecodesAndReplacesWhatIsNoCharacter) {
    const Cp932 codec;
    const CodecCase cases[] = {
        {"～", bytes({0x81, 0x60})},
        {"－", bytes({0x81, 0x7C})},
        {"①", bytes({0x87, 0x40})},
        {"ｶ", bytes({0xB6})},
        {"昭和  ", bytes({0x8F, 0xBA, 0x98, 0x61, 0x20, 0x20})},
        {std::string(1, '\0'), std::string(1, '\0')},
        {kReplacement, bytes({0x81})},  // a lead byte at the very end
        {"A" + kReplacement, bytes({'A', 0x81})},
        {kReplacement + "\",", bytes({0x81, '"', ','})},  // quote and comma survive
        {kReplacement + " ", bytes({0x81, 0x20})},
        {kReplacement, bytes({0x85, 0x40})},  // unassigned pair: one character
        {kReplacement + kReplacement + kReplacement, bytes({0xFD, 0xFE, 0xFF})},
        {"a" + kReplacement + "b", bytes({'a', 0x80, 'b'})},
        {kReplacement, bytes({0xA0})},
    };
    for (const auto& c : cases) EXPECT_EQ(codec.decode(c.cp932), c.utf8);
}

TEST(Cp932, EverySingleByte) {
    const Cp932 codec;
    for (int b = 0; b <= 0xFF; ++b) {
        const std::string byte(1, static_cast<char>(b));
        std::string expected;
        if (b <= 0x7F) {
            expected = byte;  // ASCII and control codes unchanged
        } else if (b >= 0xA1 && b <= 0xDF) {
            expected = utf8Of(U'\uFF61' + static_cast<char32_t>(b - 0xA1));  // half-width kana
        } else {
            expected = kReplacement;  // lead bytes alone and unused bytes
        }
        EXPECT_EQ(codec.decode(byte), expected) << b;
        if (expected != kReplacement) {
            EXPECT_EQ(codec.encode(expected), byte) << b;
        }
    }
}

// Windows keeps some characters twice (NEC row 13 against JIS row 2, NEC's copy
// of the IBM extensions against IBM's, IBM's Roman numerals and signs against
// NEC's); those decode to the shared character, which encodes to the preferred
// code. Everything else must come back byte for byte.
TEST(Cp932, EveryDoubleByteCodeRoundTrips) {
    const Cp932 codec;
    int characters = 0;
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (!isLeadByte(lead)) continue;
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            if (!isTrailByte(trail)) continue;
            const std::string code = bytes({lead, trail});
            const std::string text = codec.decode(code);
            if (text.find(kReplacement) != std::string::npos) {
                EXPECT_EQ(text, kReplacement) << std::hex << lead << trail;
                continue;
            }
            ++characters;
            const std::string back = codec.encode(text);
            ASSERT_EQ(back.size(), 2u) << std::hex << lead << trail;
            EXPECT_EQ(codec.decode(back), text) << std::hex << lead << trail;
            const int backLead = static_cast<unsigned char>(back[0]);
            if (lead == 0x87 && trail >= 0x90 && trail <= 0x9C) {
                if (back != code) {
                    EXPECT_EQ(backLead, 0x81) << std::hex << lead << trail;
                }
            } else if (lead == 0xED || lead == 0xEE) {
                EXPECT_TRUE(backLead == 0x81 || (backLead >= 0xFA && backLead <= 0xFC))
                    << std::hex << lead << trail;
            } else if (lead == 0xFA && trail >= 0x4A && trail <= 0x5B) {
                if (back != code) {
                    EXPECT_TRUE(backLead == 0x81 || backLead == 0x87) << std::hex << lead << trail;
                }
            } else {
                EXPECT_EQ(back, code) << std::hex << lead << trail;
            }
        }
    }
    EXPECT_GT(characters, 7000);
}

// The user-defined rows F0..F9 are the private use area, in order.
TEST(Cp932, UserDefinedRowsArePrivateUse) {
    const Cp932 codec;
    char32_t expected = 0xE000;
    for (int lead = 0xF0; lead <= 0xF9; ++lead) {
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            if (!isTrailByte(trail)) continue;
            EXPECT_EQ(codec.decode(bytes({lead, trail})), utf8Of(expected))
                << std::hex << lead << trail;
            ++expected;
        }
    }
    EXPECT_EQ(expected, 0xE758u);
}

TEST(Cp932, WidthCountsBytes) {
    const Cp932 codec;
    const struct {
        const char* text;
        std::size_t width;
    } cases[] = {
        {"", 0}, {"ABCD", 4}, {"ＡＢＣＤ", 8}, {"ｶﾀｶﾅ", 4}, {"昭和", 4}, {"€", 1}, {"38年", 4},
    };
    for (const auto& c : cases) EXPECT_EQ(codec.width(c.text), c.width) << c.text;
}

TEST(Cp932, EncodeFieldCutsAndPads) {
    const Cp932 codec;
    const struct {
        std::string text;
        std::size_t width;
        std::string field;
    } cases[] = {
        {"ＡＢＣＤ", 20, codec.encode("ＡＢＣＤ") + std::string(12, ' ')},
        {"昭和", 5, bytes({0x8F, 0xBA, 0x98, 0x61, ' '})},
        {"あいうえおかきくけこさし", 20, codec.encode("あいうえおかきくけこ")},
        {"ａｂｃ", 5, codec.encode("ａｂ") + " "},
        {"12", 5, "12   "},
        {"", 4, "    "},
        {"abcdef", 4, "abcd"},
        {"ｶﾞ", 1, bytes({0xB6})},
        {"A昭", 2, "A "},
        {"昭", 1, " "},
        {"abc", 0, ""},
        {"a€", 3, "a? "},
    };
    for (const auto& c : cases) EXPECT_EQ(codec.encodeField(c.text, c.width), c.field) << c.text;
}

// Whatever the width, a field is exactly that long, decodes cleanly and holds
// the start of the text.
TEST(Cp932, EncodeFieldNeverSplitsACharacter) {
    const Cp932 codec;
    const std::string texts[] = {"ＡＢＣＤ", "aＢcＤe", "ｶﾀｶﾅ漢字", "①㈱～－", "山田 太郎 "};
    for (const auto& text : texts) {
        for (std::size_t width = 0; width <= 14; ++width) {
            const std::string field = codec.encodeField(text, width);
            ASSERT_EQ(field.size(), width) << text << " " << width;
            EXPECT_EQ(codec.decode(field).find(kReplacement), std::string::npos) << text << width;
            const std::string encoded = codec.encode(text);
            if (width >= encoded.size()) {
                EXPECT_EQ(field, encoded + std::string(width - encoded.size(), ' '));
            } else {  // cut, with one blank where a double-byte character did not fit
                const std::string cut = encoded.substr(0, width);
                const bool splits = codec.decode(cut).find(kReplacement) != std::string::npos;
                EXPECT_EQ(field, splits ? cut.substr(0, width - 1) + ' ' : cut)
                    << text << " " << width;
            }
        }
    }
}

}  // namespace
}  // namespace bio
