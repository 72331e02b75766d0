#include "latex.h"

#include <map>
#include <utility>
#include <vector>

#include "analysis_text.h"
#include "region_tikz.h"
#include "tree_tikz.h"

namespace simplesso {
namespace {

// Characters beyond ASCII that the base fonts hold only through a command.
const std::map<char32_t, std::string>& Symbols() {
    static const std::map<char32_t, std::string> symbols{
        {0x00A0, "~"},        {0x00AB, "``"},        {0x00B0, "$^\\circ$"}, {0x00B1, "$\\pm$"},
        {0x00B7, "$\\cdot$"}, {0x00BB, "''"},        {0x00D7, "$\\times$"}, {0x00F7, "$\\div$"},
        {0x2013, "--"},       {0x2014, "---"},       {0x2018, "`"},         {0x2019, "'"},
        {0x201C, "``"},       {0x201D, "''"},        {0x2026, "\\dots{}"},  {0x2192, "$\\to$"},
        {0x2212, "$-$"},      {0x221E, "$\\infty$"}, {0x2260, "$\\neq$"},   {0x2264, "$\\leq$"},
        {0x2265, "$\\geq$"},      {0x03B2, "$\\beta$"},
    };
    return symbols;
}

std::string Ascii(char c) {
    switch (c) {
        case '\\':
            return "$\\backslash$";
        case '{':
        case '}':
        case '$':
        case '&':
        case '#':
        case '_':
        case '%':
            return std::string{'\\', c};
        case '~':
            return "\\~{}";
        case '^':
            return "\\^{}";
        case '<':
        case '>':
        case '|':
            return std::string{'$', c, '$'};
        case '"':
            return "''";
        default:
            break;
    }
    return std::string(1, static_cast<unsigned char>(c) < 0x20 ? ' ' : c);
}

// Latin-1 letters that the base fonts build from an accent and a letter; eth and thorn they lack.
bool AccentedLetter(char32_t c) {
    return c >= 0xC0 && c <= 0xFF && c != 0xD0 && c != 0xDE && c != 0xF0 && c != 0xFE &&
           c != 0xD7 && c != 0xF7;
}

// Decodes one UTF-8 sequence at text[i]; a malformed one is a single unknown character.
char32_t Decode(std::string_view text, std::size_t& i, std::size_t& length) {
    const auto lead = static_cast<unsigned char>(text[i]);
    length = lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    char32_t c = lead & (0x7F >> length);
    if (lead < 0xC2 || lead > 0xF4 || i + length > text.size()) {
        length = 1;
        return 0xFFFD;
    }
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[i + k]);
        if ((next & 0xC0) != 0x80) {
            length = 1;
            return 0xFFFD;
        }
        c = (c << 6) | (next & 0x3F);
    }
    return c;
}

std::string Bold(const std::string& text) {
    return "\\textbf{" + text + "}";
}

// A number in math: kept in text mode so that "1E-30" and "2,5" read as typed.
std::string MathTerm(const Term& term) {
    std::string out;
    if (!term.magnitude.empty()) {
        out += "\\mbox{" + LatexEscaped(term.magnitude) + "}";
    }
    if (term.variable.size() == 2) {
        out += (out.empty() ? "" : "\\,") + std::string("x_{") + term.variable[1] + "}";
    }
    return out;
}

std::string MathExpression(const Expression& expression) {
    if (expression.empty()) {
        return "0";
    }
    std::string out = expression.front().negative ? "-" : "";
    for (std::size_t i = 0; i < expression.size(); ++i) {
        if (i > 0) {
            out += expression[i].negative ? " - " : " + ";
        }
        out += MathTerm(expression[i]);
    }
    return out;
}

