#pragma once
// The program-wide state of the shared module: every procedure reads its inputs
// from here and leaves its results here. Program owns one instance.

#include <array>
#include <cstdint>
#include <string>

#include "state/date.h"

namespace bio {

// One register record as read from or written to the register file: six texts,
// kept exactly as read (padding included).
struct RegisterRecord {
    std::string number;
    std::string name;
    std::string era;
    std::string year;
    std::string month;
    std::string day;

    bool operator==(const RegisterRecord&) const = default;
};

// Working values of the month graph, shared by both graph procedures.
struct GraphState {
    static constexpr int kPoints = 41;  // indices 0..40
    int16_t mdays = 0;                  // 28..31 day positions
    double gpi = 0;
    double emophase = 0, intphase = 0, bodyphase = 0;
    double emoacc = 0, bodyacc = 0;
    float intacc = 0;  // single precision, as the curve's rounding depends on it
    std::array<double, kPoints> emox{}, emoy{};
    std::array<double, kPoints> intx{};
    std::array<int16_t, kPoints> inty{};
    std::array<double, kPoints> bodyx{}, bodyy{};
    std::array<std::string, kPoints> wdtab{}, wdlabel{};
};

// A person's birth as a reading took it in: the texts as typed and the
// Western date its day count started from.
struct BirthRecord {
    std::string eraname;
    std::string erayeartext, bmonthtext, bdaytext;
    DateNumbers western;
};

struct DiagnosisState {
    static constexpr int kRegtableSize = 501;  // entries 0..500

    // Texts as typed.
    std::array<std::string, 3> names{};  // by person index; 0 is never used
    std::string eraname;
    std::string erayeartext, bmonthtext, bdaytext;
    std::string tyeartext, tmonthtext, tdaytext;

    // Numeric values of those texts.
    int person = 0;
    double erayear = 0, bmonth = 0, bday = 0;
    double tyear = 0, tmonth = 0, tday = 0;
    double byear = 0;
    double age = 0;

    // Day arithmetic.
    double y1 = 0, m1 = 0, d1 = 0;
    double y2 = 0, m2 = 0, d2 = 0;
    double daynum1 = 0, daynum2 = 0, days = 0;
    double bodyday = 0, intday = 0;
    std::array<int16_t, 3> emoday{};  // by person index

    int wday2 = 0;  // 0 = Sunday .. 6 = Saturday
    int16_t saveemo = 0;
    double saveint = 0;
    int16_t savebody = 0;

    // Compatibility.
    std::array<std::string, 3> emosign{};
    int graphcolor = 0;
    // By person index: the compatibility run overwrites the shared birth fields
    // with person 2's, so its report keeps each person's here.
    std::array<BirthRecord, 3> births{};
    // The person sindan shows, as the biorhythm run read them: the
    // compatibility run reuses names(1) and the birth fields for its own.
    std::string readingName;
    DateNumbers readingBirth;

    GraphState graph;

    // Register.
    int16_t recno = 0;
    std::array<RegisterRecord, kRegtableSize> regtable{};
};

}  // namespace bio
