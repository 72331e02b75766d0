// Sets up a tableau from the input, spoils some of its cells, presses the step one or more times
// and checks after every press, besides the sanitizers' reports, that the step either wrote a
// whole pivot, every written value reading back, or left every cell and the form state as they
// were; and that it never leaves a second cyan cell.
//
// The input is text, one item a line (see corpus/step_fuzzer):
//   line 1     settings, one character each: separator (',' or anything else for '.'),
//              PrimoPasso ('0' off), CampiValidi ('1' on), RigaPivot and ColonnaPivot (digits,
//              taken modulo the grid's size), extra presses at the end (digit modulo 4), '1'
//              to colour the pivot cell cyan as an earlier computation would have, 'm' to
//              minimise, the three rows' senses ('>' or '=', anything else for "≤"), and 'd'
//              for the dual simplex;
//   line 2     c1|c2|c3, the objective;
//   lines 3-5  a1|a2|a3|b, the constraints;
//   then       "=" presses the step, "+a1|a2|a3|b|s" adds that constraint (s '>' for "≥") as
//              after an optimum, and any other line "RC..." writes what follows the two digits R
//              and C into row R, column C.
// After the last line the step is pressed once, plus the extra presses.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "form_state.h"
#include "grid.h"
#include "numbers.h"
#include "recording_window.h"
#include "setup.h"
#include "step.h"

namespace {

using namespace simplesso;
using testing_support::CountCells;
using testing_support::RecordingWindow;

constexpr std::size_t kLongestText = 12;
constexpr int kMostActions = 40;

void Dump(const char* title, const Grid& grid, const FormState& state) {
    std::fprintf(stderr, "%s (current %d,%d; PrimoPasso %d, CampiValidi %d, pivot %d,%d):\n", title,
                 grid.Row(), grid.Col(), state.PrimoPasso, state.CampiValidi, state.RigaPivot,
                 state.ColonnaPivot);
    for (int r = 0; r < grid.Rows(); ++r) {
        for (int c = 0; c < grid.Cols(); ++c) {
            const Cell& cell = grid.At(r, c);
            std::fprintf(stderr, " [%s]%s", cell.text.c_str(),
                         cell.background == kCyan    ? "c"
                         : cell.background == kWhite ? "w"
                                                     : "");
        }
        std::fprintf(stderr, "\n");
    }
}

struct Press {
    const Grid& before;
    const FormState& stateBefore;
    const Grid& after;
    const FormState& state;
    const std::vector<Message>& messages;
    const StepReport& report;
    char separator;

    void Check(bool holds, const char* property, int row = -1, int col = -1) const {
        if (holds) {
            return;
        }
        std::fprintf(stderr, "property failed: %s (cell %d,%d)\n", property, row, col);
        for (const Message& m : messages) {
            std::fprintf(stderr, "message: %s: %s\n", m.title.c_str(), m.text.c_str());
        }
        Dump("before", before, stateBefore);
        Dump("after", after, state);
        std::abort();
    }

    bool Shown(const Message& message) const { return messages == std::vector<Message>{message}; }
    TableauRows Rows() const { return TableauRows::Of(after.Rows()); }

    void CheckAll() const {
        using Kind = StepReport::Kind;
        Check(messages.size() <= 1, "at most one message a press");
        if (!stateBefore.PrimoPasso) {
            Check(Shown(stateBefore.Inammissibile ? InfeasibleMessage() : EndMessage()),
                  "no computation running: only the end message");
            Check(report.kind == Kind::Repeated, "the end said again");
        }
        if (report.kind == Kind::Failed) {
            Check(Shown(StepFailedMessage()), "a step that fails says so");
        }
        Check(report.ChangesTableau() || after == before, "only a move changes the tableau");
        if (!report.ChangesTableau()) {
            FormState ended = stateBefore;
            ended.PrimoPasso = false;
            ended.Inammissibile = report.end == StepReport::End::Infeasible;
            Check(state == stateBefore || (state == ended && messages.size() == 1),
                  "without a move the form state stays, but for the end");
            return;
        }
        Check(state.CampiValidi == stateBefore.CampiValidi, "CampiValidi untouched");
        Check(state.PrimoPasso == (report.end == StepReport::End::None),
              "the computation ends with the end message");
        Check(messages.empty() == (report.end == StepReport::End::None), "an end says so");
        Check(after.Rows() == before.Rows(), "a press keeps the rows");
        if (report.kind == Kind::Pivot || report.kind == Kind::ArtificialOut) {
            CheckPivot();
        } else if (report.kind == Kind::RowRewritten) {
            Check(stateBefore.DaRiscrivere && !state.DaRiscrivere, "the added row is rewritten once");
            for (int r = 0; r < after.Rows(); ++r) {
                for (int c = 0; c < after.Cols(); ++c) {
                    const bool rewritten = (r == Rows().LastConstraint() && c >= 2) ||
                                           (r == Rows().Solution() && c >= 2);
                    Check(rewritten || after.At(r, c) == before.At(r, c) ||
                              (r == stateBefore.RigaPivot && c == stateBefore.ColonnaPivot),
                          "a rewrite changes only the added row", r, c);
                }
            }
        } else if (report.kind == Kind::RowDropped) {
            for (int c = 0; c < after.Cols(); ++c) {
                Check(after.TextMatrix(report.row, c).empty(), "a dropped row is empty",
                      report.row, c);
            }
        } else {
            Check(state.Fase == Phase::Second && after.TextMatrix(Rows().Objective(), 1) == "Z =",
                  "the switch starts the second phase");
            for (int c = 2; c < after.Cols() - 1; ++c) {
                Check(!after.TextMatrix(0, c).starts_with('a'), "no artificial column left", 0,
                      c);
            }
        }
        CheckSolution();
    }

