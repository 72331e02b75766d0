#include "sensitivity.h"

#include <algorithm>

#include "exact_number.h"

namespace simplesso::sensitivity {

std::string StandardVariableName(int index, int variables, int rows) {
    const int artificial = ArtificialIndex(variables, rows, 0);
    return index < artificial ? "x" + std::to_string(index + 1)
                              : "a" + std::to_string(index - artificial + 1);
}

namespace {

using Vector = std::vector<mpq_class>;

// The typed rows in standard form. An artificial column is +1 in its row as the tableau turns
// it, so -1 in a row typed with a negative known term.
struct StandardForm {
    int variables, rows, columns;
    int priced;  // the columns before the artificial ones, which never re-enter
    std::vector<bool> exists;
    std::vector<Vector> m;  // m[r][j]
    Vector cost;

    explicit StandardForm(const ExactProblem& p)
        : variables(p.Variables()),
          rows(p.Rows()),
          columns(variables + 2 * rows),
          priced(ArtificialIndex(variables, rows, 0)),
          exists(columns),
          m(rows, Vector(columns)),
          cost(columns) {
        for (int r = 0; r < rows; ++r) {
            for (int j = 0; j < variables; ++j) {
                m[r][j] = p.a[r][j];
            }
            m[r][Slack(r)] = p.sense[r] == Sense::LessEqual ? 1 : -1;
            m[r][Artificial(r)] = p.b[r] < 0 ? -1 : 1;
            exists[Slack(r)] = p.sense[r] != Sense::Equal;
            exists[Artificial(r)] = true;
        }
        for (int j = 0; j < variables; ++j) {
            exists[j] = true;
            cost[j] = p.c[j];
        }
    }

