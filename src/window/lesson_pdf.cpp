#include "lesson_pdf.h"

#include "analysis_text.h"
#include "appearance.h"
#include "region_painter.h"
#include "tree_painter.h"

#include <QFontMetrics>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <functional>
#include <array>
#include <utility>
#include <vector>

namespace simplesso {
namespace {

constexpr int kResolution = 300;  // dots per inch of the page's coordinates

int Mm(double mm) {
    return qRound(mm * kResolution / 25.4);
}

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

QFont TextFont(double points, bool bold = false, bool italic = false) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

// The window's colours: the classic button face of the header band, the pivot's cyan.
const QColor kHeaderBand(0xD4, 0xD0, 0xC8);
const QColor kPivot(0x00, 0xFF, 0xFF);
const QColor kRule(0x90, 0x90, 0x90);
const QColor kWarning(0x9C, 0x1C, 0x1C);

struct Line {
    QString text;
    QFont font;
    int spaceBefore = 0;
    int indent = 0;
    QColor colour = Qt::black;
};

// One set of column widths for every tableau of the lesson, so that columns stay put from one
// press to the next; narrowed in proportion only if the page is too narrow for them.
struct TableLayout {
    std::vector<int> widths;  // as many as the widest tableau has columns
    int natural = 0;          // the width every text would need
    int rowHeight = 0;
    int padding = Mm(1.5);
    double points = 9;        // the cells' face

    int Left(int col) const {
        int x = 0;
        for (int c = 0; c < col; ++c) {
            x += widths[c];
        }
        return x;
    }
    int Height(const Tableau& tableau) const {
        return rowHeight * static_cast<int>(tableau.cells.size());
    }
};

TableLayout MeasureTables(const LessonDocument& document, QPaintDevice* device, int pageWidth,
                          double points) {
    TableLayout layout;
    layout.points = points;
    const auto CellFont = [points](bool bold) { return TextFont(points, bold); };
    std::size_t cols = Grid::kCols;
    for (const LessonSection& section : document.sections) {
        cols = std::max(cols, section.tableau.cells[0].size());
    }
    layout.widths.assign(cols, Mm(11));
    for (const LessonSection& section : document.sections) {
        for (const auto& row : section.tableau.cells) {
            for (std::size_t c = 0; c < row.size(); ++c) {
                // A millimetre to spare: the advance is rounded, elision is not.
                const QFontMetrics metrics(CellFont(row[c].bold), device);
                const int text = metrics.horizontalAdvance(Q(row[c].text));
                layout.widths[c] = std::max(layout.widths[c], text + 2 * layout.padding + Mm(1));
            }
        }
    }
    // The number columns share one width, as they do on screen.
    const int numbers =
        *std::max_element(layout.widths.begin() + Grid::kFixedCols, layout.widths.end());
    std::fill(layout.widths.begin() + Grid::kFixedCols, layout.widths.end(), numbers);
    // Too wide for the page: the number columns share what the labels leave, and a number that
    // then does not fit is shortened as on screen. The labels are never cut.
    layout.natural = layout.Left(static_cast<int>(cols));
    if (layout.natural > pageWidth) {
        const int labels = layout.Left(Grid::kFixedCols);
        const int each = (pageWidth - labels) / static_cast<int>(cols - Grid::kFixedCols);
        std::fill(layout.widths.begin() + Grid::kFixedCols, layout.widths.end(), each);
    }
    layout.rowHeight = QFontMetrics(CellFont(true), device).height() + Mm(1.4);
    return layout;
}

Qt::Alignment AlignmentOf(HorizontalAlignment alignment) {
    switch (alignment) {
        case HorizontalAlignment::Left:
            return Qt::AlignLeft | Qt::AlignVCenter;
        case HorizontalAlignment::Right:
            return Qt::AlignRight | Qt::AlignVCenter;
        case HorizontalAlignment::Centre:
            break;
    }
    return Qt::AlignHCenter | Qt::AlignVCenter;
}

// Lays the lesson out from top to bottom; a block that does not fit in what is left of the page
// starts the next one, so a tableau is never split.
class Pages {
  public:
    Pages(QPdfWriter& writer, QPainter& painter, const TableLayout& table)
        : writer_(writer),
          painter_(painter),
          table_(table),
          page_(writer.pageLayout().paintRectPixels(kResolution).size()) {}

