#include "notices.h"

#include <string>
#include <vector>

#include "exact_number.h"

namespace simplesso {
namespace {

// A fraction longer than this is no help to a student; its decimal is given instead.
constexpr std::size_t kLongestFraction = 12;

// The decimal, marked "circa" unless it is the value itself.
std::string DecimalValueText(const mpq_class& value, char separator) {
    const std::string decimal = DecimalText(value, separator);
    return ReadExact(decimal, separator) == value ? decimal : "circa " + decimal;
}

std::string ValueText(const mpq_class& value, char separator) {
    return FractionDigits(value) <= kLongestFraction ? FractionText(value)
                                                     : DecimalValueText(value, separator);
}

// "1/20 (0,05)": the fraction alone when it is its own decimal, the decimal alone when the
// fraction is too long.
std::string OptimumText(const mpq_class& z, char separator) {
    const std::string decimal = DecimalValueText(z, separator);
    if (FractionDigits(z) > kLongestFraction) {
        return decimal;
    }
    const std::string fraction = FractionText(z);
    return fraction == decimal ? fraction : fraction + " (" + decimal + ")";
}

bool Agrees(bool shownUnbounded, std::string_view shownZ, const ExactOptimum& exact,
            char separator) {
    if (shownUnbounded || exact.unbounded) {
        return shownUnbounded == exact.unbounded;
    }
    const auto z = ReadExact(shownZ, separator);
    if (!z) {
        return false;
    }
    const mpq_class scale = std::max(mpq_class(1), mpq_class(abs(exact.z)));
    return abs(*z - exact.z) <= mpq_class(1, 10000) * scale;
}

std::string FirstLine(const std::string& text) {
    std::string line = text.substr(0, text.find('\n'));
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return line;
}

}  // namespace

std::optional<Message> PivotNotice(const PivotCheck& check, int col, int /*row*/, char separator) {
    std::vector<std::string> faults;
    if (check.entry <= 0) {
        faults.push_back("il pivot vale " + ValueText(check.entry, separator));
    }
    if (check.reducedCost <= 0) {
        faults.push_back("il DELTA r di x" + std::to_string(col - 1) + " vale " +
                         ValueText(check.reducedCost, separator));
    }
    if (faults.empty()) {
        return std::nullopt;
    }
    std::string text = "Con l'aritmetica esatta questo passo non si farebbe: " + faults[0];
    for (std::size_t i = 1; i < faults.size(); ++i) {
        text += " e " + faults[i];
    }
    text += ".";
    if (check.entry == 0) {
        text +=
            "\nDa qui in poi l'aritmetica esatta non può seguire la lezione: non si divide per "
            "zero.";
    }
    return Message{"Attenzione!", text, MessageIcon::Warning};
}

Message CheckedEnd(const Message& usual, bool shownUnbounded, std::string_view shownZ,
                   const ExactOptimum& exact, char separator) {
    if (Agrees(shownUnbounded, shownZ, exact, separator)) {
        return usual;
    }
    const std::string exactLine =
        exact.unbounded ? "Con l'aritmetica esatta il problema è illimitato."
                        : "Con l'aritmetica esatta Z = " + OptimumText(exact.z, separator) + ".";
    return {usual.title,
            FirstLine(usual.text) +
                "\nL'arrotondamento dei numeri della tabella ha falsato il risultato.\n" +
                exactLine,
            MessageIcon::Warning};
}

}  // namespace simplesso
