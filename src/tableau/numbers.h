// Numbers as the tableau keeps them: texts read with one syntax and written in three forms, and
// shortened for a narrow cell without reading as another number.
// Everything here is locale-free; the decimal separator ("." or ",") is always a parameter.
#pragma once

#include <functional>
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

// What a cell too narrow for `text` draws: the text itself when `fits` takes it; for a number,
// its sign, integer part, as many leading decimals as fit and its exponent whole, with an
// ellipsis where digits were left out ("-5.96…E-08", "0.333…"); for a number or a fraction that
// cannot be shortened so, as many "#" as fit (at least one). Any other text (a label, a name)
// comes back whole: it is never cut. Blanks around the text are dropped when it is shortened.
std::string FitNumberText(std::string_view text, char separator,
                          const std::function<bool(std::string_view)>& fits);

}  // namespace simplesso
