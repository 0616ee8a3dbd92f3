#pragma once
// Dates: a day of the calendar as the clock gives it and the date boxes show
// it, and the numbers a reading takes from typed date texts.

namespace bio {

struct Date {
    int year = 0, month = 0, day = 0;

    bool operator==(const Date&) const = default;
};

// The numeric values of a typed year, month and day, as the day count takes
// them: usually a real date, but a text may give a fraction, a month of 13 or
// a year of 0, and the arithmetic goes through with it.
struct DateNumbers {
    double year = 0, month = 0, day = 0;

    bool operator==(const DateNumbers&) const = default;
};

inline DateNumbers numbersOf(const Date& date) {
    return {double(date.year), double(date.month), double(date.day)};
}

}  // namespace bio