    int Slack(int row) const { return SlackIndex(variables, row); }
    int Artificial(int row) const { return ArtificialIndex(variables, rows, row); }
    bool IsArtificial(int j) const { return j >= priced; }
    std::string Name(int j) const { return StandardVariableName(j, variables, rows); }
};

// The final tableau of a basis over the rows it keeps, in the typed rows' terms. Turning a row
// by -1 leaves B^-1 A unchanged, so these entries are the lesson's whatever rows it turned.
struct Tableau {
    std::vector<int> kept;   // typed rows with a basic variable
    std::vector<int> basic;  // basic[i]: the variable basic in kept[i]
    std::vector<Vector> inverse;
    Vector beta;
    std::vector<int> position;  // i where basic, -1 elsewhere
    std::vector<Vector> alpha;  // the tableau's column of each variable
    Vector reduced;
    Vector value;
    Vector y;  // one price a typed row
    std::vector<int> dropped;
};

Vector Solve(const std::vector<Vector>& inverse, const Vector& rhs) {
    Vector out(inverse.size());
    for (std::size_t i = 0; i < inverse.size(); ++i) {
        for (std::size_t p = 0; p < rhs.size(); ++p) {
            out[i] += inverse[i][p] * rhs[p];
        }
    }
    return out;
}

std::optional<std::vector<Vector>> Inverse(std::vector<Vector> b) {
    const std::size_t n = b.size();
    std::vector<Vector> inv(n, Vector(n));
    for (std::size_t i = 0; i < n; ++i) {
        inv[i][i] = 1;
    }
    for (std::size_t col = 0; col < n; ++col) {
        std::size_t pivot = col;
        while (pivot < n && b[pivot][col] == 0) {
            ++pivot;
        }
        if (pivot == n) {
            return std::nullopt;
        }
        std::swap(b[pivot], b[col]);
        std::swap(inv[pivot], inv[col]);
        const mpq_class p = b[col][col];
        for (std::size_t k = 0; k < n; ++k) {
            b[col][k] /= p;
            inv[col][k] /= p;
        }
        for (std::size_t r = 0; r < n; ++r) {
            if (r != col && b[r][col] != 0) {
                const mpq_class f = b[r][col];
                for (std::size_t k = 0; k < n; ++k) {
                    b[r][k] -= f * b[col][k];
                    inv[r][k] -= f * inv[col][k];
                }
            }
        }
    }
    return inv;
}

std::optional<Tableau> Build(const ExactProblem& p, const StandardForm& s,
                             const FinalBasis& basis) {
    if (static_cast<int>(basis.size()) != s.rows) {
        return std::nullopt;
    }
    Tableau t;
    t.position.assign(s.columns, -1);
    t.alpha.resize(s.columns);
    t.reduced.resize(s.columns);
    t.value.resize(s.columns);
    t.y.resize(s.rows);
    for (int r = 0; r < s.rows; ++r) {
        if (!basis[r]) {
            t.dropped.push_back(r);
            continue;
        }
        const int j = *basis[r];
        if (j < 0 || j >= s.columns || !s.exists[j] || t.position[j] >= 0) {
            return std::nullopt;
        }
        t.position[j] = static_cast<int>(t.kept.size());
        t.kept.push_back(r);
        t.basic.push_back(j);
    }
    const std::size_t n = t.kept.size();
    std::vector<Vector> b(n, Vector(n));
    Vector known(n);
    for (std::size_t i = 0; i < n; ++i) {
        known[i] = p.b[t.kept[i]];
        for (std::size_t k = 0; k < n; ++k) {
            b[i][k] = s.m[t.kept[i]][t.basic[k]];
        }
    }
    auto inverse = Inverse(b);
    if (!inverse) {
        return std::nullopt;
    }
    t.inverse = std::move(*inverse);
    t.beta = Solve(t.inverse, known);
    for (std::size_t i = 0; i < n; ++i) {
        t.value[t.basic[i]] = t.beta[i];
        for (std::size_t k = 0; k < n; ++k) {
            t.y[t.kept[k]] += s.cost[t.basic[i]] * t.inverse[i][k];
        }
    }
    for (int j = 0; j < s.columns; ++j) {
        Vector column(n);
        for (std::size_t k = 0; k < n; ++k) {
            column[k] = s.m[t.kept[k]][j];
        }
        t.alpha[j] = Solve(t.inverse, column);
        t.reduced[j] = s.cost[j];
        for (int r = 0; r < s.rows; ++r) {
            t.reduced[j] -= t.y[r] * s.m[r][j];
        }
    }
    return t;
}

// How much a dropped row's left side moves per unit of the basic values' move `step`: it must
// not, or that row would stop holding.
mpq_class DroppedDrift(const StandardForm& s, const Tableau& t, int row, const Vector& step) {
    mpq_class drift = 0;
    for (std::size_t i = 0; i < t.basic.size(); ++i) {
        drift += s.m[row][t.basic[i]] * step[i];
    }
    return drift;
}

bool Feasible(const ExactProblem& p, const StandardForm& s, const Tableau& t) {
    for (std::size_t i = 0; i < t.basic.size(); ++i) {
        if (t.beta[i] < 0 || (s.IsArtificial(t.basic[i]) && t.beta[i] != 0)) {
            return false;
        }
    }
    return std::all_of(t.dropped.begin(), t.dropped.end(),
                       [&](int r) { return DroppedDrift(s, t, r, t.beta) == p.b[r]; });
}

bool Improves(Direction d, const mpq_class& reduced) {
    return d == Direction::Maximise ? reduced > 0 : reduced < 0;
}

bool Optimal(const ExactProblem& p, const StandardForm& s, const Tableau& t) {
    for (int j = 0; j < s.priced; ++j) {
        if (s.exists[j] && t.position[j] < 0 && Improves(p.direction, t.reduced[j])) {
            return false;
        }
    }
    return true;
}

std::string Parenthesised(const mpq_class& v) {
    return v < 0 ? "(" + FractionText(v) + ")" : FractionText(v);
}

// "(x1, x2, x3)", or the values in their place.
std::string Point(const std::vector<std::string>& coordinates) {
    std::string text;
    for (const std::string& c : coordinates) {
        text += (text.empty() ? "(" : ", ") + c;
    }
    return text + ")";
}

std::string Point(const Vector& x) {
    std::vector<std::string> texts;
    for (const mpq_class& v : x) {
        texts.push_back(FractionText(v));
    }
    return Point(texts);
}

std::string DecisionVariables(const StandardForm& s) {
    std::vector<std::string> names;
    for (int v = 0; v < s.variables; ++v) {
        names.push_back(s.Name(v));
    }
    return Point(names);
}

std::string Names(const StandardForm& s, const std::vector<int>& variables) {
    std::string text;
    for (std::size_t i = 0; i < variables.size(); ++i) {
        text += (i == 0 ? "" : i + 1 == variables.size() ? " e " : ", ") + s.Name(variables[i]);
    }
    return text;
}

// Where a range's ends come from, in the words of the tooltips.
struct Limits {
    Bound low, high;
    std::vector<int> lowFrom, highFrom;  // the variables that set each end

