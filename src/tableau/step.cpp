#include "step.h"

#include <cmath>
#include <optional>
#include <string>

#include "numbers.h"
#include "shape.h"

namespace simplesso {
namespace {

// A cell that cannot be read, or a value that cannot be written so that it reads back.
struct StepFailure {};

// The shape of the tableau a problem's lesson shows in a phase: which variable, of which kind,
// stands in each column.
TableauShape ShapeIn(const ProblemTexts& problem, const FormState& state, char separator) {
    const TableauShape shape = InitialShape(
        TurnRows(problem, separator, FirstDualRow(state, problem.Rows())).texts);
    return state.Fase == Phase::Second ? WithoutArtificials(shape) : shape;
}

// Works on a copy of the grid and of the form state, so that a failure half-way leaves the
// window's own untouched. Every column from 2 up to the known term's is a variable, named in
// row 0, whose kind the problem's shape gives; a constraint row whose basis cell is empty was
// dropped as redundant.
class Step {
  public:
    Step(const Grid& grid, const FormState& state, const ProblemTexts& problem, char separator)
        : work_(grid),
          state_(state),
          separator_(separator),
          rows_(TableauRows::Of(grid.Rows())),
          shape_(ShapeIn(problem, state, separator)),
          problem_(problem) {}

    StepReport Run();
    void RecomputeCostRows();
    const Grid& Result() const { return work_; }
    const FormState& State() const { return state_; }

  private:
    static constexpr int kCost = TableauRows::kCostColumn;
    static constexpr int kBasis = TableauRows::kBasisColumn;
    static constexpr int kFirst = TableauRows::kFirstVariableColumn;

    int Known() const { return work_.Cols() - 1; }
    int Costs() const { return rows_.Costs(); }
    int Reduced() const { return rows_.Reduced(); }
    int Solution() const { return rows_.Solution(); }
    int Objective() const { return rows_.Objective(); }
    int FirstRow() const { return rows_.FirstConstraint(); }
    int LastRow() const { return rows_.LastConstraint(); }
    // A grid that does not hold the shape's columns, under their names, was not set up from
    // this problem.
    const TableauColumn& Column(int col) const {
        if (work_.Cols() != shape_.GridCols() || col < kFirst || col >= Known() ||
            Header(col) != shape_.columns[col - kFirst].name) {
            throw StepFailure{};
        }
        return shape_.columns[col - kFirst];
    }
    bool IsDecision(int col) const { return Column(col).kind == ColumnKind::Decision; }
    bool IsArtificial(int col) const { return Column(col).kind == ColumnKind::Artificial; }
    const std::string& Header(int col) const { return work_.TextMatrix(0, col); }
    bool Active(int row) const { return !work_.TextMatrix(row, kBasis).empty(); }

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
        if (state_.ColonnaPivot < 0 || state_.ColonnaPivot >= work_.Cols() ||
            state_.RigaPivot < 0 || state_.RigaPivot >= work_.Rows()) {
            return;
        }
        work_.SetCol(state_.ColonnaPivot);
        work_.SetRow(state_.RigaPivot);
        work_.SetCellBackColor(colour);
    }

    // The grid column of the variable basic in a constraint row, found among the shape's; a
    // grid whose columns or header are not the shape's was not set up from this problem.
    int BasicColumn(int row) const {
        if (const auto col = shape_.GridColumn(work_.TextMatrix(row, kBasis))) {
            Column(*col);
            return *col;
        }
        throw StepFailure{};
    }

    bool IsBasic(int col) const {
        for (int r = FirstRow(); r <= LastRow(); ++r) {
            if (Active(r) && work_.TextMatrix(r, kBasis) == Header(col)) {
                return true;
            }
        }
        return false;
    }

    bool CanEnter(int col) const { return !IsBasic(col) && !IsArtificial(col); }

    // The first phase minimises W; otherwise the objective goes the problem's way.
    bool Minimising() const {
        return state_.Fase == Phase::First || state_.Verso == Direction::Minimise;
    }

    // How much a unit of the variable improves the objective: DELTA r, or its opposite when
    // minimising.
    float Gain(int col) const {
        const float reduced = Read(Reduced(), col);
        return Minimising() ? -reduced : reduced;
    }