    void CheckPivot() const {
        const int q = state.RigaPivot;
        const int p = state.ColonnaPivot;
        Check(q == report.row && p == report.col, "the pivot is the one reported", q, p);
        Check(q >= 1 && q <= Rows().LastConstraint() && p >= 2 && p < after.Cols() - 1,
              "the pivot lies in the tableau", q, p);
        Check(after.Row() == q && after.Col() == p, "the pivot cell is current", q, p);
        Check(after.TextMatrix(q, 1) == after.TextMatrix(0, p), "the entering name", q, 1);
        Check(after.TextMatrix(q, 0) == before.TextMatrix(Rows().Reduced(), p),
              "the entering cost", q, 0);
        Check(after.Cols() == before.Cols(), "a pivot keeps the columns");
        if (report.dual) {
            const auto known = ReadSingle(before.TextMatrix(q, before.Cols() - 1), separator);
            const auto entry = ReadSingle(before.TextMatrix(q, p), separator);
            Check(known && *known < -kResidue && entry && *entry < -kResidue,
                  "a dual pivot is negative, on a row whose known term is negative", q, p);
        }
        for (int r = 0; r < after.Rows(); ++r) {
            for (int c = 0; c < after.Cols(); ++c) {
                CheckCell(r, c, q, p);
            }
        }
    }

    // Each basic variable's known term, copied, under its column (the first one headed with its
    // name, should an edited header repeat it); zero under the others.
    void CheckSolution() const {
        const int known = after.Cols() - 1;
        std::vector<std::string> expected(after.Cols(), "0");
        for (int r = 1; r <= Rows().LastConstraint(); ++r) {
            const std::string& name = after.TextMatrix(r, 1);
            for (int c = 2; c < known && !name.empty(); ++c) {
                if (after.TextMatrix(0, c) == name) {
                    expected[c] = after.TextMatrix(r, known);
                    break;
                }
            }
        }
        for (int c = 2; c < known; ++c) {
            Check(after.TextMatrix(Rows().Solution(), c) == expected[c], "the solution row",
                  Rows().Solution(), c);
        }
    }

