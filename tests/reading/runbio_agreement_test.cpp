// The reading a user starts on baio says what readingFor says: on sindan for
// the target date, and in the state for the 1st of its month.

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "biorhythm/reading.h"
#include "reading/reading.h"
#include "shell/baio_controls.h"
#include "state/numbers.h"
#include "testing/program_fixture.h"

namespace bio {
namespace {

// A birth and a target date as a user might type them: any era, 元 now and
// then, a half day now and then, target dates across two centuries.
testing::BaioInput randomInput(std::mt19937& random) {
    auto between = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    testing::BaioInput in;
    in.eraOption = baio::kEraOptions[static_cast<std::size_t>(between(0, 4))];
    in.eraYear = between(0, 9) == 0 ? "元" : std::to_string(between(1, 64));
    in.month = std::to_string(between(1, 12));
    in.day = std::to_string(between(1, 31)) + (between(0, 9) == 0 ? ".5" : "");
    in.targetYear = std::to_string(between(1900, 2099));
    in.targetMonth = std::to_string(between(1, 12));
    in.targetDay = std::to_string(between(1, 28));
    return in;
}

TEST(RunbioAgreesWithReadingFor, OnManyRandomBirthsAndDays) {
    testing::TestProgram t;
    Program& p = t.start();
    std::mt19937 random(20261207);
    for (int round = 0; round < 200; ++round) {
        const testing::BaioInput in = randomInput(random);
        SCOPED_TRACE(in.eraOption + " " + in.eraYear + "-" + in.month + "-" + in.day + " on " +
                     in.targetYear + "-" + in.targetMonth + "-" + in.targetDay);
        p.move(ScreenId::sindan, ScreenId::baio);
        testing::runReading(p, in);

        const Screen& baioScreen = p.screen(ScreenId::baio);
        const DateNumbers birth = birthAsTyped(
            {selectedEra(baioScreen, baio::kEraOptions), in.eraYear, in.month, in.day});
        const DateNumbers target{numericValue(in.targetYear), numericValue(in.targetMonth),
                                 numericValue(in.targetDay)};
        const Reading onTarget = readingFor(birth, target);
        const Screen& sindan = p.screen(ScreenId::sindan);
        ASSERT_EQ(sindan.text("Text9"), numberText(onTarget.days));
        ASSERT_EQ(sindan.text("Text10"), numberText(onTarget.cycle.emotion));
        ASSERT_EQ(sindan.text("Text11"), numberText(onTarget.cycle.intellect));
        ASSERT_EQ(sindan.text("Text12"), numberText(onTarget.cycle.body));
        ASSERT_EQ(sindan.control("List1").items().size(), 3 + verdictLines(onTarget.cycle).size());

        const DiagnosisState& s = p.state();
        const Reading onFirst = readingFor(birth, {target.year, target.month, 1});
        ASSERT_EQ(s.byear, birth.year);
        ASSERT_EQ(s.daynum1, onFirst.birthDayNumber);
        ASSERT_EQ(s.daynum2, onFirst.dayNumber);
        ASSERT_EQ(s.days, onFirst.days);
        ASSERT_EQ(s.emoday[1], onFirst.cycle.emotion);
        ASSERT_EQ(s.intday, onFirst.cycle.intellect);
        ASSERT_EQ(s.bodyday, onFirst.cycle.body);
        ASSERT_EQ(s.saveemo, onTarget.cycle.emotion);
        ASSERT_EQ(s.saveint, onTarget.cycle.intellect);
        ASSERT_EQ(s.graph.mdays, monthReading(birth, target.year, target.month).positions);
    }
}

}  // namespace
}  // namespace bio