    int Width() const { return page_.width(); }
    int Height() const { return page_.height(); }

    void Block(const std::vector<Line>& above, const Tableau* tableau,
               const std::vector<Line>& below) {
        Fit(Height(above) + (tableau ? table_.Height(*tableau) + Mm(2) : 0) + Height(below));
        Draw(above);
        if (tableau) {
            y_ += Mm(2);
            DrawTable(*tableau);
        }
        Draw(below);
    }

    // A figure of the given height under its heading, drawn by `paint` into its rectangle.
    void Figure(const std::vector<Line>& above, int height,
                const std::function<void(QPainter&, const QRect&)>& paint) {
        Fit(Height(above) + height);
        Draw(above);
        painter_.save();
        paint(painter_, QRect(0, y_, page_.width(), height));
        painter_.restore();
        y_ += height;
    }

    // A table of texts under its heading, the header row in bold: the first column wider, the
    // others sharing the rest of the page.
    void TextTable(const std::vector<Line>& above, const std::vector<std::string>& header,
                   const std::vector<std::vector<std::string>>& rows) {
        const int rowHeight = table_.rowHeight;
        Fit(Height(above) + rowHeight * static_cast<int>(rows.size() + 1) + Mm(2));
        Draw(above);
        y_ += Mm(2);
        const int first = page_.width() * 2 / 7;
        const int other = (page_.width() - first) / std::max<int>(1, header.size() - 1);
        const auto draw = [&](const std::vector<std::string>& cells, bool bold) {
            int x = 0;
            for (std::size_t c = 0; c < cells.size(); ++c) {
                const int width = c == 0 ? first : other;
                const QRect box(x, y_, width, rowHeight);
                painter_.setBrush(bold ? kHeaderBand : QColor(Qt::white));
                painter_.setPen(QPen(kRule, Mm(0.15)));
                painter_.drawRect(box);
                painter_.setPen(Qt::black);
                painter_.setFont(TextFont(table_.points, bold));
                const QRect inside = box.adjusted(table_.padding, 0, -table_.padding, 0);
                painter_.drawText(
                    inside, Qt::AlignVCenter | (c == 0 ? Qt::AlignLeft : Qt::AlignHCenter),
                    FittedText(Q(cells[c]), painter_.fontMetrics(), inside.width()));
                x += width;
            }
            y_ += rowHeight;
        };
        draw(header, true);
        for (const auto& row : rows) {
            draw(row, false);
        }
    }

  private:
    int Height(const Line& line) const {
        const QFontMetrics metrics(line.font, &writer_);
        const QRect bounds(0, 0, page_.width() - line.indent, page_.height());
        return line.spaceBefore +
               metrics.boundingRect(bounds, Qt::TextWordWrap, line.text).height();
    }

    int Height(const std::vector<Line>& lines) const {
        int height = 0;
        for (const Line& line : lines) {
            height += Height(line);
        }
        return height;
    }

    void Fit(int height) {
        if (y_ > 0 && y_ + height > page_.height()) {
            writer_.newPage();
            y_ = 0;
        }
    }

    void Draw(const std::vector<Line>& lines) {
        for (const Line& line : lines) {
            const int height = Height(line);
            painter_.setFont(line.font);
            painter_.setPen(line.colour);
            const QRect box(line.indent, y_ + line.spaceBefore, page_.width() - line.indent,
                            height - line.spaceBefore);
            painter_.drawText(box, Qt::TextWordWrap, line.text);
            y_ += height;
        }
    }

