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
    std::vector<std::vector<std::string>> w;  // the words of each part
    std::istringstream in(text);
    for (std::string part; std::getline(in, part, ';');) {
        std::istringstream words(part);
        w.emplace_back(std::istream_iterator<std::string>(words),
                       std::istream_iterator<std::string>());
    }
    const int n = static_cast<int>(w[0].size()) - 1;
    ExactProblem p(n, static_cast<int>(w.size()) - 1);
    p.direction = w[0][0] == "max" ? Direction::Maximise : Direction::Minimise;
    for (int j = 0; j < n; ++j) {
        p.c[j] = mpq_class(w[0][j + 1]);
    }
    for (int r = 0; r < p.Rows(); ++r) {
        const std::string& s = w[r + 1][n];
        p.sense[r] = s == "<=" ? Sense::LessEqual : s == ">=" ? Sense::GreaterEqual : Sense::Equal;
        p.b[r] = mpq_class(w[r + 1][n + 1]);
        for (int j = 0; j < n; ++j) {
            p.a[r][j] = mpq_class(w[r + 1][j]);
        }
    }
    return p;
}

// "x4 x2 x1" for the rows in order, "-" for a dropped row.
FinalBasis Basis(const std::string& text, const ExactProblem& p) {
    std::istringstream in(text);
    FinalBasis basis;
    for (std::string name; in >> name;) {
        const int k = name == "-" ? -1 : std::stoi(name.substr(1)) - 1;
        const int first = name[0] == 'a' ? ArtificialIndex(p.Variables(), p.Rows(), 0) : 0;
        basis.push_back(k < 0 ? std::optional<int>() : first + k);
    }
    return basis;
}

std::string Join(const std::vector<std::string>& parts, const char* between, std::size_t from = 0) {
    std::string text;
    for (std::size_t i = from; i < parts.size(); ++i) {
        text += (i > from ? between : "") + parts[i];
    }
    return text;
}

// "slack price from to | ..." over the rows, "value reduced from to | ..." over x1..xn.
std::string Table(const AnalysisTable& t) {
    std::vector<std::string> rows;
    for (const auto& row : t.cells) {
        rows.push_back(Join(row, " ", 1));
    }
    return Join(rows, " | ");
}

struct HandCase {
    const char *name, *problem, *basis, *z, *prices, *coefficients;
    int tipRow;        // a row whose price's tooltip says ...
    const char* tip;   // ... this
    const char* note;  // a part of the only note, or "" for none
    const char* dual;  // its lines up to W = Z, each after a " / "
};

