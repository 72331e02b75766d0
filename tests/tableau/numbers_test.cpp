#include "numbers.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <string>

namespace simplesso {
namespace {

struct ReadCase {
    const char* name;
    const char* text;
    char separator;
    std::optional<double> expected;  // empty: not a number
};

void PrintTo(const ReadCase& c, std::ostream* os) {
    *os << c.name;
}

class ReadNumber : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadNumber, AcceptsTheSyntaxAndNothingElse) {
    const ReadCase& c = GetParam();
    EXPECT_EQ(IsNumber(c.text, c.separator), c.expected.has_value());
    const auto wide = ReadDouble(c.text, c.separator);
    const auto single = ReadSingle(c.text, c.separator);
    ASSERT_EQ(wide.has_value(), c.expected.has_value());
    ASSERT_EQ(single.has_value(), c.expected.has_value());
    if (c.expected) {
        EXPECT_EQ(*wide, *c.expected);
        EXPECT_EQ(*single, static_cast<float>(*c.expected));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Syntax, ReadNumber,
    testing::Values(
        ReadCase{"Integer", "24", '.', 24}, ReadCase{"Negative", "-2", '.', -2},
        ReadCase{"PlusSign", "+3", '.', 3}, ReadCase{"DecimalPoint", "2.5", '.', 2.5},
        ReadCase{"DecimalComma", "2,5", ',', 2.5},
        ReadCase{"CommaUnderPointLocale", "2,5", '.', {}},
        ReadCase{"PointUnderCommaLocale", "2.5", ',', {}},
        ReadCase{"LeadingSeparator", ".5", '.', 0.5}, ReadCase{"TrailingSeparator", "5.", '.', 5},
        ReadCase{"TwoSeparators", "1.2.3", '.', {}}, ReadCase{"LoneSeparator", ".", '.', {}},
        ReadCase{"Exponent", "1E3", '.', 1000}, ReadCase{"LowerCaseExponent", "1e-2", '.', 0.01},
        ReadCase{"SignedExponent", "-2E+2", '.', -200},
        ReadCase{"ExponentWithoutDigits", "1E", '.', {}}, ReadCase{"ExponentAlone", "E5", '.', {}},
        ReadCase{"BlanksAround", "  7 ", '.', 7}, ReadCase{"BlankSignedZero", " 0", '.', 0},
        ReadCase{"BlankAfterSign", "- 1", '.', {}}, ReadCase{"Empty", "", '.', {}},
        ReadCase{"OneBlank", " ", '.', {}}, ReadCase{"SignOnly", "-", '.', {}},
        ReadCase{"Letters", "abc", '.', {}}, ReadCase{"TrailingLetter", "3x", '.', {}},
        ReadCase{"Tab", "\t3", '.', {}}, ReadCase{"HexLooking", "0x10", '.', {}},
        ReadCase{"Infinity", "inf", '.', {}}, ReadCase{"NotANumber", "nan", '.', {}},
        ReadCase{"DoubleSign", "--1", '.', {}}),
    [](const testing::TestParamInfo<ReadCase>& info) { return info.param.name; });

TEST(ReadNumber, RoundsOnceFromTheDigitsToEachPrecision) {
    // 0.1 read as a single is the single nearest 0.1, not the double nearest rounded again.
    EXPECT_EQ(*ReadSingle("0.1", '.'), 0.1f);
    EXPECT_EQ(*ReadDouble("0.1", '.'), 0.1);
    // Just above halfway between 1 and the next single: the nearest double is the halfway point
    // itself, so a conversion through double would round down to 1 instead of up.
    EXPECT_EQ(*ReadSingle("1.000000059604644775390626", '.'), 1.00000012f);
}

TEST(ReadNumber, BeyondTheRangeIsNotANumberButBelowItIsZero) {
    EXPECT_FALSE(ReadSingle("1E39", '.'));
    EXPECT_TRUE(ReadDouble("1E39", '.'));
    EXPECT_FALSE(ReadDouble("1E309", '.'));
    EXPECT_FALSE(ReadSingle("99999999999999999999999999999999999999999", '.'));
    EXPECT_EQ(*ReadSingle("1E-50", '.'), 0.0f);
    EXPECT_TRUE(std::signbit(*ReadSingle("-1E-50", '.')));
    EXPECT_EQ(*ReadDouble("0.0000001E-400", '.'), 0.0);
    EXPECT_EQ(*ReadSingle("1E-99999999999999999999", '.'), 0.0f);
    EXPECT_FALSE(ReadSingle("1E99999999999999999999", '.'));
    EXPECT_EQ(*ReadSingle("3.4028234E38", '.'), FLT_MAX);
}

struct TextCase {
    const char* name;
    std::string actual;
    const char* expected;
};

void PrintTo(const TextCase& c, std::ostream* os) {
    *os << c.name;
}

class TextForm : public testing::TestWithParam<TextCase> {};

TEST_P(TextForm, IsWrittenExactly) {
    EXPECT_EQ(GetParam().actual, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, TextForm,
    testing::Values(
        TextCase{"FifteenWhole", FifteenDigitText(4, '.'), "4"},
        TextCase{"FifteenHalf", FifteenDigitText(0.5, '.'), "0.5"},
        TextCase{"FifteenThird", FifteenDigitText(1.0 / 3, '.'), "0.333333333333333"},
        TextCase{"FifteenNegative", FifteenDigitText(-2.2, '.'), "-2.2"},
        TextCase{"FifteenPivotPointTwo", FifteenDigitText(0.2 / double{0.2f}, '.'),
                 "0.999999985098839"},
        TextCase{"FifteenPivotPointThree", FifteenDigitText(0.3 / double{0.3f}, '.'),
                 "0.999999960263572"},
        TextCase{"FifteenTiny", FifteenDigitText(1e-8, '.'), "1E-08"},
        TextCase{"FifteenLarge", FifteenDigitText(1e15, '.'), "1E+15"},
        TextCase{"FifteenLargestPlain", FifteenDigitText(123456789012345, '.'), "123456789012345"},
        TextCase{"FifteenSmallestPlain", FifteenDigitText(0.0001, '.'), "0.0001"},
        TextCase{"FifteenComma", FifteenDigitText(0.5, ','), "0,5"},
        TextCase{"FifteenNegativeZero", FifteenDigitText(-0.0, '.'), "0"},
        TextCase{"SevenThird", SevenDigitText(1.0f / 3, '.'), "0.3333333"},
        TextCase{"SevenResidue", SevenDigitText(1.1920929e-07f, '.'), "1.192093E-07"},
        TextCase{"SevenTiny", SevenDigitText(1e-8f, '.'), "1E-08"},
        TextCase{"SevenSwitchesAtSevenDigits", SevenDigitText(12345678, '.'), "1.234568E+07"},
        TextCase{"SevenLargestPlain", SevenDigitText(1234567, '.'), "1234567"},
        TextCase{"SevenComma", SevenDigitText(-0.4f, ','), "-0,4"},
        TextCase{"SevenNegativeZero", SevenDigitText(-0.0f, '.'), "0"},
        TextCase{"BlankPositive", BlankSignedText(24, '.'), " 24"},
        TextCase{"BlankZero", BlankSignedText(0, '.'), " 0"},
        TextCase{"BlankNegativeZero", BlankSignedText(-0.0f, '.'), " 0"},
        TextCase{"BlankNegative", BlankSignedText(-1.5f, '.'), "-1.5"},
        TextCase{"BlankFraction", BlankSignedText(28.4f, '.'), " 28.4"},
        TextCase{"BlankComma", BlankSignedText(28.4f, ','), " 28,4"},
        TextCase{"BlankTiny", BlankSignedText(5.9604645e-08f, '.'), " 5.960464E-08"}),
    [](const testing::TestParamInfo<TextCase>& info) { return info.param.name; });

TEST(TextForm, EveryFormReadsBackUnderItsSeparator) {
    for (char separator : {'.', ','}) {
        for (float v : {0.0f, 1.0f / 3, -2.5e-7f, 3.0e38f, -FLT_MAX, 1e-38f, 123456.7f}) {
            EXPECT_EQ(*ReadSingle(SevenDigitText(v, separator), separator),
                      *ReadSingle(SevenDigitText(v, '.'), '.'));
            EXPECT_TRUE(ReadSingle(BlankSignedText(v, separator), separator)) << v;
        }
        const double third = 1.0 / 3;
        EXPECT_NEAR(*ReadDouble(FifteenDigitText(third, separator), separator), third, 1e-15);
    }
}

TEST(TextForm, TheLargestDoublesInFifteenDigitsStillRead) {
    for (double v : {DBL_MAX, -DBL_MAX, std::nextafter(DBL_MAX, 0.0), 1.797693134862315e308}) {
        const std::string text = FifteenDigitText(v, ',');
        EXPECT_EQ(text, v > 0 ? "1,79769313486231E+308" : "-1,79769313486231E+308");
        const auto back = ReadDouble(text, ',');
        ASSERT_TRUE(back) << text;
        EXPECT_NEAR(*back, v, 1e-14 * DBL_MAX);
    }
    EXPECT_EQ(FifteenDigitText(1.79769313486231e308, '.'), "1.79769313486231E+308");
}

TEST(ReadNumber, AnExponentAsLargeAsALongStillTellsOverflowFromUnderflow) {
    EXPECT_FALSE(ReadSingle("57E9223372036854775807", '.'));
    EXPECT_FALSE(ReadDouble("-57E+9223372036854775807", '.'));
    EXPECT_EQ(ReadSingle("0.01E-9223372036854775807", '.'), 0.0f);
    EXPECT_EQ(ReadDouble("-10E-9223372036854775807", '.'), 0.0);
}

}  // namespace
}  // namespace simplesso