    void DrawTable(const Tableau& tableau) {
        painter_.setPen(QPen(kRule, Mm(0.15)));
        for (int r = 0; r < static_cast<int>(tableau.cells.size()); ++r) {
            for (int c = 0; c < static_cast<int>(tableau.cells[r].size()); ++c) {
                DrawCell(tableau.cells[r][c], Cell(r, c), tableau.pivot == PivotCell{r, c});
            }
        }
        if (tableau.pivot) {
            painter_.setPen(QPen(Qt::black, Mm(0.4)));
            painter_.setBrush(Qt::NoBrush);
            painter_.drawRect(Cell(tableau.pivot->row, tableau.pivot->col));
        }
        y_ += table_.Height(tableau);
    }

    QRect Cell(int row, int col) const {
        return QRect(table_.Left(col), y_ + row * table_.rowHeight, table_.widths[col],
                     table_.rowHeight);
    }

    void DrawCell(const TableCell& cell, const QRect& box, bool pivot) {
        const QColor fill = pivot ? kPivot : cell.header ? kHeaderBand : QColor(Qt::white);
        painter_.setBrush(fill);
        painter_.setPen(QPen(kRule, Mm(0.15)));
        painter_.drawRect(box);
        painter_.setPen(Qt::black);
        painter_.setFont(TextFont(table_.points, cell.bold));
        const QRect inside = box.adjusted(table_.padding, 0, -table_.padding, 0);
        painter_.drawText(inside, AlignmentOf(cell.alignment),
                          FittedText(Q(cell.text), painter_.fontMetrics(), inside.width()));
    }

