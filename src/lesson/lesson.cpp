#include "lesson.h"

#include <algorithm>
#include <utility>

#include "exact_number.h"
#include "explanation.h"
#include "next_press.h"
#include "notices.h"
#include "setup.h"
#include "step.h"

namespace simplesso {
namespace {

bool IsUnbounded(const Message& message) {
    return UnboundedVariable(message).has_value();
}

ProblemTexts TableauTexts(const std::array<std::string, 16>& fields) {
    ProblemTexts texts;
    for (int v = 0; v < 3; ++v) {
        texts.objective[v] = fields[v];
        for (int r = 0; r < 3; ++r) {
            texts.constraint[r][v] = fields[4 + 4 * r + v];
        }
    }
    for (int r = 0; r < 3; ++r) {
        texts.known[r] = fields[4 + 4 * r + 3];
    }
    return texts;
}

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

}  // namespace

void Lesson::SetUp(const std::array<std::string, 16>& fields, char separator) {
    const ProblemTexts texts = TableauTexts(fields);
    ImpostaTabella(grid_, texts, window_);
    record_ = LessonRecord{fields, separator, {}};
    frames_.clear();
    optimum_ = SolveExactly(texts, separator);
    choice_.reset();
    Remember(std::nullopt, ExplainNext(grid_, state_, separator), {},
             Frame{Shadow::Build(texts, separator), PracticeTally{}, {}});
}

void Lesson::Press() {
    if (!Started()) {
        Simplesso(grid_, state_, '.', window_);
        return;
    }
    const char separator = record_.separator;
    const Grid before(grid_);
    const FormState stateBefore = state_;
    HeldMessages held;
    Simplesso(grid_, state_, separator, held);
    const std::optional<PivotCell> guess = std::exchange(choice_, std::nullopt);

    std::vector<Message> shown;
    bool ended = false;
    std::string falsified;
    for (const Message& message : held.messages) {
        ended = ended || IsEnd(message);
        shown.push_back(Checked(message));
        if (!(shown.back() == message)) {
            falsified = AfterFirstLine(shown.back().text);
        }
    }
    const bool changed = !(grid_ == before) || !(state_ == stateBefore);
    const bool repeated = !stateBefore.PrimoPasso ||
                          (!changed && (!ended || record_.snapshots.back().messages == shown));
    if (repeated) {
        // The end said again, or a step that could not be made: nothing new to keep.
        Show(std::move(shown));
        return;
    }

    Frame frame = frames_.back();
    std::optional<PivotCell> pivot;
    std::string explanation;
    if (!(grid_ == before)) {
        pivot = PivotCell{state_.RigaPivot, state_.ColonnaPivot};
        if (frame.shadow && !frame.shadow->Lost()) {
            if (auto notice = PivotNotice(frame.shadow->Check(pivot->col, pivot->row), pivot->col,
                                          pivot->row, separator)) {
                shown.insert(shown.begin(), *notice);
            }
            frame.shadow->Pivot(pivot->col, pivot->row);
        }
        frame.quotients = Joined(Quotients(before, pivot->col, separator));
        explanation = ExplainPivot(before, *pivot, separator);
    }
    if (practising_ && guess) {
        frame.tally.Count(pivot && *guess == *pivot);
        std::string verdict = Verdict(before, *guess, pivot, separator);
        if (!verdict.ends_with('!') && !verdict.ends_with('.')) {
            verdict += '.';
        }
        std::string both = verdict;
        Append(both, explanation);
        explanation = std::move(both);
    }
    if (ended) {
        // A falsified end is not called optimal: the line says what the message box says.
        Append(explanation, falsified.empty() ? ExplainEnd(grid_, state_, separator) : falsified);
        if (frame.tally.made > 0) {
            Append(explanation, frame.tally.Text());
        }
    }
    Remember(pivot, explanation, shown, std::move(frame));
    Show(std::move(shown));
}

void Lesson::GoBack() {
    if (!CanGoBack()) {
        return;
    }
    record_.snapshots.pop_back();
    frames_.pop_back();
    const Snapshot& back = record_.snapshots.back();
    grid_.TakeContentOf(back.grid);
    state_ = back.state;
    choice_.reset();
}

void Lesson::SetPractising(bool on) {
    practising_ = on;
    choice_.reset();
}

void Lesson::Choose(int row, int col) {
    if (practising_ && Started()) {
        choice_ = AsChoice(row, col);
    }
}

const std::string& Lesson::Explanation() const {
    static const std::string kNone;
    return Started() ? record_.snapshots.back().explanation : kNone;
}

const std::string& Lesson::QuotientsText() const {
    static const std::string kNone;
    return Started() ? frames_.back().quotients : kNone;
}

std::optional<std::string> Lesson::Fraction(int row, int col) const {
    if (!FractionsAvailable()) {
        return std::nullopt;
    }
    const auto value = frames_.back().shadow->Value(row, col);
    return value ? std::optional(FractionText(*value)) : std::nullopt;
}

bool Lesson::FractionsAvailable() const {
    return Started() && frames_.back().shadow && !frames_.back().shadow->Lost();
}

std::string Lesson::FractionsUnavailableReason() const {
    if (!Started()) {
        return "Le frazioni si vedono dopo \"Calcola il simplesso\".";
    }
    if (!frames_.back().shadow) {
        return "Un numero dei campi non si può leggere in modo esatto.";
    }
    if (frames_.back().shadow->Lost()) {
        return "Un pivot vale esattamente 0: da quel passo l'aritmetica esatta non può seguire "
               "la lezione.";
    }
    return {};
}

void Lesson::Show(std::vector<Message> messages) const {
    for (const Message& message : messages) {
        window_.ShowMessage(message);
    }
}

bool Lesson::IsEnd(const Message& message) const {
    return message == EndMessage() || IsUnbounded(message);
}

// The end as shown, checked against the exact optimum of the problem.
Message Lesson::Checked(const Message& message) const {
    if (!IsEnd(message) || !optimum_) {
        return message;
    }
    return CheckedEnd(message, IsUnbounded(message), grid_.TextMatrix(9, 2), *optimum_,
                      record_.separator);
}

void Lesson::Remember(std::optional<PivotCell> pivot, std::string explanation,
                      std::vector<Message> messages, Frame frame) {
    record_.snapshots.push_back(
        Snapshot{Grid(grid_), state_, pivot, std::move(explanation), std::move(messages)});
    frames_.push_back(std::move(frame));
}

}  // namespace simplesso