    std::optional<int> EnteringColumn(std::vector<EnteringCandidate>* weighed = nullptr) const;
    std::optional<int> PivotRow(int col, std::vector<RowQuotient>* weighed = nullptr) const;
    std::optional<int> ArtificialRow() const;
    std::optional<int> LeavingRow() const;
    std::optional<int> DualEnteringColumn(int row, std::vector<DualRatio>& weighed) const;
    StepReport RunDual();
    void RewriteAddedRow();
    void Pivot(int col, int row);
    void Normalise(int col, int row);
    void Eliminate(int row, int col, int pivotRow);
    void RewriteSolution();
    void RewriteReducedCosts(int pivotRow);
    void RewriteObjective();
    bool AnyImproving() const;
    void DropRow(int row);
    void SwitchPhase();

    Grid work_;
    FormState state_;
    char separator_;
    TableauRows rows_;
    TableauShape shape_;
    const ProblemTexts& problem_;
};

// The largest gain that counts as one enters, the lowest column among equal ones; under the
// smallest-index rule the first column that improves at all. Basic variables never enter, nor
// does an artificial one that has left: a degenerate pivot that takes one out may leave its
// DELTA r negative, and letting it back in would undo that pivot on every other press.
std::optional<int> Step::EnteringColumn(std::vector<EnteringCandidate>* weighed) const {
    float best = 0;
    std::optional<int> entering;
    for (int c = kFirst; c < Known(); ++c) {
        // Under the smallest-index rule the choice is made at the first column that improves;
        // the others are only weighed, and a value that does not read is left out.
        const bool chosen = entering && state_.MinimoIndice;
        const std::optional<float> reduced =
            chosen ? ReadSingle(work_.TextMatrix(Reduced(), c), separator_) : Read(Reduced(), c);
        if (!reduced) {
            continue;
        }
        const float gain = Minimising() ? -*reduced : *reduced;
        if (weighed) {
            weighed->push_back({c, *reduced, gain > kResidue, IsBasic(c), IsArtificial(c)});
        }
        if (!chosen && gain > best && gain > kResidue && CanEnter(c)) {
            best = gain;
            entering = c;
        }
    }
    return entering;
}

// Ratio test: only rows whose entry in the entering column counts as positive compete; the
// smallest quotient of known term to entry wins, the lowest row among equal ones (the row of the
// lowest basic variable under the smallest-index rule).
std::optional<int> Step::PivotRow(int col, std::vector<RowQuotient>* weighed) const {
    std::optional<float> smallest;
    std::optional<int> row;
    for (int r = FirstRow(); r <= LastRow(); ++r) {
        if (!Active(r)) {
            continue;
        }
        const float entry = Read(r, col);
        if (weighed) {
            weighed->push_back(
                {r, entry, ReadSingle(work_.TextMatrix(r, Known()), separator_), std::nullopt});
        }
        if (!(entry > kResidue)) {
            continue;
        }
        const float quotient = Read(r, Known()) / entry;
        if (!std::isfinite(quotient)) {
            throw StepFailure{};
        }
        if (weighed) {
            weighed->back().quotient = quotient;
        }
        const bool tieWins = state_.MinimoIndice && row && quotient == *smallest &&
                             BasicColumn(r) < BasicColumn(*row);
        if (!smallest || quotient < *smallest || tieWins) {
            smallest = quotient;
            row = r;
        }
    }
    return row;
}

// The first row whose basic variable is still artificial.
std::optional<int> Step::ArtificialRow() const {
    for (int r = FirstRow(); r <= LastRow(); ++r) {
        if (Active(r) && IsArtificial(BasicColumn(r))) {
            return r;
        }
    }
    return std::nullopt;
}

// The dual simplex: the row whose known term is the most negative leaves, the lowest among equal
// ones; under the smallest-index rule, of the rows with a negative known term the one whose basic
// variable has the lowest index.
std::optional<int> Step::LeavingRow() const {
    std::optional<int> row;
    float lowest = 0;
    for (int r = FirstRow(); r <= LastRow(); ++r) {
        if (!Active(r)) {
            continue;
        }
        const float known = Read(r, Known());
        if (!(known < -kResidue)) {
            continue;
        }
        const bool wins = !row || (state_.MinimoIndice ? BasicColumn(r) < BasicColumn(*row)
                                                       : known < lowest);
        if (wins) {
            row = r;
            lowest = known;
        }
    }
    return row;
}

// Of the columns whose entry in the leaving row counts as negative, the one with the smallest
// |DELTA r / entry| enters, the lowest column among equal ones: the objective's row stays
// optimal.
std::optional<int> Step::DualEnteringColumn(int row, std::vector<DualRatio>& weighed) const {
    std::optional<float> smallest;
    std::optional<int> entering;
    for (int c = kFirst; c < Known(); ++c) {
        const float entry = Read(row, c);
        DualRatio& ratio = weighed.emplace_back(
            DualRatio{c, entry, ReadSingle(work_.TextMatrix(Reduced(), c), separator_), {}});
        if (!(entry < -kResidue) || !CanEnter(c)) {
            continue;
        }
        ratio.ratio = std::fabs(Read(Reduced(), c) / entry);
        if (!std::isfinite(*ratio.ratio)) {
            throw StepFailure{};
        }
        if (!smallest || *ratio.ratio < *smallest) {
            smallest = ratio.ratio;
            entering = c;
        }
    }
    return entering;
}

// The constraint added last loses the multiple of each basic variable's row that it holds in
// that variable's column, rounded as an elimination is; the known term it is left with says
// whether the optimum still stands.
void Step::RewriteAddedRow() {
    const int added = LastRow();
    for (int r = FirstRow(); r < added; ++r) {
        if (Active(r) && Read(added, BasicColumn(r)) != 0) {
            Eliminate(added, BasicColumn(r), r);
        }
    }
    state_.DaRiscrivere = false;
    RewriteSolution();
}

StepReport Step::RunDual() {
    using Kind = StepReport::Kind;
    StepReport report;
    report.dual = true;
    report.smallestIndex = state_.MinimoIndice;
    Highlight(kWhite);
    if (state_.DaRiscrivere) {
        report.kind = Kind::RowRewritten;
        report.row = LastRow();
        report.leaving = work_.TextMatrix(LastRow(), kBasis);
        RewriteAddedRow();
    } else if (const auto row = LeavingRow()) {
        report.row = *row;
        report.leaving = work_.TextMatrix(*row, kBasis);
        state_.RigaPivot = static_cast<std::int16_t>(*row);
        const auto entering = DualEnteringColumn(*row, report.ratios);
        if (!entering) {
            report.kind = Kind::NoNegativeEntry;
            report.end = StepReport::End::Infeasible;
            return report;
        }
        report.kind = Kind::Pivot;
        report.col = *entering;
        report.entering = Header(*entering);
        Pivot(*entering, *row);
    } else {
        report.kind = Kind::NoLeaving;
        report.end = StepReport::End::Optimal;
        return report;
    }
    if (!LeavingRow()) {
        report.end = StepReport::End::Optimal;
    }
    return report;
}

void Step::Pivot(int col, int row) {
    state_.ColonnaPivot = static_cast<std::int16_t>(col);
    state_.RigaPivot = static_cast<std::int16_t>(row);
    work_.SetTextMatrix(row, kBasis, Header(col));
    work_.SetTextMatrix(row, kCost, work_.TextMatrix(Reduced(), col));
    Highlight(kCyan);
    Normalise(col, row);
    // The other rows from the last up: the order the values are rounded in stays the lesson's.
    for (int r = LastRow(); r >= FirstRow(); --r) {
        if (r != row && Active(r)) {
            Eliminate(r, col, row);
        }
    }
    RewriteSolution();
    RewriteReducedCosts(row);
    RewriteObjective();
}

// The pivot row is divided in double precision by the pivot read once as a single, so a pivot
// with no exact binary value (0.2) does not come out as exactly 1. A pivot text of exactly "1"
// leaves the row as it stands.
void Step::Normalise(int col, int row) {
    const float pivot = Read(row, col);
    if (work_.TextMatrix(row, col) == "1") {
        return;
    }
    for (int c = kFirst; c <= Known(); ++c) {
        WriteNumber(row, c, FifteenDigitText(ReadWide(row, c) / pivot, separator_));
    }
}

// The factor is taken once, before the row's own pivot column is rewritten; every product and
// sum is rounded to a single.
void Step::Eliminate(int row, int col, int pivotRow) {
    const float factor = -(Read(row, col) * Read(pivotRow, col));
    for (int c = kFirst; c <= Known(); ++c) {
        const float product = Read(pivotRow, c) * factor;
        const float sum = Read(row, c) + product;
        WriteNumber(row, c, SevenDigitText(sum, separator_));
    }
}

// Each basic variable shows its row's known term, copied as text, under its own column.
void Step::RewriteSolution() {
    for (int c = kFirst; c < Known(); ++c) {
        work_.SetTextMatrix(Solution(), c, "0");
    }
    for (int r = FirstRow(); r <= LastRow(); ++r) {
        if (Active(r)) {
            work_.SetTextMatrix(Solution(), BasicColumn(r), work_.TextMatrix(r, Known()));
        }
    }
}

// Each reduced cost loses the entering multiplier times the pivot row, in double precision,
// rounded to a single at the end.
void Step::RewriteReducedCosts(int pivotRow) {
    for (int c = kFirst; c < Known(); ++c) {
        const double updated =
            static_cast<double>(Read(Reduced(), c)) -
            static_cast<double>(Read(pivotRow, kCost)) * static_cast<double>(Read(pivotRow, c));
        WriteNumber(Reduced(), c, BlankSignedText(static_cast<float>(updated), separator_));
    }
}

// Z counts the decision variables only (the objective's known term plays no part); W, in the
// first phase, the artificial ones.
void Step::RewriteObjective() {
    std::optional<float> z;
    for (int c = kFirst; c < Known(); ++c) {
        const bool counts = state_.Fase == Phase::First ? IsArtificial(c) : IsDecision(c);
        if (counts) {
            const float term = Read(Costs(), c) * Read(Solution(), c);
            z = z ? *z + term : term;
        }
    }
    WriteNumber(Objective(), kFirst, BlankSignedText(z.value_or(0.0f), separator_));
}

bool Step::AnyImproving() const {
    for (int c = kFirst; c < Known(); ++c) {
        if (Gain(c) > kResidue && CanEnter(c)) {
            return true;
        }
    }
    return false;
}

// A redundant constraint: its cells are emptied, the grid keeps the row.
void Step::DropRow(int row) {
    for (int c = kCost; c <= Known(); ++c) {
        work_.SetTextMatrix(row, c, "");
    }
    RewriteSolution();
    RewriteObjective();
}

// The artificial columns go (they are the last ones, so every other column keeps its place and
// the known terms move left), "Cr:" and column 0 take the objective's coefficients, and DELTA r
// and Z are computed again.
void Step::SwitchPhase() {
    int kept = kFirst;
    while (kept < Known() && !IsArtificial(kept)) {
        ++kept;
    }
    const int known = Known();
    for (int r = TableauRows::kHeader; r < work_.Rows(); ++r) {
        const Cell cell = work_.At(r, known);
        work_.SetTextMatrix(r, kept, cell.text);
        work_.SetRow(r);
        work_.SetCol(kept);
        work_.SetCellBold(cell.bold);
        work_.SetCellAlignment(cell.alignment);
    }
    work_.SetRow(Objective());
    work_.SetCol(kFirst);
    work_.SetCols(kept + 1);
    state_.Fase = Phase::Second;
    state_.ColonnaPivot = static_cast<std::int16_t>(std::min<int>(state_.ColonnaPivot, kept));
    shape_ = WithoutArtificials(shape_);

    const auto cost = [&](int col) {
        const TableauColumn& column = Column(col);
        const std::optional<int> fixed = FixedCost(column, Phase::Second);
        return fixed ? std::to_string(*fixed) : problem_.objective[column.variable];
    };
    for (int c = kFirst; c < Known(); ++c) {
        work_.SetTextMatrix(Costs(), c, cost(c));
    }
    for (int r = FirstRow(); r <= LastRow(); ++r) {
        if (Active(r)) {
            work_.SetTextMatrix(r, kCost, cost(BasicColumn(r)));
        }
    }
    work_.SetTextMatrix(Objective(), kBasis, "Z =");
    RewriteSolution();
    RecomputeCostRows();
}

// DELTA r = Cr minus the costs of the basis times the column, summed in double precision and
// rounded to a single; then the objective.
void Step::RecomputeCostRows() {
    for (int c = kFirst; c < Known(); ++c) {
        double reduced = Read(Costs(), c);
        for (int r = FirstRow(); r <= LastRow(); ++r) {
            if (Active(r)) {
                reduced -= static_cast<double>(Read(r, kCost)) * static_cast<double>(Read(r, c));
            }
        }
        WriteNumber(Reduced(), c, BlankSignedText(static_cast<float>(reduced), separator_));
    }
    RewriteObjective();
}

StepReport Step::Run() {
    using Kind = StepReport::Kind;
    using End = StepReport::End;
    if (DualPresses(state_)) {
        return RunDual();
    }
    StepReport report;
    report.smallestIndex = state_.MinimoIndice;
    Highlight(kWhite);
    if (const auto entering = EnteringColumn(&report.candidates)) {
        report.col = *entering;
        report.entering = Header(*entering);
        state_.ColonnaPivot = static_cast<std::int16_t>(*entering);
        const auto row = PivotRow(*entering, &report.quotients);
        if (!row) {
            report.kind = Kind::Unbounded;
            report.end = End::Unbounded;
            return report;
        }
        report.row = *row;
        report.leaving = work_.TextMatrix(*row, kBasis);
        Pivot(*entering, *row);
        report.kind = Kind::Pivot;
        if (!AnyImproving()) {
            const bool infeasible =
                state_.Fase == Phase::First && Read(Objective(), kFirst) > kResidue;
            report.end = state_.Fase != Phase::First ? End::Optimal
                         : infeasible                ? End::Infeasible
                                                     : End::None;
        }
        return report;
    }
    if (state_.Fase != Phase::First || Read(Objective(), kFirst) > kResidue) {
        report.kind = Kind::NoEntering;
        report.end = state_.Fase == Phase::First ? End::Infeasible : End::Optimal;
        return report;
    }
    if (const auto row = ArtificialRow()) {
        report.row = *row;
        report.leaving = work_.TextMatrix(*row, kBasis);
        for (int c = kFirst; c < Known(); ++c) {
            if (!IsArtificial(c) && std::fabs(Read(*row, c)) > kResidue) {
                report.kind = Kind::ArtificialOut;
                report.col = c;
                report.entering = Header(c);
                Pivot(c, *row);
                return report;
            }
        }
        report.kind = Kind::RowDropped;
        DropRow(*row);
        return report;
    }
    report.kind = Kind::PhaseSwitch;
    SwitchPhase();
    if (!AnyImproving()) {
        report.end = End::Optimal;
    }
    return report;
}

}  // namespace

