// The explanation line of the dual simplex: which row leaves and why, which column enters and
// why, how an added constraint is rewritten in the basis, and how the dual lesson ends.
#include <string>
#include <vector>

#include "explanation.h"
#include "exact_number.h"
#include "lesson_document.h"
#include "next_press.h"
#include "numbers.h"

namespace simplesso {
namespace {

int KnownColumn(const Grid& grid) {
    return grid.Cols() - 1;
}

std::string Known(const Grid& grid, int row) {
    return ShownText(grid, row, KnownColumn(grid));
}

std::string Basic(const Grid& grid, int row) {
    return grid.TextMatrix(row, TableauRows::kBasisColumn);
}

const DualRatio* RatioAt(const StepReport& press, int col) {
    for (const DualRatio& ratio : press.ratios) {
        if (ratio.col == col) {
            return &ratio;
        }
    }
    return nullptr;
}

// The rows whose known term counts as negative, and whether another one ties with the chosen.
struct LeavingField {
    int negative = 0;
    bool tied = false;
};

LeavingField LeavingFieldOf(const Grid& grid, const StepReport& press, char separator) {
    LeavingField field;
    const auto chosen = ReadSingle(grid.TextMatrix(press.row, KnownColumn(grid)), separator);
    for (int r = 1; r <= RowsOf(grid).LastConstraint(); ++r) {
        if (Basic(grid, r).empty()) {
            continue;
        }
        const auto known = ReadSingle(grid.TextMatrix(r, KnownColumn(grid)), separator);
        if (known && *known < -kResidue) {
            ++field.negative;
            field.tied = field.tied || (r != press.row && known == chosen);
        }
    }
    return field;
}

std::string LeavingWhy(const Grid& grid, const FormState& state, const StepReport& press,
                       char separator) {
    const LeavingField field = LeavingFieldOf(grid, press, separator);
    if (field.negative <= 1) {
        return "è l'unico negativo";
    }
    if (state.MinimoIndice) {
        return "è negativo ed è quello della variabile in base di indice più basso";
    }
    return field.tied ? "è il più negativo (a pari merito esce la riga più in alto)"
                      : "è il più negativo";
}

std::string EnteringWhy(const StepReport& press) {
    const DualRatio* chosen = RatioAt(press, press.col);
    int competing = 0;
    bool tied = false;
    for (const DualRatio& ratio : press.ratios) {
        if (ratio.Competes()) {
            ++competing;
            tied = tied || (ratio.col != press.col && chosen && ratio.ratio == chosen->ratio);
        }
    }
    if (competing <= 1) {
        return "è l'unico rapporto ammissibile";
    }
    return tied ? "è il rapporto più piccolo (a pari merito entra la variabile più a sinistra)"
                : "è il rapporto più piccolo";
}

// "|-2 / -1| = 2": DELTA r over the leaving row's entry, as shown, and the ratio as weighed.
std::string RatioText(const Grid& grid, const StepReport& press, int col, char separator) {
    const DualRatio* ratio = RatioAt(press, col);
    return "|" + ShownText(grid, RowsOf(grid).Reduced(), col) + " / " +
           ShownText(grid, press.row, col) +
           "| = " + SevenDigitText(ratio && ratio->ratio ? *ratio->ratio : 0.0f, separator);
}

std::string WhyNotCompeting(const Grid& grid, const DualRatio& ratio, char separator) {
    if (InBasis(grid, ratio.col)) {
        return "è in base";
    }
    if (!ratio.entry) {
        return "il valore non è un numero valido";
    }
    if (*ratio.entry >= 0) {
        return "il valore non è negativo, non entra nel confronto";
    }
    if (*ratio.entry >= -kResidue) {
        return "il valore è ≥ -" + SevenDigitText(kResidue, separator) +
               ", non entra nel confronto";
    }
    return "il rapporto non si può calcolare";
}

std::string Objective(const Grid& grid) {
    return ShownText(grid, RowsOf(grid).Objective(), TableauRows::kFirstVariableColumn);
}

// "la riga di x1 moltiplicata per 2 e la riga di x2 moltiplicata per -1": what the rewrite of the
// added row subtracts, read in the tableau before it.
std::string Subtracted(const Grid& before, int added, char separator) {
    std::vector<std::string> parts;
    for (int r = 1; r < added; ++r) {
        if (Basic(before, r).empty()) {
            continue;
        }
        for (int c = TableauRows::kFirstVariableColumn; c < KnownColumn(before); ++c) {
            if (before.TextMatrix(0, c) != Basic(before, r)) {
                continue;
            }
            const auto factor = ReadSingle(before.TextMatrix(added, c), separator);
            if (factor && *factor != 0) {
                parts.push_back("la riga di " + Basic(before, r) + " moltiplicata per " +
                                ShownText(before, added, c));
            }
        }
    }
    std::string text;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        text += (i == 0 ? "" : i + 1 == parts.size() ? " e " : ", ") + parts[i];
    }
    return text;
}

}  // namespace

