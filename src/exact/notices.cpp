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

bool Agrees(StepReport::End shown, std::string_view shownZ, const ExactOptimum& exact,
            char separator) {
    using End = StepReport::End;
    if (shown == End::Unbounded || exact.Unbounded()) {
        return shown == End::Unbounded && exact.Unbounded();
    }
    if (shown == End::Infeasible || exact.Infeasible()) {
        return shown == End::Infeasible && exact.Infeasible();
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

std::optional<Message> PivotNotice(const PivotCheck& check, const std::string& entering,
                                   PivotRule rule, char separator, const std::string& leaving) {
    std::vector<std::string> faults;
    const bool wrongPivot = rule.artificialOut ? check.entry == 0
                            : rule.dual        ? check.entry >= 0
                                               : check.entry <= 0;
    if (wrongPivot) {
        faults.push_back("il pivot vale " + ValueText(check.entry, separator));
    }
    if (rule.dual && check.known >= 0) {
        faults.push_back("il termine noto della riga di " + leaving + " vale " +
                         ValueText(check.known, separator));
    }
    const bool improves = rule.minimising ? check.reducedCost < 0 : check.reducedCost > 0;
    if (!rule.artificialOut && !rule.dual && !improves) {
        faults.push_back("il DELTA r di " + entering + " vale " +
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

Message CheckedEnd(const Message& usual, StepReport::End shown, std::string_view shownZ,
                   const ExactOptimum& exact, char separator) {
    if (Agrees(shown, shownZ, exact, separator)) {
        return usual;
    }
    const std::string exactLine =
        exact.Unbounded()    ? "Con l'aritmetica esatta il problema è illimitato."
        : exact.Infeasible() ? "Con l'aritmetica esatta il problema non ha soluzioni ammissibili."
                             : "Con l'aritmetica esatta Z = " + OptimumText(exact.z, separator) + ".";
    return {usual.title,
            FirstLine(usual.text) +
                "\nL'arrotondamento dei numeri della tabella ha falsato il risultato.\n" +
                exactLine,
            MessageIcon::Warning};
}

}  // namespace simplesso
