// The state the window keeps between two button presses, and what the tableau core needs of
// the window: showing a message and enabling the step button.
#pragma once

#include <cstdint>
#include <string>

#include "problem.h"

namespace simplesso {

// One phase only (every row "≤" once turned), or the first or second of the two-phase method.
enum class Phase { Single, First, Second };

struct FormState {
    bool CampiValidi = false;  // the last check of an input row passed
    bool PrimoPasso = false;   // a computation is in progress
    // Grid cell of the last pivot; the window's start-up sets both to 8.
    std::int16_t RigaPivot = 0;
    std::int16_t ColonnaPivot = 0;
    // What the set-up made of the problem: the objective's direction and, for "≥" and "="
    // rows, the phase of the two-phase method the tableau is in.
    Direction Verso = Direction::Maximise;
    Phase Fase = Phase::Single;
    // The method came back to a basis it had shown: from then on the smallest index chooses.
    bool MinimoIndice = false;
    // The lesson ended because it found no feasible solution.
    bool Inammissibile = false;
    // The dual simplex: the set-up wrote every row "≤" (a "≥" one multiplied by -1) over the
    // slack basis, and each press chooses the leaving row first.
    bool Duale = false;
    // Constraints added after an optimum: the problem's last rows, each written "≤" with a slack
    // of its own. From the first one on, every press is the dual simplex's.
    std::int16_t Aggiunte = 0;
    // The constraint added last still holds its coefficients as typed: the next press rewrites
    // it in terms of the current basis.
    bool DaRiscrivere = false;

    bool operator==(const FormState&) const = default;
};

// Whether the presses follow the dual simplex: a dual lesson, or one given a constraint after
// its optimum.
inline bool DualPresses(const FormState& state) {
    return state.Duale || state.Aggiunte > 0;
}

// The first of a problem's rows that the tableau writes in the dual simplex's way ("≤", the
// known term as it comes): all of a dual lesson's, only the added ones otherwise.
inline int FirstDualRow(const FormState& state, int rows) {
    return state.Duale ? 0 : rows - state.Aggiunte;
}

enum class MessageIcon { Information, Warning };

struct Message {
    std::string title;
    std::string text;
    MessageIcon icon = MessageIcon::Information;

    bool operator==(const Message&) const = default;
};

// Implemented by the window; the core never shows anything itself.
class WindowHooks {
  public:
    virtual ~WindowHooks() = default;
    // Modal: returns once the user has closed the message.
    virtual void ShowMessage(const Message& message) = 0;
    virtual void EnableStepButton() = 0;
};

}  // namespace simplesso
