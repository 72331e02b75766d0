#include "shape.h"

#include "numbers.h"

namespace simplesso {
namespace {

std::string Name(char letter, int number) {
    return std::string(1, letter) + std::to_string(number);
}

// Whether a number's digits before any exponent hold one that is not zero: whether its value is
// not zero, however small it is.
bool IsNonZero(std::string_view text) {
    const std::string_view digits = text.substr(0, std::min(text.find_first_of("eE"), text.size()));
    return digits.find_first_of("123456789") != std::string_view::npos;
}

// A number, or a fraction of two as the lesson writes a Gomory cut's ("-3/20").
bool IsNumberOrFraction(std::string_view text, char separator) {
    const auto slash = text.find('/');
    return slash == std::string_view::npos
               ? IsNumber(text, separator)
               : IsNumber(text.substr(0, slash), separator) &&
                     IsNumber(text.substr(slash + 1), separator);
}

// A number with a minus sign that is not zero: negative even where it reads as zero in double
// precision.
bool IsNegative(std::string_view text, char separator) {
    return IsNumberOrFraction(text, separator) && text[text.find_first_not_of(' ')] == '-' &&
           IsNonZero(text);
}

}  // namespace

std::optional<int> TableauShape::GridColumn(std::string_view name) const {
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (columns[i].name == name) {
            return 2 + static_cast<int>(i);
        }
    }
    return std::nullopt;
}

std::string NegatedText(std::string_view text, char separator) {
    if (!IsNumberOrFraction(text, separator) || !IsNonZero(text)) {
        return std::string(text);
    }
    const std::size_t start = std::min(text.find_first_not_of(' '), text.size());
    std::string negated(text.substr(0, start));
    std::string_view rest = text.substr(start);
    if (rest.starts_with('-')) {
        rest.remove_prefix(1);
    } else {
        if (rest.starts_with('+')) {
            rest.remove_prefix(1);
        }
        negated += '-';
    }
    negated += rest;
    return negated;
}

TurnedProblem TurnRows(const ProblemTexts& typed, char separator, int firstDualRow) {
    TurnedProblem turned{typed, std::vector<bool>(typed.Rows(), false)};
    for (int r = 0; r < typed.Rows(); ++r) {
        const bool turns = r < firstDualRow ? IsNegative(typed.known[r], separator)
                                            : typed.sense[r] == Sense::GreaterEqual;
        if (!turns) {
            continue;
        }
        turned.turned[r] = true;
        for (std::string& text : turned.texts.constraint[r]) {
            text = NegatedText(text, separator);
        }
        turned.texts.known[r] = NegatedText(typed.known[r], separator);
        turned.texts.sense[r] = Reversed(typed.sense[r]);
    }
    return turned;
}

TableauShape InitialShape(const ProblemTexts& turned) {
    const int n = turned.Variables();
    const int m = turned.Rows();
    TableauShape shape;
    shape.variables = n;
    shape.basis.resize(m);  // each row's entry is set below
    for (int v = 0; v < n; ++v) {
        shape.columns.push_back({Name('x', v + 1), ColumnKind::Decision, -1, v});
    }
    for (int r = 0; r < m; ++r) {
        const Sense sense = turned.sense[r];
        if (sense != Sense::Equal) {
            const ColumnKind kind =
                sense == Sense::LessEqual ? ColumnKind::Slack : ColumnKind::Surplus;
            shape.columns.push_back({Name('x', n + r + 1), kind, r, n + r});
            if (sense == Sense::LessEqual) {
                shape.basis[r] = static_cast<int>(shape.columns.size()) - 1;
            }
        }
    }
    for (int r = 0; r < m; ++r) {
        if (turned.sense[r] != Sense::LessEqual) {
            shape.phase = Phase::First;
            shape.columns.push_back({Name('a', r + 1), ColumnKind::Artificial, r, n + m + r});
            shape.basis[r] = static_cast<int>(shape.columns.size()) - 1;
        }
    }
    return shape;
}

int IdentityEntry(const TableauColumn& column, int row) {
    if (column.row != row) {
        return 0;
    }
    return column.kind == ColumnKind::Surplus ? -1 : 1;
}

std::optional<int> FixedCost(const TableauColumn& column, Phase phase) {
    if (phase == Phase::First) {
        return column.kind == ColumnKind::Artificial ? 1 : 0;
    }
    if (column.kind == ColumnKind::Decision) {
        return std::nullopt;
    }
    return 0;
}

TableauShape WithoutArtificials(const TableauShape& shape) {
    TableauShape second{Phase::Second, shape.variables, {}, shape.basis};
    for (const TableauColumn& column : shape.columns) {
        if (column.kind != ColumnKind::Artificial) {
            second.columns.push_back(column);
        }
    }
    return second;
}

}  // namespace simplesso
