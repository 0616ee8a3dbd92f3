#pragma once
// Typing a person into baio and starting a reading, as a user would.

#include <string>

#include "shell/program.h"

namespace bio::testing {

struct BaioInput {
    std::string name = "ＡＢＣＤ";
    std::string eraOption = "Option3";  // 昭和; empty selects none
    std::string eraYear = "38", month = "5", day = "10";
    std::string targetYear = "2026", targetMonth = "12", targetDay = "7";
};

inline void typeInto(Program& p, const BaioInput& in) {
    Screen& baio = p.screen(ScreenId::baio);
    baio.setText("Text7", in.name);
    if (!in.eraOption.empty()) baio.select(in.eraOption);
    baio.setText("Text1", in.eraYear);
    baio.setText("Text2", in.month);
    baio.setText("Text3", in.day);
    baio.setText("Text4", in.targetYear);
    baio.setText("Text5", in.targetMonth);
    baio.setText("Text6", in.targetDay);
}

inline void runReading(Program& p, const BaioInput& in) {
    typeInto(p, in);
    p.click(ScreenId::baio, "Command1");
}

}  // namespace bio::testing
