// Number texts read exactly, as rationals, and written back as a reduced fraction or as a
// rounded decimal. The syntax and the separator are those of the tableau's own reader.
#pragma once

#include <gmpxx.h>

#include <optional>
#include <string>
#include <string_view>

namespace simplesso {

// Beyond this decimal exponent of its leading digit a text is not built exactly: 10^4000 is
// already far past anything the tableau can hold, and the work grows with the exponent.
inline constexpr long kLargestExactExponent = 4000;

// The exact value of a text under the same number syntax as IsNumber: "1E-40" is exactly
// 10^-40. Empty when the text is not a number or the exponent of its leading digit is beyond
// kLargestExactExponent either way (a zero is always zero, whatever its exponent).
std::optional<mpq_class> ReadExact(std::string_view text, char separator);

// The same, or a fraction of two such numbers as FractionText writes one ("-3/20"): how the
// lesson writes the rows it adds itself, a Gomory cut's coefficients, which nobody types.
std::optional<mpq_class> ReadRational(std::string_view text, char separator);

// The reduced fraction: "3/2", "-1/5", "4", "0".
std::string FractionText(const mpq_class& value);

// The count of digits of a reduced fraction, numerator and denominator together ("-3/20": 3).
std::size_t FractionDigits(const mpq_class& value);

// Ten significant digits, correctly rounded, trailing zeros dropped, in exponent form where the
// exponent is below -4 or at least 10: "0,05", "2.25E+30", "0.3333333333", "-1E-40".
std::string DecimalText(const mpq_class& value, char separator);

}  // namespace simplesso
