#include "numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

namespace simplesso {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Checks the syntax and returns the number without blanks or a plus sign and with "." as its
// separator, the form std::from_chars takes.
std::optional<std::string> Normalise(std::string_view text, char separator) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && text[i] == ' ') {
        ++i;
    }
    std::string out;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') {
            out += '-';
        }
        ++i;
    }
    int digits = 0;
    bool seenSeparator = false;
    for (; i < n; ++i) {
        if (IsDigit(text[i])) {
            out += text[i];
            ++digits;
        } else if (text[i] == separator && !seenSeparator) {
            out += '.';
            seenSeparator = true;
        } else {
            break;
        }
    }
    if (digits == 0) {
        return std::nullopt;
    }
    if (i < n && (text[i] == 'E' || text[i] == 'e')) {
        out += 'e';
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-')) {
            out += text[i];
            ++i;
        }
        int exponentDigits = 0;
        for (; i < n && IsDigit(text[i]); ++i) {
            out += text[i];
            ++exponentDigits;
        }
        if (exponentDigits == 0) {
            return std::nullopt;
        }
    }
    while (i < n && text[i] == ' ') {
        ++i;
    }
    if (i != n) {
        return std::nullopt;
    }
    return out;
}

// Tells an underflow from an overflow when from_chars reports a result out of range: a long
// double's range takes every exponent a field can hold and far more, and there a magnitude below
// one is the tiny one; beyond even that range, the written exponent's sign decides.
bool IsTiny(const std::string& normalised) {
    long double value = 0;
    const char* first = normalised.data();
    if (std::from_chars(first, first + normalised.size(), value).ec ==
        std::errc::result_out_of_range) {
        return normalised.find("e-") != std::string::npos;
    }
    return std::signbit(std::log(std::fabs(value)));
}

template <typename T>
std::optional<T> Read(std::string_view text, char separator) {
    const auto normalised = Normalise(text, separator);
    if (!normalised) {
        return std::nullopt;
    }
    T value{};
    const char* first = normalised->data();
    const char* last = first + normalised->size();
    const auto [ptr, ec] = std::from_chars(first, last, value, std::chars_format::general);
    if (ec == std::errc::result_out_of_range) {
        if (IsTiny(*normalised)) {
            return (*normalised)[0] == '-' ? -T{0} : T{0};
        }
        return std::nullopt;
    }
    if (ec != std::errc{} || ptr != last || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

// printf's %.<digits>G with the exponent letter in capitals and the given separator.
template <typename T>
std::string GeneralText(T value, int digits, char separator) {
    if (value == 0) {
        return "0";
    }
    char buffer[64];
    const auto [ptr, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, digits);
    std::string out(buffer, ec == std::errc{} ? ptr : buffer);
    for (char& c : out) {
        if (c == 'e') {
            c = 'E';
        } else if (c == '.') {
            c = separator;
        }
    }
    return out;
}

}  // namespace

bool IsNumber(std::string_view text, char separator) {
    return Normalise(text, separator).has_value();
}

std::optional<float> ReadSingle(std::string_view text, char separator) {
    return Read<float>(text, separator);
}

std::optional<double> ReadDouble(std::string_view text, char separator) {
    return Read<double>(text, separator);
}

std::string FifteenDigitText(double value, char separator) {
    // Fifteen digits would round the few largest doubles up to 1.79769313486232E+308, past the
    // largest double, a text that no longer reads; they get the largest one that does.
    constexpr double kLargestFifteenDigits = 1.79769313486231e308;
    if (std::isfinite(value)) {
        value = std::clamp(value, -kLargestFifteenDigits, kLargestFifteenDigits);
    }
    return GeneralText(value, 15, separator);
}

std::string SevenDigitText(float value, char separator) {
    return GeneralText(value, 7, separator);
}

std::string BlankSignedText(float value, char separator) {
    const std::string digits = GeneralText(value, 7, separator);
    return digits.front() == '-' ? digits : " " + digits;
}

namespace {

bool IsFraction(std::string_view text) {
    const std::size_t slash = text.find('/');
    if (slash == std::string_view::npos) {
        return false;
    }
    const std::string_view numerator = text.substr(0, slash);
    const std::string_view denominator = text.substr(slash + 1);
    const std::string_view digits = numerator.substr(numerator.starts_with('-') ? 1 : 0);
    const auto allDigits = [](std::string_view s) {
        return !s.empty() && std::all_of(s.begin(), s.end(), IsDigit);
    };
    return allDigits(digits) && allDigits(denominator);
}

std::string Hashes(const std::function<bool(std::string_view)>& fits) {
    std::string hashes = "#";
    while (fits(hashes + '#')) {
        hashes += '#';
    }
    return hashes;
}

}  // namespace

std::string FitNumberText(std::string_view text, char separator,
                          const std::function<bool(std::string_view)>& fits) {
    if (fits(text)) {
        return std::string(text);
    }
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return std::string(text);
    }
    const std::string_view trimmed = text.substr(first, text.find_last_not_of(' ') + 1 - first);
    if (IsFraction(trimmed)) {
        return Hashes(fits);
    }
    if (!IsNumber(trimmed, separator)) {
        return std::string(text);
    }
    const std::size_t e = trimmed.find_first_of("Ee");
    const std::string_view mantissa = trimmed.substr(0, e);
    const std::string exponent(e == std::string_view::npos ? std::string_view() : trimmed.substr(e));
    const std::size_t point = mantissa.find(separator);
    static constexpr std::string_view kEllipsis = "\u2026";
    if (point != std::string_view::npos) {
        // Decimals are dropped from the last; the separator goes with the last of them.
        for (std::size_t keep = mantissa.size() - point - 1; keep-- > 0;) {
            std::string shown(mantissa.substr(0, keep > 0 ? point + 1 + keep : point));
            shown.append(kEllipsis).append(exponent);
            if (fits(shown)) {
                return shown;
            }
        }
    }
    return Hashes(fits);
}

}  // namespace simplesso