    QPdfWriter& writer_;
    QPainter& painter_;
    const TableLayout& table_;
    QSize page_;
    int y_ = 0;
};

std::vector<Line> Lines(const std::vector<std::string>& texts, const QFont& font, int firstSpace,
                        int indent = 0) {
    std::vector<Line> lines;
    for (const std::string& text : texts) {
        lines.push_back({Q(text), font, lines.empty() ? firstSpace : Mm(0.8), indent});
    }
    return lines;
}

void WriteProblem(Pages& pages, const LessonDocument& document) {
    const ProblemStatement& problem = document.problem;
    std::vector<Line> lines{{Q(document.title), TextFont(16, true)},
                            {Q(kProblemHeading), TextFont(12, true), Mm(6)},
                            {Q(ObjectiveText(problem)), TextFont(10), Mm(3), Mm(6)},
                            {Q(kSubjectTo), TextFont(10), Mm(1.5), Mm(6)}};
    for (int r = 0; r < static_cast<int>(problem.left.size()); ++r) {
        lines.push_back({Q(ConstraintText(problem, r)), TextFont(10), Mm(1), Mm(12)});
    }
    lines.push_back({Q(NonNegativityText(problem.variables)), TextFont(10), Mm(1), Mm(12)});
    for (const std::string& turned : problem.turned) {
        lines.push_back({Q(turned), TextFont(10), Mm(1.5), Mm(6)});
    }
    pages.Block(lines, nullptr, {});
}

void WriteRegion(Pages& pages, const LessonDocument& document) {
    if (!document.region) {
        return;
    }
    pages.Figure({{Q(kRegionHeading), TextFont(12, true), Mm(8)}}, Mm(120),
                 [&](QPainter& painter, const QRect& box) {
                     PaintRegion(painter, QRectF(box.adjusted(0, Mm(2), 0, 0)), *document.region,
                                 ViewAngles{}, document.pathApproximate);
                 });
}

// The tree drawn at the text's size where it fits the page, scaled down where it does not, then
// in words.
void WriteTree(Pages& pages, const LessonDocument& document, const QPdfWriter& writer) {
    if (!document.branchAndBound) {
        return;
    }
    const QFont font = TextFont(8);
    const integer::TreeFigure figure = LayTreeFor(*document.branchAndBound, font, &writer);
    const double scale =
        std::min({1.0, pages.Width() / std::max(figure.width, 1.0),
                  (pages.Height() - Mm(30)) / std::max(figure.height, 1.0)});
    pages.Figure({{Q(kBranchHeading), TextFont(12, true), Mm(8)}},
                 static_cast<int>(figure.height * scale) + Mm(4),
                 [&](QPainter& painter, const QRect& box) {
                     painter.translate(box.left() + (box.width() - figure.width * scale) / 2,
                                       box.top() + Mm(2));
                     painter.scale(scale, scale);
                     PaintTree(painter, QPointF(0, 0), figure, font);
                 });
    pages.Block({}, nullptr, Lines(document.branchAndBound->Lines(), TextFont(10), Mm(2.5)));
}

void WriteAnalysis(Pages& pages, const LessonDocument& document) {
    if (!document.analysis) {
        return;
    }
    const sensitivity::AnalysisText text = sensitivity::AnalysisRows(*document.analysis);
    const auto heading = [](const std::string& title) {
        return Line{Q(title), TextFont(11, true), Mm(4)};
    };
    // Each heading is laid out with what follows it, so that it never ends a page alone.
    pages.TextTable({{Q(kAnalysisHeading), TextFont(12, true), Mm(8)},
                     heading(sensitivity::kPricesHeading)},
                    text.prices.header, text.prices.cells);
    pages.TextTable({heading(sensitivity::kCoefficientsHeading)}, text.coefficients.header,
                    text.coefficients.cells);
    const std::pair<const std::string*, const std::vector<std::string>*> sections[] = {
        {&sensitivity::kDualHeading, &text.dual},
        {&sensitivity::kSlacknessHeading, &text.slackness},
        {&sensitivity::kNotesHeading, &text.notes}};
    for (const auto& [title, lines] : sections) {
        if (!lines->empty()) {
            std::vector<Line> block{heading(*title)};
            const auto body = Lines(*lines, TextFont(10), Mm(1.5));
            block.insert(block.end(), body.begin(), body.end());
            pages.Block(block, nullptr, {});
        }
    }
}

void WriteSection(Pages& pages, const LessonSection& section) {
    // A phase's heading goes on the page of its first tableau.
    std::vector<Line> above;
    if (!section.phase.empty()) {
        above.push_back({Q(section.phase), TextFont(14, true), Mm(10)});
    }
    above.push_back({Q(section.heading), TextFont(12, true), Mm(8)});
    pages.Block(above, &section.tableau, Lines(section.explanation, TextFont(10), Mm(2.5)));
    for (const Notice& notice : section.notices) {
        const QColor colour = notice.warning ? kWarning : QColor(Qt::black);
        std::vector<Line> lines{
            {Q(notice.title), TextFont(10, true, !notice.warning), Mm(2.5), 0, colour}};
        const auto body = Lines(notice.lines, TextFont(10), Mm(0.8), Mm(4));
        lines.insert(lines.end(), body.begin(), body.end());
        pages.Block(lines, nullptr, {});
    }
}

}  // namespace

bool WriteLessonPdf(const LessonDocument& document, QIODevice& out) {
    QPdfWriter writer(&out);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(20, 18, 20, 18), QPageLayout::Millimeter);
    writer.setResolution(kResolution);
    writer.setTitle(Q(document.title));
    writer.setCreator(QStringLiteral("Simplesso didattico"));
    // A tableau wider than a portrait page turns the pages to landscape; one wider still sets
    // its cells in a smaller face, down to 6.5 points; past that its numbers are shortened.
    const auto width = [&] { return writer.pageLayout().paintRectPixels(kResolution).width(); };
    TableLayout table = MeasureTables(document, &writer, width(), 9);
    if (table.natural > width()) {
        writer.setPageOrientation(QPageLayout::Landscape);
        table = MeasureTables(document, &writer, width(), 9);
    }
    if (table.natural > width()) {
        table = MeasureTables(document, &writer, width(),
                              std::max(6.5, 9.0 * width() / table.natural));
    }
    QPainter painter;
    if (!painter.begin(&writer)) {
        return false;
    }
    Pages pages(writer, painter, table);
    WriteProblem(pages, document);
    WriteRegion(pages, document);
    for (const LessonSection& section : document.sections) {
        WriteSection(pages, section);
    }
    pages.Block({{Q(kOutcomeHeading), TextFont(12, true), Mm(8)}}, nullptr,
                Lines(document.outcome, TextFont(10), Mm(2.5)));
    WriteAnalysis(pages, document);
    WriteTree(pages, document, writer);
    return painter.end();
}

}  // namespace simplesso