std::vector<Message> MessagesOf(const StepReport& press) {
    using End = StepReport::End;
    if (press.kind == StepReport::Kind::Failed) {
        return {StepFailedMessage()};
    }
    switch (press.end) {
        case End::None:
            break;
        case End::Unbounded:
            return {UnboundedMessage(press.entering)};
        case End::Optimal:
            return {EndMessage()};
        case End::Infeasible:
            return {InfeasibleMessage()};
    }
    return {};
}

Message EndMessage() {
    return {"Fine", "Fine del calcolo del simplesso.\n\rIl risultato è riportato nella tabella.",
            MessageIcon::Information};
}

Message InfeasibleMessage() {
    return {"Fine", "Fine del calcolo del simplesso.\n\rIl problema non ha soluzioni ammissibili.",
            MessageIcon::Information};
}

Message UnboundedMessage(const std::string& enteringVariable) {
    return {"Fine",
            "Il problema è illimitato.\nLa variabile entrante " + enteringVariable +
                " può crescere senza limite.",
            MessageIcon::Information};
}

Message StepFailedMessage() {
    return {"Attenzione!",
            "Il passo non può essere eseguito: un valore della tabella non è un numero valido o "
            "esce dall'intervallo consentito.\nLa tabella non è stata modificata.",
            MessageIcon::Warning};
}

