#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "panel/numbers.h"

namespace kv {
namespace {

struct ValueRow {
    const char* text;
    double value;
};

TEST(TextValue, ReadsTheLeadingNumber) {
    const ValueRow rows[] = {
        {"25", 25},
        {"12.5", 12.5},
        {"12.9abc", 12.9},
        {"  7", 7},
        {"1 2", 12},
        {"-3", -3},
        {"+4", 4},
        {".5", 0.5},
        {"1.5e3", 1500},
        {"1.5E-3", 0.0015},
        {"2e", 2},
        {"2e+", 2},
        {"1D2", 100},
        {"1.5D3", 1500},
        {"2E3", 2000},
        {"&H1F", 31},
        {"&hff", 255},
        {"&O17", 15},
        {"&H", 0},
        {"abc", 0},
        {"", 0},
        {"-", 0},
        {".", 0},
        {"1.2.3", 1.2},
        {"1574.5MHz", 1574.5},
        {"19.2", 19.2},
        {"16.368", 16.368},
        {"1e-400", 0},
    };
    for (const ValueRow& row : rows) {
        EXPECT_EQ(text_value(row.text), row.value) << '"' << row.text << '"';
    }
}

TEST(TextValue, TooLargeReadsAsInfinityOfItsSign) {
    EXPECT_EQ(text_value("1e400"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(text_value("-1e400"), -std::numeric_limits<double>::infinity());
}

struct TextRow {
    double value;
    const char* text;
};

TEST(NumberText, ShortestFormUpToFifteenDigits) {
    const TextRow rows[] = {
        {31, "31"},
        {12.5, "12.5"},
        {200, "200"},
        {0, "0"},
        {-0.0, "0"},
        {-2.5, "-2.5"},
        {8.184, "8.184"},
        {196.416, "196.416"},
        {24.552, "24.552"},
        {0.1 + 0.2, "0.3"},
        {1.0 / 3, "0.333333333333333"},
        {80.0 - 2e-13, "79.9999999999998"},
        {0.0001, "0.0001"},
        {0.00001, "1E-05"},
        {1.9073540897807106e-06, "1.90735408978071E-06"},
        {1e14, "100000000000000"},
        {1e15, "1E+15"},
        {123456789012345678.0, "1.23456789012346E+17"},
        // Powers of two lie where the gaps to the neighbours differ in size.
        {0x1p-20, "9.5367431640625E-07"},
        {0x1p60, "1.15292150460685E+18"},
        {1 - 0x1p-53, "1"},
        {9.999999999999999e22, "1E+23"},
        {4.9406564584124654e-324, "5E-324"},
        {1.7976931348623157e308, "1.79769313486232E+308"},
    };
    for (const TextRow& row : rows) {
        EXPECT_EQ(number_text(row.value), row.text) << row.value;
    }
}

TEST(NumberText, FittedTextRoundsAndKeepsSignAndExponent) {
    const TextRow rows[] = {
        {1.9073540897807106, "1.9073541"},
        {-1.9073540897807106, "-1.907354"},
        {-1.2345678e-7, "-1.23E-07"},
        {1.2345678e-7, "1.235E-07"},
        {0, "0"},
        {12.3, "12.3"},
        {123456789012.0, "1.235E+11"},
        {-0.0032, "-0.0032"},
        {0x1p-20, "9.537E-07"},
        {1.7976931348623157e308, "1.8E+308"},
    };
    for (const TextRow& row : rows) {
        const std::string text = fitted_number_text(row.value, 9);
        EXPECT_EQ(text, row.text) << row.value;
        EXPECT_LE(text.size(), 9u);
    }
}

TEST(Hex5, WordFormIsFiveUpperCaseDigits) {
    EXPECT_EQ(hex5(0), "00000");
    EXPECT_EQ(hex5(0x11D5), "011D5");
    EXPECT_EQ(hex5(0xFFFFD), "FFFFD");
    EXPECT_EQ(hex5(0xFFFFF), "FFFFF");
    EXPECT_EQ(hex5(0xabcde), "ABCDE");
}

TEST(Hex5, RefusesValuesWithoutAWordForm) {
    EXPECT_FALSE(hex5(-1).has_value());
    EXPECT_FALSE(hex5(0x100000).has_value());
}

TEST(IntegerText, PlainDecimal) {
    EXPECT_EQ(integer_text(31), "31");
    EXPECT_EQ(integer_text(-3), "-3");
}

}  // namespace
}  // namespace kv
