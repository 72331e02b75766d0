#include "analysis_text.h"

#include "exact_number.h"

namespace simplesso::sensitivity {

std::string LowerText(const Bound& b) {
    return b ? FractionText(*b) : "-∞";
}
std::string UpperText(const Bound& b) {
    return b ? FractionText(*b) : "+∞";
}

AnalysisText AnalysisRows(const Analysis& analysis) {
    AnalysisText text;
    text.prices.header = {"Vincolo", "Scarto", "Prezzo ombra", "Termine noto da", "Termine noto a"};
    text.coefficients.header = {"Variabile", "Valore", "Costo ridotto", "Coefficiente da",
                                "Coefficiente a"};
    const int variables = static_cast<int>(analysis.variables.size());
    const int rows = static_cast<int>(analysis.rows.size());
    for (int k = 0; k < rows; ++k) {
        const ConstraintFigures& r = analysis.rows[k];
        text.prices.cells.push_back({r.constraint, FractionText(r.slack.value),
                                     FractionText(r.price.value), LowerText(r.known.from),
                                     UpperText(r.known.to)});
        text.prices.tips.push_back({"Il vincolo " + std::to_string(k + 1) + " come è scritto.",
                                    r.slack.tip, r.price.tip, r.known.tip, r.known.tip});
    }
    for (int j = 0; j < variables; ++j) {
        const VariableFigures& v = analysis.variables[j];
        const std::string name = StandardVariableName(j, variables, rows);
        text.coefficients.cells.push_back({name, FractionText(v.value.value),
                                           FractionText(v.reducedCost.value),
                                           LowerText(v.cost.from), UpperText(v.cost.to)});
        text.coefficients.tips.push_back({name + ", con coefficiente " +
                                              FractionText(v.coefficient) +
                                              " nella funzione economica.",
                                          v.value.tip, v.reducedCost.tip, v.cost.tip, v.cost.tip});
    }
    text.dual = analysis.dual.lines;
    text.slackness = analysis.dual.slackness;
    text.notes = analysis.notes;
    return text;
}

}  // namespace simplesso::sensitivity