    void Raise(const mpq_class& v, int from) { Tighten(low, lowFrom, v, from, true); }
    void Lower(const mpq_class& v, int from) { Tighten(high, highFrom, v, from, false); }

  private:
    static void Tighten(Bound& b, std::vector<int>& by, const mpq_class& v, int from, bool up) {
        if (!b || (up ? v > *b : v < *b)) {
            b = v;
            by.clear();
        }
        if (*b == v) {
            by.push_back(from);
        }
    }
};

Bound Shifted(const Bound& b, const mpq_class& by) {
    return b ? Bound(*b + by) : Bound();
}

std::string EndsText(const StandardForm& s, const Limits& l, const std::string& lowWord,
                     const std::string& highWord, const std::string& source) {
    std::string text;
    text +=
        l.low ? " Il limite inferiore viene " + source + Names(s, l.lowFrom) + "." : " " + lowWord;
    text += l.high ? " Il limite superiore viene " + source + Names(s, l.highFrom) + "."
                   : " " + highWord;
    return text;
}

Range KnownRange(const ExactProblem& p, const StandardForm& s, const Tableau& t, int k) {
    const std::string name = s.Name(s.Slack(k));
    const mpq_class& b = p.b[k];
    if (std::find(t.dropped.begin(), t.dropped.end(), k) != t.dropped.end()) {
        return {b, b,
                "La riga è stata tolta come ridondante: cambiando da solo il suo termine noto il "
                "problema non avrebbe più soluzioni."};
    }
    const std::size_t pos = std::find(t.kept.begin(), t.kept.end(), k) - t.kept.begin();
    Vector u(t.basic.size());
    for (std::size_t i = 0; i < u.size(); ++i) {
        u[i] = t.inverse[i][pos];
    }
    for (int r : t.dropped) {
        if (DroppedDrift(s, t, r, u) != 0) {
            return {b, b,
                    "La riga " + std::to_string(r + 1) +
                        ", tolta come ridondante, dipende da questa: cambiando da solo questo "
                        "termine noto il problema non avrebbe più soluzioni."};
        }
    }
    Limits l;
    for (std::size_t i = 0; i < u.size(); ++i) {
        if (s.IsArtificial(t.basic[i]) && u[i] != 0) {
            return {
                b, b,
                "La variabile artificiale " + s.Name(t.basic[i]) +
                    " è in base con valore 0 e deve restarlo: il termine noto non può cambiare."};
        }
        if (u[i] > 0) {
            l.Raise(-t.beta[i] / u[i], t.basic[i]);
        } else if (u[i] < 0) {
            l.Lower(-t.beta[i] / u[i], t.basic[i]);
        }
    }
    std::string column;
    switch (p.sense[k]) {
        case Sense::LessEqual:
            column = "la colonna di " + name;
            break;
        case Sense::GreaterEqual:
            column = "la colonna di " + name + " cambiata di segno";
            break;
        case Sense::Equal:
            column = "la colonna della variabile artificiale " + s.Name(s.Artificial(k)) +
                     ", che la tabella finale non mostra";
            break;
    }
    return {Shifted(l.low, b), Shifted(l.high, b),
            "Cambiando il termine noto di t, i valori in base diventano β + t·u, con β i termini "
            "noti della tabella finale e u " +
                column + ": la base resta ammissibile finché nessuno diventa negativo." +
                EndsText(s, l, "Verso il basso non c'è limite (-∞).",
                         "Verso l'alto non c'è limite (+∞).", "dalla riga di ")};
}

Range CostRange(const ExactProblem& p, const StandardForm& s, const Tableau& t, int j) {
    const bool max = p.direction == Direction::Maximise;
    const std::string name = s.Name(j);
    const std::string cj = "c" + std::to_string(j + 1);
    const int i = t.position[j];
    if (i < 0) {
        const mpq_class z = p.c[j] - t.reduced[j];
        const std::string tip = name +
                                " è fuori base: la base resta ottima finché il suo DELTA r "
                                "resta " +
                                (max ? "≤ 0" : "≥ 0") + ", cioè finché " + cj +
                                (max ? " ≤ " : " ≥ ") + cj +
                                " - DELTA r = " + FractionText(p.c[j]) + " - " +
                                Parenthesised(t.reduced[j]) + " = " + FractionText(z) + ".";
        return max ? Range{Bound(), z, tip} : Range{z, Bound(), tip};
    }
    Limits l;
    for (int col = 0; col < s.priced; ++col) {
        const mpq_class& a = t.alpha[col][i];
        if (!s.exists[col] || t.position[col] >= 0 || a == 0) {
            continue;
        }
        // DELTA r - t·a must keep its sign: an end where it reaches 0.
        const mpq_class end = t.reduced[col] / a;
        if ((a > 0) == max) {
            l.Raise(end, col);
        } else {
            l.Lower(end, col);
        }
    }
    return {Shifted(l.low, p.c[j]), Shifted(l.high, p.c[j]),
            name + " è in base: cambiando " + cj +
                " di t, ogni DELTA r fuori base diventa "
                "DELTA r - t·a, con a il suo elemento nella riga di " +
                name + ", e la base resta ottima finché nessuno diventa " +
                (max ? "positivo." : "negativo.") +
                EndsText(s, l, "Verso il basso non c'è limite (-∞).",
                         "Verso l'alto non c'è limite (+∞).", "dal DELTA r di ")};
}

// "y1·a1j + y2·a2j + y3·a3j" over the rows.
std::string PricedColumn(int rows) {
    std::string text;
    for (int r = 1; r <= rows; ++r) {
        const std::string n = std::to_string(r);
        text += (r > 1 ? " + y" : "y") + n + "·a" + n + "j";
    }
    return text;
}

std::string PriceTip(const ExactProblem& p, const StandardForm& s, const Tableau& t, int k) {
    const std::string name = s.Name(s.Slack(k));
    if (std::find(t.dropped.begin(), t.dropped.end(), k) != t.dropped.end()) {
        return "La riga è stata tolta come ridondante: il suo prezzo ombra non è unico; qui vale "
               "0.";
    }
    std::string tip;
    switch (p.sense[k]) {
        case Sense::LessEqual:
            tip = "DELTA r di " + name + ", cambiato di segno.";
            break;
        case Sense::GreaterEqual:
            tip = "DELTA r di " + name + " (variabile di surplus, colonna −1), col suo segno.";
            break;
        case Sense::Equal:
            tip =
                "Vincolo di uguaglianza: la tabella non ha una sua colonna di scarto. Il prezzo "
                "y" +
                std::to_string(k + 1) +
                (s.rows > 1 ? " viene, con gli altri, da c_j = " : " viene da c_j = ") +
                PricedColumn(s.rows) + " per ogni variabile in base.";
            break;
    }
    if (p.b[k] < 0) {
        tip +=
            " Nella tabella la riga è moltiplicata per −1 perché il termine noto è negativo: "
            "per la riga così girata il prezzo ha il segno opposto; qui è dato per il vincolo "
            "come è scritto.";
    }
    return tip + " Per ogni unità in più del termine noto Z cambia di " + FractionText(t.y[k]) +
           ".";
}

std::string SlackTip(const ExactProblem& p, const StandardForm& s, const Tableau& t, int k) {
    if (p.sense[k] == Sense::Equal) {
        return "Vincolo di uguaglianza: è soddisfatto con scarto 0.";
    }
    const int j = s.Slack(k);
    const std::string name = s.Name(j);
    const std::string what = p.sense[k] == Sense::LessEqual ? "lo scarto" : "il surplus";
    return t.position[j] >= 0
               ? "È " + name + ", " + what + " del vincolo, nella riga «Soluzione:»: " + name +
                     " è in base e vale il termine noto della sua riga."
               : "È " + name + ", " + what + " del vincolo, nella riga «Soluzione:»: " + name +
                     " è fuori base e vale 0; il vincolo è attivo.";
}

std::string ValueTip(const StandardForm& s, const Tableau& t, int j) {
    const std::string name = s.Name(j);
    return t.position[j] >= 0
               ? name + " è in base: vale il termine noto della sua riga (riga «Soluzione:»)."
               : name + " è fuori base: vale 0 (riga «Soluzione:»).";
}

std::string ReducedTip(const StandardForm& s, const Tableau& t, int j) {
    const std::string name = s.Name(j);
    return t.position[j] >= 0
               ? "DELTA r di " + name + " nella tabella finale: 0, perché " + name + " è in base."
               : "DELTA r di " + name + " nella tabella finale: per ogni unità di " + name +
                     " portata in base Z cambierebbe di " + FractionText(t.reduced[j]) + ".";
}

// What entering a column with DELTA r 0 does: how far it can go and where it arrives.
struct Entering {
    bool unbounded = false;
    mpq_class theta;
    int leaving = -1;
    Vector x, direction;  // over x1..xn
};

Entering Enter(const StandardForm& s, const Tableau& t, int col) {
    Entering e;
    std::optional<mpq_class> theta;
    for (std::size_t i = 0; i < t.basic.size(); ++i) {
        const mpq_class& a = t.alpha[col][i];
        const bool blocked = s.IsArtificial(t.basic[i]) ? a != 0 : a > 0;
        if (blocked && (!theta || t.beta[i] / a < *theta)) {
            theta = s.IsArtificial(t.basic[i]) ? mpq_class(0) : mpq_class(t.beta[i] / a);
            e.leaving = t.basic[i];
        }
    }
    Vector step(t.basic.size());
    for (std::size_t i = 0; i < step.size(); ++i) {
        step[i] = -t.alpha[col][i];
    }
    for (int r : t.dropped) {
        if (DroppedDrift(s, t, r, step) + s.m[r][col] != 0) {
            theta = 0;
        }
    }
    e.unbounded = !theta;
    e.theta = theta.value_or(0);
    e.x.resize(s.variables);
    e.direction.resize(s.variables);
    for (int v = 0; v < s.variables; ++v) {
        const int i = t.position[v];
        e.direction[v] = v == col ? mpq_class(1)
                         : i >= 0 ? mpq_class(-t.alpha[col][i])
                                  : mpq_class(0);
        e.x[v] = t.value[v] + e.theta * e.direction[v];
    }
    return e;
}

void AddNotes(const StandardForm& s, const Tableau& t, Analysis& out) {
    std::vector<int> zero, degenerate;
    for (int j = 0; j < s.priced; ++j) {
        if (s.exists[j] && t.position[j] < 0 && t.reduced[j] == 0) {
            zero.push_back(j);
        }
    }
    for (std::size_t i = 0; i < t.basic.size(); ++i) {
        if (t.beta[i] == 0) {
            degenerate.push_back(t.basic[i]);
        }
    }
    const Vector x(t.value.begin(), t.value.begin() + s.variables);
    const std::string point = DecisionVariables(s);
    const std::string are = zero.size() == 1 ? " è fuori base" : " sono fuori base";
    bool multiple = false;
    for (int col : zero) {
        const Entering e = Enter(s, t, col);
        if (e.unbounded) {
            out.notes.push_back("Il problema ha infinite soluzioni ottime: " + Names(s, zero) +
                                are + " con DELTA r 0, e la colonna di " + s.Name(col) +
                                " non ha elementi positivi: l'ottimo prosegue senza fine lungo " +
                                point + " = " + Point(x) + " + t·" + Point(e.direction) +
                                ", t ≥ 0, con lo stesso Z.");
        } else if (e.theta > 0) {
            out.notes.push_back("Il problema ha infinite soluzioni ottime: " + Names(s, zero) +
                                are + " con DELTA r 0. Facendo entrare " + s.Name(col) + " (esce " +
                                s.Name(e.leaving) + ") si arriva a un altro vertice ottimo, " +
                                point + " = " + Point(e.x) +
                                ", con lo stesso Z; è ottimo ogni punto del "
                                "segmento tra i due vertici.");
        } else {
            continue;
        }
        multiple = true;
        break;
    }
    if (!zero.empty() && !multiple) {
        out.notes.push_back(Names(s, zero) + are + " con DELTA r 0, ma " +
                            (zero.size() == 1 ? "facendolo entrare" : "facendone entrare uno") +
                            " si resta nello stesso vertice: da questa base non si vede un altro "
                            "ottimo.");
    }
    const std::string is =
        degenerate.size() == 1 ? " è in base con valore 0" : " sono in base con valore 0";
    if (!degenerate.empty()) {
        out.notes.push_back("La soluzione ottima è degenere: " + Names(s, degenerate) + is +
                            ". I prezzi ombra allora non sono in generale unici: quelli riportati "
                            "sono di questa base, e un'altra base ottima nello stesso vertice ne "
                            "darebbe altri.");
    }
    const std::string many = "L'ottimo non è unico";
    const std::string why = Names(s, zero) +
                            (zero.size() == 1 ? ", fuori base, ha" : ", fuori base, hanno") +
                            " DELTA r 0";
    if (multiple && !degenerate.empty()) {
        out.lessonSentence =
            many + " (" + why + ") ed è degenere (" + Names(s, degenerate) + is + ").";
    } else if (multiple) {
        out.lessonSentence = many + ": " + why + ".";
    } else if (!degenerate.empty()) {
        out.lessonSentence = "L'ottimo è degenere: " + Names(s, degenerate) + is + ".";
    }
}

}  // namespace

std::optional<Analysis> Analyse(const ExactProblem& problem, const FinalBasis& basis) {
    const StandardForm s(problem);
    const std::optional<Tableau> t = Build(problem, s, basis);
    if (!t || !Feasible(problem, s, *t) || !Optimal(problem, s, *t)) {
        return std::nullopt;
    }
    Analysis out;
    out.z = 0;
    Vector x(s.variables), slack(s.rows), reduced(s.variables);
    for (int v = 0; v < s.variables; ++v) {
        out.z += problem.c[v] * t->value[v];
        x[v] = t->value[v];
        reduced[v] = t->reduced[v];
        out.variables.push_back({problem.c[v],
                                 {x[v], ValueTip(s, *t, v)},
                                 {reduced[v], ReducedTip(s, *t, v)},
                                 CostRange(problem, s, *t, v)});
    }
    for (int k = 0; k < s.rows; ++k) {
        slack[k] = s.exists[s.Slack(k)] ? t->value[s.Slack(k)] : mpq_class(0);
        out.rows.push_back({ConstraintText(problem, k),
                            {slack[k], SlackTip(problem, s, *t, k)},
                            {t->y[k], PriceTip(problem, s, *t, k)},
                            KnownRange(problem, s, *t, k)});
    }
    out.dual = BuildDual(problem, t->y, x, slack, reduced);
    AddNotes(s, *t, out);
    return out;
}

}  // namespace simplesso::sensitivity
