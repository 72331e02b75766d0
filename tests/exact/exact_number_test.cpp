// Exact reading and writing of number texts, and the range check built on them.
#include <gtest/gtest.h>

#include "exact_number.h"
#include "range_checks.h"

namespace simplesso {
namespace {

TEST(ReadExact, ReadsTheDecimalValueOfTheText) {
    // Texts beyond the exponents built exactly, or not numbers, read as "none".
    const std::array<const char*, 3> cases[] = {
        {"0.1", ".", "1/10"},
        {"1E-40", ".", "1/10000000000000000000000000000000000000000"},
        {" -2,50e+1 ", ",", "-25"},
        {"+.125", ".", "1/8"},
        {"0E999999999999999999999", ".", "0"},
        {"0.00120E3", ".", "6/5"},
        {"9999999999999999999", ".", "9999999999999999999"},
        {"99999999999999999999", ".", "99999999999999999999"},
        {"-1234567890.123456789", ".", "-1234567890123456789/1000000000"},
        {"1E4001", ".", "none"},
        {"0.01E-3999", ".", "none"},
        {"1.5", ",", "none"},
        {"1e", ".", "none"}};
    for (const auto& [text, separator, fraction] : cases) {
        const auto value = ReadExact(text, *separator);
        EXPECT_EQ(value ? FractionText(*value) : "none", fraction) << text;
    }
    // A view into a longer text reads its own characters only.
    EXPECT_EQ(FractionText(*ReadExact(std::string_view("1E23", 3), '.')), "100");
    EXPECT_EQ(FractionDigits(*ReadExact("1E4000", '.')), 4001u);
    EXPECT_EQ(FractionDigits(*ReadExact("-1E-4000", '.')), 4002u);
}

TEST(ExactText, FractionDigitsAndTenDigitDecimal) {
    const std::tuple<const char*, std::size_t, const char*> cases[] = {
        {"1/20", 3, "0,05"},
        {"-2/3", 2, "-0,6666666667"},
        {"1/100000", 7, "1E-05"},
        {"1/10000", 6, "0,0001"},
        {"2250000000000000000000000000000", 31, "2,25E+30"},
        {"12345678901", 11, "1,23456789E+10"},
        {"99999999999", 11, "1E+11"},
        {"-19999999999/200", 14, "-100000000"}};
    for (const auto& [fraction, digits, decimal] : cases) {
        const mpq_class value(fraction);
        EXPECT_EQ(FractionText(value) + " " + std::to_string(FractionDigits(value)) + " " +
                      DecimalText(value, ','),
                  std::string(fraction) + " " + std::to_string(digits) + " " + decimal);
    }
    EXPECT_EQ(DecimalText(mpq_class(-1, 8), '.'), "-0.125");
}

TEST(FirstOutOfRangeField, RefusesMagnitudesBeyondTheLargestSingle) {
    const struct {
        std::vector<std::pair<int, const char*>> texts;  // set over fifteen "1"
        char separator;
        int first;                                   // -1: none
    } cases[] = {{{{4, "3.4028235E+38"}}, '.', -1},  // the largest single, and the next text
                 {{{4, "3.4028236E+38"}}, '.', 4},
                 {{{1, "-3,4028236E38"}}, ',', 1},
                 {{{1, "-3,4028235E38"}}, ',', -1},
                 {{{14, "1E+39"}}, '.', 14},  // a known term
                 {{{9, "1E+39"}, {7, "-1E40"}, {12, "1E99999"}}, '.', 7},
                 {{{3, "1E99999999999999999999"}}, '.', 3},
                 {{{3, "1E-99999"}, {6, "1E-40"}, {0, "abc"}, {2, ""}}, '.', -1}};
    for (const auto& c : cases) {
        std::array<std::string, 15> texts;
        texts.fill("1");
        for (const auto& [i, text] : c.texts) {
            texts[i] = text;
        }
        EXPECT_EQ(FirstOutOfRangeField(texts, c.separator).value_or(-1), c.first);
    }
    EXPECT_EQ(OutOfRangeMessage(','),
              (Message{"Attenzione!", "I numeri devono essere compresi tra -3,4E+38 e 3,4E+38.",
                       MessageIcon::Warning}));
}

}  // namespace
}  // namespace simplesso
