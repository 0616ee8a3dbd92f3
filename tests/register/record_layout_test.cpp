#include "register/record_layout.h"

#include <gtest/gtest.h>

#include <string>

#include "state/cp932.h"

namespace bio {
namespace {

std::string blanks(std::size_t count) { return std::string(count, ' '); }

bool isLeadByte(unsigned char byte) { return (byte >= 0x81 && byte <= 0x9F) || byte >= 0xE0; }

// True when every lead byte in `bytes` has its trail byte inside `bytes`.
bool noStrayLeadByte(const std::string& bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (!isLeadByte(static_cast<unsigned char>(bytes[i]))) continue;
        if (i + 1 == bytes.size()) return false;
        ++i;
    }
    return true;
}

TEST(RecordLayout, FieldsArePaddedWithBlanksToTheirWidths) {
    Cp932 codec;
    const RegisterRecord record{"12", "山田花子", "昭和", "38", "5", "10"};
    const std::string expected = "12" + blanks(3) +  // number, 5 bytes
                                 "\x8E\x52\x93\x63\x89\xD4\x8E\x71" +
                                 blanks(12) +                      // name, 20 bytes
                                 "\x8F\xBA\x98\x61" + blanks(1) +  // era, 5 bytes
                                 "38  " + "5   " + "10  ";         // 4 bytes each
    EXPECT_EQ(encodeRecord(codec, record), expected);
}

TEST(RecordLayout, OverlongTextsAreCutToTheirWidths) {
    Cp932 codec;
    RegisterRecord record;
    record.number = "123456";
    record.name = "あいうえおかきくけこさし";  // twelve full-width characters
    record.era = "明治大正";
    record.year = "19999";
    const std::string bytes = encodeRecord(codec, record);
    ASSERT_EQ(bytes.size(), 42u);
    EXPECT_EQ(bytes.substr(0, 5), "12345");
    EXPECT_EQ(codec.decode(bytes.substr(5, 20)), "あいうえおかきくけこ");
    // Five bytes hold two full-width characters; the third would be split.
    EXPECT_EQ(codec.decode(bytes.substr(25, 5)), "明治 ");
    EXPECT_EQ(bytes.substr(30, 4), "1999");
}

TEST(RecordLayout, ACutNeverLeavesAStrayLeadByte) {
    Cp932 codec;
    // Every field, with a double-byte text starting at every offset of it.
    for (std::size_t field = 0; field < kRecordFields.size(); ++field) {
        for (std::size_t lead = 0; lead <= kRecordFields[field].width; ++lead) {
            RegisterRecord record;
            record.*kRecordFields[field].member =
                std::string(lead, 'a') + "漢字漢字漢字漢字漢字漢字";
            const std::string bytes = encodeRecord(codec, record);
            ASSERT_EQ(bytes.size(), 42u);
            std::size_t offset = 0;
            for (std::size_t f = 0; f < field; ++f) offset += kRecordFields[f].width;
            const std::string stored = bytes.substr(offset, kRecordFields[field].width);
            EXPECT_TRUE(noStrayLeadByte(stored)) << "field " << field << ", offset " << lead;
            // What was kept reads back as a prefix of the text, then blanks.
            const std::string read = decodeRecord(codec, bytes).*kRecordFields[field].member;
            const std::string kept = read.substr(0, read.find_last_not_of(' ') + 1);
            EXPECT_EQ((record.*kRecordFields[field].member).rfind(kept, 0), 0u)
                << "field " << field << ", offset " << lead;
        }
    }
}

TEST(RecordLayout, ReadingKeepsPaddingAndDropsZeroBytes) {
    Cp932 codec;
    const std::string bytes = std::string("7\0\0\0\0", 5) +               // number after a gap fill
                              "\x8E\x52\x93\x63" + blanks(16) +           // 山田 and padding
                              std::string(5, '\0') +                      // era: all zero bytes
                              "38  " + std::string("5\0  ", 4) + "    ";  // a zero inside
    ASSERT_EQ(bytes.size(), 42u);
    const RegisterRecord record = decodeRecord(codec, bytes);
    EXPECT_EQ(record.number, "7");
    EXPECT_EQ(record.name, "山田" + blanks(16));
    EXPECT_EQ(record.era, "");
    EXPECT_EQ(record.year, "38  ");
    EXPECT_EQ(record.month, "5  ");
    EXPECT_EQ(record.day, blanks(4));

    EXPECT_EQ(decodeRecord(codec, std::string(42, '\0')), RegisterRecord{});
}

TEST(RecordLayout, PlainAsciiReadsAsTheCodecReadsIt) {
    Cp932 codec;
    // Every printable ASCII byte, including the backslash and tilde that some
    // Shift_JIS tables turn into yen and overline.
    for (char byte = ' '; byte <= '~'; ++byte) {
        std::string bytes(42, ' ');
        bytes[5] = byte;
        EXPECT_EQ(decodeRecord(codec, bytes).name, codec.decode(bytes.substr(5, 20))) << int(byte);
    }
}

TEST(RecordLayout, EncodeThenDecodeGivesThePaddedTexts) {
    Cp932 codec;
    const RegisterRecord typed{"2.5", "ﾀﾅｶ ｹﾝﾀ", "平成", "", "12", "31"};
    const RegisterRecord read{"2.5  ", "ﾀﾅｶ ｹﾝﾀ" + blanks(13), "平成 ", blanks(4), "12  ", "31  "};
    EXPECT_EQ(decodeRecord(codec, encodeRecord(codec, typed)), read);
}

}  // namespace
}  // namespace bio
