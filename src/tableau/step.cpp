#include "step.h"

#include <array>
#include <cmath>
#include <optional>
#include <string>

#include "numbers.h"
#include "setup.h"

namespace simplesso {
namespace {

// A cell that cannot be read, or a value that cannot be written so that it reads back.
struct StepFailure {};

enum class Outcome { Pivoted, Ended, NoPositiveReducedCost, Unbounded };

// Works on a copy of the grid and of the form state, so that a failure half-way leaves the
// window's own untouched.
class Step {
  public:
    Step(const Grid& grid, const FormState& state, char separator)
        : work_(grid), state_(state), separator_(separator) {}

    Outcome Run();
    const Grid& Result() const { return work_; }
    const FormState& State() const { return state_; }
    int Entering() const { return p_ - 1; }

  private:
    float Read(int row, int col) const {
        const auto value = ReadSingle(work_.TextMatrix(row, col), separator_);
        if (!value) {
            throw StepFailure{};
        }
        return *value;
    }

    double ReadWide(int row, int col) const {
        const auto value = ReadDouble(work_.TextMatrix(row, col), separator_);
        if (!value) {
            throw StepFailure{};
        }
        return *value;
    }

    // Every number the step writes must read back in the next step.
    void WriteNumber(int row, int col, std::string text) {
        if (!ReadSingle(text, separator_)) {
            throw StepFailure{};
        }
        work_.SetTextMatrix(row, col, std::move(text));
    }

    void Highlight(Colour colour) {
        work_.SetCol(state_.ColonnaPivot);
        work_.SetRow(state_.RigaPivot);
        work_.SetCellBackColor(colour);
    }

    // The grid column of the variable named in column 1 of a constraint row ("x1" is column 2).
    int BasicColumn(int row) const {
        const std::string& name = work_.TextMatrix(row, 1);
        if (name.size() != 2 || name[0] != 'x' || name[1] < '1' || name[1] > '6') {
            throw StepFailure{};
        }
        return name[1] - '0' + 1;
    }

    bool IsBasic(int col) const {
        for (int r = 1; r <= 3; ++r) {
            if (work_.TextMatrix(r, 1) == VariableName(col - 1)) {
                return true;
            }
        }
        return false;
    }

    // The column of the largest reduced cost that counts as positive; among equal ones the
    // lowest column. Basic variables never enter.
    std::optional<int> EnteringColumn() const {
        float best = 0;
        std::optional<int> entering;
        for (int c = 2; c <= 7; ++c) {
            const float reduced = Read(6, c);
            if (reduced > best && reduced > kResidue && !IsBasic(c)) {
                best = reduced;
                entering = c;
            }
        }
        return entering;
    }

    // Ratio test: only rows whose entry in the entering column counts as positive compete; the
    // smallest quotient of known term to entry wins, the lowest row among equal ones.
    std::optional<int> PivotRow() const {
        std::optional<float> smallest;
        std::optional<int> row;
        for (int r = 1; r <= 3; ++r) {
            const float entry = Read(r, p_);
            if (!(entry > kResidue)) {
                continue;
            }
            const float quotient = Read(r, 8) / entry;
            if (!std::isfinite(quotient)) {
                throw StepFailure{};
            }
            if (!smallest || quotient < *smallest) {
                smallest = quotient;
                row = r;
            }
        }
        return row;
    }

    void Normalise();
    void Eliminate(int row);
    void RewriteSolution();
    void RewriteReducedCosts();
    void RewriteObjective();
    bool AnyPositiveReducedCost() const;

