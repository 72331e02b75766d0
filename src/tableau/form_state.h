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
    // The lesson ended because the first phase found no feasible solution.
    bool Inammissibile = false;

    bool operator==(const FormState&) const = default;
};

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