void RecomputeCostRows(Grid& grid, const FormState& state, const ProblemTexts& problem,
                       char separator) {
    Step step(grid, state, problem, separator);
    try {
        step.RecomputeCostRows();
        grid.TakeContentOf(step.Result());
    } catch (const StepFailure&) {
    }
}

StepReport Simplesso(Grid& grid, FormState& state, const ProblemTexts& problem, char separator,
                     WindowHooks& window) {
    using End = StepReport::End;
    if (!state.PrimoPasso) {
        StepReport repeated;
        repeated.kind = StepReport::Kind::Repeated;
        repeated.end = state.Inammissibile ? End::Infeasible : End::Optimal;
        window.ShowMessage(MessagesOf(repeated).front());
        return repeated;
    }
    StepReport report;
    try {
        Step step(grid, state, problem, separator);
        report = step.Run();
        if (report.ChangesTableau()) {
            grid.TakeContentOf(step.Result());
            state = step.State();
        }
    } catch (const StepFailure&) {
        report = StepReport{};
    }
    if (report.end == End::Optimal || report.end == End::Infeasible) {
        state.PrimoPasso = false;
        state.Inammissibile = report.end == End::Infeasible;
    }
    for (const Message& message : MessagesOf(report)) {
        window.ShowMessage(message);
    }
    return report;
}

}  // namespace simplesso
