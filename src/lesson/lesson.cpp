#include "lesson.h"

#include <algorithm>
#include <utility>

#include "exact_number.h"
#include "gomory.h"
#include "explanation.h"
#include "next_press.h"
#include "notices.h"
#include "numbers.h"
#include "region.h"
#include "setup.h"
#include "shape.h"
#include "step.h"

namespace simplesso {
namespace {

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += (text.empty() ? "" : "\n") + line;
    }
    return text;
}

// The lines of a message after its first, joined into one.
std::string AfterFirstLine(const std::string& text) {
    std::string rest = text.substr(std::min(text.find('\n'), text.size()));
    std::replace(rest.begin(), rest.end(), '\n', ' ');
    std::erase(rest, '\r');
    return rest.empty() ? rest : rest.substr(1);
}

void Append(std::string& text, const std::string& more) {
    if (!more.empty()) {
        text += (text.empty() ? "" : " ") + more;
    }
}

const std::string kCycling =
    "Il metodo sta ciclando: questo passo riporterebbe una base già mostrata in questa fase, "
    "quindi da qui si sceglie con la regola del minimo indice.";

}  // namespace

void Lesson::SetUp(const ProblemTexts& typed, char separator, bool dual) {
    problem_ = typed;
    HeldMessages none;  // the set-up shows nothing; the window enables the step button itself
    state_.Duale = dual;
    const SetUpReport setUp = ImpostaTabella(grid_, state_, problem_, separator, none);
    record_ = LessonRecord{typed, separator, {}};
    optimum_ = SolveExactly(problem_, separator);
    choice_.reset();
    Snapshot first(grid_, state_);
    first.explanation = ExplainNames(problem_.names);
    Append(first.explanation, PhasePrefix(state_));
    Append(first.explanation, dual ? ExplainDualRows(setUp.problem, separator)
                                   : ExplainTurnedRows(setUp.problem, separator));
    Append(first.explanation, ExplainNext(grid_, state_, problem_, separator));
    first.shadow = Shadow::Build(problem_, separator, FirstDualRow(state_, problem_.Rows()));
    first.problemRows = problem_.Rows();
    record_.snapshots.push_back(std::move(first));
}

// A typed constraint goes after the typed ones: not once the lesson has cut the problem.
bool Lesson::CanAddConstraint() const {
    return problem_.cuts == 0 && problem_.Rows() < kMaxRows && PostOptimal().has_value();
}

bool Lesson::AddConstraint(const std::vector<std::string>& coefficients, Sense sense,
                           const std::string& known) {
    if (!CanAddConstraint() || sense == Sense::Equal ||
        static_cast<int>(coefficients.size()) != problem_.Variables()) {
        return false;
    }
    ProblemTexts widened = problem_;
    widened.constraint.push_back(coefficients);
    widened.known.push_back(known);
    widened.sense.push_back(sense);
    const char separator = record_.separator;
    Grid grid(grid_);
    FormState state = state_;
    if (!AggiungiVincolo(grid, state, widened, separator)) {
        return false;
    }
    problem_ = std::move(widened);
    record_.problem = problem_;
    optimum_ = SolveExactly(problem_, separator);
    grid_.TakeContentOf(grid);
    state_ = state;
    choice_.reset();

    Snapshot added(grid_, state_);
    added.shadow = Shown().shadow;
    added.tally = Shown().tally;
    added.problemRows = problem_.Rows();
    added.added = true;
    if (added.shadow && !added.shadow->Lost()) {
        added.shadow->AddRow(problem_, separator);
    }
    added.explanation = PhasePrefix(state_);
    Append(added.explanation, ExplainAddedRow(grid_, problem_, separator));
    Append(added.explanation, ExplainNext(grid_, state_, problem_, separator));
    record_.snapshots.push_back(std::move(added));
    return true;
}

bool Lesson::WouldCycle(char separator) const {
    const PredictedPress next = PredictPress(grid_, state_, problem_, separator);
    if (next.report.kind != StepReport::Kind::Pivot) {
        return false;
    }
    const auto basis = BasisOf(next.grid);
    for (auto s = record_.snapshots.rbegin(); s != record_.snapshots.rend(); ++s) {
        if (s->state.Fase != state_.Fase) {
            break;
        }
        if (BasisOf(s->grid) == basis) {
            return true;
        }
    }
    return false;
}

