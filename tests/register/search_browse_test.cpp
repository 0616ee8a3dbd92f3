#include "register/search_browse.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "register/register_fixture.h"

namespace bio {
namespace {

using testing::kEmptyPage;
using testing::Page;
using testing::pageOf;
using testing::RegisterTest;

// What one search or browse showed: the page on screen at each "次へ", and the
// screen it leaves.
struct Pages {
    std::vector<Page> atNext;
    Page last;
    bool operator==(const Pages&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Pages& pages) {
    auto print = [&](const Page& page) {
        out << "[";
        for (const auto& row : page) out << row << ",";
        out << "]";
    };
    for (const auto& page : pages.atNext) {
        print(page);
        out << " 次へ ";
    }
    print(pages.last);
    return out;
}

class SearchBrowseTest : public RegisterTest {
  protected:
    Pages run(void (*command)(Program&)) {
        dialogs.messages.clear();
        command(p());
        Pages pages;
        for (const auto& message : dialogs.messages) {
            if (message.text != "次へ") continue;
            EXPECT_EQ(message.title, "");
            pages.atNext.push_back(message.page);
        }
        pages.last = hyoujiPage();
        return pages;
    }
};

TEST_F(SearchBrowseTest, BrowsePagesTenRecordsAtATimeWithoutRepeats) {
    const struct {
        int records;
        Pages pages;
    } cases[] = {
        {0, {{kEmptyPage}, kEmptyPage}},
        {3, {{pageOf(1, 3)}, pageOf(1, 3)}},
        {5, {{pageOf(1, 5)}, pageOf(1, 5)}},
        {10, {{pageOf(1, 10)}, pageOf(1, 10)}},
        {11, {{pageOf(1, 10)}, pageOf(11, 11)}},
        {15, {{pageOf(1, 10)}, pageOf(11, 15)}},
        {19, {{pageOf(1, 10)}, pageOf(11, 19)}},
        {20, {{pageOf(1, 10), pageOf(11, 20)}, kEmptyPage}},
        {25, {{pageOf(1, 10), pageOf(11, 20)}, pageOf(21, 25)}},
    };
    for (const auto& c : cases) {
        seedRegister(c.records);
        EXPECT_EQ(run(browse), c.pages) << c.records << " records";
        EXPECT_EQ(messageTexts().size(), c.pages.atNext.size()) << "only 次へ messages";
        EXPECT_EQ(p().state().recno, c.records + 2);
    }
}

TEST_F(SearchBrowseTest, BrowseOfFiveHundredRecordsShowsEachOnce) {
    seedRegister(500);
    const Pages pages = run(browse);
    ASSERT_EQ(pages.atNext.size(), 50u);
    for (int page = 0; page < 50; ++page)
        EXPECT_EQ(pages.atNext[page], pageOf(page * 10 + 1, page * 10 + 10));
    EXPECT_EQ(pages.last, kEmptyPage);
}

TEST_F(SearchBrowseTest, SearchOfEveryNamePagesLikeThePart) {
    // Cancelling the input box searches for the empty text: every record is a hit.
    const struct {
        int records;
        Pages pages;
    } cases[] = {
        {0, {{kEmptyPage}, kEmptyPage}},
        {3, {{}, pageOf(1, 3)}},
        {5, {{}, pageOf(1, 5)}},
        {9, {{}, pageOf(1, 9)}},
        {10, {{pageOf(1, 10)}, kEmptyPage}},
        {15, {{pageOf(1, 10)}, pageOf(11, 15)}},
        {19, {{pageOf(1, 10)}, pageOf(11, 19)}},
        {20, {{pageOf(1, 10), pageOf(11, 20)}, kEmptyPage}},
        {25, {{pageOf(1, 10), pageOf(11, 20)}, pageOf(21, 25)}},
    };
    for (const auto& c : cases) {
        seedRegister(c.records);
        dialogs.inputs.push_back(std::nullopt);
        EXPECT_EQ(run(search), c.pages) << c.records << " records";
        EXPECT_EQ(p().state().recno, c.records + 2);
    }
}

TEST_F(SearchBrowseTest, SearchAsksForTheNameWithDefaultZero) {
    seedRegister(3);
    run(search);
    EXPECT_EQ(dialogs.inputPrompts, std::vector<std::string>{"検索する氏名|検索氏名入力|0"});
}

TEST_F(SearchBrowseTest, NoHitShowsAnEmptyPageThenTheWarning) {
    seedRegister(25);
    // The default text "0" is in none of the names.
    run(search);
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0].text, "次へ");
    EXPECT_EQ(dialogs.messages[0].page, kEmptyPage);
    EXPECT_EQ(dialogs.messages[1].text, "ありません");
    EXPECT_EQ(dialogs.messages[1].title, "誤り警告");
    EXPECT_TRUE(p().visible(ScreenId::hyouji));
}

TEST_F(SearchBrowseTest, HitsFillTheRowsInRecordOrder) {
    seedRegister(25);
    const struct {
        const char* text;
        Page rows;
    } cases[] = {
        {"山田", {"1", "13", "", "", "", "", "", "", "", ""}},
        {"山", {"1", "8", "13", "15", "22", "", "", "", "", ""}},
        {"子", {"2", "10", "13", "15", "", "", "", "", "", ""}},
        // Exact characters: full-width and half-width katakana differ.
        {"ﾀﾅｶ", {"5", "", "", "", "", "", "", "", "", ""}},
        {"タナカ", kEmptyPage},
        // The name is searched as stored, padding blanks included.
        {"郎 ", {"1", "3", "", "", "", "", "", "", "", ""}},
    };
    for (const auto& c : cases) {
        dialogs.inputs.push_back(c.text);
        const Pages pages = run(search);
        EXPECT_EQ(pages.last, c.rows) << c.text;
    }
}

TEST_F(SearchBrowseTest, RowsShowEveryFieldAsStored) {
    seedRegister(13);
    dialogs.inputs.push_back("花子");
    run(search);
    Screen& hyouji = p().screen(ScreenId::hyouji);
    const std::vector<std::string> row1 = {
        "13   ", "山田　花子" + std::string(10, ' '), "昭和 ", "14  ", "2   ", "14  "};
    for (int column = 0; column < 6; ++column) {
        const std::string box = "Text" + std::to_string(column + 1);
        EXPECT_EQ(hyouji.control(box, 1).text(), row1[column]) << box;
        EXPECT_EQ(hyouji.control(box, 2).text(), "") << box;
    }
    EXPECT_EQ(hyouji.control("Text2", 0).text(), "佐藤　花子" + std::string(10, ' '));
}

TEST_F(SearchBrowseTest, ScansFillRegtableAndLeaveEntryZeroEmpty) {
    seedRegister(12);
    run(browse);
    const auto& table = p().state().regtable;
    EXPECT_EQ(table[0], RegisterRecord{});
    EXPECT_EQ(table[12].number, "12   ");
    EXPECT_EQ(table[12].name, "吉田　恵" + std::string(12, ' '));
    EXPECT_EQ(table[13], RegisterRecord{});
}

TEST_F(SearchBrowseTest, HyoujiOpensInFrontOfTheMenu) {
    seedRegister(3);
    for (auto command : {browse, search}) {
        run(command);
        EXPECT_TRUE(p().visible(ScreenId::hyouji));
        EXPECT_TRUE(p().visible(ScreenId::menyu));
        p().click(ScreenId::hyouji, "Command1");
        EXPECT_FALSE(p().visible(ScreenId::hyouji));
    }
}

TEST_F(SearchBrowseTest, HclsEmptiesEveryRow) {
    seedRegister(10);
    run(browse);
    ASSERT_EQ(hyoujiPage(), pageOf(1, 10));
    hcls(p());
    Screen& hyouji = p().screen(ScreenId::hyouji);
    for (int row = 0; row < 10; ++row)
        for (int column = 1; column <= 6; ++column)
            EXPECT_EQ(hyouji.control("Text" + std::to_string(column), row).text(), "");
}

TEST_F(SearchBrowseTest, ARegisterOverFiveHundredRecordsIsRefused) {
    seedRegister(10);
    run(browse);  // fills regtable and hyouji
    p().click(ScreenId::hyouji, "Command1");
    const auto tableBefore = p().state().regtable;

    seedRegister(501);
    const std::string before = registerBytes();
    for (auto command : {browse, search}) {
        run(command);
        ASSERT_EQ(dialogs.messages.size(), 1u);
        EXPECT_EQ(dialogs.messages[0].text,
                  "ファイル kojinfl2.txt の記録が500件を超えているため、読み込めません。");
        EXPECT_EQ(dialogs.messages[0].title, "誤り警告");
        EXPECT_FALSE(p().visible(ScreenId::hyouji));
        EXPECT_EQ(hyoujiPage(), pageOf(1, 10));
        EXPECT_EQ(p().state().regtable, tableBefore);
        EXPECT_EQ(p().state().recno, 12);
    }
    EXPECT_EQ(registerBytes(), before);
}

TEST_F(SearchBrowseTest, AnUnreadableRegisterShowsNothing) {
    std::filesystem::create_directory(registerPath());
    for (auto command : {browse, search}) {
        run(command);
        ASSERT_EQ(dialogs.messages.size(), 1u);
        EXPECT_EQ(dialogs.messages[0].text,
                  "ファイル kojinfl2.txt を開けません：同じ名前のフォルダーがあります。");
        EXPECT_FALSE(p().visible(ScreenId::hyouji));
    }
}

}  // namespace
}  // namespace bio
