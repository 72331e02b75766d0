// Exact reading and writing of number texts, and the range check built on them.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <optional>
#include <string>

#include "exact_number.h"
#include "range_checks.h"

namespace simplesso {
namespace {

struct ReadCase {
    const char* text;
    char separator;
    const char* fraction;  // nullptr: does not read
};

TEST(ReadExact, ReadsTheDecimalValueOfTheText) {
    const ReadCase cases[] = {
        {"0.1", '.', "1/10"},
        {"1E-40", '.', "1/10000000000000000000000000000000000000000"},
        {" -2,50e+1 ", ',', "-25"},
        {"+.125", '.', "1/8"},
        {"7.", '.', "7"},
        {"-0", '.', "0"},
        {"0E999999999999999999999", '.', "0"},
        {"0.00120E3", '.', "6/5"},
        {"3.4028235E+38", '.', "340282350000000000000000000000000000000"},
        {"1E4001", '.', nullptr},
        {"0.01E-3999", '.', nullptr},
        {"1E99999999999999999999", '.', nullptr},
        {"0,5", '.', nullptr},
        {"1.5", ',', nullptr},
        {"1e", '.', nullptr},
        {"", '.', nullptr},
        {"- 1", '.', nullptr},
    };
    for (const auto& c : cases) {
        const auto value = ReadExact(c.text, c.separator);
        ASSERT_EQ(value.has_value(), c.fraction != nullptr) << c.text;
        if (value) {
            EXPECT_EQ(FractionText(*value), c.fraction) << c.text;
        }
    }
    // The bound itself still reads, either way.
    EXPECT_EQ(FractionDigits(*ReadExact("1E4000", '.')), 4001u);
    EXPECT_EQ(FractionDigits(*ReadExact("1E-4000", '.')), 4002u);
}

struct WriteCase {
    mpq_class value;
    char separator;
    const char* fraction;
    std::size_t digits;
    const char* decimal;
};

// GMP leaves a fraction built from two integers as it is given.
mpq_class Reduced(long numerator, long denominator) {
    mpq_class q(numerator, denominator);
    q.canonicalize();
    return q;
}

TEST(ExactText, FractionAndDecimalForms) {
    const mpq_class big = *ReadExact("2.25E+30", '.');
    const WriteCase cases[] = {
        {mpq_class(1, 20), ',', "1/20", 3, "0,05"},
        {mpq_class(-3, 2), '.', "-3/2", 2, "-1.5"},
        {mpq_class(60), '.', "60", 2, "60"},
        {mpq_class(0), '.', "0", 1, "0"},
        {mpq_class(1, 3), '.', "1/3", 2, "0.3333333333"},
        {mpq_class(-2, 3), '.', "-2/3", 2, "-0.6666666667"},
        {mpq_class(142, 5), '.', "142/5", 4, "28.4"},
        {big, '.', "2250000000000000000000000000000", 31, "2.25E+30"},
        {mpq_class(1, 100000), ',', "1/100000", 7, "1E-05"},
        {mpq_class(1, 10000), ',', "1/10000", 6, "0,0001"},
        {mpq_class(9999999999), '.', "9999999999", 10, "9999999999"},
        {mpq_class(99999999999), '.', "99999999999", 11, "1E+11"},
        {mpq_class(12345678901), '.', "12345678901", 11, "1,23456789E+10"},
        {Reduced(-99999999995, 1000), '.', "-19999999999/200", 14, "-100000000"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FractionText(c.value), c.fraction);
        EXPECT_EQ(FractionDigits(c.value), c.digits) << c.fraction;
        std::string decimal = c.decimal;
        std::replace(decimal.begin(), decimal.end(), ',', c.separator);
        EXPECT_EQ(DecimalText(c.value, c.separator), decimal) << c.fraction;
    }
}

struct RangeCase {
    const char* name;
    std::array<std::string, 15> texts;
    char separator;
    std::optional<int> first;
};

std::array<std::string, 15> AllOnesWith(std::initializer_list<std::pair<int, const char*>> set) {
    std::array<std::string, 15> texts;
    texts.fill("1");
    for (const auto& [i, text] : set) {
        texts[i] = text;
    }
    return texts;
}

TEST(FirstOutOfRangeField, RefusesMagnitudesBeyondTheLargestSingle) {
    const RangeCase cases[] = {
        {"largest single", AllOnesWith({{4, "3.4028235E+38"}}), '.', std::nullopt},
        {"next text above it", AllOnesWith({{4, "3.4028236E+38"}}), '.', 4},
        {"negative", AllOnesWith({{1, "-3,4028236E38"}}), ',', 1},
        {"negative largest", AllOnesWith({{1, "-3,4028235E38"}}), ',', std::nullopt},
        {"known term", AllOnesWith({{14, "1E+39"}}), '.', 14},
        {"first in row order", AllOnesWith({{9, "1E+39"}, {7, "-1E40"}, {12, "1E99999"}}), '.', 7},
        {"beyond any exact bound", AllOnesWith({{3, "1E99999999999999999999"}}), '.', 3},
        {"tiny", AllOnesWith({{3, "1E-99999"}, {6, "1E-40"}}), '.', std::nullopt},
        {"not a number passes", AllOnesWith({{0, "abc"}, {2, ""}}), '.', std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FirstOutOfRangeField(c.texts, c.separator), c.first) << c.name;
    }
}

TEST(OutOfRangeMessage, WritesTheBoundsWithTheSeparator) {
    EXPECT_EQ(OutOfRangeMessage(','),
              (Message{"Attenzione!", "I numeri devono essere compresi tra -3,4E+38 e 3,4E+38.",
                       MessageIcon::Warning}));
    EXPECT_EQ(OutOfRangeMessage('.').text,
              "I numeri devono essere compresi tra -3.4E+38 e 3.4E+38.");
}

}  // namespace
}  // namespace simplesso
