#pragma once
// Typing two persons into aisyou and seeding the register with exact bytes, as
// the compatibility tests need them.

#include <string>
#include <string_view>

#include "shell/program.h"
#include "testing/program_fixture.h"

namespace bio::testing {

// Code page 932 bytes of the texts the register tests store.
inline const std::string kShowaBytes = "\x8f\xba\x98\x61";   // 昭和
inline const std::string kHeiseiBytes = "\x95\xbd\x90\xac";  // 平成
inline const std::string kYamadaBytes = "\x8e\x52\x93\x63";  // 山田

// One 42-byte record from field bytes, each padded with blanks to its width.
inline std::string recordBytes(std::string_view number, std::string_view name, std::string_view era,
                               std::string_view year, std::string_view month,
                               std::string_view day) {
    auto field = [](std::string_view bytes, std::size_t width) {
        std::string padded(bytes);
        padded.resize(width, ' ');
        return padded;
    };
    return field(number, 5) + field(name, 20) + field(era, 5) + field(year, 4) + field(month, 4) +
           field(day, 4);
}

// Records 1..count named "PERSON<k>", born 昭和 <k>/<month k>/<day k>.
inline std::string seedRecords(int count) {
    std::string bytes;
    for (int k = 1; k <= count; ++k) {
        const std::string n = std::to_string(k);
        bytes += recordBytes(n, "PERSON" + n, kShowaBytes, n, std::to_string(k % 12 + 1),
                             std::to_string(k % 28 + 1));
    }
    return bytes;
}

struct PersonInput {
    std::string name;
    std::string era;  // "明治".."平成"; empty selects none
    std::string year, month, day;
};

// The person's controls by their names on screen; person 2's date boxes run
// Text11, Text10, Text9 from left to right.
inline void typePerson(Screen& aisyou, int person, const PersonInput& in) {
    static const char* const kEras[] = {"明治", "大正", "昭和", "平成"};
    const int firstOption = person == 1 ? 1 : 5;
    for (int i = 0; i < 4; ++i) {
        if (in.era == kEras[i]) aisyou.select("Option" + std::to_string(firstOption + i));
    }
    aisyou.setText(person == 1 ? "Text7" : "Text8", in.name);
    aisyou.setText(person == 1 ? "Text1" : "Text11", in.year);
    aisyou.setText(person == 1 ? "Text2" : "Text10", in.month);
    aisyou.setText(person == 1 ? "Text3" : "Text9", in.day);
}

inline void typeTargetDate(Screen& aisyou, const std::string& year, const std::string& month,
                           const std::string& day) {
    aisyou.setText("Text4", year);
    aisyou.setText("Text5", month);
    aisyou.setText("Text6", day);
}

// Started, then through the menu to the compatibility screen, which pre-fills itself.
inline Program& openAisyou(TestProgram& t) {
    Program& p = t.start();
    p.click(ScreenId::baio, "Command2");
    p.click(ScreenId::menyu, "Command4");
    return p;
}

// The worked example: 昭和 40-5-10 and 昭和 42-8-3 on 7 December 2026.
inline Program& runWorkedExample(TestProgram& t) {
    Program& p = openAisyou(t);
    Screen& aisyou = p.screen(ScreenId::aisyou);
    typePerson(aisyou, 1, {"Ａ", "昭和", "40", "5", "10"});
    typePerson(aisyou, 2, {"Ｂ", "昭和", "42", "8", "3"});
    typeTargetDate(aisyou, "2026", "12", "7");
    p.click(ScreenId::aisyou, "Command1");
    return p;
}

}  // namespace bio::testing