std::vector<Message> Lesson::Press() {
    if (!Started()) {
        HeldMessages held;
        Simplesso(grid_, state_, problem_, '.', held);
        return held.messages;
    }
    const char separator = record_.separator;
    std::string explanation;
    if (state_.PrimoPasso && !state_.MinimoIndice && WouldCycle(separator)) {
        state_.MinimoIndice = true;
        explanation = kCycling;
    }
    const Grid before(grid_);
    const FormState stateBefore = state_;
    HeldMessages held;
    const StepReport press = Simplesso(grid_, state_, problem_, separator, held);
    const std::optional<PivotCell> guess = std::exchange(choice_, std::nullopt);

    // The press's messages, made from what it did; an end is checked against the exact outcome.
    std::vector<Message> shown = MessagesOf(press);
    const bool ended = press.end != StepReport::End::None;
    std::string falsified;
    if (ended) {
        const Message checked = Checked(shown.back(), press.end);
        if (!(checked == shown.back())) {
            falsified = AfterFirstLine(checked.text);
            shown.back() = checked;
        }
    }
    const bool changed = !(grid_ == before) || !(state_ == stateBefore);
    const bool repeated = !stateBefore.PrimoPasso ||
                          (!changed && (!ended || Shown().messages == shown));
    if (repeated) {
        // The end said again, or a step that could not be made: nothing new to keep.
        return shown;
    }

    // The shadow and the practice score go on from the tableau before; the rest is this press's.
    Snapshot next(grid_, state_);
    next.shadow = Shown().shadow;
    next.tally = Shown().tally;
    next.quotients = Shown().quotients;
    next.problemRows = problem_.Rows();
    next.endFalsified = !falsified.empty();
    next.press = press;
    const bool pivoted =
        press.kind == StepReport::Kind::Pivot || press.kind == StepReport::Kind::ArtificialOut;
    if (pivoted) {
        next.pivot = PivotCell{press.row, press.col};
        next.quotients = Joined(Quotients(before, press, separator));
    }
    if (next.shadow && !next.shadow->Lost()) {
        Replay(*next.shadow, press, stateBefore, shown);
    }
    const std::string integerLine = ended && falsified.empty() && problem_.integer
                                        ? IntegerEnd(next, press.end, shown.back())
                                        : std::string();
    std::string line = ExplainPress(before, stateBefore, grid_, press, separator);
    if (practising_ && guess) {
        next.tally.Count(next.pivot && *guess == *next.pivot);
        std::string verdict = Verdict(before, stateBefore, *guess, press, separator);
        if (!verdict.ends_with('!') && !verdict.ends_with('.')) {
            verdict += '.';
        }
        std::string both = verdict;
        Append(both, line);
        line = std::move(both);
    }
    Append(explanation, line);
    if (!ended && state_.Fase == Phase::First &&
        PredictPress(grid_, state_, problem_, separator).report.kind != StepReport::Kind::Pivot) {
        // The first phase is over: between the phases every press is a move of its own, so the
        // line says which one comes next.
        Append(explanation, ExplainNext(grid_, state_, problem_, separator));
    }
    if (ended) {
        // A falsified end is not called optimal: the line says what the message box says.
        Append(explanation, falsified.empty() ? ExplainEnd(grid_, state_, press) : falsified);
        if (falsified.empty() && press.end == StepReport::End::Optimal) {
            if (const auto analysis = AnalyseBasis()) {
                Append(explanation, analysis->lessonSentence);
            }
        }
        Append(explanation, integerLine);
        if (next.tally.made > 0) {
            Append(explanation, next.tally.Text());
        }
    }
    next.explanation = PhasePrefix(state_);
    Append(next.explanation, explanation);
    next.messages = shown;
    record_.snapshots.push_back(std::move(next));
    return shown;
}