const HandCase kHandCases[] = {
    {"WorkedExample", "max 4 6 2; 2 1 3 <= 18; 1 2 4 <= 8; 3 1 1 <= 15", "x4 x2 x1", "142/5",
     "37/5 0 53/5 +∞ | 0 14/5 5 30 | 0 2/5 4 24", "22/5 0 3 18 | 9/5 0 18/11 8 | 0 -48/5 -∞ 58/5",
     1, "DELTA r di x5, cambiato di segno.", "",
     "min W = 18 y1 + 8 y2 + 15 y3 / 2 y1 + y2 + 3 y3 ≥ 4 / y1 + 2 y2 + y3 ≥ 6 / 3 y1 + 4 y2 + y3 "
     "≥ 2 / y1 ≥ 0, y2 ≥ 0, y3 ≥ 0 / Soluzione ottima: y1 = 0, y2 = 14/5, y3 = 2/5"},
    // x5 enters at no cost and x6 leaves, at the vertex (1, 3, 0).
    {"MultipleOptima", "max 1 1 -1; 1 1 0 <= 4; 1 0 0 <= 3; 0 1 0 <= 3", "x2 x1 x6", "4",
     "0 1 3 6 | 0 0 1 4 | 2 0 1 +∞", "3 0 1 +∞ | 1 0 0 1 | 0 -1 -∞ 0", 2, "DELTA r di x6",
     "Facendo entrare x5 (esce x6) si arriva a un altro vertice ottimo, (x1, x2, x3) = (1, 3, 0)",
     "min W = 4 y1 + 3 y2 + 3 y3 / y1 + y2 ≥ 1 / y1 + y3 ≥ 1 / 0 ≥ -1 / y1 ≥ 0, y2 ≥ 0, y3 ≥ 0 / "
     "Soluzione ottima: y1 = 1, y2 = 0, y3 = 0"},
    // Rows 1 and 2 both hold at (2, 0, 0); the basis x5, x1, x6 there prices (2, 0, 0).
    {"Degenerate", "max 2 1 -1; 1 1 0 <= 2; 1 0 0 <= 2; 0 1 0 <= 3", "x2 x1 x6", "4",
     "0 1 2 5 | 0 1 0 2 | 3 0 0 +∞", "2 0 1 +∞ | 0 0 0 2 | 0 -1 -∞ 0", 0, "DELTA r di x4",
     "La soluzione ottima è degenere: x2 è in base con valore 0.",
     "min W = 2 y1 + 2 y2 + 3 y3 / y1 + y2 ≥ 2 / y1 + y3 ≥ 1 / 0 ≥ -1 / y1 ≥ 0, y2 ≥ 0, y3 ≥ 0 / "
     "Soluzione ottima: y1 = 1, y2 = 1, y3 = 0"},
    // x1 = x2 costs 5 a unit of the first row against x3's 4: x1 = x2 = 2.
    {"GreaterEqualAndEqualRowsMinimised", "min 2 3 4; 1 1 1 >= 4; 1 -1 0 = 0; 1 0 0 <= 3",
     "x1 x2 x6", "10", "0 5/2 0 6 | 0 -1/2 -4 2 | 1 0 2 +∞", "2 0 -3 5 | 2 0 -2 6 | 0 3/2 5/2 +∞",
     0, "DELTA r di x4 (variabile di surplus, colonna −1), col suo segno.", "",
     "max W = 4 y1 + 3 y3 / y1 + y2 + y3 ≤ 2 / y1 - y2 ≤ 3 / y1 ≤ 4 / y1 ≥ 0, y2 libera, y3 ≤ 0 / "
     "Soluzione ottima: y1 = 5/2, y2 = -1/2, y3 = 0"},
    // x1 >= 1 typed as -x1 <= -1: a unit more of b2 lowers x1's floor by one, worth 2 in Z.
    {"NegativeKnownTerm", "max -1 1 -1; 1 1 0 <= 4; -1 0 0 <= -1; 0 0 1 <= 5", "x2 x1 x6", "2",
     "0 1 1 +∞ | 0 2 -4 0 | 5 0 0 +∞", "1 0 -∞ 1 | 3 0 0 +∞ | 0 -1 -∞ 0", 1,
     "Nella tabella la riga è moltiplicata per −1 perché il termine noto è negativo", "",
     "min W = 4 y1 - y2 + 5 y3 / y1 - y2 ≥ -1 / y1 ≥ 1 / y3 ≥ -1 / y1 ≥ 0, y2 ≥ 0, y3 ≥ 0 / "
     "Soluzione ottima: y1 = 1, y2 = 2, y3 = 0"},
    // Row 2 is twice row 1: the lesson drops it, and neither known term can move alone.
    {"RedundantRowDropped", "max 1 2 -1; 1 1 0 = 2; 2 2 0 = 4; 0 1 0 <= 1", "x1 - x2", "3",
     "0 1 2 2 | 0 0 4 4 | 0 1 0 2", "1 0 -∞ 2 | 1 0 1 +∞ | 0 -1 -∞ 0", 1, "come ridondante", "",
     "min W = 2 y1 + 4 y2 + y3 / y1 + 2 y2 ≥ 1 / y1 + 2 y2 + y3 ≥ 2 / 0 ≥ -1 / y1 libera, y2 "
     "libera, y3 ≥ 0 / Soluzione ottima: y1 = 1, y2 = 0, y3 = 1"},
    // Rows 1 and 2 hold at (2, 4); their slacks x3 and x4 price 1 each. Moving b2 alone, x5
    // and x6 both reach 0 at b2 = 7; the surplus x6 of row 4 is in base at 3.
    {"TwoVariablesFourRows", "max 2 3; 1 1 <= 6; 1 2 <= 10; 1 0 <= 5; 0 1 >= 1", "x1 x2 x5 x6",
     "16", "0 1 5 15/2 | 0 1 7 12 | 3 0 2 +∞ | 3 0 -∞ 4", "2 0 3/2 3 | 4 0 2 4", 3,
     "DELTA r di x6 (variabile di surplus, colonna −1), col suo segno.", "",
     "min W = 6 y1 + 10 y2 + 5 y3 + y4 / y1 + y2 + y3 ≥ 2 / y1 + 2 y2 + y4 ≥ 3 / y1 ≥ 0, y2 ≥ 0, "
     "y3 ≥ 0, y4 ≤ 0 / Soluzione ottima: y1 = 1, y2 = 1, y3 = 0, y4 = 0"},
    // From (1, 3) the edge along row 1 leads to (3, 1), where x4 (row 2's slack) leaves.
    {"TwoVariablesOnAnEdge", "max 1 1; 1 1 <= 4; 1 0 <= 3; 0 1 <= 3; 1 -1 <= 3", "x1 x4 x2 x6", "4",
     "0 1 3 6 | 2 0 1 +∞ | 0 0 1 4 | 5 0 -2 +∞", "1 0 0 1 | 3 0 1 +∞", 0,
     "DELTA r di x3, cambiato di segno.",
     "Facendo entrare x5 (esce x4) si arriva a un altro vertice ottimo, (x1, x2) = (3, 1)",
     "min W = 4 y1 + 3 y2 + 3 y3 + 3 y4 / y1 + y2 + y4 ≥ 1 / y1 + y3 - y4 ≥ 1 / y1 ≥ 0, y2 ≥ 0, y3 "
     "≥ 0, y4 ≥ 0 / Soluzione ottima: y1 = 1, y2 = 0, y3 = 0, y4 = 0"},
    // x1 = x3 + 2 and x1 + x3 = 6 cost 2 x1 + x3 = 10; each unit of b1 is half an x1 and half
    // an x3 (3/2), each of b2 half an x1 less half an x3 (1/2). Row 2 has no slack: x5 is
    // row 1's surplus.
    {"FourVariablesTwoRowsMinimised", "min 2 3 1 4; 1 1 1 1 >= 6; 1 0 -1 0 = 2", "x3 x1", "10",
     "0 3/2 2 +∞ | 0 1/2 -6 6", "4 0 -1 5 | 0 3/2 3/2 +∞ | 2 0 -2 4 | 0 5/2 3/2 +∞", 1,
     "viene, con gli altri, da c_j = y1·a1j + y2·a2j per ogni variabile in base.", "",
     "max W = 6 y1 + 2 y2 / y1 + y2 ≤ 2 / y1 ≤ 3 / y1 - y2 ≤ 1 / y1 ≤ 4 / y1 ≥ 0, y2 libera / "
     "Soluzione ottima: y1 = 3/2, y2 = 1/2"},
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
    EXPECT_EQ(FractionText(a->z), c.z);
    EXPECT_EQ(Table(text.prices), c.prices);
    EXPECT_EQ(Table(text.coefficients), c.coefficients);
    EXPECT_EQ(Join(text.dual, " / "), std::string(c.dual) + " / W = " + c.z + " = Z");
    EXPECT_NE(text.prices.tips[c.tipRow][2].find(c.tip), std::string::npos)
        << text.prices.tips[c.tipRow][2];
    EXPECT_EQ(text.notes.size(), *c.note ? 1u : 0u);
    EXPECT_NE(Join(text.notes, "").find(c.note), std::string::npos) << Join(text.notes, "");
    EXPECT_EQ(a->lessonSentence.empty(), !*c.note);
}

