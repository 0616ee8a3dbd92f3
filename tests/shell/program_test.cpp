#include "shell/program.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "testing/program_fixture.h"

namespace bio {
namespace {

using testing::TestProgram;

std::vector<ScreenId> visibleScreens(const Program& p) {
    std::vector<ScreenId> visible;
    for (ScreenId id : kAllScreens)
        if (p.visible(id)) visible.push_back(id);
    return visible;
}

TEST(ProgramStart, ShowsOnlyBaioWithTodaysDate) {
    TestProgram t({2026, 12, 7});
    Program& p = t.start();
    EXPECT_EQ(visibleScreens(p), std::vector<ScreenId>{ScreenId::baio});
    for (ScreenId id : kAllScreens) EXPECT_EQ(p.created(id), id == ScreenId::baio);

    Screen& baio = p.screen(ScreenId::baio);
    EXPECT_EQ(baio.text("Text4"), "2026");
    EXPECT_EQ(baio.text("Text5"), "12");
    EXPECT_EQ(baio.text("Text6"), "07");
}

TEST(ProgramStart, WritesMonthAndDayWithTwoDigits) {
    TestProgram t({2027, 5, 5});
    Screen& baio = t.start().screen(ScreenId::baio);
    EXPECT_EQ(baio.text("Text4"), "2027");
    EXPECT_EQ(baio.text("Text5"), "05");
    EXPECT_EQ(baio.text("Text6"), "05");
}

struct Step {
    ScreenId screen;
    const char* control;
    std::vector<ScreenId> visibleAfter;
};

TEST(Navigation, EachCommandHidesTheCurrentScreenAndShowsTheNext) {
    using enum ScreenId;
    const std::vector<Step> steps{
        {baio, "Command2", {menyu}},        {menyu, "Command1", {baio}},
        {baio, "Command2", {menyu}},        {menyu, "Command2", {kousin}},
        {kousin, "Command1", {menyu}},      {menyu, "Command4", {aisyou}},
        {aisyou, "Command3", {menyu}},      {menyu, "Command4", {aisyou}},
    };
    TestProgram t;
    Program& p = t.start();
    for (const auto& step : steps) {
        ASSERT_TRUE(p.click(step.screen, step.control)) << step.control;
        EXPECT_EQ(visibleScreens(p), step.visibleAfter) << screenName(step.screen) << "." << step.control;
    }
}

TEST(Navigation, ResultScreensLeadBackToTheirInputAndToTheMenu) {
    using enum ScreenId;
    TestProgram t;
    Program& p = t.start();
    p.move(baio, sindan);
    ASSERT_TRUE(p.click(sindan, "back"));
    EXPECT_EQ(visibleScreens(p), std::vector<ScreenId>{baio});
    p.move(baio, sindan);
    ASSERT_TRUE(p.click(sindan, "menyuhe"));
    EXPECT_EQ(visibleScreens(p), std::vector<ScreenId>{menyu});

    p.move(menyu, aisyousin);
    ASSERT_TRUE(p.click(aisyousin, "back"));
    EXPECT_EQ(visibleScreens(p), std::vector<ScreenId>{aisyou});
    p.move(aisyou, aisyousin);
    ASSERT_TRUE(p.click(aisyousin, "mnback"));
    EXPECT_EQ(visibleScreens(p), std::vector<ScreenId>{menyu});
    EXPECT_FALSE(p.visible(aisyou));
}

TEST(Navigation, ScreensKeepTheirContentsAndLoadOnlyOnce) {
    TestProgram t;
    Program& p = t.start();
    int loads = 0;
    p.setLoadAction(ScreenId::kousin, [&loads](Program&) { ++loads; });
    p.click(ScreenId::baio, "Command2");
    p.click(ScreenId::menyu, "Command2");
    p.screen(ScreenId::kousin).setText("Text2(0)", "山田太郎");
    p.click(ScreenId::kousin, "Command1");
    p.click(ScreenId::menyu, "Command2");
    EXPECT_EQ(loads, 1);
    EXPECT_EQ(p.screen(ScreenId::kousin).text("Text2(0)"), "山田太郎");
}

class TrackedFile : public OpenDataFile {
public:
    explicit TrackedFile(bool& closed) : closed_(closed) {}
    ~TrackedFile() override { closed_ = true; }

private:
    bool& closed_;
};

TEST(ProgramEnd, BothEndCommandsCloseTheOpenFileAndStopEverything) {
    for (auto [screen, control] : {std::pair{ScreenId::menyu, "Command6"},
                                   std::pair{ScreenId::aisyousin, "syuuryou"}}) {
        TestProgram t;
        Program& p = t.start();
        bool closed = false;
        p.adoptOpenFile(std::make_unique<TrackedFile>(closed));
        p.show(screen);
        ASSERT_TRUE(p.click(screen, control));
        EXPECT_TRUE(closed);
        EXPECT_TRUE(p.ended());
        EXPECT_FALSE(p.click(ScreenId::baio, "Command2"));  // nothing runs after the end
        EXPECT_TRUE(p.visible(ScreenId::baio));
    }
}

TEST(ProgramEnd, GoingToTheCompatibilityScreenClosesTheOpenFile) {
    TestProgram t;
    Program& p = t.start();
    bool closed = false;
    p.adoptOpenFile(std::make_unique<TrackedFile>(closed));
    p.click(ScreenId::baio, "Command2");
    EXPECT_FALSE(closed);
    p.click(ScreenId::menyu, "Command4");
    EXPECT_TRUE(closed);
}

TEST(CloseBox, HyoujiReturnsToTheMenuAndAnyOtherScreenEnds) {
    TestProgram t;
    Program& p = t.start();
    p.click(ScreenId::baio, "Command2");
    p.show(ScreenId::hyouji);
    p.closeBox(ScreenId::hyouji);
    EXPECT_FALSE(p.ended());
    EXPECT_EQ(visibleScreens(p), std::vector<ScreenId>{ScreenId::menyu});
    p.closeBox(ScreenId::menyu);
    EXPECT_TRUE(p.ended());
}

TEST(Enter, RunsTheDefaultButtonOnlyWhereThereIsOne) {
    TestProgram t;
    Program& p = t.start();
    int runs = 0;
    p.setCommand(ScreenId::baio, "Command1", [&runs](Program&) { ++runs; });
    p.enter(ScreenId::baio);
    EXPECT_EQ(runs, 1);
    p.click(ScreenId::baio, "Command2");
    p.enter(ScreenId::menyu);  // the menu has no default button
    EXPECT_EQ(visibleScreens(p), std::vector<ScreenId>{ScreenId::menyu});
}

}  // namespace
}  // namespace bio
