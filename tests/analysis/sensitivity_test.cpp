// The analysis on problems worked out by hand: prices, ranges, the dual, the notes and the
// tooltips that send the student to the tableau; and the bases it must refuse.
#include <gtest/gtest.h>

#include <iterator>
#include <sstream>

#include "analysis_text.h"
#include "exact_number.h"

namespace simplesso::sensitivity {
namespace {

// "max 4 6 2; 2 1 3 <= 18; 1 2 4 <= 8; 3 1 1 <= 15", as on the blackboard: as many variables
// as costs, a constraint after each ';'.
ExactProblem Lp(const std::string& text) {
    std::vector<std::vector<std::string>> parts;
    std::istringstream in(text);
    for (std::string part; std::getline(in, part, ';');) {
        std::istringstream words(part);
        parts.emplace_back(std::istream_iterator<std::string>(words),
                           std::istream_iterator<std::string>());
    }
    const auto number = [](const std::string& word) {
        mpq_class v(word);
        v.canonicalize();
        return v;
    };
    const int n = static_cast<int>(parts[0].size()) - 1;
    ExactProblem p(n, static_cast<int>(parts.size()) - 1);
    p.direction = parts[0][0] == "max" ? Direction::Maximise : Direction::Minimise;
    for (int j = 0; j < n; ++j) {
        p.c[j] = number(parts[0][j + 1]);
    }
    for (int r = 0; r < p.Rows(); ++r) {
        const std::vector<std::string>& row = parts[r + 1];
        for (int j = 0; j < n; ++j) {
            p.a[r][j] = number(row[j]);
        }
        p.sense[r] = row[n] == "<="   ? Sense::LessEqual
                     : row[n] == ">=" ? Sense::GreaterEqual
                                      : Sense::Equal;
        p.b[r] = number(row[n + 1]);
    }
    return p;
}

// "x4 x2 x1" for the rows in order, "-" for a dropped row.
FinalBasis Basis(const std::string& text, const ExactProblem& p) {
    std::istringstream in(text);
    FinalBasis basis;
    for (std::string name; in >> name;) {
        basis.emplace_back();
        if (name != "-") {
            const int k = std::stoi(name.substr(1)) - 1;
            basis.back() = name[0] == 'a' ? ArtificialIndex(p.Variables(), p.Rows(), k) : k;
        }
    }
    return basis;
}

// "slack price from to | ..." over the rows, "value reduced from to | ..." over x1..xn.
std::string Table(const AnalysisTable& t) {
    std::string text;
    for (const auto& row : t.cells) {
        text += text.empty() ? "" : " | ";
        for (std::size_t c = 1; c < row.size(); ++c) {
            text += (c > 1 ? " " : "") + row[c];
        }
    }
    return text;
}

struct HandCase {
    const char* name;
    const char* problem;
    const char* basis;
    const char* z;
    const char* prices;
    const char* coefficients;
    const char* dual;  // W, and the signs of y
    int tipRow;        // a row whose price's tooltip says ...
    const char* tip;   // ... this
    const char* note;  // the start of the only note, or "" for none
};

const HandCase kHandCases[] = {
    {"WorkedExample", "max 4 6 2; 2 1 3 <= 18; 1 2 4 <= 8; 3 1 1 <= 15", "x4 x2 x1", "142/5",
     "37/5 0 53/5 +∞ | 0 14/5 5 30 | 0 2/5 4 24", "22/5 0 3 18 | 9/5 0 18/11 8 | 0 -48/5 -∞ 58/5",
     "min W = 18 y1 + 8 y2 + 15 y3 / y1 ≥ 0, y2 ≥ 0, y3 ≥ 0", 1,
     "DELTA r di x5, cambiato di segno.", ""},
    // x5 enters at no cost and x6 leaves, at the vertex (1, 3, 0).
    {"MultipleOptima", "max 1 1 -1; 1 1 0 <= 4; 1 0 0 <= 3; 0 1 0 <= 3", "x2 x1 x6", "4",
     "0 1 3 6 | 0 0 1 4 | 2 0 1 +∞", "3 0 1 +∞ | 1 0 0 1 | 0 -1 -∞ 0",
     "min W = 4 y1 + 3 y2 + 3 y3 / y1 ≥ 0, y2 ≥ 0, y3 ≥ 0", 2, "DELTA r di x6",
     "Il problema ha infinite soluzioni ottime: x5 è fuori base con DELTA r 0. Facendo entrare "
     "x5 (esce x6) si arriva a un altro vertice ottimo, (x1, x2, x3) = (1, 3, 0)"},
    // Rows 1 and 2 both hold at (2, 0, 0); the basis x5, x1, x6 there prices (2, 0, 0).
    {"Degenerate", "max 2 1 -1; 1 1 0 <= 2; 1 0 0 <= 2; 0 1 0 <= 3", "x2 x1 x6", "4",
     "0 1 2 5 | 0 1 0 2 | 3 0 0 +∞", "2 0 1 +∞ | 0 0 0 2 | 0 -1 -∞ 0",
     "min W = 2 y1 + 2 y2 + 3 y3 / y1 ≥ 0, y2 ≥ 0, y3 ≥ 0", 0, "DELTA r di x4",
     "La soluzione ottima è degenere: x2 è in base con valore 0. I prezzi ombra allora non sono "
     "in generale unici"},
    // x1 = x2 costs 5 a unit of the first row against x3's 4: x1 = x2 = 2.
    {"GreaterEqualAndEqualRowsMinimised", "min 2 3 4; 1 1 1 >= 4; 1 -1 0 = 0; 1 0 0 <= 3",
     "x1 x2 x6", "10", "0 5/2 0 6 | 0 -1/2 -4 2 | 1 0 2 +∞", "2 0 -3 5 | 2 0 -2 6 | 0 3/2 5/2 +∞",
     "max W = 4 y1 + 3 y3 / y1 ≥ 0, y2 libera, y3 ≤ 0", 0,
     "DELTA r di x4 (variabile di surplus, colonna −1), col suo segno.", ""},
    // x1 >= 1 typed as -x1 <= -1: a unit more of b2 lowers x1's floor by one, worth 2 in Z.
    {"NegativeKnownTerm", "max -1 1 -1; 1 1 0 <= 4; -1 0 0 <= -1; 0 0 1 <= 5", "x2 x1 x6", "2",
     "0 1 1 +∞ | 0 2 -4 0 | 5 0 0 +∞", "1 0 -∞ 1 | 3 0 0 +∞ | 0 -1 -∞ 0",
     "min W = 4 y1 - y2 + 5 y3 / y1 ≥ 0, y2 ≥ 0, y3 ≥ 0", 1,
     "Nella tabella la riga è moltiplicata per −1 perché il termine noto è negativo", ""},
    // Row 2 is twice row 1: the lesson drops it, and neither known term can move alone.
    {"RedundantRowDropped", "max 1 2 -1; 1 1 0 = 2; 2 2 0 = 4; 0 1 0 <= 1", "x1 - x2", "3",
     "0 1 2 2 | 0 0 4 4 | 0 1 0 2", "1 0 -∞ 2 | 1 0 1 +∞ | 0 -1 -∞ 0",
     "min W = 2 y1 + 4 y2 + y3 / y1 libera, y2 libera, y3 ≥ 0", 1, "tolta come ridondante", ""},
    // Rows 1 and 2 hold at (2, 4); their slacks x3 and x4 price 1 each. Moving b2 alone, x5
    // and x6 both reach 0 at b2 = 7; the surplus x6 of row 4 is in base at 3.
    {"TwoVariablesFourRows", "max 2 3; 1 1 <= 6; 1 2 <= 10; 1 0 <= 5; 0 1 >= 1", "x1 x2 x5 x6",
     "16", "0 1 5 15/2 | 0 1 7 12 | 3 0 2 +∞ | 3 0 -∞ 4", "2 0 3/2 3 | 4 0 2 4",
     "min W = 6 y1 + 10 y2 + 5 y3 + y4 / y1 ≥ 0, y2 ≥ 0, y3 ≥ 0, y4 ≤ 0", 3,
     "DELTA r di x6 (variabile di surplus, colonna −1), col suo segno.", ""},
    // From (1, 3) the edge along row 1 leads to (3, 1), where x4 (row 2's slack) leaves.
    {"TwoVariablesOnAnEdge", "max 1 1; 1 1 <= 4; 1 0 <= 3; 0 1 <= 3; 1 -1 <= 3", "x1 x4 x2 x6", "4",
     "0 1 3 6 | 2 0 1 +∞ | 0 0 1 4 | 5 0 -2 +∞", "1 0 0 1 | 3 0 1 +∞",
     "min W = 4 y1 + 3 y2 + 3 y3 + 3 y4 / y1 ≥ 0, y2 ≥ 0, y3 ≥ 0, y4 ≥ 0", 0,
     "DELTA r di x3, cambiato di segno.",
     "Il problema ha infinite soluzioni ottime: x5 è fuori base con DELTA r 0. Facendo entrare "
     "x5 (esce x4) si arriva a un altro vertice ottimo, (x1, x2) = (3, 1), con lo stesso Z"},
    // x1 = x3 + 2 and x1 + x3 = 6 cost 2 x1 + x3 = 10; each unit of b1 is half an x1 and half
    // an x3 (3/2), each of b2 half an x1 less half an x3 (1/2). Row 2 has no slack: x5 is
    // row 1's surplus.
    {"FourVariablesTwoRowsMinimised", "min 2 3 1 4; 1 1 1 1 >= 6; 1 0 -1 0 = 2", "x1 x3", "10",
     "0 3/2 2 +∞ | 0 1/2 -6 6", "4 0 -1 5 | 0 3/2 3/2 +∞ | 2 0 -2 4 | 0 5/2 3/2 +∞",
     "max W = 6 y1 + 2 y2 / y1 ≥ 0, y2 libera", 1,
     "viene, con gli altri, da c_j = y1·a1j + y2·a2j per ogni variabile in base.", ""},
};

void PrintTo(const HandCase& c, std::ostream* os) {
    *os << c.name;
}

class HandWorked : public testing::TestWithParam<HandCase> {};

TEST_P(HandWorked, GivesTheFiguresWorkedOutByHand) {
    const HandCase& c = GetParam();
    const ExactProblem p = Lp(c.problem);
    const std::optional<Analysis> a = Analyse(p, Basis(c.basis, p));
    ASSERT_TRUE(a);
    const AnalysisText text = AnalysisRows(*a);
    const std::size_t n = p.c.size();
    EXPECT_EQ(FractionText(a->z), c.z);
    EXPECT_EQ(Table(text.prices), c.prices);
    EXPECT_EQ(Table(text.coefficients), c.coefficients);
    // W, a constraint for each variable, the signs, the solution, W = Z.
    ASSERT_EQ(text.dual.size(), n + 4);
    EXPECT_EQ(text.dual[0] + " / " + text.dual[n + 1], c.dual);
    EXPECT_EQ(text.dual[n + 3], "W = " + std::string(c.z) + " = Z");
    EXPECT_NE(text.prices.tips[c.tipRow][2].find(c.tip), std::string::npos)
        << text.prices.tips[c.tipRow][2];
    ASSERT_EQ(text.notes.size(), *c.note ? 1u : 0u);
    if (*c.note) {
        EXPECT_TRUE(text.notes[0].starts_with(c.note)) << text.notes[0];
        EXPECT_FALSE(a->lessonSentence.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Analysis, HandWorked, testing::ValuesIn(kHandCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Analysis, WritesTheWorkedExamplesDualAndItsComplementarySlackness) {
    const ExactProblem p = Lp(kHandCases[0].problem);
    const AnalysisText t = AnalysisRows(*Analyse(p, Basis("x4 x2 x1", p)));
    EXPECT_EQ(t.dual, (std::vector<std::string>{
                          "min W = 18 y1 + 8 y2 + 15 y3", "2 y1 + y2 + 3 y3 ≥ 4",
                          "y1 + 2 y2 + y3 ≥ 6", "3 y1 + 4 y2 + y3 ≥ 2", "y1 ≥ 0, y2 ≥ 0, y3 ≥ 0",
                          "Soluzione ottima: y1 = 0, y2 = 14/5, y3 = 2/5", "W = 142/5 = Z"}));
    EXPECT_EQ(t.slackness[0], "Scarto del vincolo 1 = 37/5, y1 = 0: prodotto 0");
    EXPECT_EQ(t.slackness[5], "x3 = 0, scarto del vincolo duale 3 = 48/5: prodotto 0");
    EXPECT_EQ(t.prices.cells[0][0], "1: 2 x1 + x2 + 3 x3 ≤ 18");
}

TEST(Analysis, WritesADualOfFourConstraintsInTwoVariables) {
    const ExactProblem p = Lp("min 2 3 1 4; 1 1 1 1 >= 6; 1 0 -1 0 = 2");
    const AnalysisText t = AnalysisRows(*Analyse(p, Basis("x3 x1", p)));
    EXPECT_EQ(t.dual,
              (std::vector<std::string>{"max W = 6 y1 + 2 y2", "y1 + y2 ≤ 2", "y1 ≤ 3",
                                        "y1 - y2 ≤ 1", "y1 ≤ 4", "y1 ≥ 0, y2 libera",
                                        "Soluzione ottima: y1 = 3/2, y2 = 1/2", "W = 10 = Z"}));
    // The "=" row has no slack to pair with its price.
    EXPECT_EQ(t.slackness,
              (std::vector<std::string>{"Scarto del vincolo 1 = 0, y1 = 3/2: prodotto 0",
                                        "x1 = 4, scarto del vincolo duale 1 = 0: prodotto 0",
                                        "x2 = 0, scarto del vincolo duale 2 = 3/2: prodotto 0",
                                        "x3 = 2, scarto del vincolo duale 3 = 0: prodotto 0",
                                        "x4 = 0, scarto del vincolo duale 4 = 5/2: prodotto 0"}));
    EXPECT_EQ(t.prices.tips[0][1],
              "È x5, il surplus del vincolo, nella riga «Soluzione:»: x5 è fuori base e vale 0; il "
              "vincolo è attivo.");
    EXPECT_EQ(t.coefficients.cells[3][0], "x4");
}

TEST(Analysis, RefusesABasisThatIsNotAnExactOptimum) {
    const std::pair<const char*, const char*> refused[] = {
        {"max 4 6 2; 2 1 3 <= 18; 1 2 4 <= 8; 3 1 1 <= 15", "x4 x5 x6"},      // x2 still pays 6
        {"max 4 6 2; 2 1 3 <= 18; 1 2 4 <= 8; 3 1 1 <= 15", "x4 x2 x6"},      // not optimal yet
        {"max 4 6 2; 2 1 3 <= 18; 1 2 4 <= 8; 3 1 1 <= 15", "x4 x1 x6"},      // x6 = -9
        {"max 4 6 2; 2 1 3 <= 18; 1 2 4 <= 8; 3 1 1 <= 15", "x4 x2 x2"},      // a variable twice
        {"max 1 1 1; 1 1 0 <= 1; 2 2 0 <= 2; 0 0 1 <= 1", "x1 x2 x6"},        // singular
        {"min 2 3 4; 1 1 1 >= 4; 1 -1 0 = 0; 1 0 0 <= 3", "x1 x5 x6"},        // row 2 has no x5
        {"min 2 3 4; 1 1 1 >= 4; 1 -1 0 = 0; 1 0 0 <= 3", "x4 a2 x6"},        // infeasible at x = 0
        {"max 1 2 -1; 1 1 0 = 2; 2 2 0 = 5; 0 1 0 <= 1", "x1 - x2"},          // row 2 does not hold
        {"min 2 3 1 4; 1 1 1 1 >= 6; 1 0 -1 0 = 2", "x1 x2"},                 // x3 still saves 3
        {"min 2 3 1 4; 1 1 1 1 >= 6; 1 0 -1 0 = 2", "x1 x6"},                 // row 2 has no x6
        {"max 2 3; 1 1 <= 6; 1 2 <= 10; 1 0 <= 5; 0 1 >= 1", "x1 x2 x5"},     // a row short
        {"max 2 3; 1 1 <= 6; 1 2 <= 10; 1 0 <= 5; 0 1 >= 1", "x3 x4 x5 x6"},  // x6 = -1
    };
    for (const auto& [problem, basis] : refused) {
        const ExactProblem p = Lp(problem);
        EXPECT_FALSE(Analyse(p, Basis(basis, p))) << problem << " at " << basis;
    }
}

}  // namespace
}  // namespace simplesso::sensitivity
