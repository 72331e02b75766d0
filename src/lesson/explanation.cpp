#include "explanation.h"

#include <cmath>

#include "next_press.h"
#include "numbers.h"
#include "setup.h"
#include "step.h"

namespace simplesso {
namespace {

std::optional<float> ReducedCost(const Grid& grid, int col, char separator) {
    return ReadSingle(grid.TextMatrix(6, col), separator);
}

// How the chosen column or row stands among those that compete with it: alone, tied with one
// after it (the step takes the first of equals) or simply the best. Only the wording depends on
// it; the pivot itself is always the one the step made.
enum class Standing { Alone, Tied, Best };

Standing EnteringStanding(const Grid& grid, int entering, char separator) {
    const auto best = ReducedCost(grid, entering, separator);
    int candidates = 0;
    bool tied = false;
    for (int c = 2; c <= 7; ++c) {
        const auto reduced = ReducedCost(grid, c, separator);
        if (!reduced || !(*reduced > kResidue) || InBasis(grid, c)) {
            continue;
        }
        ++candidates;
        tied = tied || (c != entering && best && *reduced == *best);
    }
    if (candidates <= 1) {
        return Standing::Alone;
    }
    return tied ? Standing::Tied : Standing::Best;
}

Standing LeavingStanding(const Grid& grid, PivotCell pivot, char separator) {
    const RowRatio chosen = RatioOf(grid, pivot.row, pivot.col, separator);
    int competing = 0;
    bool tied = false;
    for (int r = 1; r <= 3; ++r) {
        const RowRatio ratio = RatioOf(grid, r, pivot.col, separator);
        if (!ratio.Competes()) {
            continue;
        }
        ++competing;
        tied = tied || (r != pivot.row && ratio.quotient == chosen.quotient);
    }
    if (competing <= 1) {
        return Standing::Alone;
    }
    return tied ? Standing::Tied : Standing::Best;
}

std::string EnteringReason(Standing standing) {
    switch (standing) {
        case Standing::Alone:
            return "è l'unico positivo";
        case Standing::Tied:
            return "è il più grande (a pari merito entra la variabile più a sinistra)";
        case Standing::Best:
            break;
    }
    return "è il più grande";
}

std::string LeavingReason(Standing standing) {
    switch (standing) {
        case Standing::Alone:
            return "è l'unico rapporto ammissibile";
        case Standing::Tied:
            return "è il rapporto più piccolo (a pari merito esce la riga più in alto)";
        case Standing::Best:
            break;
    }
    return "è il rapporto più piccolo";
}

std::string WhyNotCompeting(const RowRatio& ratio, char separator) {
    if (!ratio.entryValue) {
        return ratio.entry + " non è un numero valido";
    }
    if (*ratio.entryValue <= 0) {
        return ratio.entry + " ≤ 0, non entra nel confronto";
    }
    if (*ratio.entryValue <= kResidue) {
        return ratio.entry + " ≤ " + SevenDigitText(kResidue, separator) +
               ", non entra nel confronto";
    }
    return ratio.known + " / " + ratio.entry + " non si può calcolare";
}

}  // namespace

bool InBasis(const Grid& grid, int col) {
    for (int r = 1; r <= 3; ++r) {
        if (grid.TextMatrix(r, 1) == VariableName(col - 1)) {
            return true;
        }
    }
    return false;
}

std::string ShownText(const Grid& grid, int row, int col) {
    const std::string& text = grid.TextMatrix(row, col);
    return text.substr(std::min(text.find_first_not_of(' '), text.size()));
}

std::string RowRatio::Text(char separator) const {
    return known + " / " + entry + " = " + SevenDigitText(quotient.value_or(0), separator);
}

// The quotient is the step's: known term over entry, both read as singles, divided once.
RowRatio RatioOf(const Grid& grid, int row, int col, char separator) {
    RowRatio ratio{ShownText(grid, row, 1), ShownText(grid, row, 8), ShownText(grid, row, col),
                   ReadSingle(grid.TextMatrix(row, col), separator), std::nullopt};
    const auto known = ReadSingle(grid.TextMatrix(row, 8), separator);
    if (known && ratio.entryValue && *ratio.entryValue > kResidue) {
        const float quotient = *known / *ratio.entryValue;
        if (std::isfinite(quotient)) {
            ratio.quotient = quotient;
        }
    }
    return ratio;
}

std::string ExplainPivot(const Grid& before, PivotCell pivot, char separator) {
    const RowRatio leaving = RatioOf(before, pivot.row, pivot.col, separator);
    return "Entra " + VariableName(pivot.col - 1) + ": il suo DELTA r (" +
           ShownText(before, 6, pivot.col) + ") " +
           EnteringReason(EnteringStanding(before, pivot.col, separator)) + ". Esce " +
           leaving.basic + ": " + leaving.Text(separator) + " " +
           LeavingReason(LeavingStanding(before, pivot, separator)) + ".";
}

std::vector<std::string> Quotients(const Grid& before, int col, char separator) {
    std::vector<std::string> lines;
    for (int r = 1; r <= 3; ++r) {
        const RowRatio ratio = RatioOf(before, r, col, separator);
        lines.push_back(
            ratio.basic + ": " +
            (ratio.Competes() ? ratio.Text(separator) : WhyNotCompeting(ratio, separator)));
    }
    return lines;
}

std::string ExplainNext(const Grid& grid, const FormState& state, char separator) {
    const NextPress next = PredictPress(grid, state, separator);
    switch (next.kind) {
        case NextPress::Kind::Pivot: {
            const RowRatio leaving = RatioOf(grid, next.pivot->row, next.pivot->col, separator);
            return "Al prossimo passo entra " + VariableName(next.entering) + ", il cui DELTA r (" +
                   ShownText(grid, 6, next.pivot->col) + ") " +
                   EnteringReason(EnteringStanding(grid, next.pivot->col, separator)) +
                   ", ed esce " + leaving.basic + ", perché " + leaving.Text(separator) + " " +
                   LeavingReason(LeavingStanding(grid, *next.pivot, separator)) + "." +
                   (next.endsLesson ? " Sarà l'ultimo passo." : "");
        }
        case NextPress::Kind::End:
            return "Nessun DELTA r è positivo: la tabella è già ottima e il prossimo passo "
                   "chiuderà "
                   "la lezione.";
        case NextPress::Kind::Unbounded:
            return "Al prossimo passo entrerebbe " + VariableName(next.entering) + " (DELTA r " +
                   ShownText(grid, 6, next.entering + 1) +
                   "), ma nessun valore della sua colonna è positivo: il problema risulterà "
                   "illimitato.";
        case NextPress::Kind::Fails:
            break;
    }
    return "Il prossimo passo non si potrà eseguire: un valore della tabella non è un numero "
           "valido o esce dall'intervallo consentito.";
}

std::string ExplainEnd(const Grid& grid, const FormState& state, char separator) {
    if (!state.PrimoPasso) {
        return "Nessun DELTA r è positivo: la tabella mostra la soluzione ottima, Z = " +
               ShownText(grid, 9, 2) + ".";
    }
    const NextPress next = PredictPress(grid, state, separator);
    if (next.kind != NextPress::Kind::Unbounded) {
        return {};
    }
    const std::string name = VariableName(next.entering);
    return "Il problema è illimitato: " + name + " ha DELTA r " +
           ShownText(grid, 6, next.entering + 1) +
           ", ma nessun valore della sua colonna è positivo, quindi " + name +
           " può crescere senza limite.";
}

}  // namespace simplesso