// At the end of a lesson in integers: an optimum says whether it is integer (its message says so
// in a line of its own) and which variables are fractional; a problem left without a feasible
// point by its cuts has no integer solution.
std::string Lesson::IntegerEnd(const Snapshot& shown, StepReport::End end, Message& message) const {
    if (end == StepReport::End::Infeasible && problem_.cuts > 0) {
        const std::string none = "Il problema non ha soluzioni ammissibili.";
        if (const auto at = message.text.find(none); at != std::string::npos) {
            message.text.replace(at, none.size(), "Il problema non ha soluzioni intere.");
        }
        return "Con i tagli non resta alcun punto ammissibile: il problema non ha soluzioni "
               "intere.";
    }
    if (end != StepReport::End::Optimal || !shown.shadow || shown.shadow->Lost()) {
        return {};
    }
    const std::vector<int> fractional = integer::FractionalVariables(*shown.shadow);
    if (fractional.empty()) {
        message.text += "\nLa soluzione ottima è intera.";
        return {};
    }
    const std::vector<mpq_class> x = shown.shadow->Point();
    std::string listed;
    for (std::size_t i = 0; i < fractional.size(); ++i) {
        const int v = fractional[i];
        listed += (i == 0 ? "" : i + 1 == fractional.size() ? " e " : ", ") + VariableName(v + 1) +
                  " = " + FractionText(x[static_cast<std::size_t>(v)]);
    }
    return "Con l'aritmetica esatta non è intera: " + listed + ".";
}

// The shadow makes the move the grid made; a pivot that exact arithmetic would not make is said
// before any message of the same press.
void Lesson::Replay(Shadow& shadow, const StepReport& press, const FormState& stateBefore,
                    std::vector<Message>& shown) const {
    switch (press.kind) {
        case StepReport::Kind::Pivot:
        case StepReport::Kind::ArtificialOut: {
            const PivotRule rule{Minimising(stateBefore),
                                 press.kind == StepReport::Kind::ArtificialOut, press.dual};
            if (auto notice = PivotNotice(shadow.Check(press.col, press.row), press.entering, rule,
                                          record_.separator, press.leaving)) {
                shown.insert(shown.begin(), *notice);
            }
            shadow.Pivot(press.col, press.row);
            return;
        }
        case StepReport::Kind::RowDropped:
            shadow.DropRow(press.row);
            return;
        case StepReport::Kind::PhaseSwitch:
            shadow.SwitchPhase();
            return;
        case StepReport::Kind::RowRewritten:
            shadow.RewriteAddedRow();
            return;
        case StepReport::Kind::Repeated:
        case StepReport::Kind::NoEntering:
        case StepReport::Kind::Unbounded:
        case StepReport::Kind::NoLeaving:
        case StepReport::Kind::NoNegativeEntry:
        case StepReport::Kind::Failed:
            return;
    }
}

void Lesson::GoBack() {
    if (!CanGoBack()) {
        return;
    }
    record_.snapshots.pop_back();
    grid_.TakeContentOf(Shown().grid);
    state_ = Shown().state;
    choice_.reset();
    if (problem_.Rows() > Shown().problemRows) {
        // Back across an added constraint: the problem is again the one that tableau solves.
        const std::size_t rows = static_cast<std::size_t>(Shown().problemRows);
        problem_.cuts -= std::min(problem_.cuts, problem_.Rows() - Shown().problemRows);
        problem_.constraint.resize(rows);
        problem_.known.resize(rows);
        problem_.sense.resize(rows);
        record_.problem = problem_;
        optimum_ = SolveExactly(problem_, record_.separator);
    }
}

void Lesson::SetPractising(bool on) {
    practising_ = on;
    choice_.reset();
}

void Lesson::Choose(int row, int col) {
    if (practising_ && Started()) {
        choice_ = AsChoice(grid_, row, col);
    }
}

const std::string& Lesson::Explanation() const {
    static const std::string kNone;
    return Started() ? Shown().explanation : kNone;
}

const std::string& Lesson::QuotientsText() const {
    static const std::string kNone;
    return Started() ? Shown().quotients : kNone;
}

std::optional<std::string> Lesson::Fraction(int row, int col) const {
    if (!FractionsAvailable()) {
        return std::nullopt;
    }
    const auto value = Shown().shadow->Value(row, col);
    return value ? std::optional(FractionText(*value)) : std::nullopt;
}

bool Lesson::FractionsAvailable() const {
    return Started() && Shown().shadow && !Shown().shadow->Lost();
}

std::string Lesson::FractionsUnavailableReason() const {
    if (!Started()) {
        return "Le frazioni si vedono dopo \"Calcola il simplesso\".";
    }
    if (!Shown().shadow) {
        return "Un numero dei campi non si può leggere in modo esatto.";
    }
    if (Shown().shadow->Lost()) {
        return "Un pivot vale esattamente 0: da quel passo l'aritmetica esatta non può seguire "
               "la lezione.";
    }
    return {};
}

