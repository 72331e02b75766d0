// Random knapsacks: eight items or any other number, each taken at most once, values and weights
// small integers, the capacity about half the items' weight. The item bounds are rows of their
// own, as a student would type them.
#pragma once

#include <random>
#include <string>

#include "recording_window.h"

namespace simplesso::testing_support {

inline ProblemTexts RandomKnapsack(std::mt19937& engine, int items) {
    std::uniform_int_distribution<int> value(5, 40), weight(3, 30);
    std::string objective, capacity, bounds;
    int total = 0;
    for (int i = 0; i < items; ++i) {
        const int w = weight(engine);
        total += w;
        objective += std::to_string(value(engine)) + " ";
        capacity += std::to_string(w) + " ";
        bounds += " |";
        for (int j = 0; j < items; ++j) {
            bounds += j == i ? " 1" : " 0";
        }
        bounds += " 1";
    }
    ProblemTexts problem =
        Typed(objective + "0 | " + capacity + std::to_string(total / 2) + bounds);
    problem.integer = true;
    return problem;
}

}  // namespace simplesso::testing_support