std::string ExplainDualPress(const Grid& before, const FormState& stateBefore, const Grid& after,
                             const StepReport& press, char separator) {
    using Kind = StepReport::Kind;
    switch (press.kind) {
        case Kind::Pivot:
            return "Esce " + press.leaving + ": il suo termine noto (" + Known(before, press.row) +
                   ") " + LeavingWhy(before, stateBefore, press, separator) + ". Entra " +
                   press.entering + ": " + RatioText(before, press, press.col, separator) + " " +
                   EnteringWhy(press) + ".";
        case Kind::RowRewritten: {
            const std::string subtracted = Subtracted(before, press.row, separator);
            const std::string known = Known(after, press.row);
            const auto value = ReadSingle(after.TextMatrix(press.row, KnownColumn(after)), separator);
            std::string text =
                subtracted.empty()
                    ? "La riga di " + press.leaving +
                          " non contiene variabili in base: è già scritta nella base attuale."
                    : "La riga di " + press.leaving +
                          " è riscritta nella base attuale: le si sottrae " + subtracted + ".";
            text += " Il suo termine noto vale " + known;
            text += value && *value < -kResidue
                        ? ", negativo: la soluzione non è più ammissibile e si prosegue con il "
                          "simplesso duale."
                        : ".";
            return text;
        }
        default:
            break;
    }
    return {};
}

std::vector<std::string> DualRatios(const Grid& before, const StepReport& press,
                                    char separator) {
    std::vector<std::string> lines;
    for (const DualRatio& ratio : press.ratios) {
        lines.push_back(before.TextMatrix(0, ratio.col) + ": " +
                        (ratio.Competes() ? RatioText(before, press, ratio.col, separator)
                                          : WhyNotCompeting(before, ratio, separator)));
    }
    return lines;
}

std::string ExplainDualNext(const Grid& grid, const FormState& state, const StepReport& next,
                            char separator) {
    using Kind = StepReport::Kind;
    switch (next.kind) {
        case Kind::Pivot:
            return "Al prossimo passo esce " + next.leaving + ", il cui termine noto (" +
                   Known(grid, next.row) + ") " + LeavingWhy(grid, state, next, separator) +
                   ", ed entra " + next.entering + ", perché " +
                   RatioText(grid, next, next.col, separator) + " " + EnteringWhy(next) + "." +
                   (next.end != StepReport::End::None ? " Sarà l'ultimo passo." : "");
        case Kind::RowRewritten:
            return "Il prossimo passo riscrive la riga di " + next.leaving +
                   " nella base attuale, sottraendo i multipli delle righe delle variabili in "
                   "base.";
        case Kind::NoLeaving:
            return "Nessun termine noto è negativo: la tabella è già ottima e il prossimo passo "
                   "chiuderà la lezione.";
        case Kind::NoNegativeEntry:
            return "Al prossimo passo uscirebbe " + next.leaving + " (termine noto " +
                   Known(grid, next.row) +
                   "), ma nessun valore della sua riga è negativo: il problema risulterà senza "
                   "soluzioni ammissibili.";
        default:
            break;
    }
    return "Il prossimo passo non si potrà eseguire: un valore della tabella non è un numero "
           "valido o esce dall'intervallo consentito.";
}

