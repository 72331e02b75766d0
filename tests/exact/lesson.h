// A lesson played as the window plays it: the real core's set-up and presses, each pivot checked
// and replayed on the exact shadow, and the end message checked against the exact optimum.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "notices.h"
#include "recording_window.h"
#include "step.h"

namespace simplesso::testing_support {

// The sixteen fields in the window's order, rows apart by "|": "c1 c2 c3 known | a11 a12 a13 b1
// | ...". The objective's known term plays no part.
inline ProblemTexts Fields(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> t;
    for (std::string word; in >> word;) {
        if (word != "|") {
            t.push_back(word);
        }
    }
    return Problem(
        {t[0], t[1], t[2]},
        {{{t[4], t[5], t[6], t[7]}, {t[8], t[9], t[10], t[11]}, {t[12], t[13], t[14], t[15]}}});
}

struct Lesson {
    explicit Lesson(const ProblemTexts& fields, char separator = '.')
        : fields(fields), separator(separator), shadow(Shadow::Build(fields, separator)) {
        state.RigaPivot = state.ColonnaPivot = 8;
        state.PrimoPasso = true;
        ImpostaTabella(grid, fields, window);
    }

    // Presses until the core shows a message, at most `presses` times; true if it did.
    bool Play(int presses = 50) {
        for (; presses > 0 && window.messages.empty(); --presses) {
            const FormState before = state;
            Simplesso(grid, state, separator, window);
            // Two pivots in a row never share their column: a pivot always moves the cell.
            if (state.ColonnaPivot != before.ColonnaPivot && !shadow->Lost()) {
                const int col = state.ColonnaPivot, row = state.RigaPivot;
                if (auto notice = PivotNotice(shadow->Check(col, row), col, row, separator)) {
                    notices.push_back(*notice);
                }
                shadow->Pivot(col, row);
            }
        }
        return !window.messages.empty();
    }

    bool ShownUnbounded() const { return window.messages.at(0).text.starts_with("Il problema è"); }
    bool Ended() const { return window.messages.at(0) == EndMessage() || ShownUnbounded(); }
    // The end message as the lesson shows it, after Play() has reached an end.
    Message End() const {
        return CheckedEnd(window.messages.at(0), ShownUnbounded(), grid.TextMatrix(9, 2),
                          *SolveExactly(fields, separator), separator);
    }

    ProblemTexts fields;
    char separator;
    std::optional<Shadow> shadow;
    Grid grid;
    FormState state;
    RecordingWindow window;
    std::vector<Message> notices;
};

}  // namespace simplesso::testing_support
