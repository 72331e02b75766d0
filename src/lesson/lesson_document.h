// The lesson as a document, neutral to its format: the problem in mathematical notation, every
// tableau with its pivot, explanation and messages, and the outcome. Both exports write from it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "branch_and_bound.h"
#include "grid.h"
#include "problem.h"
#include "region.h"
#include "sensitivity.h"
#include "snapshot.h"

namespace simplesso {

// A term of the problem as typed, its sign apart so that "+ -3" can be written "− 3".
struct Term {
    bool negative = false;
    std::string magnitude;  // the typed text without sign or blanks; empty for a coefficient of 1
    std::string variable;   // "x1"; empty for a constant

    bool operator==(const Term&) const = default;
};
using Expression = std::vector<Term>;  // terms whose value is zero are left out

struct ProblemStatement {
    int variables = 3;
    Expression objective;          // the objective's known term last, when it is not zero
    std::vector<Expression> left;  // each constraint reads left ≤ right (or ≥, =)
    std::vector<Term> right;
    std::vector<Sense> sense;
    Direction direction = Direction::Maximise;
    // The rows the set-up multiplied by -1, as the tableau holds them: "Vincolo 2 ...".
    std::vector<std::string> turned;
};

enum class HorizontalAlignment { Left, Centre, Right };

struct TableCell {
    std::string text;  // as shown
    bool bold = false;
    HorizontalAlignment alignment = HorizontalAlignment::Centre;
    bool header = false;  // the header band: row 0 and columns 0-1
};

struct Tableau {
    std::vector<std::vector<TableCell>> cells;  // every row of the grid, each as wide as it
    std::optional<PivotCell> pivot;
};

struct Notice {
    std::string title;
    std::vector<std::string> lines;
    bool warning = false;
};

struct LessonSection {
    std::string phase;    // "Prima fase", "Seconda fase" where a phase begins; empty otherwise
    std::string heading;  // "Tabella iniziale", "Passo 1", ...
    Tableau tableau;
    std::vector<std::string> explanation;  // one entry per line
    std::vector<Notice> notices;           // the message boxes of the press, in order
};

struct LessonDocument {
    std::string title;
    ProblemStatement problem;
    std::optional<Region> region;  // the feasible region with the whole path, after the problem
    bool pathApproximate = false;  // the path's points are the grid's, not exact
    std::vector<LessonSection> sections;
    std::vector<std::string> outcome;
    std::optional<sensitivity::Analysis> analysis;  // after an optimum, at the end
    // In integers, after a fractional optimum: the branch and bound tree, drawn and in words,
    // without its nodes' tableaux.
    std::optional<integer::Tree> branchAndBound;
};

inline const std::string kRegionHeading = "Regione ammissibile";
inline const std::string kAnalysisHeading = "Analisi di sensitività";
inline const std::string kBranchHeading = "Branch and bound";

inline const std::string kProblemHeading = "Problema";
inline const std::string kSubjectTo = "soggetto ai vincoli";
// "x1, x2, x3 ≥ 0" for three variables.
std::string NonNegativityText(int variables);
inline const std::string kOutcomeHeading = "Risultato";

// "4 x1 + 6 x2 − 3 x3"; "0" for an empty expression.
std::string ExpressionText(const Expression& expression);
// A lone term, with "−" before a negative one.
std::string TermText(const Term& term);
// "max Z = 4 x1 + 6 x2 + 2 x3" and "2 x1 + x2 + 3 x3 ≤ 18".
std::string ObjectiveText(const ProblemStatement& problem);
std::string ConstraintText(const ProblemStatement& problem, int index);
// "≤", "≥" or "=".
std::string SenseText(Sense sense);

// The problem in mathematical notation from its texts.
ProblemStatement StatementOf(const ProblemTexts& texts, char separator);

LessonDocument BuildLessonDocument(const LessonRecord& record);

}  // namespace simplesso
