// Any bytes as a number text. The first byte picks the decimal separator: ',' or any odd byte
// the comma, anything else the point; the rest is the text. Besides the sanitizers' reports:
//  - IsNumber agrees with an independent regular expression of the syntax and with both readers;
//  - a number that does not read is beyond the type's range by the C library's own conversion,
//    and one that reads has exactly the value that conversion gives;
//  - every value read, written in each text form under the same separator, is printf's %G of it
//    and reads back close enough for the form's digits.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>
#include <regex>
#include <string>
#include <string_view>

#include "numbers.h"
#include "text_property.h"

namespace {

using namespace simplesso;

// The syntax written out once more, independently of the reader's own scanner. libstdc++'s
// matcher recurses once per character, so only short texts are matched.
constexpr std::size_t kLongestMatched = 128;

bool MatchesSyntax(std::string_view text, char separator) {
    static const std::regex point(R"( *[+-]?([0-9]+(\.[0-9]*)?|\.[0-9]+)([Ee][+-]?[0-9]+)? *)");
    static const std::regex comma(R"( *[+-]?([0-9]+(,[0-9]*)?|,[0-9]+)([Ee][+-]?[0-9]+)? *)");
    return std::regex_match(text.begin(), text.end(), separator == ',' ? comma : point);
}

// A number as strtod takes it: without blanks and with '.' as its separator.
std::string ForCLibrary(std::string_view number, char separator) {
    std::string out;
    for (char c : number) {
        if (c != ' ') {
            out += c == separator ? '.' : c;
        }
    }
    return out;
}

// printf's %.<digits>G under the given separator; zero of either sign is "0".
std::string PrintfText(double value, int digits, char separator) {
    if (value == 0) {
        return "0";
    }
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*G", digits, value);
    std::string out(buffer);
    for (char& c : out) {
        if (c == '.') {
            c = separator;
        }
    }
    return out;
}

void CheckDoubleForms(double value, char separator) {
    const std::string text = FifteenDigitText(value, separator);
    std::string expected = PrintfText(value, 15, separator);
    if (!std::isfinite(std::strtod(PrintfText(value, 15, '.').c_str(), nullptr))) {
        // Rounded up past the largest double: the largest fifteen-digit text instead.
        expected = PrintfText(std::copysign(1.79769313486231e308, value), 15, separator);
    }
    Check(text == expected, "FifteenDigitText is %.15G", text);
    const auto back = ReadDouble(text, separator);
    Check(back.has_value(), "FifteenDigitText reads back as a double", text);
    Check(std::abs(*back - value) <= 1e-14 * std::abs(value),
          "FifteenDigitText reads back within 1e-14 relative", text);
}

void CheckSingleForms(float value, char separator) {
    const std::string seven = SevenDigitText(value, separator);
    Check(seven == PrintfText(value, 7, separator), "SevenDigitText is %.7G", seven);
    const auto back = ReadSingle(seven, separator);
    Check(back.has_value(), "SevenDigitText reads back as a single", seven);
    // Seven digits are fewer than a single needs to come back bit for bit (16777216 is written
    // "1.677722E+07" and reads back as 16777220). The text lies within half a unit of its seventh
    // digit, at most 5e-7 relative, and reading it rounds once more to the nearest single.
    const double error = std::abs(double{*back} - double{value});
    Check(error <= 5.6e-7 * std::abs(double{value}) + std::numeric_limits<float>::denorm_min(),
          "SevenDigitText reads back within half a unit of its seventh digit", seven);

    const std::string blank = BlankSignedText(value, separator);
    Check(blank == (value < 0 ? seven : " " + seven), "BlankSignedText is a blank and the seven",
          blank);
    Check(ReadSingle(blank, separator) == back, "BlankSignedText reads as the seven digits", blank);

    // Fifteen digits are more than enough for a single: it comes back exactly.
    const std::string wide = FifteenDigitText(value, separator);
    Check(ReadSingle(wide, separator) == value, "a single in fifteen digits reads back exactly",
          wide);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const auto [separator, text] = SeparatorAndText(data, size);

    const bool number = IsNumber(text, separator);
    if (text.size() <= kLongestMatched) {
        Check(number == MatchesSyntax(text, separator), "IsNumber follows the syntax", text);
    }
    const std::optional<double> wide = ReadDouble(text, separator);
    const std::optional<float> single = ReadSingle(text, separator);
    Check(number || !wide, "a text that reads as a double is a number", text);
    Check(number || !single, "a text that reads as a single is a number", text);

    if (number) {
        const std::string plain = ForCLibrary(text, separator);
        char* end = nullptr;
        const double wideReference = std::strtod(plain.c_str(), &end);
        Check(end == plain.c_str() + plain.size(), "strtod takes the whole number", text);
        const float singleReference = std::strtof(plain.c_str(), &end);

        Check(wide.has_value() == std::isfinite(wideReference),
              "a number reads as a double unless beyond the double range", text);
        Check(!wide || *wide == wideReference, "the double read is strtod's", text);
        Check(single.has_value() == std::isfinite(singleReference),
              "a number reads as a single unless beyond the single range", text);
        Check(!single || *single == singleReference, "the single read is strtof's", text);
    }

    if (wide) {
        CheckDoubleForms(*wide, separator);
    }
    if (single) {
        CheckSingleForms(*single, separator);
    }
    return 0;
}