std::optional<StepReport> Lesson::EndPress() const {
    if (!Started()) {
        return std::nullopt;
    }
    if (Shown().press && Shown().press->end != StepReport::End::None) {
        return Shown().press;
    }
    return std::nullopt;
}

bool Lesson::EndFalsified() const {
    return Started() && Shown().endFalsified;
}

const Shadow* Lesson::ExactTableau() const {
    return FractionsAvailable() ? &*Shown().shadow : nullptr;
}

std::vector<std::array<mpq_class, 3>> Lesson::Path() const {
    std::vector<std::array<mpq_class, 3>> path;
    for (std::size_t i = 0; i < record_.snapshots.size(); ++i) {
        const Snapshot& snapshot = record_.snapshots[i];
        if (((snapshot.press && !snapshot.pivot) || snapshot.added) && i > 0) {
            continue;  // the same point again: no pivot was made
        }
        // The region draws at most three coordinates; a missing third is zero.
        std::array<mpq_class, 3> point{};
        const int shown = std::min(problem_.Variables(), 3);
        const auto& shadow = snapshot.shadow;
        if (shadow && !shadow->Lost()) {
            const std::vector<mpq_class> exact = shadow->Point();
            std::copy_n(exact.begin(), shown, point.begin());
        } else {
            const int solution = TableauRows::Of(snapshot.grid.Rows()).Solution();
            for (int v = 0; v < shown; ++v) {
                point[v] = ReadExact(snapshot.grid.TextMatrix(solution, 2 + v), record_.separator)
                               .value_or(mpq_class(0));
            }
        }
        path.push_back(point);
    }
    return path;
}

bool Lesson::PathApproximate() const {
    return Started() && !FractionsAvailable();
}

std::optional<ExactProblem> Lesson::ExactProblemTyped() const {
    return Started() ? ReadExactProblem(problem_, record_.separator) : std::nullopt;
}

// The basis the grid shows, read from its names: the analysis then decides exactly whether it is
// feasible and optimal, also where the shadow could not follow.
std::optional<sensitivity::Analysis> Lesson::AnalyseBasis() const {
    const auto problem = ExactProblemTyped();
    const TableauRows layout = TableauRows::Of(grid_.Rows());
    if (!problem || layout.constraints != problem->Rows()) {
        return std::nullopt;
    }
    // Each row's basic variable found by its name among the columns of the problem's tableau,
    // whose shape numbers every variable as the analysis does.
    const TableauShape shape = InitialShape(TurnNegativeRows(problem_, record_.separator).texts);
    sensitivity::FinalBasis basis(problem->Rows());
    for (int r = 0; r < problem->Rows(); ++r) {
        const std::string& name = grid_.TextMatrix(layout.Constraint(r), TableauRows::kBasisColumn);
        if (name.empty()) {
            continue;  // a row the lesson dropped as redundant
        }
        const std::optional<int> col = shape.GridColumn(name);
        if (!col) {
            return std::nullopt;
        }
        basis[r] = shape.columns[*col - TableauRows::kFirstVariableColumn].variable;
    }
    return sensitivity::Analyse(*problem, basis);
}

std::optional<sensitivity::Analysis> Lesson::PostOptimal() const {
    const auto end = EndPress();
    if (!end || end->end != StepReport::End::Optimal || EndFalsified()) {
        return std::nullopt;
    }
    return AnalyseBasis();
}

std::string Lesson::AnalysisUnavailableReason() const {
    if (!Started()) {
        return "L'analisi si vede quando la lezione è finita su una soluzione ottima.";
    }
    const auto end = EndPress();
    if (!end) {
        return "La lezione non è ancora finita: l'analisi si vede quando la tabella è ottima.";
    }
    if (end->end == StepReport::End::Unbounded) {
        return "Il problema è illimitato: non c'è un ottimo da analizzare.";
    }
    if (end->end == StepReport::End::Infeasible) {
        return "Il problema non ha soluzioni ammissibili: non c'è un ottimo da analizzare.";
    }
    if (EndFalsified()) {
        return "L'arrotondamento ha falsato il risultato: la base della tabella non è quella "
               "ottima e l'analisi non si può leggere.";
    }
    if (!PostOptimal()) {
        return "Con l'aritmetica esatta la base della tabella non è ottima: l'analisi non si "
               "può leggere.";
    }
    return {};
}

