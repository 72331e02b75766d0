// The texts an exercise's fields take: the shortest of at most five characters for a value, and
// the line that tells the file's names of the variables.
#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

#include "exact_number.h"
#include "exercise.h"
#include "numbers.h"

namespace simplesso {
namespace {

constexpr std::size_t kFieldCharacters = 5;

// A field's value is at least 1E-99 in magnitude: no longer denominator needs a look.
constexpr unsigned long kLargestTwoOrFivePower = 400;

// The ways of writing digits × 10^exponent, the plain ones first: without exponent ("1500",
// "0.015", ".015"), then with one, the separator at every place of the digits ("15E2", "1.5E3",
// ".15E4"). Only the shortest that reads back as the value is kept, so a form the number syntax
// does not accept costs nothing.
std::vector<std::string> Candidates(const std::string& digits, long exponent, char separator) {
    const long count = static_cast<long>(digits.size());
    std::vector<std::string> forms;
    if (exponent >= 0 && count + exponent <= static_cast<long>(kFieldCharacters)) {
        forms.push_back(digits + std::string(static_cast<std::size_t>(exponent), '0'));
    }
    const long point = count + exponent;  // digits before the separator
    if (exponent < 0 && point > 0) {
        const auto before = static_cast<std::size_t>(point);
        forms.push_back(digits.substr(0, before) + separator + digits.substr(before));
    } else if (exponent < 0 && -point < static_cast<long>(kFieldCharacters)) {
        const std::string fraction =
            separator + std::string(static_cast<std::size_t>(-point), '0') + digits;
        forms.push_back(fraction);
        forms.push_back("0" + fraction);
    }
    for (long before = count; before >= 0; --before) {
        const auto cut = static_cast<std::size_t>(before);
        const std::string mantissa =
            before == count ? digits : digits.substr(0, cut) + separator + digits.substr(cut);
        forms.push_back(mantissa + "E" + std::to_string(exponent + count - before));
    }
    return forms;
}

}  // namespace

std::optional<std::string> FieldText(const mpq_class& value, char separator) {
    if (value == 0) {
        return "0";
    }
    // value = ±numerator / (2^twos 5^fives) = ±digits × 10^exponent, digits ending in no zero.
    mpz_class numerator = abs(value.get_num());
    mpz_class rest = value.get_den();
    const unsigned long twos =
        mpz_remove(rest.get_mpz_t(), rest.get_mpz_t(), mpz_class(2).get_mpz_t());
    const unsigned long fives =
        mpz_remove(rest.get_mpz_t(), rest.get_mpz_t(), mpz_class(5).get_mpz_t());
    if (rest != 1 || twos > kLargestTwoOrFivePower || fives > kLargestTwoOrFivePower) {
        return std::nullopt;  // not a decimal, or far below any field's reach
    }
    const unsigned long scale = std::max(twos, fives);
    mpz_class power;
    mpz_ui_pow_ui(power.get_mpz_t(), 2, scale - twos);
    numerator *= power;
    mpz_ui_pow_ui(power.get_mpz_t(), 5, scale - fives);
    numerator *= power;
    const unsigned long tens =
        mpz_remove(numerator.get_mpz_t(), numerator.get_mpz_t(), mpz_class(10).get_mpz_t());
    const std::string digits = numerator.get_str();
    if (digits.size() > kFieldCharacters) {
        return std::nullopt;
    }
    const long exponent = static_cast<long>(tens) - static_cast<long>(scale);
    const std::string sign = value < 0 ? "-" : "";
    std::optional<std::string> best;
    for (const std::string& form : Candidates(digits, exponent, separator)) {
        const std::string text = sign + form;
        if (text.size() > kFieldCharacters || (best && text.size() >= best->size()) ||
            !IsNumber(text, separator)) {
            continue;
        }
        if (const auto exact = ReadExact(text, separator); exact && *exact == value) {
            best = text;
        }
    }
    return best;
}

}  // namespace simplesso
