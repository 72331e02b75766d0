#include "region.h"

#include <algorithm>
#include <optional>

#include "exact_number.h"

namespace simplesso {
namespace {

// One row of the system in the figure's n = 2 or 3 unknowns (two for a problem in the plane):
// a·x (sense) b. A row whose coefficients are all 0 is kept for the test of a point but makes no
// plane.
struct Halfspace {
    std::array<mpq_class, 3> a{};
    mpq_class b;
    Sense sense = Sense::LessEqual;
    PlaneTag tag;
    bool makesPlane = true;
};

mpq_class Dot(const std::array<mpq_class, 3>& a, const Point& x, int n) {
    mpq_class s = 0;
    for (int k = 0; k < n; ++k) {
        s += a[k] * x[k];
    }
    return s;
}

bool Holds(const Halfspace& h, const Point& x, int n) {
    const mpq_class s = Dot(h.a, x, n);
    switch (h.sense) {
        case Sense::LessEqual:
            return s <= h.b;
        case Sense::GreaterEqual:
            return s >= h.b;
        case Sense::Equal:
            break;
    }
    return s == h.b;
}

bool OnPlane(const Halfspace& h, const Point& x, int n) {
    return h.makesPlane && Dot(h.a, x, n) == h.b;
}

mpq_class Det3(const std::array<const std::array<mpq_class, 3>*, 3>& r) {
    const auto& a = *r[0];
    const auto& b = *r[1];
    const auto& c = *r[2];
    return a[0] * (b[1] * c[2] - b[2] * c[1]) - a[1] * (b[0] * c[2] - b[2] * c[0]) +
           a[2] * (b[0] * c[1] - b[1] * c[0]);
}

// The single point where the n planes meet; empty when their normals are dependent.
std::optional<Point> Meet(std::span<const Halfspace* const> h, int n) {
    Point x{0, 0, 0};
    if (n == 2) {
        const auto& p = h[0]->a;
        const auto& q = h[1]->a;
        const mpq_class det = p[0] * q[1] - p[1] * q[0];
        if (det == 0) {
            return std::nullopt;
        }
        x[0] = (h[0]->b * q[1] - h[1]->b * p[1]) / det;
        x[1] = (p[0] * h[1]->b - q[0] * h[0]->b) / det;
        return x;
    }
    std::array<const std::array<mpq_class, 3>*, 3> rows{&h[0]->a, &h[1]->a, &h[2]->a};
    const mpq_class det = Det3(rows);
    if (det == 0) {
        return std::nullopt;
    }
    // Cramer's rule, one column of known terms at a time.
    for (int k = 0; k < 3; ++k) {
        std::array<std::array<mpq_class, 3>, 3> m{h[0]->a, h[1]->a, h[2]->a};
        for (int r = 0; r < 3; ++r) {
            m[r][k] = h[r]->b;
        }
        x[k] = Det3({&m[0], &m[1], &m[2]}) / det;
    }
    return x;
}

bool Lexicographic(const Point& p, const Point& q) {
    return std::lexicographical_compare(p.begin(), p.end(), q.begin(), q.end());
}

// Every point where n independent planes of the system meet and that satisfies the whole
// system, once each, in lexicographic order. Where more than n planes meet, many choices give
// the same point: the sort brings them together.
std::vector<Point> Vertices(std::span<const Halfspace> system, int n) {
    std::vector<const Halfspace*> planes;
    for (const Halfspace& h : system) {
        if (h.makesPlane) {
            planes.push_back(&h);
        }
    }
    std::vector<Point> found;
    const int m = static_cast<int>(planes.size());
    std::array<const Halfspace*, 3> pick{};
    auto consider = [&] {
        const auto x = Meet(std::span(pick.data(), n), n);
        if (x && std::all_of(system.begin(), system.end(),
                             [&](const Halfspace& h) { return Holds(h, *x, n); })) {
            found.push_back(*x);
        }
    };
    for (int i = 0; i < m; ++i) {
        for (int j = i + 1; j < m; ++j) {
            pick[0] = planes[i];
            pick[1] = planes[j];
            if (n == 2) {
                consider();
                continue;
            }
            for (int k = j + 1; k < m; ++k) {
                pick[2] = planes[k];
                consider();
            }
        }
    }
    std::sort(found.begin(), found.end(), Lexicographic);
    found.erase(std::unique(found.begin(), found.end()), found.end());
    return found;
}

// The constraints in the figure's space, then x >= 0.
std::vector<Halfspace> System(const ExactProblem& p, int n) {
    std::vector<Halfspace> system;
    for (int r = 0; r < p.Rows(); ++r) {
        Halfspace h;
        for (int k = 0; k < n; ++k) {
            h.a[k] = p.a[r][k];
        }
        h.b = p.b[r];
        h.sense = p.sense[r];
        h.tag = {PlaneKind::Constraint, r};
        h.makesPlane = RowMakesPlane(p, r);
        system.push_back(h);
    }
    for (int k = 0; k < n; ++k) {
        Halfspace h;
        h.a[k] = 1;
        h.b = 0;
        h.sense = Sense::GreaterEqual;
        h.tag = {PlaneKind::Axis, k};
        system.push_back(h);
    }
    return system;
}

// The directions d >= 0 the region can go along for ever are those of its rows with a zero
// known term; normalised to d1 + ... + dn = 1 they form a polytope whose vertices are the
// extreme directions. None means bounded.
std::vector<Point> RecessionDirections(std::vector<Halfspace> system, int n) {
    for (Halfspace& h : system) {
        h.b = 0;
    }
    Halfspace sum;
    for (int k = 0; k < n; ++k) {
        sum.a[k] = 1;
    }
    sum.b = 1;
    sum.sense = Sense::Equal;
    system.push_back(sum);
    return Vertices(system, n);
}

bool Collinear(const std::vector<const Point*>& pts) {
    const Point& o = *pts[0];
    for (std::size_t i = 1; i < pts.size(); ++i) {
        for (std::size_t j = i + 1; j < pts.size(); ++j) {
            std::array<mpq_class, 3> u, v;
            for (int k = 0; k < 3; ++k) {
                u[k] = (*pts[i])[k] - o[k];
                v[k] = (*pts[j])[k] - o[k];
            }
            if (u[1] * v[2] != u[2] * v[1] || u[2] * v[0] != u[0] * v[2] ||
                u[0] * v[1] != u[1] * v[0]) {
                return false;
            }
        }
    }
    return true;
}

// The corners of a convex polygon in the plane with this normal, in order around it: seen along
// the normal's largest coordinate, by angle about their centroid, compared exactly.
void OrderAround(std::vector<int>& ids, const std::vector<Point>& corners,
                 const std::array<mpq_class, 3>& normal) {
    int drop = 0;
    for (int k = 1; k < 3; ++k) {
        if (abs(normal[k]) > abs(normal[drop])) {
            drop = k;
        }
    }
    const int u = drop == 0 ? 1 : 0;
    const int v = drop == 2 ? 1 : 2;
    mpq_class cu = 0, cv = 0;
    for (int id : ids) {
        cu += corners[id][u];
        cv += corners[id][v];
    }
    cu /= static_cast<long>(ids.size());
    cv /= static_cast<long>(ids.size());
    struct Polar {
        mpq_class x, y;
        int id;
        int Half() const { return (y > 0 || (y == 0 && x > 0)) ? 0 : 1; }
    };
    std::vector<Polar> polar;
    for (int id : ids) {
        polar.push_back({corners[id][u] - cu, corners[id][v] - cv, id});
    }
    std::sort(polar.begin(), polar.end(), [](const Polar& p, const Polar& q) {
        if (p.Half() != q.Half()) {
            return p.Half() < q.Half();
        }
        return p.x * q.y - p.y * q.x > 0;
    });
    for (std::size_t i = 0; i < ids.size(); ++i) {
        ids[i] = polar[i].id;
    }
}

bool Independent(const std::array<mpq_class, 3>& p, const std::array<mpq_class, 3>& q) {
    return p[1] * q[2] != p[2] * q[1] || p[2] * q[0] != p[0] * q[2] || p[0] * q[1] != p[1] * q[0];
}

// Faces and edges of the bounded figure whose corners are given, from the planes each corner
// lies on: a plane holding three corners not on one line carries a face; two corners are joined
// by an edge when the planes they share meet in a line (in the plane: share a line), since the
// figure's part on those planes is then a segment with the two corners as its ends.
void Connect(Region& region, std::span<const Halfspace> system, int n) {
    std::vector<const Halfspace*> planes;
    for (const Halfspace& h : system) {
        if (h.makesPlane) {
            planes.push_back(&h);
        }
    }
    // on[c][p]: corner c lies on plane p. Rows are as many as the lesson has (cuts and bounds
    // add more), so no fixed-width mask.
    std::vector<std::vector<bool>> on(region.corners.size(), std::vector<bool>(planes.size()));
    for (std::size_t c = 0; c < region.corners.size(); ++c) {
        for (std::size_t p = 0; p < planes.size(); ++p) {
            on[c][p] = OnPlane(*planes[p], region.corners[c], n);
        }
    }
    auto isBox = [&](std::size_t p) { return planes[p]->tag.kind == PlaneKind::Box; };

    for (std::size_t i = 0; i < region.corners.size(); ++i) {
        for (std::size_t j = i + 1; j < region.corners.size(); ++j) {
            auto shared = [&](std::size_t p) { return on[i][p] && on[j][p]; };
            bool line = false;
            bool cut = false;
            for (std::size_t p = 0; p < planes.size(); ++p) {
                if (!shared(p)) {
                    continue;
                }
                cut = cut || isBox(p);
                if (n == 2) {
                    line = true;
                }
                for (std::size_t q = p + 1; q < planes.size() && !line; ++q) {
                    line = shared(q) && Independent(planes[p]->a, planes[q]->a);
                }
            }
            if (line) {
                region.edges.push_back({static_cast<int>(i), static_cast<int>(j), cut});
            }
        }
    }

    auto addFace = [&](std::vector<int> ids, PlaneTag tag, const std::array<mpq_class, 3>& normal,
                       bool cut) {
        std::vector<const Point*> pts;
        for (int id : ids) {
            pts.push_back(&region.corners[id]);
        }
        if (ids.size() < 3 || Collinear(pts)) {
            return;
        }
        std::sort(ids.begin(), ids.end());
        for (const Face& f : region.faces) {
            auto sorted = f.corners;
            std::sort(sorted.begin(), sorted.end());
            if (sorted == ids) {
                return;  // two rows on one plane: the first names the face
            }
        }
        OrderAround(ids, region.corners, normal);
        region.faces.push_back({tag, std::move(ids), cut});
    };
    if (n == 2) {
        std::vector<int> all(region.corners.size());
        for (std::size_t c = 0; c < all.size(); ++c) {
            all[c] = static_cast<int>(c);
        }
        addFace(all, {PlaneKind::Axis, 2}, {0, 0, 1}, false);
        return;
    }
    for (std::size_t p = 0; p < planes.size(); ++p) {
        std::vector<int> ids;
        for (std::size_t c = 0; c < region.corners.size(); ++c) {
            if (on[c][p]) {
                ids.push_back(static_cast<int>(c));
            }
        }
        addFace(ids, planes[p]->tag, planes[p]->a, isBox(p));
    }
}

void AppendTerm(std::string& text, const mpq_class& coefficient, int variable, bool latex) {
    if (coefficient == 0) {
        return;
    }
    const mpq_class magnitude = abs(coefficient);
    if (text.empty()) {
        text += coefficient < 0 ? "-" : "";
    } else {
        text += coefficient < 0 ? " - " : " + ";
    }
    if (magnitude != 1) {
        if (latex && magnitude.get_den() != 1) {
            text += "\\frac{" + magnitude.get_num().get_str() + "}{" +
                    magnitude.get_den().get_str() + "}";
        } else {
            text += FractionText(magnitude);
            text += magnitude.get_den() != 1 ? " " : "";
        }
    }
    text += latex ? "x_{" + std::to_string(variable + 1) + "}" : "x" + std::to_string(variable + 1);
}

std::string Equation(const ExactProblem& p, int row, bool latex) {
    std::string text;
    for (int v = 0; v < p.Variables(); ++v) {
        AppendTerm(text, p.a[row][v], v, latex);
    }
    if (text.empty()) {
        text = "0";
    }
    switch (p.sense[row]) {
        case Sense::LessEqual:
            text += latex ? " \\leq " : " \u2264 ";
            break;
        case Sense::GreaterEqual:
            text += latex ? " \\geq " : " \u2265 ";
            break;
        case Sense::Equal:
            text += " = ";
            break;
    }
    if (latex && p.b[row].get_den() != 1) {
        const mpq_class magnitude = abs(p.b[row]);
        text += std::string(p.b[row] < 0 ? "-" : "") + "\\frac{" + magnitude.get_num().get_str() +
                "}{" + magnitude.get_den().get_str() + "}";
    } else {
        text += FractionText(p.b[row]);
    }
    return text;
}

}  // namespace

bool RegionDrawable(const ExactProblem& problem) {
    const int n = problem.Variables();
    const auto rows = static_cast<std::size_t>(problem.Rows());
    return (n == 2 || n == 3) && problem.a.size() == rows && problem.sense.size() == rows &&
           std::all_of(problem.a.begin(), problem.a.end(),
                       [&](const auto& row) { return static_cast<int>(row.size()) == n; });
}

bool IsPlaneProblem(const ExactProblem& problem) {
    if (problem.Variables() != 3) {
        return problem.Variables() == 2;
    }
    return problem.c[2] == 0 &&
           std::all_of(problem.a.begin(), problem.a.end(), [](const auto& row) { return row[2] == 0; });
}

bool RowMakesPlane(const ExactProblem& problem, int row) {
    const int n = std::min(IsPlaneProblem(problem) ? 2 : 3, problem.Variables());
    for (int k = 0; k < n; ++k) {
        if (problem.a[row][k] != 0) {
            return true;
        }
    }
    return false;
}

// Every point of whole coordinates within the figure's corners that satisfies the system.
void AddIntegerPoints(Region& region, const std::vector<Halfspace>& system, int n) {
    Point top{};
    for (const Point& corner : region.corners) {
        for (int k = 0; k < n; ++k) {
            top[k] = std::max(top[k], corner[k]);
        }
    }
    std::array<long, 3> most{0, 0, 0};
    double count = 1;
    for (int k = 0; k < n; ++k) {
        most[k] = mpz_class(top[k].get_num() / top[k].get_den()).get_si();
        count *= static_cast<double>(most[k] + 1);
    }
    if (count > 50 * static_cast<double>(kMostIntegerPoints)) {
        region.tooManyIntegerPoints = true;
        return;
    }
    for (long i = 0; i <= most[0]; ++i) {
        for (long j = 0; j <= most[1]; ++j) {
            for (long k = 0; k <= most[2]; ++k) {
                const Point p{mpq_class(i), mpq_class(j), mpq_class(k)};
                if (std::all_of(system.begin(), system.end(),
                                [&](const Halfspace& h) { return Holds(h, p, n); })) {
                    if (region.integerPoints.size() == kMostIntegerPoints) {
                        region.tooManyIntegerPoints = true;
                        region.integerPoints.clear();
                        return;
                    }
                    region.integerPoints.push_back(p);
                }
            }
        }
    }
}

Region BuildRegion(const ExactProblem& problem, std::span<const Point> path) {
    Region region;
    region.problem = problem;
    if (!RegionDrawable(problem)) {
        region.drawable = false;
        return region;
    }
    region.plane = IsPlaneProblem(problem);
    const int n = region.plane ? 2 : 3;
    std::vector<Halfspace> system = System(problem, n);

    region.vertices = Vertices(system, n);
    region.empty = region.vertices.empty();  // x >= 0 leaves no line inside: a point has a vertex
    if (!region.empty) {
        region.directions = RecessionDirections(system, n);
        region.bounded = region.directions.empty();
    }

    mpq_class largest = 0;
    for (const Point& v : region.vertices) {
        largest = std::max({largest, v[0], v[1], v[2]});
    }
    for (const Point& at : path) {
        Point p = at;
        if (region.plane) {
            p[2] = 0;
        }
        const bool inside = std::all_of(system.begin(), system.end(),
                                        [&](const Halfspace& h) { return Holds(h, p, n); });
        region.path.push_back({p, inside});
        largest = std::max({largest, p[0], p[1], p[2]});
    }
    if (largest == 0) {
        largest = 1;
    }

    auto measure = [&] {
        region.extent = largest;
        for (int k = 0; k < 3; ++k) {
            mpq_class r = largest / 4;
            for (const Point& v : region.corners) {
                r = std::max(r, v[k]);
            }
            for (const PathPoint& p : region.path) {
                r = std::max(r, p.at[k]);
            }
            region.reach[k] = r;
        }
        if (std::max({region.reach[0], region.reach[1], region.reach[2]}) < largest) {
            region.reach = {largest, largest, largest};  // nothing away from the origin
        }
    };
    if (region.empty) {
        measure();
        return region;
    }
    region.corners = region.vertices;
    if (!region.bounded) {
        // A margin of half the figure, on a whole number once the figure is that large.
        mpq_class side = largest * 3 / 2;
        if (side >= 2) {
            side = mpz_class(side.get_num() / side.get_den()) + (side.get_den() == 1 ? 0 : 1);
        }
        region.boxSide = side;
        std::vector<Halfspace> cut = system;
        for (int k = 0; k < n; ++k) {
            Halfspace h;
            h.a[k] = 1;
            h.b = side;
            h.sense = Sense::LessEqual;
            h.tag = {PlaneKind::Box, k};
            cut.push_back(h);
        }
        for (Point& corner : Vertices(cut, n)) {
            if (!std::binary_search(region.vertices.begin(), region.vertices.end(), corner,
                                    Lexicographic)) {
                region.corners.push_back(std::move(corner));
            }
        }
        system = std::move(cut);
        largest = side;
    }
    measure();
    Connect(region, system, n);
    if (problem.integer) {
        AddIntegerPoints(region, system, n);
    }
    return region;
}

std::string PointText(const Point& point, bool plane) {
    std::string text = "(" + FractionText(point[0]) + "; " + FractionText(point[1]);
    if (!plane) {
        text += "; " + FractionText(point[2]);
    }
    return text + ")";
}

std::string RegionDescription(const Region& region) {
    if (!region.drawable) {
        return kNotDrawable;
    }
    std::string text;
    if (region.empty) {
        text = "Nessuna soluzione ammissibile.";
    } else {
        text = "Vertici: ";
        for (std::size_t i = 0; i < region.vertices.size(); ++i) {
            text += (i ? ", " : "") + PointText(region.vertices[i], region.plane);
        }
        text += ".";
    }
    if (!region.path.empty()) {
        text += " Percorso: ";
        for (std::size_t i = 0; i < region.path.size(); ++i) {
            text += (i ? ", " : "") + PointText(region.path[i].at, region.plane);
        }
        text += ". Punto attuale: " + PointText(region.path.back().at, region.plane) + ".";
    }
    if (!region.bounded) {
        text += " Regione illimitata.";
    }
    if (region.problem.integer && !region.empty) {
        constexpr std::size_t kListed = 40;
        const auto& points = region.integerPoints;
        if (region.tooManyIntegerPoints) {
            text += " Punti interi: troppi per disegnarli.";
        } else if (points.empty()) {
            text += " Nessun punto intero.";
        } else if (points.size() > kListed) {
            text += " Punti interi: " + std::to_string(points.size()) + ".";
        } else {
            text += " Punti interi: ";
            for (std::size_t i = 0; i < points.size(); ++i) {
                text += (i ? ", " : "") + PointText(points[i], region.plane);
            }
            text += ".";
        }
    }
    return text;
}

std::string ConstraintEquation(const ExactProblem& problem, int row) {
    return Equation(problem, row, false);
}

std::string ConstraintLatex(const ExactProblem& problem, int row) {
    return Equation(problem, row, true);
}

}  // namespace simplesso
