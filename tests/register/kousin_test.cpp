#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <string>

#include "register/kousin_screen.h"
#include "register/record_layout.h"
#include "register/register_file.h"
#include "register/register_fixture.h"

namespace bio {
namespace {

using testing::RegisterTest;

class KousinTest : public RegisterTest {
  protected:
    KousinTest() { p().move(ScreenId::menyu, ScreenId::kousin); }

    void type(const std::array<std::string, 6>& texts) {
        Screen& kousin = p().screen(ScreenId::kousin);
        for (int field = 0; field < 6; ++field)
            kousin.control("Text" + std::to_string(field + 1), 0).setText(texts[field]);
    }
    std::array<std::string, 6> typed() {
        std::array<std::string, 6> texts;
        Screen& kousin = p().screen(ScreenId::kousin);
        for (int field = 0; field < 6; ++field)
            texts[field] = kousin.control("Text" + std::to_string(field + 1), 0).text();
        return texts;
    }
    void update() {
        dialogs.messages.clear();
        p().click(ScreenId::kousin, "Command2");
    }
    std::string record(int k) { return registerBytes().substr((k - 1) * 42, 42); }
};

TEST_F(KousinTest, UpdatesWriteTheTypedTextsAtTheNumber) {
    const struct {
        const char* number;
        int written;
        std::size_t bytesAfter;
    } cases[] = {
        {"3", 3, 210},                       // replaces record 3 of five
        {"6", 6, 252},                       // appends
        {"8", 8, 336},                       // leaves records 6 and 7 as zero bytes
        {"2.5", 2, 210},                     // halves go to the even number
        {"3.5", 4, 210}, {"12ab", 12, 504},  // digits before letters
    };
    for (const auto& c : cases) {
        seedRegister(5);
        const std::string before = registerBytes();
        type({c.number, "更新　三郎", "平成", "7", "11", "23"});
        update();

        ASSERT_EQ(registerBytes().size(), c.bytesAfter) << c.number;
        // The number field keeps the typed text, not the record number.
        EXPECT_EQ(record(c.written), p().cp932().encodeField(c.number, 5) +
                                         p().cp932().encodeField("更新　三郎", 20) +
                                         "\x95\xBD\x90\xAC 7   11  23  ")
            << c.number;
        for (int k = 1; k <= 5; ++k) {
            if (k == c.written) continue;
            EXPECT_EQ(record(k), before.substr((k - 1) * 42, 42)) << c.number;
        }
        for (int k = 6; k < c.written; ++k) EXPECT_EQ(record(k), std::string(42, '\0')) << c.number;

        ASSERT_EQ(dialogs.messages.size(), 1u);
        EXPECT_EQ(dialogs.messages[0].text, "更新しました。");
        EXPECT_EQ(dialogs.messages[0].title, "");
        EXPECT_EQ(p().state().recno, c.written);
        // The texts stay in the boxes, as typed.
        EXPECT_EQ(typed(),
                  (std::array<std::string, 6>{c.number, "更新　三郎", "平成", "7", "11", "23"}));
    }
}

TEST_F(KousinTest, OverlongTextsAreCut) {
    seedRegister(1);
    type({"1", "あいうえおかきくけこさしすせそ", "明治時代", "12345", "1月です", "x"});
    update();
    ASSERT_TRUE(openRegister(p()));
    EXPECT_EQ(readRecord(p(), 1),
              (RegisterRecord{"1    ", "あいうえおかきくけこ", "明治 ", "1234", "1月 ", "x   "}));
}

TEST_F(KousinTest, EmptyBoxesWriteBlankFields) {
    type({"1", "", "", "", "", ""});
    update();
    EXPECT_EQ(registerBytes(), "1" + std::string(41, ' '));
}

TEST_F(KousinTest, RefusedNumbersChangeNothing) {
    seedRegister(5);
    const std::string before = registerBytes();
    p().state().recno = 9;
    const struct {
        const char* number;
        const char* message;
    } cases[] = {
        {"", "番号は1から32767までの数字で入力してください。"},
        {"abc", "番号は1から32767までの数字で入力してください。"},
        {"0", "番号は1から32767までの数字で入力してください。"},
        {"-3", "番号は1から32767までの数字で入力してください。"},
        {"40000", "番号は1から32767までの数字で入力してください。"},
        {"501", "登録できるのは500件までです。"},
        {"32767", "登録できるのは500件までです。"},
    };
    for (const auto& c : cases) {
        type({c.number, "山田　太郎", "昭和", "38", "5", "10"});
        update();
        ASSERT_EQ(dialogs.messages.size(), 1u) << c.number;
        EXPECT_EQ(dialogs.messages[0].text, c.message);
        EXPECT_EQ(dialogs.messages[0].title, "誤り警告");
        EXPECT_EQ(registerBytes(), before) << c.number;
        EXPECT_EQ(p().state().recno, 9);
        EXPECT_EQ(typed(),
                  (std::array<std::string, 6>{c.number, "山田　太郎", "昭和", "38", "5", "10"}));
        EXPECT_TRUE(p().visible(ScreenId::kousin));
    }
}

TEST_F(KousinTest, ARefusedNumberDoesNotCreateTheRegister) {
    type({"0", "山田　太郎", "", "", "", ""});
    update();
    EXPECT_FALSE(std::filesystem::exists(registerPath()));
}

TEST_F(KousinTest, AFolderInTheWayIsReported) {
    std::filesystem::create_directory(registerPath());
    type({"1", "山田　太郎", "", "", "", ""});
    update();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              "ファイル kojinfl2.txt を開けません：同じ名前のフォルダーがあります。");
    EXPECT_EQ(dialogs.messages[0].title, "誤り警告");
}

}  // namespace
}  // namespace bio
