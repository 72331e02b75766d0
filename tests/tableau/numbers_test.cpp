// The number reader's syntax, range and rounding, and the text forms, each written exactly and
// read back under either separator; the step's tests show the blank-signed form.
#include "numbers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <functional>
#include <string>
#include <string_view>
#include <tuple>

namespace simplesso {
namespace {

// What a text reads as: empty when it is not a number, an infinity when it is one beyond the
// double range, otherwise its value, which a single holds rounded once or, beyond its own range,
// not at all. The syntax first, then values beyond and below the ranges, which the place of the
// leading digit decides, also with exponents as large as a long can hold.
TEST(ReadNumber, AcceptsTheSyntaxAndReadsWithinTheRange) {
    const double huge = HUGE_VAL;
    const std::tuple<std::string, std::optional<double>, char> cases[] = {
        // clang-format off
        {"24", 24, '.'},      {"-2", -2, '.'},       {"+3", 3, '.'},       {"2.5", 2.5, '.'},
        {"2,5", 2.5, ','},    {"2,5", {}, '.'},      {"2.5", {}, ','},     {".5", .5, '.'},
        {"5.", 5, '.'},       {"1.2.3", {}, '.'},    {".", {}, '.'},       {"1E3", 1e3, '.'},
        {"1e-2", .01, '.'},   {" -2E+2  ", -200, '.'}, {"1E", {}, '.'},    {"E5", {}, '.'},
        {"  7 ", 7, '.'},     {" 0", 0, '.'},        {"- 1", {}, '.'},     {"", {}, '.'},
        {" ", {}, '.'},       {"-", {}, '.'},        {"abc", {}, '.'},     {"3x", {}, '.'},
        {"\t3", {}, '.'},     {"0x10", {}, '.'},     {"inf", {}, '.'},     {"nan", {}, '.'},
        {"--1", {}, '.'},     {"0.1", .1, '.'},      {"1E39", 1e39, '.'},  {"1E309", huge, '.'},
        {std::string(41, '9'), 1e41, '.'},           {"3.4028234E38", 3.4028234e38, '.'},
        {"1E-50", 1e-50, '.'}, {"-1E-50", -1e-50, '.'}, {"0.0000001E-400", 0, '.'},
        {"0.000000000000000000000000000000000000000000000000001", 1e-51, '.'},
        {"5.00000000000000000000000000000000000000001E38", 5e38, '.'},
        {"1E-99999999999999999999", 0, '.'},         {"1E99999999999999999999", huge, '.'},
        {"57E9223372036854775807", huge, '.'},       {"-57E+9223372036854775807", -huge, '.'},
        {"0.01E-9223372036854775807", 0, '.'},       {"-10E-9223372036854775807", -0.0, '.'},
        {"0.0000000001E50", 1e40, '.'},              {"100000000000E-50", 1e-39, '.'}};
    // clang-format on
    for (const auto& [text, value, separator] : cases) {
        EXPECT_EQ(IsNumber(text, separator), value.has_value()) << text;
        const bool finite = value && std::isfinite(*value);
        EXPECT_EQ(ReadDouble(text, separator), finite ? value : std::nullopt) << text;
        const float single = finite ? static_cast<float>(*value) : 0;
        const auto read = ReadSingle(text, separator);
        EXPECT_EQ(read, finite && std::isfinite(single) ? std::optional(single) : std::nullopt)
            << text;
        EXPECT_EQ(read && std::signbit(*read), std::signbit(single)) << text;
    }
    // Just above halfway between 1 and the next single: the nearest double is the halfway point
    // itself, so a conversion through double would round down to 1 instead of up.
    EXPECT_EQ(ReadSingle("1.000000059604644775390626", '.'), 1.00000012f);
}

// Each form as written under the point; under the comma the same with a comma. Every text reads
// back: a single to the same text, a double to within its fifteen digits. Rounded to fifteen
// digits, the largest doubles would no longer read: they get the largest text that does.
TEST(TextForm, IsWrittenExactlyUnderEitherSeparatorAndReadsBack) {
    // clang-format off
    const std::pair<double, const char*> fifteen[] = {
        {4, "4"},           {1.0 / 3, "0.333333333333333"}, {-2.2, "-2.2"},    {0.5, "0.5"},
        {-0.0, "0"},        {0.2 / double{0.2f}, "0.999999985098839"},        {0.0001, "0.0001"},
        {0.00001, "1E-05"}, {1e-8, "1E-08"}, {123456789012345, "123456789012345"}, {1e15, "1E+15"},
        {DBL_MAX, "1.79769313486231E+308"},      {-DBL_MAX, "-1.79769313486231E+308"},
        {1.797693134862315e308, "1.79769313486231E+308"},
        {1.79769313486231e308, "1.79769313486231E+308"}};
    const std::pair<float, const char*> seven[] = {
        {1.0f / 3, "0.3333333"},  {-0.4f, "-0.4"},        {-0.0f, "0"},       {0.0001f, "0.0001"},
        {0.00001f, "1E-05"},      {1.1920929e-07f, "1.192093E-07"},           {1234567, "1234567"},
        {12345678, "1.234568E+07"}, {123456.7f, "123456.7"}, {-2.5e-7f, "-2.5E-07"},
        {3e38f, "3E+38"},         {-FLT_MAX, "-3.402823E+38"}};
    // clang-format on
    for (char separator : {'.', ','}) {
        const auto under = [separator](std::string text) {
            std::replace(text.begin(), text.end(), '.', separator);
            return text;
        };
        for (const auto& [value, text] : fifteen) {
            const std::string written = FifteenDigitText(value, separator);
            EXPECT_EQ(written, under(text));
            EXPECT_NEAR(ReadDouble(written, separator).value_or(NAN), value,
                        1e-14 * std::abs(value));
        }
        for (const auto& [value, text] : seven) {
            const std::string written = SevenDigitText(value, separator);
            EXPECT_EQ(written, under(text));
            EXPECT_EQ(SevenDigitText(ReadSingle(written, separator).value_or(NAN), separator),
                      written);
        }
    }
}

// A text measured in characters, the ellipsis one of them.
std::function<bool(std::string_view)> AtMost(std::size_t width) {
    return [width](std::string_view text) {
        std::size_t length = 0;
        for (unsigned char c : text) {
            length += (c & 0xC0) != 0x80;  // UTF-8 continuation bytes add nothing
        }
        return length <= width;
    };
}

// A narrow cell keeps the sign, the integer part and the exponent, drops decimals from the last,
// and shows "#" where nothing honest fits; labels are never cut.
TEST(FitNumberText, ShortensANumberWithoutMakingItAnother) {
    const std::tuple<const char*, std::size_t, const char*, char> cases[] = {
        // clang-format off
        {"-5.960464E-08", 10, "-5.96…E-08", '.'}, {"-5.960464E-08", 13, "-5.960464E-08", '.'},
        {"-5.960464E-08", 7, "-5…E-08", '.'},     {"-5.960464E-08", 6, "######", '.'},
        {"0.333333333333333", 9, "0.333333…", '.'}, {"4.99999999999999", 9, "4.999999…", '.'},
        {"0.333333333333333", 4, "0.3…", '.'},
        {"5.00000000000001", 3, "5…", '.'},       {" 24.5", 3, "24…", '.'},
        {" 24.5", 5, " 24.5", '.'},               {"1234567", 5, "#####", '.'},
        {"-1,25", 4, "-1…", ','},                 {"-1,25", 4, "-1,25", '.'},
        {"1.79769313486231E+308", 10, "1.79…E+308", '.'},
        {"-22/7", 4, "####", '.'},                {"22/7", 4, "22/7", '.'},
        {"7/3", 2, "##", '.'},                    {"5/", 1, "5/", '.'},
        {"a/5", 1, "a/5", '.'},
        {"DELTA r:", 2, "DELTA r:", '.'},         {"Soluzione:", 1, "Soluzione:", '.'},
        {"x1", 1, "x1", '.'},                     {"", 0, "", '.'},
        {"1.5", 0, "#", '.'}};
    // clang-format on
    for (const auto& [text, width, shown, separator] : cases) {
        EXPECT_EQ(FitNumberText(text, separator, AtMost(width)), shown) << text << " in " << width;
    }
}

// Whatever the width, a shortened text of a value reads as that value to its shown digits: the
// part before the ellipsis is the start of the whole text, the part after it its exponent.
TEST(FitNumberText, KeepsTheLeadingDigitsAndTheExponentOfAnyValue) {
    const double values[] = {-5.960464e-08, 1.0 / 3,    2.0 / 3 * 1e20, -123.456789,
                             4.9999999,     1e-300 / 7, -1e15 / 7,      0.1 + 0.2};
    for (double value : values) {
        const std::string whole = FifteenDigitText(value, '.');
        const std::size_t e = whole.find('E');
        const std::string exponent = e == std::string::npos ? "" : whole.substr(e);
        for (std::size_t width = 1; width <= whole.size(); ++width) {
            const std::string shown = FitNumberText(whole, '.', AtMost(width));
            const std::size_t dots = shown.find("…");
            if (dots == std::string::npos) {
                EXPECT_TRUE(shown == whole || shown.find_first_not_of('#') == std::string::npos)
                    << shown;
                continue;
            }
            EXPECT_TRUE(AtMost(width)(shown)) << shown;
            EXPECT_EQ(whole.substr(0, dots), shown.substr(0, dots)) << shown;
            EXPECT_EQ(shown.substr(dots + std::string("…").size()), exponent) << shown;
        }
    }
}

}  // namespace
}  // namespace simplesso
