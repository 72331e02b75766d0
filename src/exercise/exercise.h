// An exercise kept in a file: one linear programme in the CPLEX LP format ("Maximize" or
// "Minimize", the objective, "Subject To" and one row per constraint, "End"), read and written by
// GLPK. A file opens only when the program can show it exactly as a student would type it.
#pragma once

#include <gmpxx.h>

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "problem.h"

namespace simplesso {

struct Exercise {
    ProblemTexts problem;            // every field a number of at most five characters
    std::vector<std::string> names;  // the file's name of x1, x2, ... in that order
};

// The exercise in the file at `path`, its numbers written with `separator`, or the reason (one
// or two Italian sentences) why it cannot be shown as typed. The variables take the order in
// which they first appear in the file, unless they are named exactly x1 ... xn, as saved files
// name them: then each keeps its own number. A variable a row leaves out has "0" there; the
// objective's constant (GLPK writes it as the comment "\* constant term = c *\") is its known
// term, "0" when there is none. GLPK's terminal output is kept from the program's own.
std::variant<Exercise, std::string> OpenExercise(const std::string& path, char separator);

// Writes the problem as typed (each row keeps its sense and its known term's sign), variables
// named x1 ... xn and rows v1 ... vm. The file is written beside the target under a longer
// temporary name and renamed over it, with the existing file's permissions, so that a failed
// save leaves an existing file as it was.
// Empty when saved, else the reason; nothing is written when a field is not a number or its
// value would not come back exactly on opening the file.
std::optional<std::string> SaveExercise(const std::string& path, const ProblemTexts& problem,
                                        char separator);

// The shortest text of at most five characters that IsNumber accepts and whose exact value is
// `value` ("0.50" gives ".5", "1000000" gives "1E6"); empty when there is none.
std::optional<std::string> FieldText(const mpq_class& value, char separator);

}  // namespace simplesso
