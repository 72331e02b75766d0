#include "exact_number.h"

#include <algorithm>
#include <cstdlib>

#include "numbers.h"

namespace simplesso {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// A written exponent is only compared with kLargestExactExponent, so beyond a billion it may
// stop growing; the text can hold more digits than a long does.
constexpr long kExponentCap = 1'000'000'000;

// 10^k for any sign of k.
mpq_class Pow10(long k) {
    mpz_class p;
    mpz_ui_pow_ui(p.get_mpz_t(), 10, static_cast<unsigned long>(std::labs(k)));
    return k >= 0 ? mpq_class(p) : mpq_class(mpz_class(1), p);
}

// The digits of a number that IsNumber accepts, the count of them after the separator and the
// written exponent.
struct Parts {
    bool negative = false;
    std::string digits;
    long fractionDigits = 0;
    long exponent = 0;
};

Parts Split(std::string_view text, char separator) {
    Parts p;
    std::size_t i = text.find_first_not_of(' ');
    if (text[i] == '+' || text[i] == '-') {
        p.negative = text[i++] == '-';
    }
    bool afterSeparator = false;
    for (; i < text.size() && (IsDigit(text[i]) || text[i] == separator); ++i) {
        if (text[i] == separator) {
            afterSeparator = true;
        } else {
            p.digits += text[i];
            p.fractionDigits += afterSeparator;
        }
    }
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        const bool negative = text[i] == '-';
        i += text[i] == '+' || text[i] == '-';
        for (; i < text.size() && IsDigit(text[i]); ++i) {
            p.exponent = std::min(kExponentCap, p.exponent * 10 + (text[i] - '0'));
        }
        p.exponent = negative ? -p.exponent : p.exponent;
    }
    return p;
}

// The digit strings of a fraction's numerator and denominator, without the sign.
std::string Digits(const mpz_class& n) {
    return mpz_class(abs(n)).get_str();
}

// "2.25E+30", as printf's %G writes the exponent: a sign and at least two digits.
std::string ExponentForm(const std::string& digits, long exponent, char separator) {
    std::string out(1, digits[0]);
    if (digits.size() > 1) {
        out += separator + digits.substr(1);
    }
    const std::string written = std::to_string(std::labs(exponent));
    return out + (exponent < 0 ? "E-" : "E+") + (written.size() < 2 ? "0" : "") + written;
}

std::string FixedForm(const std::string& digits, long exponent, char separator) {
    if (exponent < 0) {
        return std::string("0") + separator + std::string(-exponent - 1, '0') + digits;
    }
    const auto whole = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= whole) {
        return digits + std::string(whole - digits.size(), '0');
    }
    return digits.substr(0, whole) + separator + digits.substr(whole);
}

}  // namespace

std::optional<mpq_class> ReadRational(std::string_view text, char separator) {
    const auto slash = text.find('/');
    if (slash == std::string_view::npos) {
        return ReadExact(text, separator);
    }
    const auto numerator = ReadExact(text.substr(0, slash), separator);
    const auto denominator = ReadExact(text.substr(slash + 1), separator);
    if (!numerator || !denominator || sgn(*denominator) == 0) {
        return std::nullopt;
    }
    return mpq_class(*numerator / *denominator);
}

std::optional<mpq_class> ReadExact(std::string_view text, char separator) {
    if (!IsNumber(text, separator)) {
        return std::nullopt;
    }
    Parts p = Split(text, separator);
    const auto lead = p.digits.find_first_not_of('0');
    if (lead == std::string::npos) {
        return mpq_class(0);
    }
    p.digits.erase(0, lead);
    const long scale = p.exponent - p.fractionDigits;
    const long leadExponent = scale + static_cast<long>(p.digits.size()) - 1;
    if (std::labs(leadExponent) > kLargestExactExponent) {
        return std::nullopt;
    }
    mpq_class value;
    // What a field usually holds, a few digits with a short fraction or exponent, is made from
    // machine integers; anything longer goes through GMP's own reading.
    constexpr std::size_t kMachineDigits = 19;
    if (p.digits.size() + static_cast<std::size_t>(std::labs(scale)) <= kMachineDigits) {
        unsigned long number = 0;
        for (char digit : p.digits) {
            number = number * 10 + static_cast<unsigned long>(digit - '0');
        }
        unsigned long power = 1;
        for (long k = 0; k < std::labs(scale); ++k) {
            power *= 10;
        }
        if (scale >= 0) {
            mpq_set_ui(value.get_mpq_t(), number * power, 1);
        } else {
            mpq_set_ui(value.get_mpq_t(), number, power);
            value.canonicalize();
        }
    } else {
        value = mpz_class(p.digits, 10);
        value *= Pow10(scale);
    }
    return p.negative ? mpq_class(-value) : value;
}

std::string FractionText(const mpq_class& value) {
    return value.get_str();
}

std::size_t FractionDigits(const mpq_class& value) {
    const std::size_t numerator = Digits(value.get_num()).size();
    return value.get_den() == 1 ? numerator : numerator + Digits(value.get_den()).size();
}

std::string DecimalText(const mpq_class& value, char separator) {
    if (value == 0) {
        return "0";
    }
    const mpq_class magnitude = abs(value);
    // The decimal exponent of the leading digit: the digit counts miss it by at most one.
    long exponent = static_cast<long>(Digits(magnitude.get_num()).size()) -
                    static_cast<long>(Digits(magnitude.get_den()).size());
    while (magnitude >= Pow10(exponent + 1)) {
        ++exponent;
    }
    while (magnitude < Pow10(exponent)) {
        --exponent;
    }
    // Ten digits, rounded half away from zero; 9.9999999999 rounds up to the next power.
    const mpq_class scaled = magnitude * Pow10(9 - exponent);
    mpz_class rounded = (2 * scaled.get_num() + scaled.get_den()) / (2 * scaled.get_den());
    if (rounded == mpz_class(10'000'000'000)) {
        rounded /= 10;
        ++exponent;
    }
    std::string digits = rounded.get_str();
    digits.erase(digits.find_last_not_of('0') + 1);
    const std::string text = exponent < -4 || exponent >= 10
                                 ? ExponentForm(digits, exponent, separator)
                                 : FixedForm(digits, exponent, separator);
    return value < 0 ? "-" + text : text;
}

}  // namespace simplesso
