// The lesson driven as the window drives it: set-up, then presses of "Passo successivo", with a
// window that records every message shown. Shared by the lesson's tests and the export's.
#pragma once

#include <optional>
#include <sstream>

#include "lesson.h"
#include "recording_window.h"
#include "shape.h"

namespace simplesso::testing_support {

inline const FieldTexts kWorkedExample = Fields("4 6 2 0 | 2 1 3 18 | 1 2 4 8 | 3 1 1 15");
// x2 enters with one ratio competing: x4's entry is negative and x6's is residue.
inline const FieldTexts kOneRatio = Fields("1 3 0 0 | 1 -1 0 4 | 1 2 0 6 | 0 1E-07 1 5");
// x1 and x2 tie on DELTA r; x4 and x6 tie on the ratio.
inline const FieldTexts kTies = Fields("5 5 0 0 | 1 0 0 4 | 0 1 0 4 | 1 1 1 4");
// x1 enters and can grow without limit.
inline const FieldTexts kUnbounded = Fields("1 0 0 0 | -1 1 0 4 | 0 1 0 4 | 0 0 1 4");
// No DELTA r is positive from the start.
inline const FieldTexts kOptimalAtOnce = Fields("-1 -2 0 0 | 1 1 1 4 | 1 2 0 6 | 0 1 1 5");
// The third press pivots on a residue whose exact value is 0 and the fourth ends the lesson on a
// result that exact arithmetic contradicts.
inline const FieldTexts kZeroPivot = Fields("9E-4 4 0 0 | 0 0.7 -0.4 8 | -17 6 967 5 | 0 5 0 6");

struct LessonPlayer {
    // Sets up as "Calcola il simplesso" does once the fields have passed their checks, then
    // presses as Press does.
    explicit LessonPlayer(const ProblemTexts& typed, const std::string& presses = "",
                          char separator = '.', bool dual = false) {
        state.PrimoPasso = true;
        lesson.SetUp(typed, separator, dual);
        Press(presses);
    }
    // The sixteen fields of today's window, every row "<", maximising.
    explicit LessonPlayer(const FieldTexts& fields, const std::string& presses = "",
                          char separator = '.')
        : LessonPlayer(TableauTexts(fields), presses, separator) {}
    // A problem of any size written as Typed reads it, "min" and the senses with it.
    explicit LessonPlayer(const std::string& line, const std::string& presses = "")
        : LessonPlayer(Typed(line), presses) {}
    LessonPlayer(const LessonPlayer&) = delete;

    // One word a press: "-" for a plain press, or the cell clicked before it while practising,
    // row and column ("23" is row 2, column 3).
    void Press(const std::string& presses = "-") {
        std::istringstream words(presses);
        for (std::string word; words >> word;) {
            if (word != "-") {
                lesson.SetPractising(true);
                lesson.Choose(word[0] - '0', word[1] - '0');
            }
            window.messages.clear();
            for (const Message& message : lesson.Press()) {
                window.ShowMessage(message);
            }
        }
    }

    // The controller itself, not the exact side's test helper of the same name.
    simplesso::Lesson lesson;
    Grid& grid = lesson.Tableau();
    FormState& state = lesson.State();
    RecordingWindow window;  // the messages of the last press
};

// A lesson played as the window plays it from its set-up until it shows its end, a press changes
// nothing (a step that could not be made) or `most` presses are made: every message shown, the
// end and the objective's cell as shown last.
struct PlayedToTheEnd {
    std::vector<Message> messages;
    std::optional<StepReport> end;
    std::string shownZ;
    int presses = 0;
};

// Played on from the tableau a lesson shows until it shows its end.
inline PlayedToTheEnd PlayOn(simplesso::Lesson& lesson, int most = 60) {
    PlayedToTheEnd played;
    for (bool changed = true; changed && played.presses < most && !lesson.EndPress();) {
        const Grid before(lesson.Tableau());
        const FormState stateBefore = lesson.State();
        const std::vector<Message> shown = lesson.Press();
        played.messages.insert(played.messages.end(), shown.begin(), shown.end());
        changed = !(lesson.Tableau() == before) || !(lesson.State() == stateBefore);
        ++played.presses;
    }
    played.end = lesson.EndPress();
    const Grid& grid = lesson.Tableau();
    played.shownZ = grid.TextMatrix(TableauRows::Of(grid.Rows()).Objective(), 2);
    return played;
}

inline PlayedToTheEnd PlayToTheEnd(const ProblemTexts& typed, char separator = '.', int most = 60,
                                   bool dual = false) {
    simplesso::Lesson lesson;
    lesson.State().PrimoPasso = true;
    lesson.SetUp(typed, separator, dual);
    return PlayOn(lesson, most);
}

// A row of a table of lessons: the fields, the presses made and the text expected of them.
struct LessonCase {
    const char* name;
    FieldTexts fields;
    const char* presses;
    std::string text;
    std::string tooltip = {};  // of the explanation line: one line a constraint row
    char separator = '.';
    friend void PrintTo(const LessonCase& c, std::ostream* os) { *os << c.name; }
};

}  // namespace simplesso::testing_support