    void CheckCell(int r, int c, int q, int p) const {
        const Cell& was = before.At(r, c);
        const Cell& is = after.At(r, c);
        const int known = after.Cols() - 1;
        Check(is.bold == was.bold && is.alignment == was.alignment, "format untouched", r, c);
        if (r == q && c == p) {
            Check(is.background == kCyan, "the pivot cell is cyan", r, c);
        } else if (r == stateBefore.RigaPivot && c == stateBefore.ColonnaPivot) {
            Check(is.background == kWhite, "the previous pivot cell is white", r, c);
        } else {
            Check(is.background == was.background, "other colours untouched", r, c);
        }
        const TableauRows rows = Rows();
        if (is.text == was.text || (r == q && c <= 1) ||
            (r == rows.Solution() && c >= 2 && c < known)) {
            return;  // unchanged, or checked as a name or a copy
        }
        const bool computed = (r >= 1 && r <= rows.LastConstraint() && c >= 2) ||
                              (r == rows.Reduced() && c >= 2 && c < known) ||
                              (r == rows.Objective() && c == 2);
        Check(computed, "the step writes only the tableau", r, c);
        Check(ReadSingle(is.text, separator).has_value(), "a written value reads back", r, c);
    }
};

void PressStep(Grid& grid, FormState& state, const ProblemTexts& problem, char separator,
               RecordingWindow& window) {
    const Grid before(grid);
    const FormState stateBefore = state;
    const bool atMostOneCyan = CountCells(grid, kCyan) <= 1;
    const std::size_t shown = window.messages.size();
    const StepReport report = Simplesso(grid, state, problem, separator, window);
    const std::vector<Message> messages(window.messages.begin() + shown, window.messages.end());
    const Press press{before, stateBefore, grid, state, messages, report, separator};
    press.CheckAll();
    press.Check(!atMostOneCyan || CountCells(grid, kCyan) <= 1, "never a second cyan cell");
}

// Splits off the next line; false once nothing is left.
bool NextLine(std::string_view& rest, std::string_view& line) {
    if (rest.empty()) {
        return false;
    }
    const auto end = rest.find('\n');
    line = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
    return true;
}

// The fields of a line separated by '|', each cut short; missing ones are empty.
template <std::size_t N>
std::array<std::string, N> Fields(std::string_view line) {
    std::array<std::string, N> fields;
    for (std::size_t i = 0; i < N && !line.empty(); ++i) {
        const auto bar = line.find('|');
        fields[i] = std::string(line.substr(0, std::min(bar, kLongestText)));
        line = bar == std::string_view::npos ? std::string_view{} : line.substr(bar + 1);
    }
    return fields;
}

// A constraint added as after an optimum: the grid grows by its row and its slack's column, or,
// refused, stays as it was.
void AddConstraint(Grid& grid, FormState& state, ProblemTexts& problem, char separator,
                   std::string_view line) {
    const auto fields = Fields<5>(line);
    ProblemTexts widened = problem;
    widened.constraint.emplace_back(fields.begin(), fields.begin() + 3);
    widened.known.push_back(fields[3]);
    widened.sense.push_back(fields[4] == ">" ? Sense::GreaterEqual : Sense::LessEqual);
    const Grid before(grid);
    const FormState stateBefore = state;
    if (!AggiungiVincolo(grid, state, widened, separator)) {
        if (!(grid == before) || !(state == stateBefore)) {
            std::fprintf(stderr, "property failed: a refused constraint changes nothing\n");
            std::abort();
        }
        return;
    }
    if (grid.Rows() != before.Rows() + 1 || grid.Cols() != before.Cols() + 1 ||
        !state.DaRiscrivere || state.Aggiunte != stateBefore.Aggiunte + 1) {
        std::fprintf(stderr, "property failed: an added constraint is one row and column more\n");
        std::abort();
    }
    problem = std::move(widened);
}

int Digit(char c, int modulo) {
    return ((c - '0') % modulo + modulo) % modulo;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    std::string_view line;
    NextLine(rest, line);
    const auto setting = [&line](std::size_t i, char absent) {
        return i < line.size() ? line[i] : absent;
    };
    const char separator = setting(0, '.') == ',' ? ',' : '.';
    FormState state;
    state.PrimoPasso = setting(1, '1') != '0';
    state.CampiValidi = setting(2, '0') == '1';
    state.RigaPivot = static_cast<std::int16_t>(Digit(setting(3, '8'), Grid::kRows));
    state.Duale = setting(11, '0') == 'd';
    state.ColonnaPivot = static_cast<std::int16_t>(Digit(setting(4, '8'), 10));
    const int extraPresses = Digit(setting(5, '0'), 4);
    const bool cyanPivot = setting(6, '0') == '1';

    ProblemTexts problem;
    problem.direction = setting(7, 'M') == 'm' ? Direction::Minimise : Direction::Maximise;
    for (int r = 0; r < 3; ++r) {
        const char sense = setting(8 + static_cast<std::size_t>(r), '<');
        problem.sense[r] = sense == '>'   ? Sense::GreaterEqual
                           : sense == '=' ? Sense::Equal
                                          : Sense::LessEqual;
    }
    NextLine(rest, line);
    const auto objective = Fields<3>(line);
    problem.objective.assign(objective.begin(), objective.end());
    for (int r = 0; r < 3; ++r) {
        line = {};
        NextLine(rest, line);
        const auto fields = Fields<4>(line);
        std::copy(fields.begin(), fields.begin() + 3, problem.constraint[r].begin());
        problem.known[r] = fields[3];
    }

    Grid grid;
    RecordingWindow window;
    ImpostaTabella(grid, state, problem, separator, window);
    state.ColonnaPivot = static_cast<std::int16_t>(state.ColonnaPivot % grid.Cols());
    if (cyanPivot) {
        grid.SetRow(state.RigaPivot);
        grid.SetCol(state.ColonnaPivot);
        grid.SetCellBackColor(kCyan);
    }
    for (int action = 0; action < kMostActions && NextLine(rest, line); ++action) {
        if (line == "=") {
            PressStep(grid, state, problem, separator, window);
        } else if (line.starts_with('+')) {
            AddConstraint(grid, state, problem, separator, line.substr(1));
        } else if (line.size() >= 2) {
            grid.SetTextMatrix(Digit(line[0], grid.Rows()), Digit(line[1], grid.Cols()),
                               std::string(line.substr(2, kLongestText)));
        }
    }
    for (int press = 0; press <= extraPresses; ++press) {
        PressStep(grid, state, problem, separator, window);
    }
    return 0;
}
