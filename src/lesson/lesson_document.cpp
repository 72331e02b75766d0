#include "lesson_document.h"

#include "next_press.h"
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
Expression ReadExpression(const std::string* typed, int variables, const std::string& constant,
                          char separator) {
    Expression expression;
    for (int v = 0; v < variables; ++v) {
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
    const auto& f = record.fields;
    ProblemStatement problem;
    problem.objective = ReadExpression(&f[0], 3, f[3], record.separator);
    for (int r = 0; r < 3; ++r) {
        problem.left[r] = ReadExpression(&f[4 + 4 * r], 3, "", record.separator);
        problem.right[r] = ReadTerm(f[7 + 4 * r], "");
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
    for (int r = 0; r < Grid::kRows; ++r) {
        for (int c = 0; c < Grid::kCols; ++c) {
            const Cell& cell = snapshot.grid.At(r, c);
            tableau.cells[r][c] = {cell.text, cell.bold, kAlignments[cell.alignment / 3],
                                   Grid::IsFixed(r, c)};
        }
    }
    tableau.pivot = snapshot.pivot;
    return tableau;
}

LessonSection SectionOf(const Snapshot& snapshot, std::size_t index) {
    LessonSection section;
    section.heading = index == 0 ? "Tabella iniziale" : "Passo " + std::to_string(index);
    section.tableau = TableauOf(snapshot);
    section.explanation = Lines(snapshot.explanation);
    for (const Message& m : snapshot.messages) {
        section.notices.push_back({m.title, Lines(m.text), m.icon == MessageIcon::Warning});
    }
    return section;
}

std::vector<std::string> Optimum(const Snapshot& last) {
    const auto shown = [&](int row, int col) { return Trimmed(last.grid.TextMatrix(row, col)); };
    std::string solution;
    for (int c = 2; c <= 7; ++c) {
        solution += (c > 2 ? ", " : "") + VariableName(c - 1) + " = " + shown(8, c);
    }
    std::vector<std::string> outcome{"Soluzione ottima: Z = " + shown(9, 2), solution};
    // An end message that warns carries its reasons after the usual first line.
    for (const Message& m : last.messages) {
        if (m.title == "Fine" && m.icon == MessageIcon::Warning) {
            const auto lines = Lines(m.text);
            outcome.insert(outcome.end(), lines.begin() + (lines.empty() ? 0 : 1), lines.end());
        }
    }
    return outcome;
}

std::vector<std::string> Outcome(const LessonRecord& record) {
    if (record.snapshots.empty()) {
        return {"La lezione non è ancora cominciata."};
    }
    const Snapshot& last = record.snapshots.back();
    for (const Message& m : last.messages) {
        if (const auto k = UnboundedVariable(m)) {
            return {"Il problema è illimitato: " + VariableName(*k) +
                    " può crescere senza limite."};
        }
    }
    if (!last.state.PrimoPasso) {
        return Optimum(last);
    }
    const std::size_t presses = record.snapshots.size() - 1;
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
    return "max z = " + ExpressionText(problem.objective);
}

std::string ConstraintText(const ProblemStatement& problem, int index) {
    return ExpressionText(problem.left[index]) + " ≤ " + TermText(problem.right[index]);
}

LessonDocument BuildLessonDocument(const LessonRecord& record) {
    LessonDocument document;
    document.title = "Lezione sul metodo del simplesso";
    document.problem = ReadProblem(record);
    for (std::size_t i = 0; i < record.snapshots.size(); ++i) {
        document.sections.push_back(SectionOf(record.snapshots[i], i));
    }
    document.outcome = Outcome(record);
    return document;
}

}  // namespace simplesso
