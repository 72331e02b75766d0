// Plays a lesson as the window does, set-up and then presses of "Passo successivo", and keeps
// every tableau as shown with the explanation line the lesson's functions give for it.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <sstream>
#include <string>

#include "explanation.h"
#include "recording_window.h"
#include "setup.h"
#include "snapshot.h"
#include "step.h"

namespace simplesso::testing_support {

using Fields = std::array<std::string, 16>;

// The sixteen fields written row by row, objective first: "4 6 2 0 | 2 1 3 18 | ...". Fields
// left out stay empty.
inline Fields FieldsOf(const std::string& rows) {
    Fields fields;
    std::istringstream words(rows);
    std::size_t i = 0;
    for (std::string word; words >> word && i < fields.size();) {
        if (word != "|") {
            fields[i++] = word;
        }
    }
    return fields;
}

inline const Fields kWorkedExample = FieldsOf("4 6 2 0 | 2 1 3 18 | 1 2 4 8 | 3 1 1 15");
// x2 enters with one ratio competing: x4's entry is negative and x6's is residue.
inline const Fields kOneRatio = FieldsOf("1 3 0 0 | 1 -1 0 4 | 1 2 0 6 | 0 1E-07 1 5");
// x1 and x2 tie on DELTA r; x4 and x6 tie on the ratio.
inline const Fields kTies = FieldsOf("5 5 0 0 | 1 0 0 4 | 0 1 0 4 | 1 1 1 4");
// x1 enters and can grow without limit.
inline const Fields kUnbounded = FieldsOf("1 0 0 0 | -1 1 0 4 | 0 1 0 4 | 0 0 1 4");

// Names each case of a table after its first member.
struct CaseName {
    template <typename Case>
    std::string operator()(const testing::TestParamInfo<Case>& info) const {
        return info.param.name;
    }
};

inline ProblemTexts TextsOf(const Fields& f) {
    return Problem(
        {f[0], f[1], f[2]},
        {{{f[4], f[5], f[6], f[7]}, {f[8], f[9], f[10], f[11]}, {f[12], f[13], f[14], f[15]}}});
}

// The explanation as the window would show it after a press: the pivot's, then the end's.
inline std::string ExplanationAfter(const Grid& before, const Snapshot& after, char separator) {
    std::string text = after.pivot ? ExplainPivot(before, *after.pivot, separator) : "";
    const std::string end = ExplainEnd(after.grid, after.state, separator);
    return text + (text.empty() || end.empty() ? "" : "\n") + end;
}

inline LessonRecord PlayLesson(const Fields& fields, char separator, int presses) {
    LessonRecord record{fields, separator, {}};
    Grid grid;
    FormState state{.CampiValidi = true, .PrimoPasso = true, .RigaPivot = 8, .ColonnaPivot = 8};
    RecordingWindow window;
    ImpostaTabella(grid, TextsOf(fields), window);
    record.snapshots.push_back({grid, state, {}, ExplainNext(grid, state, separator), {}});
    for (int p = 0; p < presses; ++p) {
        const Grid before(grid);
        window.messages.clear();
        Simplesso(grid, state, separator, window);
        Snapshot after{grid, state, {}, {}, window.messages};
        if (!(grid == before)) {
            after.pivot = PivotCell{state.RigaPivot, state.ColonnaPivot};
        }
        after.explanation = ExplanationAfter(before, after, separator);
        record.snapshots.push_back(after);
    }
    return record;
}

}  // namespace simplesso::testing_support
