// What the tests of the core and of the window share: a window stand-in that records every
// message and the enabling of the step button, the ways to write a problem and to read a grid, and
// the worked example with the tableaux it must show.
#pragma once

#include <array>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "form_state.h"
#include "grid.h"
#include "setup.h"
#include "step.h"

namespace simplesso {

inline void PrintTo(const Message& m, std::ostream* os) {
    *os << m.title << ": " << m.text;
}

namespace testing_support {

class RecordingWindow : public WindowHooks {
  public:
    void ShowMessage(const Message& message) override { messages.push_back(message); }
    void EnableStepButton() override { ++enabled; }

    std::vector<Message> messages;
    int enabled = 0;
};

// The sixteen input fields in the window's tab order, written on one line as the window shows
// them: the objective's c1..c3 and known term, then each constraint's a1..a3 and known term, the
// texts separated by blanks, the rows by "/" (or "|"), and "_" for an empty field. A line may
// start with "min", and a constraint's known term may follow its sense, "<", ">" or "=".
using FieldTexts = std::array<std::string, 16>;

inline bool IsSenseWord(const std::string& word) {
    return word == "<" || word == ">" || word == "=";
}

inline FieldTexts Fields(const std::string& line) {
    std::istringstream words(line);
    FieldTexts f;
    for (std::size_t i = 0; i < f.size() && words >> f[i];) {
        f[i] = f[i] == "_" ? "" : f[i];
        i += f[i] != "/" && f[i] != "|" && f[i] != "min" && !IsSenseWord(f[i]);
    }
    return f;
}

// The problem the tableau is set up from when the fields hold these texts.
inline ProblemTexts TableauTexts(const FieldTexts& f) {
    ProblemTexts problem;
    for (int i = 0; i < 16; ++i) {
        const int row = i / 4 - 1, term = i % 4;
        (row < 0 ? (term < 3 ? problem.objective[term] : problem.objectiveKnown)
                 : (term < 3 ? problem.constraint[row][term] : problem.known[row])) = f[i];
    }
    return problem;
}

// A problem of any size written as Fields writes one: the objective's n coefficients and its
// known term, then each row's n coefficients, its sense if not "<", and its known term.
inline ProblemTexts Typed(const std::string& line) {
    std::vector<std::vector<std::string>> rows(1);
    std::vector<Sense> senses;
    Direction direction = Direction::Maximise;
    std::istringstream words(line);
    for (std::string word; words >> word;) {
        if (word == "min") {
            direction = Direction::Minimise;
        } else if (word == "/" || word == "|") {
            rows.emplace_back();
            senses.push_back(Sense::LessEqual);
        } else if (IsSenseWord(word)) {
            senses.back() = word == "<" ? Sense::LessEqual
                            : word == ">" ? Sense::GreaterEqual
                                          : Sense::Equal;
        } else {
            rows.back().push_back(word == "_" ? "" : word);
        }
    }
    const int n = static_cast<int>(rows[0].size()) - 1;
    ProblemTexts problem(n, static_cast<int>(rows.size()) - 1);
    problem.objective.assign(rows[0].begin(), rows[0].begin() + n);
    for (int r = 0; r < problem.Rows(); ++r) {
        problem.constraint[r].assign(rows[r + 1].begin(), rows[r + 1].begin() + n);
        problem.known[r] = rows[r + 1].at(n);
    }
    problem.objectiveKnown = rows[0].at(n);
    problem.sense = senses;
    problem.direction = direction;
    return problem;
}

// A window after start-up (its pivot cell at 8, 8) once a tableau is set up from the given texts.
struct Session {
    explicit Session(const ProblemTexts& problem, char separator = '.')
        : problem(problem), separator(separator) {
        ImpostaTabella(grid, state, problem, separator, window);
    }
    StepReport Step() { return Simplesso(grid, state, problem, separator, window); }

    ProblemTexts problem;
    char separator;
    Grid grid;
    FormState state{false, true, 8, 8};
    RecordingWindow window;
};

// The texts of one grid row from column `from` to column `to`.
inline std::vector<std::string> RowTexts(const Grid& grid, int row, int from, int to) {
    std::vector<std::string> texts;
    for (int c = from; c <= to; ++c) {
        texts.push_back(grid.TextMatrix(row, c));
    }
    return texts;
}

// Every row of a grid as one text with its cells joined by '|', so that a whole tableau compares
// at once and a failure shows the rows that differ.
inline std::vector<std::string> JoinedRows(const Grid& grid) {
    std::vector<std::string> rows(grid.Rows());
    const int cols = grid.Cols();
    for (int i = 0; i < grid.Rows() * cols; ++i) {
        rows[i / cols].append(i % cols ? "|" : "");
        rows[i / cols].append(grid.TextMatrix(i / cols, i % cols));
    }
    return rows;
}

// An end message as it reads when rounding has falsified the result it shows.
inline Message Falsified(const std::string& firstLine, const std::string& exact) {
    return {"Fine",
            firstLine + "\nL'arrotondamento dei numeri della tabella ha falsato il risultato." +
                "\nCon l'aritmetica esatta " + exact,
            MessageIcon::Warning};
}

inline int CountCells(const Grid& grid, Colour colour) {
    int count = 0;
    for (int i = 0; i < grid.Rows() * grid.Cols(); ++i) {
        count += grid.At(i / grid.Cols(), i % grid.Cols()).background == colour;
    }
    return count;
}

// The lessons' worked example: maximise 4 x1 + 6 x2 + 2 x3 under 2 x1 + x2 + 3 x3 <= 18,
// x1 + 2 x2 + 4 x3 <= 8 and 3 x1 + x2 + x3 <= 15.
inline const char* const kExample = "4 6 2 0 / 2 1 3 18 / 1 2 4 8 / 3 1 1 15";

// Its tableau after the first and the second press of the step button, text for text. x2 enters
// on row 2 (ratio 8 / 2 = 4), then x1 on row 3 (11 / 2.5 = 4.4); the optimum is Z = 28.4 at
// (4.4, 1.8, 0), where no reduced cost is above zero.
inline const std::array<std::vector<std::string>, 2> kExampleAfterPress{{
    {"||x1|x2|x3|x4|x5|x6|", "0|x4|1.5|0|1|1|-0.5|0|14", "6|x2|0.5|1|2|0|0.5|0|4",
     "0|x6|2.5|0|-1|0|-0.5|1|11", "||||||||", "|Cr:|4|6|2|0|0|0|", "|DELTA r:| 1| 0|-10| 0|-3| 0|",
     "||||||||", "|Soluzione:|0|4|0|14|0|11|", "|Z =| 24||||||"},
    {"||x1|x2|x3|x4|x5|x6|", "0|x4|0|0|1.6|1|-0.2|-0.6|7.4", "6|x2|0|1|2.2|0|0.6|-0.2|1.8",
     " 1|x1|1|0|-0.4|0|-0.2|0.4|4.4", "||||||||", "|Cr:|4|6|2|0|0|0|",
     "|DELTA r:| 0| 0|-9.6| 0|-2.8|-0.4|", "||||||||", "|Soluzione:|4.4|1.8|0|7.4|0|0|",
     "|Z =| 28.4||||||"},
}};

}  // namespace testing_support
}  // namespace simplesso
