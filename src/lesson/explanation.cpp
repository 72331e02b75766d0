#include "explanation.h"

#include <cmath>
#include <string>
#include <vector>

#include "lesson_document.h"
#include "next_press.h"
#include "numbers.h"
#include "shape.h"

namespace simplesso {
namespace {

int KnownColumn(const Grid& grid) {
    return grid.Cols() - 1;
}

int LastRow(const Grid& grid) {
    return TableauRows::Of(grid.Rows()).LastConstraint();
}

// How the chosen column or row stands among those that compete with it: alone, tied with one
// after it (the step takes the first of equals) or simply the best. Only the wording depends on
// it; the pivot itself is always the one the step made, and so are the values it weighed.
enum class Standing { Alone, Tied, Best };

Standing EnteringStanding(const StepReport& press) {
    std::optional<float> best;
    for (const EnteringCandidate& c : press.candidates) {
        if (c.col == press.col) {
            best = c.reduced;
        }
    }
    int candidates = 0;
    bool tied = false;
    for (const EnteringCandidate& c : press.candidates) {
        // An artificial variable never enters: one that has left does not compete.
        if (c.Qualifies()) {
            ++candidates;
            tied = tied || (c.col != press.col && best && c.reduced == *best);
        }
    }
    if (candidates <= 1) {
        return Standing::Alone;
    }
    return tied ? Standing::Tied : Standing::Best;
}

std::optional<RowQuotient> QuotientOf(const StepReport& press, int row) {
    for (const RowQuotient& q : press.quotients) {
        if (q.row == row) {
            return q;
        }
    }
    return std::nullopt;
}

Standing LeavingStanding(const StepReport& press) {
    const std::optional<RowQuotient> chosen = QuotientOf(press, press.row);
    int competing = 0;
    bool tied = false;
    for (const RowQuotient& q : press.quotients) {
        if (q.Competes()) {
            ++competing;
            tied = tied || (q.row != press.row && chosen && q.quotient == chosen->quotient);
        }
    }
    if (competing <= 1) {
        return Standing::Alone;
    }
    return tied ? Standing::Tied : Standing::Best;
}

std::string EnteringReason(Standing standing, bool minimising, bool smallestIndex) {
    if (smallestIndex && standing != Standing::Alone) {
        return minimising ? "è negativo ed è la variabile di indice più basso che lo è"
                          : "è positivo ed è la variabile di indice più basso che lo è";
    }
    switch (standing) {
        case Standing::Alone:
            return minimising ? "è l'unico negativo" : "è l'unico positivo";
        case Standing::Tied:
            return std::string(minimising ? "è il più negativo" : "è il più grande") +
                   " (a pari merito entra la variabile più a sinistra)";
        case Standing::Best:
            break;
    }
    return minimising ? "è il più negativo" : "è il più grande";
}

std::string LeavingReason(Standing standing, bool smallestIndex) {
    switch (standing) {
        case Standing::Alone:
            return "è l'unico rapporto ammissibile";
        case Standing::Tied:
            return smallestIndex
                       ? "è il rapporto più piccolo (a pari merito esce la variabile di indice più "
                         "basso)"
                       : "è il rapporto più piccolo (a pari merito esce la riga più in alto)";
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

std::string Leaving(const Grid& grid, const StepReport& press, bool smallestIndex,
                    char separator) {
    return RatioOf(grid, press, press.row).Text(separator) + " " +
           LeavingReason(LeavingStanding(press), smallestIndex);
}

std::string Header(const Grid& grid, int col) {
    return grid.TextMatrix(0, col);
}

// "x4, x2, x1": the basis row by row, leaving out a dropped row.
std::string BasisText(const Grid& grid) {
    std::string text;
    for (int r = 1; r <= LastRow(grid); ++r) {
        const std::string& name = grid.TextMatrix(r, 1);
        if (!name.empty()) {
            text += (text.empty() ? "" : ", ") + name;
        }
    }
    return text;
}

std::string Improving(const FormState& state) {
    return Minimising(state) ? "negativo" : "positivo";
}

}  // namespace

bool InBasis(const Grid& grid, int col) {
    for (int r = 1; r <= LastRow(grid); ++r) {
        const std::string& name = grid.TextMatrix(r, 1);
        if (!name.empty() && name == Header(grid, col)) {
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

// The texts as shown, the values as the step read them; a row the step did not weigh (a dropped
// one) competes with nothing.
RowRatio RatioOf(const Grid& grid, const StepReport& press, int row) {
    const std::optional<RowQuotient> weighed = QuotientOf(press, row);
    return {ShownText(grid, row, 1), ShownText(grid, row, KnownColumn(grid)),
            ShownText(grid, row, press.col), weighed ? weighed->entry : std::nullopt,
            weighed ? weighed->quotient : std::nullopt};
}

std::string PhasePrefix(const FormState& state) {
    if (DualPresses(state)) {
        return "Simplesso duale:";
    }
    switch (state.Fase) {
        case Phase::First:
            return "Prima fase:";
        case Phase::Second:
            return "Seconda fase:";
        case Phase::Single:
            break;
    }
    return {};
}

// The tableau still shows the DELTA r of an artificial variable that has left the basis; when it
// would count, the line says why that variable does not enter (only the first phase has them).
std::string LeftArtificials(const Grid& grid, const StepReport& press) {
    std::vector<std::string> names;
    for (const EnteringCandidate& c : press.candidates) {
        if (c.improving && !c.basic && c.artificial) {
            names.push_back(Header(grid, c.col));
        }
    }
    if (names.empty()) {
        return {};
    }
    std::string listed = names.front();
    for (std::size_t i = 1; i < names.size(); ++i) {
        listed += (i + 1 == names.size() ? " e " : ", ") + names[i];
    }
    return names.size() == 1 ? "; " + listed + " ha DELTA r negativo ma, uscita dalla base, non rientra"
                             : "; " + listed +
                                   " hanno DELTA r negativo ma, uscite dalla base, non rientrano";
}

std::string EnteringWhy(const Grid& before, const FormState& state, const StepReport& press) {
    return EnteringReason(EnteringStanding(press), Minimising(state), state.MinimoIndice) +
           LeftArtificials(before, press);
}

std::string ExplainPress(const Grid& before, const FormState& stateBefore, const Grid& after,
                         const StepReport& press, char separator) {
    using Kind = StepReport::Kind;
    if (press.dual) {
        return ExplainDualPress(before, stateBefore, after, press, separator);
    }
    switch (press.kind) {
        case Kind::Pivot:
            return "Entra " + press.entering + ": il suo DELTA r (" +
                   ShownText(before, RowsOf(before).Reduced(), press.col) + ") " +
                   EnteringWhy(before, stateBefore, press) + ". Esce " + press.leaving + ": " +
                   Leaving(before, press, stateBefore.MinimoIndice, separator) + ".";
        case Kind::ArtificialOut:
            return "W vale " + ShownText(before, RowsOf(before).Objective(), 2) + ", ma " + press.leaving +
                   " è ancora in base a livello zero: esce con un pivot degenere su " +
                   press.entering + ", il primo valore diverso da zero della sua riga (" +
                   ShownText(before, press.row, press.col) +
                   "), e i valori delle variabili non cambiano.";
        case Kind::RowDropped:
            return "W vale " + ShownText(before, RowsOf(before).Objective(), 2) + ", ma " + press.leaving +
                   " è ancora in base e la sua riga ha 0 in ogni colonna non artificiale: il "
                   "vincolo è ridondante e la sua riga è stata svuotata.";
        case Kind::PhaseSwitch:
            return "la prima fase è finita con W = " + ShownText(before, RowsOf(before).Objective(), 2) +
                   " e ha trovato la base ammissibile " + BasisText(after) +
                   ". Le colonne artificiali escono, Cr: prende i coefficienti della funzione "
                   "economica, DELTA r e Z sono ricalcolati: comincia la seconda fase.";
        default:
            break;
    }
    return {};
}

std::vector<std::string> Quotients(const Grid& before, const StepReport& press, char separator) {
    if (press.dual) {
        return DualRatios(before, press, separator);
    }
    std::vector<std::string> lines;
    for (int r = 1; r <= LastRow(before); ++r) {
        const RowRatio ratio = RatioOf(before, press, r);
        if (ratio.basic.empty()) {
            continue;
        }
        lines.push_back(
            ratio.basic + ": " +
            (ratio.Competes() ? ratio.Text(separator) : WhyNotCompeting(ratio, separator)));
    }
    return lines;
}

std::string ExplainNext(const Grid& grid, const FormState& state, const ProblemTexts& problem,
                        char separator) {
    using Kind = StepReport::Kind;
    const StepReport next = PredictPress(grid, state, problem, separator).report;
    if (DualPresses(state)) {
        return ExplainDualNext(grid, state, next, separator);
    }
    const std::string w = ShownText(grid, RowsOf(grid).Objective(), 2);
    switch (next.kind) {
        case Kind::Pivot:
            return "Al prossimo passo entra " + next.entering + ", il cui DELTA r (" +
                   ShownText(grid, RowsOf(grid).Reduced(), next.col) + ") " +
                   EnteringWhy(grid, state, next) + ", ed esce " + next.leaving + ", perché " +
                   Leaving(grid, next, state.MinimoIndice, separator) + "." +
                   (next.end != StepReport::End::None ? " Sarà l'ultimo passo." : "");
        case Kind::NoEntering:
            if (next.end == StepReport::End::Infeasible) {
                return "Nessun DELTA r è negativo e W vale " + w +
                       ", più di zero: il prossimo passo chiuderà la lezione, il problema non "
                       "ha soluzioni ammissibili.";
            }
            return "Nessun DELTA r è " + Improving(state) +
                   ": la tabella è già ottima e il prossimo passo chiuderà la lezione.";
        case Kind::Unbounded:
            return "Al prossimo passo entrerebbe " + next.entering + " (DELTA r " +
                   ShownText(grid, RowsOf(grid).Reduced(), next.col) + "), ma nessun valore della sua colonna è " +
                   "positivo: il problema risulterà illimitato.";
        case Kind::ArtificialOut:
            return "W vale " + w + ", ma " + next.leaving +
                   " è ancora in base: il prossimo passo la farà uscire con un pivot degenere su " +
                   next.entering + ".";
        case Kind::RowDropped:
            return "W vale " + w + ", ma " + next.leaving +
                   " è ancora in base e la sua riga è ridondante: il prossimo passo la svuoterà.";
        case Kind::PhaseSwitch:
            return "La prima fase è finita con W = " + w +
                   ": il prossimo passo comincerà la seconda fase.";
        default:
            break;
    }
    return "Il prossimo passo non si potrà eseguire: un valore della tabella non è un numero "
           "valido o esce dall'intervallo consentito.";
}

std::string ExplainEnd(const Grid& grid, const FormState& state, const StepReport& press) {
    if (press.dual) {
        return ExplainDualEnd(grid, press);
    }
    switch (press.end) {
        case StepReport::End::Optimal:
            return "Nessun DELTA r è " + Improving(state) +
                   ": la tabella mostra la soluzione ottima, Z = " + ShownText(grid, RowsOf(grid).Objective(), 2) + ".";
        case StepReport::End::Infeasible:
            return "Nessun DELTA r è negativo e W vale " + ShownText(grid, RowsOf(grid).Objective(), 2) +
                   ", più di zero: il problema non ha soluzioni ammissibili.";
        case StepReport::End::Unbounded:
            return "Il problema è illimitato: " + press.entering + " ha DELTA r " +
                   ShownText(grid, TableauRows::Of(grid.Rows()).Reduced(), press.col) +
                   ", ma nessun valore della sua colonna è positivo, quindi " + press.entering +
                   " può crescere senza limite.";
        case StepReport::End::None:
            break;
    }
    return {};
}

std::string ExplainTurnedRows(const TurnedProblem& problem, char separator,
                              const std::string& why) {
    const ProblemStatement statement = StatementOf(problem.texts, separator);
    std::string text;
    for (int r = 0; r < problem.texts.Rows(); ++r) {
        if (problem.turned[r]) {
            text += (text.empty() ? "" : " ") + std::string("Il vincolo ") +
                    std::to_string(r + 1) + " " + why +
                    ": moltiplicato per -1 ora si legge " + ConstraintText(statement, r) + ".";
        }
    }
    return text;
}

std::string ExplainNames(const std::vector<std::string>& names) {
    std::string text;
    bool renamed = false;
    for (std::size_t v = 0; v < names.size(); ++v) {
        const std::string x = "x" + std::to_string(v + 1);
        renamed = renamed || names[v] != x;
        text += (v == 0 ? "" : ", ") + x + " = " + names[v];
    }
    return renamed ? text + "." : std::string();
}

}  // namespace simplesso
