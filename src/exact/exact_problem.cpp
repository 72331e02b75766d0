#include "exact_problem.h"

#include "exact_number.h"

namespace simplesso {

std::optional<ExactProblem> ReadExactProblem(const ProblemTexts& texts, char separator) {
    ExactProblem p(texts.Variables(), texts.Rows());
    p.direction = texts.direction;
    p.sense = texts.sense;
    p.integer = texts.integer;
    for (int v = 0; v < texts.Variables(); ++v) {
        const auto c = ReadRational(texts.objective[v], separator);
        if (!c) {
            return std::nullopt;
        }
        p.c[v] = *c;
    }
    for (int r = 0; r < texts.Rows(); ++r) {
        for (int v = 0; v < texts.Variables(); ++v) {
            const auto a = ReadRational(texts.constraint[r][v], separator);
            if (!a) {
                return std::nullopt;
            }
            p.a[r][v] = *a;
        }
        const auto b = ReadRational(texts.known[r], separator);
        if (!b) {
            return std::nullopt;
        }
        p.b[r] = *b;
    }
    return p;
}

}  // namespace simplesso
