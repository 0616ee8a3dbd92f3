#include "state/numbers.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <string>

namespace bio {
namespace {

struct TextCase {
    std::string text;
    double value;
};

TEST(NumericValue, ReadsTheLeadingNumber) {
    const TextCase cases[] = {
        {"38", 38},
        {"38年", 38},
        {"1 2", 12},
        {" 5 ", 5},
        {"", 0},
        {"abc", 0},
        {"-6", -6},
        {"2.5", 2.5},
        {"+5", 5},
        {".5", 0.5},
        {"5.", 5},
        {"-.5", -0.5},
        {"1.2.3", 1.2},
        {"--5", 0},
        {"1,000", 1},
        {"昭和38", 0},
        {"\t1\n2", 12},
        {"  - 4 2 ", -42},
        {"007", 7},
        {"0", 0},
        {".", 0},
        {"-", 0},
        {"12abc34", 12},
        {"5\xFF"
         "6",
         5},
        {"38\r", 38},
        {"\r38", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(numericValue(c.text), c.value) << c.text;
}

TEST(NumericValue, ReadsExponentsWithEOrD) {
    const TextCase cases[] = {
        {"1D2", 100},   {"1d2", 100},   {"1E2", 100},    {"1e2", 100},
        {"1e-2", 0.01}, {"2.5E+1", 25}, {"1 E 2", 100},  {"1E", 1},
        {"1E+", 1},     {"1E-", 1},     {"1Ex", 1},      {"1E2E3", 100},
        {"E2", 0},      {"1E2.5", 100}, {"-1.5D1", -15}, {"1E0002", 100},
    };
    for (const auto& c : cases) EXPECT_EQ(numericValue(c.text), c.value) << c.text;
}

TEST(NumericValue, ReadsHexadecimalAndOctalWholeNumbers) {
    const TextCase cases[] = {
        {"&HFF", 255}, {"&hff", 255}, {"&H1f", 31}, {" & H 1 0", 16}, {"&O17", 15},
        {"&o17", 15},  {"&H", 0},     {"&HFG", 15}, {"&O8", 0},       {"&O78", 7},
        {"&12", 0},    {"&", 0},      {"-&H10", 0}, {"&H10.5", 16},   {"&HFFFF", 65535},
    };
    for (const auto& c : cases) EXPECT_EQ(numericValue(c.text), c.value) << c.text;
}

TEST(NumericValue, ReadsFullWidthDigitsAsAnInputMethodTypesThem) {
    const TextCase cases[] = {
        {"３８", 38}, {"３８年", 38},  {"　５　", 5},   {"－６", -6},      {"２．５", 2.5},
        {"＋７", 7},  {"１Ｅ２", 100}, {"１ｄ２", 100}, {"＆ＨＦＦ", 255}, {"3８", 38},
        {"−6", -6},   {"ａｂｃ", 0},   {"１　２", 12},  {"５\u3000", 5},
    };
    for (const auto& c : cases) EXPECT_EQ(numericValue(c.text), c.value) << c.text;
}

TEST(NumericValue, StaysFiniteAtTheEdgesOfTheRange) {
    const std::string zeros400(400, '0');
    const TextCase cases[] = {
        {"1E999", DBL_MAX},
        {"-1E999", -DBL_MAX},
        {"1E-999", 0},
        {"-1E-999", 0},
        {"1E99999999999999999999", DBL_MAX},
        {"1E-99999999999999999999", 0},
        {"1" + zeros400, DBL_MAX},
        {"0." + zeros400 + "1", 0},
        {"0." + zeros400 + "1E401", 1},
        {"1" + zeros400 + "E-400", 1},
        {"&H" + std::string(300, 'F'), DBL_MAX},
        {"0E999", 0},
        {"1.7976931348623157E308", DBL_MAX},
    };
    for (const auto& c : cases) {
        const double value = numericValue(c.text);
        EXPECT_TRUE(std::isfinite(value)) << c.text;
        EXPECT_EQ(value, c.value) << c.text.substr(0, 40);
        EXPECT_FALSE(std::signbit(value) && value == 0) << "negative zero from " << c.text;
    }
}

TEST(NumericValue, ReadsBackEveryTextOfANumber) {
    for (int i = -2000; i <= 2000; ++i) {
        EXPECT_EQ(numericValue(numberText(i)), i);
        EXPECT_EQ(numericValue(numberText(i / 8.0)), i / 8.0);  // exact binary fractions
    }
}

struct WholeCase {
    double value;
    std::optional<int16_t> whole;
};

TEST(EraYearValue, ReadsGanAsTheFirstYearAndEverythingElseAsBefore) {
    struct Case {
        const char* text;
        double expected;
    };
    const Case cases[] = {
        {"元", 1},    {"元年", 1},     {" 元 ", 1}, {"\t　元", 1}, {"元3", 1},  {"38", 38},
        {"38年", 38}, {"平成元年", 0}, {"", 0},     {"年元", 0},   {"２元", 2}, {"&H10", 16},
    };
    for (const Case& c : cases) EXPECT_EQ(eraYearValue(c.text), c.expected) << c.text;
}

TEST(WholeNumber16, RoundsHalvesToEvenAndRefusesWhatDoesNotFit) {
    const WholeCase cases[] = {
        {2.5, 2},
        {3.5, 4},
        {-2.5, -2},
        {-3.5, -4},
        {0.5, 0},
        {1.5, 2},
        {-0.5, 0},
        {0.49999999999999994, 0},
        {2.5000000000000004, 3},
        {32767.4, 32767},
        {32767.5, std::nullopt},
        {-32768.5, -32768},
        {-32768.6, std::nullopt},
        {40000, std::nullopt},
        {-40000, std::nullopt},
        {DBL_MAX, std::nullopt},
        {std::numeric_limits<double>::infinity(), std::nullopt},
        {-std::numeric_limits<double>::infinity(), std::nullopt},
        {std::numeric_limits<double>::quiet_NaN(), std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(wholeNumber16(c.value), c.whole) << c.value;
}

TEST(WholeNumber16, EveryWholeNumberAndHalfInRange) {
    for (int i = -32768; i <= 32767; ++i) {
        EXPECT_EQ(wholeNumber16(static_cast<double>(i)), i);
        EXPECT_EQ(wholeNumber16(i + 0.25), i);
        EXPECT_EQ(wholeNumber16(i - 0.25), i);
        const int evenNeighbour = (i % 2 == 0) ? i : i + 1;
        const std::optional<int16_t> expected =
            evenNeighbour <= 32767 ? std::optional<int16_t>(evenNeighbour) : std::nullopt;
        EXPECT_EQ(wholeNumber16(i + 0.5), expected) << i;
    }
}

TEST(WholeNumber16, ReadsTexts) {
    const struct {
        const char* text;
        std::optional<int16_t> whole;
    } cases[] = {
        {"12", 12},
        {" 12 ", 12},
        {"2.5", 2},
        {"abc", 0},
        {"", 0},
        {"１２", 12},
        {"-7", -7},
        {"40000", std::nullopt},
        {"1E999", std::nullopt},
        {"&H7FFF", 32767},
        {"&H8000", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(wholeNumber16(c.text), c.whole) << c.text;
}

TEST(RoundToInt16, SaturatesOutsideTheRange) {
    const struct {
        double value;
        int16_t result;
    } cases[] = {
        {2.5, 2},
        {3.5, 4},
        {-2.5, -2},
        {16.4, 16},
        {40000, 32767},
        {32767.5, 32767},
        {-40000, -32768},
        {-32768.6, -32768},
        {std::numeric_limits<double>::infinity(), 32767},
        {-std::numeric_limits<double>::infinity(), -32768},
        {std::numeric_limits<double>::quiet_NaN(), 0},
    };
    for (const auto& c : cases) EXPECT_EQ(roundToInt16(c.value), c.result) << c.value;
}

TEST(IntFloor, GoesTowardMinusInfinity) {
    const struct {
        double value;
        double floor;
    } cases[] = {{2.7, 2}, {-0.5, -1}, {-3, -3}, {0, 0}, {-2.5, -3}, {23221.99, 23221}};
    for (const auto& c : cases) EXPECT_EQ(intFloor(c.value), c.floor) << c.value;
}

TEST(NumberText, PlainDecimalWithFifteenSignificantDigits) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {1963, "1963"},
        {-6, "-6"},
        {2.5, "2.5"},
        {0.1, "0.1"},
        {23221.5, "23221.5"},
        {1e20, "100000000000000000000"},
        {-0.0, "0"},
        {0, "0"},
        {1.0 / 3, "0.333333333333333"},
        {2.0 / 3, "0.666666666666667"},
        {-2.0 / 3, "-0.666666666666667"},
        {0.1 + 0.2, "0.3"},
        {123456789012345678.0, "123456789012346000"},
        {0.000123, "0.000123"},
        {1e-5, "0.00001"},
        {9.999999999999999, "10"},
        {-1234.5, "-1234.5"},
        {32767, "32767"},
        {-32768, "-32768"},
        {46293, "46293"},
        {1e15, "1000000000000000"},
        {123456789012345.0, "123456789012345"},
        {std::numeric_limits<double>::quiet_NaN(), "0"},
    };
    for (const auto& c : cases) EXPECT_EQ(numberText(c.value), c.text) << c.value;
}

TEST(NumberText, ExtremesStayPlainDigits) {
    const std::string largest = numberText(DBL_MAX);
    EXPECT_EQ(largest.size(), 309u);
    EXPECT_EQ(largest.substr(0, 15), "179769313486232");
    EXPECT_EQ(largest.find_first_not_of("0123456789"), std::string::npos);
    EXPECT_EQ(numberText(-DBL_MAX), "-" + largest);
    EXPECT_EQ(numberText(std::numeric_limits<double>::infinity()), largest);

    const std::string smallest = numberText(1e-300);
    EXPECT_EQ(smallest, "0." + std::string(299, '0') + "1");
}

TEST(CanvasNumberText, LeavesTheSignsPlaceAndOneBlankAfter) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {5, " 5 "},     {-5, "-5 "},  {0, " 0 "},        {-0.0, " 0 "},
        {2.5, " 2.5 "}, {31, " 31 "}, {-0.25, "-0.25 "},
    };
    for (const auto& c : cases) EXPECT_EQ(canvasNumberText(c.value), c.text) << c.value;
}

}  // namespace
}  // namespace bio