std::string ProblemLatex(const ProblemStatement& problem) {
    std::string out =
        "\\subsection*{" + LatexEscaped(kProblemHeading) + "}\n\\[\n\\begin{array}{l}\n";
    out += std::string(problem.direction == Direction::Minimise ? "\\min" : "\\max") + " Z = " +
           MathExpression(problem.objective) + "\\\\\n";
    out += "\\mbox{" + LatexEscaped(kSubjectTo) + "}\\\\\n";
    for (int r = 0; r < static_cast<int>(problem.left.size()); ++r) {
        const Term& right = problem.right[r];
        const char* sense = problem.sense[r] == Sense::GreaterEqual ? " \\geq "
                            : problem.sense[r] == Sense::Equal      ? " = "
                                                                    : " \\leq ";
        out += "\\quad " + MathExpression(problem.left[r]) + sense +
               (right.negative ? "-" : "") + MathTerm(right) + "\\\\\n";
    }
    out += "\\quad ";
    for (int v = 1; v <= problem.variables; ++v) {
        out += (v > 1 ? ",\\ " : "") + std::string("x_{") + std::to_string(v) + "}";
    }
    out += " \\geq 0\n\\end{array}\n\\]\n";
    for (const std::string& line : problem.turned) {
        out += LatexEscaped(line) + "\\par\n";
    }
    return out;
}

std::string CellLatex(const TableCell& cell, bool pivot, int col) {
    std::string text = LatexEscaped(cell.text);
    if (cell.text.starts_with('-')) {
        text = "$-$" + text.substr(1);
    }
    if (cell.bold) {
        text = Bold(text);
    }
    if (pivot) {
        text = "\\fcolorbox{black}{pivot}{\\strut " + text + "}";
    }
    if (cell.alignment == HorizontalAlignment::Centre) {
        return text;
    }
    const char* column = cell.alignment == HorizontalAlignment::Left ? "l" : "r";
    return "\\multicolumn{1}{" + std::string(column) + (col == 1 ? "|" : "") + "}{" + text + "}";
}

std::string TableauLatex(const Tableau& tableau) {
    const std::size_t cols = tableau.cells[0].size();
    std::string out = "{\\small\n\\begin{tabular}{cc|" + std::string(cols - 2, 'c') + "}\n";
    for (int r = 0; r < static_cast<int>(tableau.cells.size()); ++r) {
        for (int c = 0; c < static_cast<int>(cols); ++c) {
            const bool pivot = tableau.pivot == PivotCell{r, c};
            out += (c > 0 ? " & " : "") + CellLatex(tableau.cells[r][c], pivot, c);
        }
        out += r == 0 ? " \\\\ \\hline\n" : " \\\\\n";
    }
    return out + "\\end{tabular}}\n";
}

// A table of the analysis, headers in bold, every cell escaped.
std::string AnalysisTableLatex(const sensitivity::AnalysisTable& table) {
    std::string out = "\\par\\smallskip\\noindent{\\small\\begin{tabular}{l" +
                      std::string(table.header.size() - 1, 'c') + "}\n";
    for (std::size_t i = 0; i < table.header.size(); ++i) {
        out += (i > 0 ? " & " : "") + Bold(LatexEscaped(table.header[i]));
    }
    out += " \\\\ \\hline\n";
    for (const auto& row : table.cells) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            out += (i > 0 ? " & " : "") + LatexEscaped(row[i]);
        }
        out += " \\\\\n";
    }
    return out + "\\end{tabular}}\n";
}

std::string AnalysisLatex(const sensitivity::Analysis& analysis) {
    const sensitivity::AnalysisText text = sensitivity::AnalysisRows(analysis);
    const auto heading = [](const std::string& title) {
        return "\\subsubsection*{" + LatexEscaped(title) + "}\n";
    };
    std::string out = "\\subsection*{" + LatexEscaped(kAnalysisHeading) + "}\n";
    out += heading(sensitivity::kPricesHeading) + AnalysisTableLatex(text.prices);
    out += heading(sensitivity::kCoefficientsHeading) + AnalysisTableLatex(text.coefficients);
    const std::pair<const std::string*, const std::vector<std::string>*> sections[] = {
        {&sensitivity::kDualHeading, &text.dual},
        {&sensitivity::kSlacknessHeading, &text.slackness},
        {&sensitivity::kNotesHeading, &text.notes}};
    for (const auto& [title, lines] : sections) {
        if (lines->empty()) {
            continue;
        }
        out += heading(*title);
        for (const std::string& line : *lines) {
            out += LatexEscaped(line) + "\\par\n";
        }
    }
    return out;
}