bool Lesson::CanCut() const {
    return CutUnavailableReason().empty();
}

std::string Lesson::CutUnavailableReason() const {
    if (!problem_.integer) {
        return "I tagli di Gomory si aggiungono quando è scelto \"Variabili intere\".";
    }
    if (!integer::IntegerData(problem_, record_.separator)) {
        return "Il taglio di Gomory richiede coefficienti e termini noti interi.";
    }
    const auto end = EndPress();
    if (!end || end->end != StepReport::End::Optimal || EndFalsified() || !ExactTableau()) {
        return "Il taglio si aggiunge quando la lezione è finita su un ottimo confermato "
               "dall'aritmetica esatta.";
    }
    if (integer::FractionalVariables(*ExactTableau()).empty()) {
        return "La soluzione ottima è già intera: non serve un taglio.";
    }
    return {};
}

std::vector<Message> Lesson::AddGomoryCut() {
    if (!CanCut()) {
        return {};
    }
    if (problem_.Rows() >= kMostRowsWithCuts) {
        return {{"Attenzione!",
                 "Non c'è posto per altri tagli: la tabella ha già " +
                     std::to_string(kMostRowsWithCuts) +
                     " vincoli. Si può cercare la soluzione intera con il branch and bound.",
                 MessageIcon::Warning}};
    }
    const char separator = record_.separator;
    const Shadow& exact = *ExactTableau();
    const auto cut = integer::FractionalCut(exact, problem_, state_, separator);
    if (!cut) {
        return {};
    }
    std::vector<float> entries;
    std::vector<mpq_class> exactEntries;
    for (const mpq_class& f : cut->f) {
        exactEntries.push_back(-f);
        entries.push_back(static_cast<float>(-f.get_d()));
    }
    const ProblemTexts widened = integer::WithCut(problem_, *cut);
    Grid grid(grid_);
    FormState state = state_;
    if (!AggiungiTaglio(grid, state, widened, entries, static_cast<float>(-cut->f0.get_d()),
                        separator)) {
        return {StepFailedMessage()};
    }
    Snapshot added(grid, state);
    added.shadow = exact;
    added.shadow->AddCut(std::move(exactEntries), -cut->f0);
    added.tally = Shown().tally;
    added.problemRows = widened.Rows();
    added.added = true;
    added.cut = true;
    added.explanation = PhasePrefix(state);
    Append(added.explanation, ExplainCut(grid_, *cut, problem_.Variables(), widened.Rows()));

    problem_ = widened;
    record_.problem = problem_;
    optimum_ = SolveExactly(problem_, separator);
    grid_.TakeContentOf(grid);
    state_ = state;
    choice_.reset();
    Append(added.explanation, ExplainNext(grid_, state_, problem_, separator));
    record_.snapshots.push_back(std::move(added));
    return {};
}

bool Lesson::CanBranch() const {
    const auto end = EndPress();
    return problem_.integer && end && end->end == StepReport::End::Optimal && !EndFalsified() &&
           ExactTableau() && !integer::FractionalVariables(*ExactTableau()).empty();
}

std::optional<integer::Tree> Lesson::BranchTree() const {
    return CanBranch() ? integer::BranchAndBound(problem_, record_.separator) : std::nullopt;
}

LessonDocument Lesson::Document() const {
    LessonDocument document = BuildLessonDocument(record_);
    // A problem of more than three variables has no picture: the document leaves it out.
    if (const auto problem = ExactProblemTyped(); problem && RegionDrawable(*problem)) {
        const auto path = Path();
        document.region = BuildRegion(*problem, path);
        document.pathApproximate = PathApproximate();
    }
    document.analysis = PostOptimal();
    document.branchAndBound = BranchTree();
    if (document.branchAndBound) {
        for (integer::Node& node : document.branchAndBound->nodes) {
            node.tableau.reset();
        }
    }
    return document;
}

// The end as shown, checked against the exact outcome of the problem.
Message Lesson::Checked(const Message& message, StepReport::End end) const {
    if (end == StepReport::End::None || !optimum_) {
        return message;
    }
    return CheckedEnd(message, end, grid_.TextMatrix(TableauRows::Of(grid_.Rows()).Objective(), 2),
                      *optimum_, record_.separator);
}

}  // namespace simplesso