std::string ExplainDualEnd(const Grid& grid, const StepReport& press) {
    switch (press.end) {
        case StepReport::End::Optimal:
            return "Nessun termine noto è negativo: la tabella mostra la soluzione ottima, Z = " +
                   Objective(grid) + ".";
        case StepReport::End::Infeasible:
            return "Nella riga di " + press.leaving + " il termine noto (" +
                   Known(grid, press.row) +
                   ") è negativo ma nessun valore è negativo: il vincolo non si può soddisfare "
                   "e il problema non ha soluzioni ammissibili.";
        case StepReport::End::Unbounded:
        case StepReport::End::None:
            break;
    }
    return {};
}

std::string ExplainDualRows(const TurnedProblem& problem, char separator) {
    const std::string turned = ExplainTurnedRows(problem, separator, "era con ≥");
    return turned + (turned.empty() ? "" : " ") +
           "Ogni vincolo è con ≤ e la base iniziale è quella delle variabili di scarto, senza "
           "variabili artificiali.";
}

std::string ExplainAddedRow(const Grid& grid, const ProblemTexts& problem, char separator) {
    const int m = problem.Rows();
    const ProblemStatement typed = StatementOf(problem, separator);
    const TurnedProblem turned = TurnRows(problem, separator, m - 1);
    const ProblemStatement written = StatementOf(turned.texts, separator);
    const int row = RowsOf(grid).LastConstraint();
    std::string text = "Vincolo aggiunto: " + ConstraintText(typed, m - 1);
    if (turned.turned[m - 1]) {
        text += ", moltiplicato per -1: " + ConstraintText(written, m - 1);
    }
    return text + ". Entra nella tabella come riga " + std::to_string(m) +
           " con la variabile di scarto " + Basic(grid, row) + " in base.";
}

std::string ExplainCut(const Grid& before, const integer::GomoryCut& cut, int variables,
                       int rowsWithCut) {
    const auto term = [](const mpq_class& coefficient, const std::string& name, bool first) {
        const std::string magnitude = coefficient == 1 || coefficient == -1
                                          ? std::string()
                                          : FractionText(abs(coefficient)) + " ";
        const std::string sign = sgn(coefficient) < 0 ? (first ? "−" : " − ") : (first ? "" : " + ");
        return sign + magnitude + name;
    };
    std::string parts, inColumns;
    for (std::size_t i = 0; i < cut.f.size(); ++i) {
        if (sgn(cut.f[i]) != 0) {
            const std::string name = before.TextMatrix(0, 2 + static_cast<int>(i));
            parts += (parts.empty() ? "" : ", ") + FractionText(cut.f[i]) + " per " + name;
            inColumns += term(cut.f[i], name, inColumns.empty());
        }
    }
    // In x1 ... xn as the problem keeps it, multiplied by -1: "3 x1 + 2 x2 ≤ 16".
    std::string inX;
    for (int v = 0; v < variables; ++v) {
        if (sgn(cut.h[static_cast<std::size_t>(v)]) != 0) {
            inX += term(-cut.h[static_cast<std::size_t>(v)], "x" + std::to_string(v + 1),
                        inX.empty());
        }
    }
    const std::string bound = (cut.h0 > 0 ? "−" : "") + FractionText(abs(cut.h0));
    const std::string basic = Basic(before, cut.sourceRow);
    return "Taglio di Gomory dalla riga di " + basic + ": il termine noto " +
           FractionText(cut.known) + " ha parte frazionaria " +
           FractionText(cut.f0) +
           (parts.empty() ? "; nessun valore della riga fuori base ha parte frazionaria"
                          : "; le parti frazionarie dei valori della riga fuori base sono " + parts) +
           ". Il taglio " + (inColumns.empty() ? "0" : inColumns) + " ≥ " +
           FractionText(cut.f0) + ", cioè " +
           (inX.empty() ? "0" : inX) + " ≤ " + bound +
           ", entra nella tabella come riga " + std::to_string(rowsWithCut) +
           " con la variabile di scarto x" + std::to_string(variables + rowsWithCut) +
           " in base.";
}

}  // namespace simplesso
