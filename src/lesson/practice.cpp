#include "practice.h"

#include "explanation.h"
#include "next_press.h"
#include "numbers.h"
#include "shape.h"

namespace simplesso {
namespace {

const std::string kWrong = "Non è il pivot: ";

// The press made no pivot: say what it did instead.
std::string NoPivot(const FormState& stateBefore, const StepReport& press) {
    using Kind = StepReport::Kind;
    const std::string none = kWrong + "a questo passo non c'è pivot";
    switch (press.kind) {
        case Kind::Unbounded:
            return none + ", perché nessun valore della colonna di " + press.entering +
                   " è positivo e il problema è illimitato";
        case Kind::NoEntering:
            return none + ", perché nessun DELTA r è " +
                   (Minimising(stateBefore) ? "negativo" : "positivo");
        case Kind::RowDropped:
            return none + ", perché la riga di " + press.leaving + " è ridondante";
        case Kind::PhaseSwitch:
            return none + ", perché la prima fase è finita e comincia la seconda";
        case Kind::RowRewritten:
            return none + ", perché la riga del vincolo aggiunto si riscrive nella base attuale";
        case Kind::NoLeaving:
            return none + ", perché nessun termine noto è negativo";
        case Kind::NoNegativeEntry:
            return none + ", perché nessun valore della riga di " + press.leaving +
                   " è negativo e il problema non ha soluzioni ammissibili";
        case Kind::Pivot:
        case Kind::ArtificialOut:
        case Kind::Repeated:
        case Kind::Failed:
            break;
    }
    return none;
}

// The reduced cost the press weighed for a column, if it read one.
std::optional<float> Weighed(const StepReport& press, int col) {
    for (const EnteringCandidate& c : press.candidates) {
        if (c.col == col) {
            return c.reduced;
        }
    }
    return std::nullopt;
}

std::string WrongColumn(const Grid& before, const FormState& state, PivotCell chosen,
                        const StepReport& press) {
    const std::string mine = before.TextMatrix(0, chosen.col);
    const std::string theirs = before.TextMatrix(0, press.col);
    const std::string best = ShownText(before, RowsOf(before).Reduced(), press.col);
    const std::string superlative = Minimising(state) ? "il più negativo" : "il più grande";
    if (InBasis(before, chosen.col)) {
        return kWrong + mine + " è già in base e non entra; " + theirs + " ha il DELTA r " +
               superlative.substr(3) + ": " + best;
    }
    const auto mineValue = Weighed(press, chosen.col);
    if (mineValue && mineValue == Weighed(press, press.col)) {
        return kWrong + mine + " ha DELTA r " + best + " come " + theirs +
               ", ma a pari merito entra la variabile più a sinistra, " + theirs;
    }
    return kWrong + mine + " ha DELTA r " + ShownText(before, RowsOf(before).Reduced(), chosen.col) + ", ma " + theirs +
           " ha " + superlative + ": " + best;
}

std::string WrongRow(const Grid& before, PivotCell chosen, const StepReport& press,
                     char separator) {
    const RowRatio mine = RatioOf(before, press, chosen.row);
    const RowRatio theirs = RatioOf(before, press, press.row);
    const std::string theirText = "la riga di " + theirs.basic + " dà " + theirs.Text(separator);
    if (!mine.Competes()) {
        const bool positive = mine.entryValue && *mine.entryValue > 0;
        return kWrong + "nella riga di " + mine.basic + " il valore " + mine.entry +
               (positive ? " è troppo piccolo" : " non è positivo") +
               " e non entra nel confronto; " + theirText;
    }
    if (mine.quotient == theirs.quotient) {
        return kWrong + "nella riga di " + mine.basic + " " + mine.Text(separator) +
               " come nella riga di " + theirs.basic +
               ", ma a pari merito esce la riga più in alto";
    }
    return kWrong + "nella riga di " + mine.basic + " " + mine.Text(separator) + ", ma " +
           theirText;
}

// The dual simplex: the leaving row is judged first, by its known term, then the entering
// column, by its ratio on that row.
std::string DualVerdict(const Grid& before, PivotCell chosen, const StepReport& press,
                        char separator) {
    const int known = before.Cols() - 1;
    const auto basic = [&](int row) { return before.TextMatrix(row, 1); };
    if (chosen.row != press.row) {
        const std::string theirs = ShownText(before, press.row, known);
        const std::string mine = ShownText(before, chosen.row, known);
        const auto mineValue = ReadSingle(before.TextMatrix(chosen.row, known), separator);
        const auto theirValue = ReadSingle(before.TextMatrix(press.row, known), separator);
        if (mineValue == theirValue) {
            return kWrong + "la riga di " + basic(chosen.row) + " ha termine noto " + mine +
                   " come la riga di " + basic(press.row) +
                   ", ma a pari merito esce la riga più in alto";
        }
        return kWrong + "esce la riga con il termine noto più negativo: " + basic(press.row) +
               " ha " + theirs + ", " + basic(chosen.row) + " ha " + mine;
    }
    const std::string mine = before.TextMatrix(0, chosen.col);
    const std::vector<std::string> ratios = DualRatios(before, press, separator);
    std::string theirs, minesRatio;
    for (const std::string& line : ratios) {
        if (line.starts_with(press.entering + ": ")) {
            theirs = line.substr(press.entering.size() + 2);
        }
        if (line.starts_with(mine + ": ")) {
            minesRatio = line.substr(mine.size() + 2);
        }
    }
    const std::string reason = "nella riga di " + press.leaving + " entra " + press.entering +
                               ", con " + theirs + " il rapporto più piccolo";
    const std::string why = minesRatio.starts_with("|")   ? mine + " ha " + minesRatio
                            : minesRatio.starts_with("è") ? mine + " " + minesRatio
                                                          : "nella colonna di " + mine + " " +
                                                                minesRatio;
    return kWrong + why + ", ma " + reason;
}

}  // namespace

std::optional<PivotCell> AsChoice(const Grid& grid, int row, int col) {
    if (row < 1 || row > RowsOf(grid).LastConstraint() || col < 2 || col > grid.Cols() - 2 ||
        grid.TextMatrix(row, 1).empty()) {
        return std::nullopt;
    }
    return PivotCell{row, col};
}

std::string Verdict(const Grid& before, const FormState& stateBefore, PivotCell chosen,
                    const StepReport& press, char separator) {
    const bool pivoted =
        press.kind == StepReport::Kind::Pivot || press.kind == StepReport::Kind::ArtificialOut;
    if (!pivoted) {
        return NoPivot(stateBefore, press);
    }
    const PivotCell actual{press.row, press.col};
    if (chosen == actual) {
        return "Giusto!";
    }
    if (press.dual) {
        return DualVerdict(before, chosen, press, separator);
    }
    if (press.kind == StepReport::Kind::ArtificialOut) {
        return kWrong + press.leaving + " deve uscire dalla base con un pivot degenere nella sua " +
               "riga, sul primo valore diverso da zero fuori dalle colonne artificiali, in " +
               press.entering;
    }
    if (chosen.col != actual.col) {
        return WrongColumn(before, stateBefore, chosen, press);
    }
    return WrongRow(before, chosen, press, separator);
}

std::string PracticeTally::Text() const {
    return "Pivot indovinati: " + std::to_string(right) + " su " + std::to_string(made);
}

}  // namespace simplesso
