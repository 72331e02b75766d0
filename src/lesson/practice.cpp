#include "practice.h"

#include "explanation.h"
#include "next_press.h"
#include "numbers.h"
#include "setup.h"
#include "step.h"

namespace simplesso {
namespace {

const std::string kWrong = "Non è il pivot: ";

// The press made no pivot: ask the step why, on the tableau the choice was made on.
std::string NoPivot(const Grid& before, char separator) {
    const FormState running{.CampiValidi = true,
                            .PrimoPasso = true,
                            .RigaPivot = static_cast<std::int16_t>(before.Row()),
                            .ColonnaPivot = static_cast<std::int16_t>(before.Col())};
    const NextPress next = PredictPress(before, running, separator);
    const std::string none = kWrong + "a questo passo non c'è pivot";
    switch (next.kind) {
        case NextPress::Kind::Unbounded:
            return none + ", perché nessun valore della colonna di " + VariableName(next.entering) +
                   " è positivo e il problema è illimitato";
        case NextPress::Kind::End:
            return none + ", perché nessun DELTA r è positivo";
        case NextPress::Kind::Pivot:
        case NextPress::Kind::Fails:
            break;
    }
    return none;
}

std::string WrongColumn(const Grid& before, PivotCell chosen, PivotCell actual, char separator) {
    const std::string mine = VariableName(chosen.col - 1);
    const std::string theirs = VariableName(actual.col - 1);
    const std::string largest = ShownText(before, 6, actual.col);
    if (InBasis(before, chosen.col)) {
        return kWrong + mine + " è già in base e non entra; " + theirs +
               " ha il DELTA r più grande: " + largest;
    }
    const auto mineValue = ReadSingle(before.TextMatrix(6, chosen.col), separator);
    if (mineValue && mineValue == ReadSingle(before.TextMatrix(6, actual.col), separator)) {
        return kWrong + mine + " ha DELTA r " + largest + " come " + theirs +
               ", ma a pari merito entra la variabile più a sinistra, " + theirs;
    }
    return kWrong + mine + " ha DELTA r " + ShownText(before, 6, chosen.col) + ", ma " + theirs +
           " ha il più grande: " + largest;
}

std::string WrongRow(const Grid& before, PivotCell chosen, PivotCell actual, char separator) {
    const RowRatio mine = RatioOf(before, chosen.row, chosen.col, separator);
    const RowRatio theirs = RatioOf(before, actual.row, actual.col, separator);
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

}  // namespace

std::optional<PivotCell> AsChoice(int row, int col) {
    if (row < 1 || row > 3 || col < 2 || col > 7) {
        return std::nullopt;
    }
    return PivotCell{row, col};
}

std::string Verdict(const Grid& before, PivotCell chosen, std::optional<PivotCell> actual,
                    char separator) {
    if (!actual) {
        return NoPivot(before, separator);
    }
    if (chosen == *actual) {
        return "Giusto!";
    }
    if (chosen.col != actual->col) {
        return WrongColumn(before, chosen, *actual, separator);
    }
    return WrongRow(before, chosen, *actual, separator);
}

std::string PracticeTally::Text() const {
    return "Pivot indovinati: " + std::to_string(right) + " su " + std::to_string(made);
}

}  // namespace simplesso
