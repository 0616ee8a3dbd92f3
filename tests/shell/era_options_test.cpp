#include "shell/era_options.h"

#include <gtest/gtest.h>

#include "testing/program_fixture.h"

namespace bio {
namespace {

constexpr EraOptions kBaioEras{"Option1", "Option2", "Option3", "Option4", "Option5"};
constexpr EraOptions kFirstPersonEras{"Option1", "Option2", "Option3", "Option4", "Option9"};
constexpr EraOptions kSecondPersonEras{"Option5", "Option6", "Option7", "Option8", "Option10"};

class EraOptionGroups : public ::testing::Test {
  protected:
    void SetUp() override { program.start(); }
    Screen& screen(ScreenId id) { return program.program().screen(id); }

    testing::TestProgram program;
};

TEST_F(EraOptionGroups, SelectedEraIsTheCaptionOfTheSelectedOption) {
    Screen& baio = screen(ScreenId::baio);
    EXPECT_EQ(selectedEra(baio, kBaioEras), "");  // none selected on a fresh start
    const char* const names[] = {"明治", "大正", "昭和", "平成", "令和"};
    for (std::size_t i = 0; i < kBaioEras.size(); ++i) {
        baio.select(kBaioEras[i]);
        EXPECT_EQ(selectedEra(baio, kBaioEras), names[i]);
    }
}

TEST_F(EraOptionGroups, SelectEraFromFieldUsesTheFirstTwoCharacters) {
    struct Case {
        const char* field;
        const char* selectedKey;
        const char* era;
    };
    const Case cases[] = {
        {"昭和 ", "Option3", "昭和"},     // register field with its padding blank
        {"明治", "Option1", "明治"},      //
        {"平成元年", "Option4", "平成"},  // more than two characters
        {"大正", "Option2", "大正"},     {"令和 ", "Option5", "令和"},
    };
    Screen& baio = screen(ScreenId::baio);
    for (const Case& c : cases) {
        EXPECT_TRUE(selectEraFromField(baio, kBaioEras, c.field)) << c.field;
        EXPECT_TRUE(baio.control(c.selectedKey).selected()) << c.field;
        EXPECT_EQ(selectedEra(baio, kBaioEras), c.era) << c.field;
    }
}

TEST_F(EraOptionGroups, UnknownFieldLeavesTheSelectionAsItWas) {
    Screen& baio = screen(ScreenId::baio);
    baio.select("Option3");
    for (const char* field : {"", "    ", "昭", " 昭和", "大化 ", "\xe6\x98"}) {
        EXPECT_FALSE(selectEraFromField(baio, kBaioEras, field)) << field;
        EXPECT_EQ(selectedEra(baio, kBaioEras), "昭和") << field;
    }
}

TEST_F(EraOptionGroups, SecondPersonsGroupOnTheCompatibilityScreen) {
    Screen& aisyou = screen(ScreenId::aisyou);
    EXPECT_TRUE(selectEraFromField(aisyou, kFirstPersonEras, "明治 "));
    EXPECT_TRUE(selectEraFromField(aisyou, kSecondPersonEras, "昭和 "));
    EXPECT_TRUE(aisyou.control("Option7").selected());
    EXPECT_EQ(selectedEra(aisyou, kSecondPersonEras), "昭和");
    // Person 1's group is a group of its own.
    EXPECT_EQ(selectedEra(aisyou, kFirstPersonEras), "明治");
}

}  // namespace
}  // namespace bio
