#pragma once
// Which of aisyou's controls belong to which person: the register mapping, the
// number box of "セット" and the inputs of the run all read this one table.

#include <array>

#include "calendar/calendar.h"

namespace bio {

struct PersonControls {
    int person;  // index into names, emoday, emosign
    const char* nameBox;
    EraOptions eraOptions;                  // 明治, 大正, 昭和, 平成, 令和
    std::array<const char*, 3> birthBoxes;  // era year, month, day
    const char* numberBox;                  // register number for "セット"
};

inline constexpr PersonControls kPerson1{
    .person = 1,
    .nameBox = "Text7",
    .eraOptions = {"Option1", "Option2", "Option3", "Option4", "Option9"},
    .birthBoxes = {"Text1", "Text2", "Text3"},
    .numberBox = "Text12",
};
// Person 2's date boxes are numbered against their order on screen.
inline constexpr PersonControls kPerson2{
    .person = 2,
    .nameBox = "Text8",
    .eraOptions = {"Option5", "Option6", "Option7", "Option8", "Option10"},
    .birthBoxes = {"Text11", "Text10", "Text9"},
    .numberBox = "Text13",
};

// The shared target date.
inline constexpr std::array<const char*, 3> kTargetDateBoxes{"Text4", "Text5", "Text6"};

}  // namespace bio
