// Any bytes as a number text for the exact reader. The first byte picks the decimal separator:
// ',' or any odd byte the comma, anything else the point; the rest is the text. Besides the
// sanitizers' reports:
//  - only a number reads exactly, and every number whose double is finite and not an underflow
//    to zero does, with a value that rounds to nearest (ties to even) to exactly that double;
//  - the value's fraction text gives it back, and its decimal text reads back within half a unit
//    of its tenth digit;
//  - the range check refuses every text the single reader finds too large, and only texts whose
//    single is that large.
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "exact_number.h"
#include "numbers.h"
#include "range_checks.h"
#include "text_property.h"

namespace {

using namespace simplesso;

// The exact value of a neighbour of d; past the largest double, as far again as the one inside.
mpq_class Neighbour(double d, double towards) {
    const double next = std::nextafter(d, towards);
    if (std::isfinite(next)) {
        return mpq_class(next);
    }
    return 2 * mpq_class(d) - mpq_class(std::nextafter(d, -towards));
}

bool EvenSignificand(double d) {
    std::uint64_t bits;
    std::memcpy(&bits, &d, sizeof bits);
    return (bits & 1) == 0;
}

// Whether a rational rounds to nearest, ties to even, to exactly the double d. mpq_get_d
// truncates, so the two midpoints around d are compared instead.
bool RoundsTo(const mpq_class& value, double d) {
    constexpr double kInf = std::numeric_limits<double>::infinity();
    const mpq_class exact(d);
    const mpq_class below = (Neighbour(d, -kInf) + exact) / 2;
    const mpq_class above = (Neighbour(d, kInf) + exact) / 2;
    if (value == below || value == above) {
        return EvenSignificand(d);
    }
    return below < value && value < above;
}

bool SingleRangeRefuses(std::string_view text, char separator) {
    std::array<std::string, 15> texts;
    texts.fill("0");
    texts[7] = std::string(text);
    return FirstOutOfRangeField(texts, separator) == 7;
}

void CheckTexts(const mpq_class& value, char separator, std::string_view text) {
    Check(mpq_class(FractionText(value)) == value, "the fraction text gives the value back", text);
    const auto decimal = ReadExact(DecimalText(value, separator), separator);
    Check(decimal.has_value(), "the decimal text reads", text);
    Check(abs(*decimal - value) <= mpq_class(1, 2'000'000'000) * abs(value),
          "the decimal text is within half a unit of its tenth digit", text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const auto [separator, text] = SeparatorAndText(data, size);

    const bool number = IsNumber(text, separator);
    const std::optional<mpq_class> exact = ReadExact(text, separator);
    const std::optional<double> wide = ReadDouble(text, separator);
    Check(number || !exact, "a text that reads exactly is a number", text);
    Check(!wide || *wide == 0 || exact, "a number with a finite non-zero double reads exactly",
          text);
    if (wide && exact && (*wide != 0 || *exact == 0)) {
        Check(RoundsTo(*exact, *wide), "the exact value rounds to the double read", text);
    }
    if (exact) {
        CheckTexts(*exact, separator, text);
    }
    if (number) {
        const std::optional<float> single = ReadSingle(text, separator);
        const bool refused = SingleRangeRefuses(text, separator);
        Check(single || refused, "a number too large for a single is refused", text);
        Check(!refused || !single || std::abs(*single) == std::numeric_limits<float>::max(),
              "only a number whose single is the largest or beyond is refused", text);
    }
    return 0;
}
