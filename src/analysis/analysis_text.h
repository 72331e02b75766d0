// The analysis as rows of texts, headers first, exactly as the window shows them: for the
// saved lesson, and for the window itself, so that both always say the same.
#pragma once

#include <string>
#include <vector>

#include "sensitivity.h"

namespace simplesso::sensitivity {

// The headings of the analysis' sections, the same in the window and in the saved lesson.
inline const std::string kPricesHeading = "Prezzi ombra";
inline const std::string kCoefficientsHeading = "Coefficienti";
inline const std::string kDualHeading = "Problema duale";
inline const std::string kSlacknessHeading = "Scarti complementari";
inline const std::string kNotesHeading = "Note";

struct AnalysisTable {
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> cells;  // one row a constraint or a variable
    std::vector<std::vector<std::string>> tips;   // the same shape as cells
};

struct AnalysisText {
    AnalysisTable prices;           // "Prezzi ombra"
    AnalysisTable coefficients;     // "Coefficienti"
    std::vector<std::string> dual;  // the dual written out, its solution and value
    std::vector<std::string> slackness;
    std::vector<std::string> notes;
};

AnalysisText AnalysisRows(const Analysis& analysis);

// FractionText, or "-∞" / "+∞" for an infinite lower / upper end.
std::string LowerText(const Bound& b);
std::string UpperText(const Bound& b);

}  // namespace simplesso::sensitivity
