// Numbers as the tableau keeps them: texts read with one syntax and written in three forms.
// Everything here is locale-free; the decimal separator ("." or ",") is always a parameter.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace simplesso {

// Optional blanks, optional sign, decimal digits with at most one separator (at least one digit),
// optional exponent (E or e, optional sign, digits), optional blanks. Nothing else is a number.
bool IsNumber(std::string_view text, char separator);

// The value of a text that IsNumber accepts, rounded once, straight from the decimal digits.
// Empty when the text is not a number or its magnitude is beyond the type's finite range;
// a magnitude below the smallest representable one reads as zero.
std::optional<float> ReadSingle(std::string_view text, char separator);
std::optional<double> ReadDouble(std::string_view text, char separator);

// At most 15 significant digits of a double, trailing zeros dropped, exponent form ("1E-08")
// where the exponent is below -4 or at least 15. Zero is "0", never "-0".
std::string FifteenDigitText(double value, char separator);

// The same with at most 7 significant digits of a single ("0.3333333", "1.192093E-07").
std::string SevenDigitText(float value, char separator);

// Seven-digit text with a blank before zero and positive values (" 24", " 0", "-1.5").
std::string BlankSignedText(float value, char separator);

}  // namespace simplesso
