#include "lesson_document.h"

#include <algorithm>

#include "dual.h"

#include "numbers.h"
#include "setup.h"

namespace simplesso {
namespace {

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

Term ReadTerm(const std::string& typed, std::string variable) {
    Term term{false, Trimmed(typed), std::move(variable)};
    if (!term.magnitude.empty() && (term.magnitude[0] == '+' || term.magnitude[0] == '-')) {
        term.negative = term.magnitude[0] == '-';
        term.magnitude.erase(0, 1);
    }
    return term;
}

// Leaves out the terms that are zero and the coefficients that are one, as one writes by hand.
Expression ReadExpression(const std::vector<std::string>& typed, const std::string& constant,
                          char separator) {
    Expression expression;
    for (int v = 0; v < static_cast<int>(typed.size()); ++v) {
        Term term = ReadTerm(typed[v], VariableName(v + 1));
        const auto value = ReadDouble(term.magnitude, separator);
        if (value == 0.0) {
            continue;
        }
        if (value == 1.0) {
            term.magnitude.clear();
        }
        expression.push_back(std::move(term));
    }
    const Term known = ReadTerm(constant, "");
    if (!known.magnitude.empty() && ReadDouble(known.magnitude, separator) != 0.0) {
        expression.push_back(known);
    }
    return expression;
}

ProblemStatement ReadProblem(const LessonRecord& record) {
    const ProblemTexts& typed = record.problem;
    ProblemStatement problem = StatementOf(typed, record.separator);
    TurnedProblem turned = TurnNegativeRows(typed, record.separator);
    turned.texts.objectiveKnown = "0";
    const ProblemStatement asHeld = StatementOf(turned.texts, record.separator);
    for (int r = 0; r < typed.Rows(); ++r) {
        if (turned.turned[r]) {
            problem.turned.push_back("Vincolo " + std::to_string(r + 1) +
                                     ", moltiplicato per −1: " + ConstraintText(asHeld, r));
        }
    }
    return problem;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::string line;
    for (char c : text + '\n') {
        if (c == '\n') {
            if (!line.empty()) {
                lines.push_back(line);
            }
            line.clear();
        } else if (c != '\r') {
            line += c;
        }
    }
    return lines;
}

Tableau TableauOf(const Snapshot& snapshot) {
    static constexpr HorizontalAlignment kAlignments[] = {
        HorizontalAlignment::Left, HorizontalAlignment::Centre, HorizontalAlignment::Right};
    Tableau tableau;
    tableau.cells.resize(snapshot.grid.Rows());
    for (int r = 0; r < snapshot.grid.Rows(); ++r) {
        for (int c = 0; c < snapshot.grid.Cols(); ++c) {
            const Cell& cell = snapshot.grid.At(r, c);
            tableau.cells[r].push_back({cell.text, cell.bold, kAlignments[cell.alignment / 3],
                                        Grid::IsFixed(r, c)});
        }
    }
    tableau.pivot = snapshot.pivot;
    return tableau;
}

// What a section's heading above the tableau calls the part of the method it begins.
std::string PhaseName(const FormState& state) {
    if (DualPresses(state)) {
        return "Simplesso duale";
    }
    switch (state.Fase) {
        case Phase::First:
            return "Prima fase";
        case Phase::Second:
            return "Seconda fase";
        case Phase::Single:
            break;
    }
    return {};
}

// The set-up is "Tabella iniziale", a constraint added after an optimum "Vincolo aggiunto" (or
// "Taglio di Gomory"), and
// the presses are counted "Passo 1", "Passo 2", ... across both.
LessonSection SectionOf(const Snapshot& snapshot, int presses, const Snapshot* previous) {
    LessonSection section;
    if (!previous || PhaseName(previous->state) != PhaseName(snapshot.state)) {
        section.phase = PhaseName(snapshot.state);
    }
    section.heading = !previous       ? "Tabella iniziale"
                      : snapshot.cut   ? "Taglio di Gomory"
                      : snapshot.added ? "Vincolo aggiunto"
                                       : "Passo " + std::to_string(presses);
    section.tableau = TableauOf(snapshot);
    section.explanation = Lines(snapshot.explanation);
    for (const Message& m : snapshot.messages) {
        section.notices.push_back({m.title, Lines(m.text), m.icon == MessageIcon::Warning});
    }
    return section;
}

// A falsified end's message, the press's last, carries its reasons after the usual first line.
std::vector<std::string> FalsifiedReasons(const Snapshot& last) {
    if (!last.endFalsified || last.messages.empty()) {
        return {};
    }
    const std::vector<std::string> lines = Lines(last.messages.back().text);
    return {lines.begin() + (lines.empty() ? 0 : 1), lines.end()};
}

std::vector<std::string> Optimum(const Snapshot& last) {
    const auto shown = [&](int row, int col) { return Trimmed(last.grid.TextMatrix(row, col)); };
    const TableauRows rows = TableauRows::Of(last.grid.Rows());
    std::string solution;
    for (int c = 2; c < last.grid.Cols() - 1; ++c) {
        solution +=
            (c > 2 ? ", " : "") + last.grid.TextMatrix(0, c) + " = " + shown(rows.Solution(), c);
    }
    std::vector<std::string> outcome{"Soluzione ottima: Z = " + shown(rows.Objective(), 2),
                                     solution};
    const auto reasons = FalsifiedReasons(last);
    outcome.insert(outcome.end(), reasons.begin(), reasons.end());
    return outcome;
}

std::vector<std::string> Outcome(const LessonRecord& record) {
    if (record.snapshots.empty()) {
        return {"La lezione non è ancora cominciata."};
    }
    const Snapshot& last = record.snapshots.back();
    const StepReport::End end = last.press ? last.press->end : StepReport::End::None;
    if (end == StepReport::End::Unbounded) {
        return {"Il problema è illimitato: " + last.press->entering +
                " può crescere senza limite."};
    }
    if (!last.state.PrimoPasso && last.state.Inammissibile) {
        const std::string why =
            DualPresses(last.state) && last.press
                ? "nel simplesso duale la riga di " + last.press->leaving +
                      " ha il termine noto negativo e nessun valore negativo."
                : "la prima fase è finita con W = " +
                      Trimmed(last.grid.TextMatrix(TableauRows::Of(last.grid.Rows()).Objective(),
                                                   2)) +
                      ".";
        std::vector<std::string> outcome{"Il problema non ha soluzioni ammissibili: " + why};
        const auto reasons = FalsifiedReasons(last);
        outcome.insert(outcome.end(), reasons.begin(), reasons.end());
        return outcome;
    }
    if (!last.state.PrimoPasso) {
        return Optimum(last);
    }
    const auto presses = std::count_if(record.snapshots.begin(), record.snapshots.end(),
                                       [](const Snapshot& s) { return s.press.has_value(); });
    if (presses == 0) {
        return {"La lezione non è finita: è stata mostrata solo la tabella iniziale."};
    }
    return {"La lezione non è finita: l'ultima tabella è quella del passo " +
            std::to_string(presses) + "."};
}

}  // namespace

std::string TermText(const Term& term) {
    std::string text = term.negative ? "−" : "";
    text += term.magnitude;
    if (!term.magnitude.empty() && !term.variable.empty()) {
        text += ' ';
    }
    return text + term.variable;
}

std::string NonNegativityText(int variables) {
    std::string text;
    for (int v = 1; v <= variables; ++v) {
        text += (v > 1 ? ", " : "") + VariableName(v);
    }
    return text + " ≥ 0";
}

std::string ExpressionText(const Expression& expression) {
    if (expression.empty()) {
        return "0";
    }
    std::string text = TermText(expression.front());
    for (std::size_t i = 1; i < expression.size(); ++i) {
        Term unsigned_term = expression[i];
        unsigned_term.negative = false;
        text += (expression[i].negative ? " − " : " + ") + TermText(unsigned_term);
    }
    return text;
}

std::string ObjectiveText(const ProblemStatement& problem) {
    return (problem.direction == Direction::Minimise ? "min Z = " : "max Z = ") +
           ExpressionText(problem.objective);
}

std::string SenseText(Sense sense) {
    return sensitivity::SenseText(sense);
}

std::string ConstraintText(const ProblemStatement& problem, int index) {
    return ExpressionText(problem.left[index]) + " " + SenseText(problem.sense[index]) + " " +
           TermText(problem.right[index]);
}

ProblemStatement StatementOf(const ProblemTexts& texts, char separator) {
    ProblemStatement problem;
    problem.variables = texts.Variables();
    problem.objective = ReadExpression(texts.objective, texts.objectiveKnown, separator);
    for (int r = 0; r < texts.Rows(); ++r) {
        problem.left.push_back(ReadExpression(texts.constraint[r], "", separator));
        problem.right.push_back(ReadTerm(texts.known[r], ""));
    }
    problem.sense = texts.sense;
    problem.direction = texts.direction;
    return problem;
}

LessonDocument BuildLessonDocument(const LessonRecord& record) {
    LessonDocument document;
    document.title = "Lezione sul metodo del simplesso";
    document.problem = ReadProblem(record);
    int presses = 0;
    for (std::size_t i = 0; i < record.snapshots.size(); ++i) {
        presses += record.snapshots[i].press ? 1 : 0;
        document.sections.push_back(
            SectionOf(record.snapshots[i], presses, i > 0 ? &record.snapshots[i - 1] : nullptr));
    }
    document.outcome = Outcome(record);
    return document;
}

}  // namespace simplesso