    Grid work_;
    FormState state_;
    char separator_;
    int p_ = 0;
    int q_ = 0;
};

Outcome Step::Run() {
    Highlight(kWhite);
    const auto entering = EnteringColumn();
    if (!entering) {
        return Outcome::NoPositiveReducedCost;
    }
    p_ = *entering;
    state_.ColonnaPivot = static_cast<std::int16_t>(p_);
    const auto pivotRow = PivotRow();
    if (!pivotRow) {
        return Outcome::Unbounded;
    }
    q_ = *pivotRow;
    state_.RigaPivot = static_cast<std::int16_t>(q_);

    work_.SetTextMatrix(q_, 1, VariableName(p_ - 1));
    work_.SetTextMatrix(q_, 0, work_.TextMatrix(6, p_));
    Highlight(kCyan);
    Normalise();
    static constexpr std::array<std::array<int, 2>, 4> kEliminationOrder{
        {{0, 0}, {3, 2}, {3, 1}, {2, 1}}};
    for (int row : kEliminationOrder[q_]) {
        Eliminate(row);
    }
    RewriteSolution();
    RewriteReducedCosts();
    RewriteObjective();
    return AnyPositiveReducedCost() ? Outcome::Pivoted : Outcome::Ended;
}

// The pivot row is divided in double precision by the pivot read once as a single, so a pivot
// with no exact binary value (0.2) does not come out as exactly 1. A pivot text of exactly "1"
// leaves the row as it stands.
void Step::Normalise() {
    const float pivot = Read(q_, p_);
    if (work_.TextMatrix(q_, p_) == "1") {
        return;
    }
    for (int c = 2; c <= 8; ++c) {
        WriteNumber(q_, c, FifteenDigitText(ReadWide(q_, c) / pivot, separator_));
    }
}

// The factor is taken once, before the row's own pivot column is rewritten; every product and
// sum is rounded to a single.
void Step::Eliminate(int row) {
    const float factor = -(Read(row, p_) * Read(q_, p_));
    for (int c = 2; c <= 8; ++c) {
        const float product = Read(q_, c) * factor;
        const float sum = Read(row, c) + product;
        WriteNumber(row, c, SevenDigitText(sum, separator_));
    }
}

// Each basic variable shows its row's known term, copied as text, under its own column.
void Step::RewriteSolution() {
    for (int c = 2; c <= 7; ++c) {
        work_.SetTextMatrix(8, c, "0");
    }
    for (int r = 1; r <= 3; ++r) {
        work_.SetTextMatrix(8, BasicColumn(r), work_.TextMatrix(r, 8));
    }
}

// Each reduced cost loses the entering multiplier times the pivot row, in double precision,
// rounded to a single at the end.
void Step::RewriteReducedCosts() {
    for (int c = 2; c <= 7; ++c) {
        const double updated = static_cast<double>(Read(6, c)) -
                               static_cast<double>(Read(q_, 0)) * static_cast<double>(Read(q_, c));
        WriteNumber(6, c, BlankSignedText(static_cast<float>(updated), separator_));
    }
}

// Only the decision variables count; the objective's known term plays no part.
void Step::RewriteObjective() {
    float z = Read(5, 2) * Read(8, 2);
    for (int c = 3; c <= 4; ++c) {
        const float term = Read(5, c) * Read(8, c);
        z = z + term;
    }
    WriteNumber(9, 2, BlankSignedText(z, separator_));
}

bool Step::AnyPositiveReducedCost() const {
    for (int c = 2; c <= 7; ++c) {
        if (Read(6, c) > kResidue && !IsBasic(c)) {
            return true;
        }
    }
    return false;
}

}  // namespace

Message EndMessage() {
    return {"Fine", "Fine del calcolo del simplesso.\n\rIl risultato è riportato nella tabella.",
            MessageIcon::Information};
}

Message UnboundedMessage(int enteringVariable) {
    return {"Fine",
            "Il problema è illimitato.\nLa variabile entrante x" +
                std::to_string(enteringVariable) + " può crescere senza limite.",
            MessageIcon::Information};
}

Message StepFailedMessage() {
    return {"Attenzione!",
            "Il passo non può essere eseguito: un valore della tabella non è un numero valido o "
            "esce dall'intervallo consentito.\nLa tabella non è stata modificata.",
            MessageIcon::Warning};
}

void Simplesso(Grid& grid, FormState& state, char separator, WindowHooks& window) {
    if (!state.PrimoPasso) {
        window.ShowMessage(EndMessage());
        return;
    }
    Step step(grid, state, separator);
    Outcome outcome;
    try {
        outcome = step.Run();
    } catch (const StepFailure&) {
        window.ShowMessage(StepFailedMessage());
        return;
    }
    switch (outcome) {
        case Outcome::NoPositiveReducedCost:
            window.ShowMessage(EndMessage());
            state.PrimoPasso = false;
            return;
        case Outcome::Unbounded:
            window.ShowMessage(UnboundedMessage(step.Entering()));
            return;
        case Outcome::Pivoted:
        case Outcome::Ended:
            grid.TakeContentOf(step.Result());
            state = step.State();
            if (outcome == Outcome::Ended) {
                window.ShowMessage(EndMessage());
                state.PrimoPasso = false;
            }
            return;
    }
}

}  // namespace simplesso
