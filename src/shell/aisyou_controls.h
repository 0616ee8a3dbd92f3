#pragma once
// The controls of aisyou, the compatibility input screen, and which of them
// belong to which person: the register mapping, the number box of "セット"
// and the inputs of the run all read this one table.

#include "shell/era_options.h"
#include "shell/today.h"

namespace bio::aisyou {

struct PersonControls {
    int person;  // index into names, emoday, emosign
    const char* frame;
    const char* nameBox;
    EraOptions eraOptions;  // 明治, 大正, 昭和, 平成, 令和
    DateBoxes birthBoxes;   // era year, month, day
    const char* numberBox;  // register number for "セット"
    const char* takeFromRegister;
};

inline constexpr PersonControls kPerson1{
    .person = 1,
    .frame = "Frame1",
    .nameBox = "Text7",
    .eraOptions = {"Option1", "Option2", "Option3", "Option4", "Option9"},
    .birthBoxes = {"Text1", "Text2", "Text3"},
    .numberBox = "Text12",
    .takeFromRegister = "Command4",  // "セット１"
};
// Person 2's date boxes are numbered against their order on screen.
inline constexpr PersonControls kPerson2{
    .person = 2,
    .frame = "Frame5",
    .nameBox = "Text8",
    .eraOptions = {"Option5", "Option6", "Option7", "Option8", "Option10"},
    .birthBoxes = {"Text11", "Text10", "Text9"},
    .numberBox = "Text13",
    .takeFromRegister = "Command5",  // "セット２"
};

// The shared target date.
inline constexpr DateBoxes kTargetDateBoxes{"Text4", "Text5", "Text6"};
inline constexpr const char* kRegister = "Command2";  // "登録"
inline constexpr const char* kToMenu = "Command3";
inline constexpr const char* kRun = "Command1";  // " 相 性 診 断 実 行", the default

}  // namespace bio::aisyou