std::string NoticeLatex(const Notice& notice) {
    // A warning's title stands out as its message box does with its icon.
    // "Attenzione!" ends in its own mark; "Fine" takes a colon.
    const bool marked = notice.title.ends_with('!') || notice.title.ends_with(':');
    const std::string title = LatexEscaped(notice.title) + (marked ? "" : ":");
    std::string out = "\\par\\smallskip\\noindent" +
                      (notice.warning ? Bold(title) : "\\textit{" + title + "}") + " ";
    for (std::size_t i = 0; i < notice.lines.size(); ++i) {
        out += (i > 0 ? "\\\\\n" : "") + LatexEscaped(notice.lines[i]);
    }
    return out + "\n";
}

// The heading, the tableau and its explanation share one minipage, which never splits.
std::string SectionLatex(const LessonSection& section) {
    std::string out;
    if (!section.phase.empty()) {
        out += "\\subsection*{" + LatexEscaped(section.phase) + "}\n";
    }
    out +=
        "\\par\\bigskip\\noindent\\begin{minipage}{\\linewidth}\n{\\large\\bfseries " +
        LatexEscaped(section.heading) + "}\\par\\smallskip\n";
    out += TableauLatex(section.tableau);
    for (const std::string& line : section.explanation) {
        out += "\\par\\smallskip " + LatexEscaped(line) + "\n";
    }
    out += "\\end{minipage}\n";
    for (const Notice& notice : section.notices) {
        out += NoticeLatex(notice);
    }
    return out;
}

}  // namespace

std::string LatexEscaped(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        if (static_cast<unsigned char>(text[i]) < 0x80) {
            out += Ascii(text[i++]);
            continue;
        }
        std::size_t length = 1;
        const char32_t c = Decode(text, i, length);
        if (AccentedLetter(c)) {
            out += text.substr(i, length);
        } else if (const auto symbol = Symbols().find(c); symbol != Symbols().end()) {
            out += symbol->second;
        } else {
            out += '?';
        }
        i += length;
    }
    return out;
}

std::string LessonLatex(const LessonDocument& document) {
    std::string out =
        "\\documentclass[a4paper,11pt]{article}\n"
        "\\usepackage[utf8]{inputenc}\n"
        "\\usepackage[margin=2cm]{geometry}\n"
        "\\usepackage{color}\n" +
        std::string(document.region || document.branchAndBound ? "\\usepackage{tikz}\n" : "") +
        std::string(document.branchAndBound ? "\\usepackage{graphicx}\n" : "") +
        "\\definecolor{pivot}{rgb}{0,1,1}\n"
        "\\setlength{\\parindent}{0pt}\n"
        "\\setlength{\\tabcolsep}{5pt}\n"
        "\\setlength{\\fboxsep}{1.5pt}\n"
        "\\begin{document}\n";
    out += "\\section*{" + LatexEscaped(document.title) + "}\n";
    out += ProblemLatex(document.problem);
    if (document.region) {
        out += "\\subsection*{" + LatexEscaped(kRegionHeading) + "}\n\\begin{center}\n" +
               RegionTikz(*document.region, ViewAngles{}, document.pathApproximate) +
               "\\end{center}\n";
    }
    for (const LessonSection& section : document.sections) {
        out += SectionLatex(section);
    }
    out += "\\subsection*{" + LatexEscaped(kOutcomeHeading) + "}\n";
    for (const std::string& line : document.outcome) {
        out += LatexEscaped(line) + "\\par\n";
    }
    if (document.analysis) {
        out += AnalysisLatex(*document.analysis);
    }
    if (document.branchAndBound) {
        out += "\\subsection*{" + LatexEscaped(kBranchHeading) + "}\n\\begin{center}\n" +
               TreeTikz(*document.branchAndBound) + "\\end{center}\n";
        for (const std::string& line : document.branchAndBound->Lines()) {
            out += LatexEscaped(line) + "\\par\n";
        }
    }
    return out + "\\end{document}\n";
}

}  // namespace simplesso
