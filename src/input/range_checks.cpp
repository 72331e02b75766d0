#include "range_checks.h"

#include "exact_number.h"
#include "numbers.h"

namespace simplesso {
namespace {

bool OutOfRange(const std::string& text, char separator) {
    static const mpq_class kLargest = *ReadExact("3.4028235E+38", '.');
    if (const auto value = ReadExact(text, separator)) {
        return abs(*value) > kLargest;
    }
    // Too far from one to be built exactly: a number that is out of range unless it is tiny,
    // which the decimal reader tells by making it zero.
    return IsNumber(text, separator) && !ReadDouble(text, separator);
}

}  // namespace

std::optional<int> FirstOutOfRangeField(std::span<const std::string> texts, char separator) {
    for (int i = 0; i < static_cast<int>(texts.size()); ++i) {
        if (OutOfRange(texts[i], separator)) {
            return i;
        }
    }
    return std::nullopt;
}

Message OutOfRangeMessage(char separator) {
    const std::string bound = std::string("3") + separator + "4E+38";
    return {"Attenzione!", "I numeri devono essere compresi tra -" + bound + " e " + bound + ".",
            MessageIcon::Warning};
}

}  // namespace simplesso