INSTANTIATE_TEST_SUITE_P(Analysis, HandWorked, testing::ValuesIn(kHandCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Analysis, WritesComplementarySlacknessTheConstraintAndTheSlackTip) {
    const ExactProblem p = Lp(kHandCases[8].problem);
    const AnalysisText t = AnalysisRows(*Analyse(p, Basis("x1 x3", p)));
    // The "=" row has no slack to pair with its price.
    EXPECT_EQ(Join(t.slackness, " / "),
              "Scarto del vincolo 1 = 0, y1 = 3/2: prodotto 0 / x1 = 4, scarto del vincolo duale 1 "
              "= 0: prodotto 0 / x2 = 0, scarto del vincolo duale 2 = 3/2: prodotto 0 / x3 = 2, "
              "scarto del vincolo duale 3 = 0: prodotto 0 / x4 = 0, scarto del vincolo duale 4 = "
              "5/2: prodotto 0");
    EXPECT_EQ(t.prices.tips[0][1],
              "È x5, il surplus del vincolo, nella riga «Soluzione:»: x5 è fuori base e vale 0; il "
              "vincolo è attivo.");
    EXPECT_EQ(t.prices.cells[1][0] + " / " + t.coefficients.cells[3][0], "2: x1 - x3 = 2 / x4");
}

TEST(Analysis, RefusesABasisThatIsNotAnExactOptimum) {
    const std::pair<const char*, std::vector<const char*>> refused[] = {
        // x2 still pays 6; x6 = -9; a variable twice
        {kHandCases[0].problem, {"x4 x2 x6", "x4 x1 x6", "x4 x2 x2"}},
        {"max 1 1 1; 1 1 0 <= 1; 2 2 0 <= 2; 0 0 1 <= 1", {"x1 x2 x6"}},  // singular
        {kHandCases[3].problem, {"x1 x5 x6", "x4 a2 x6"}},              // row 2 has no x5; x4 = -4
        {"max 1 2 -1; 1 1 0 = 2; 2 2 0 = 5; 0 1 0 <= 1", {"x1 - x2"}},  // row 2 does not hold
        {kHandCases[8].problem, {"x1 x2"}},                             // x3 still saves 3
        {kHandCases[6].problem, {"x1 x2 x5", "x3 x4 x5 x6"}},           // a row short; x6 = -1
    };
    for (const auto& [problem, bases] : refused) {
        const ExactProblem p = Lp(problem);
        for (const char* basis : bases) {
            EXPECT_FALSE(Analyse(p, Basis(basis, p))) << problem << " at " << basis;
        }
    }
}

}  // namespace
}  // namespace simplesso::sensitivity
