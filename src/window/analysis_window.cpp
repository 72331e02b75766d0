#include "analysis_window.h"

#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

namespace simplesso {

namespace {

QString Lines(const std::vector<std::string>& lines) {
    QStringList list;
    for (const auto& line : lines) {
        list << QString::fromStdString(line);
    }
    return list.join('\n');
}

QLabel* Heading(const QString& text) {
    auto* label = new QLabel(text);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

QLabel* Text(const QString& name) {
    auto* label = new QLabel;
    label->setAccessibleName(name);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

}  // namespace

AnalysisWindow::AnalysisWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle("Analisi di sensitività");
    prices_ = MakeTable("Prezzi ombra",
                        {"Vincolo", "Scarto", "Prezzo ombra", "Termine noto da", "Termine noto a"});
    coefficients_ = MakeTable("Coefficienti", {"Variabile", "Valore", "Costo ridotto",
                                               "Coefficiente da", "Coefficiente a"});
    why_ = Text("Analisi non disponibile");
    why_->setWordWrap(true);
    dual_ = Text("Problema duale");
    slackness_ = Text("Scarti complementari");
    notes_ = Text("Note");
    notes_->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetMinimumSize);
    layout->addWidget(why_);
    notesHeading_ = Heading("Note");
    QLabel* headings[] = {Heading("Prezzi ombra"), Heading("Coefficienti"),
                          Heading("Problema duale"), Heading("Scarti complementari"),
                          notesHeading_};
    QWidget* bodies[] = {prices_, coefficients_, dual_, slackness_, notes_};
    for (int i = 0; i < 5; ++i) {
        layout->addWidget(headings[i]);
        layout->addWidget(bodies[i]);
        sections_.push_back(headings[i]);
        sections_.push_back(bodies[i]);
    }
    layout->addStretch();
    Clear("Nessuna lezione è ancora arrivata all'ottimo.");
}

QTableWidget* AnalysisWindow::MakeTable(const QString& name,
                                        const std::vector<std::string>& header) {
    auto* table = new QTableWidget(0, static_cast<int>(header.size()));
    table->setAccessibleName(name);
    QStringList labels;
    for (const auto& h : header) {
        labels << QString::fromStdString(h);
    }
    table->setHorizontalHeaderLabels(labels);
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    return table;
}

void AnalysisWindow::Fill(QTableWidget* table, const sensitivity::AnalysisTable& rows) {
    table->setRowCount(static_cast<int>(rows.cells.size()));
    for (int r = 0; r < table->rowCount(); ++r) {
        for (int c = 0; c < table->columnCount(); ++c) {
            auto* item = new QTableWidgetItem(QString::fromStdString(rows.cells[r][c]));
            item->setToolTip(QString::fromStdString(rows.tips[r][c]));
            item->setTextAlignment(c == 0 ? Qt::AlignLeft | Qt::AlignVCenter
                                          : Qt::AlignRight | Qt::AlignVCenter);
            table->setItem(r, c, item);
        }
    }
    FitToContents(table);
    // No cell is current until the student picks one: a dotted frame would single one out.
    table->setCurrentItem(nullptr);
}

// The whole table at once, without scroll bars: its size follows its texts, so that nothing is
// cut off whatever the font and the scale.
void AnalysisWindow::FitToContents(QTableWidget* table) {
    table->resizeColumnsToContents();
    table->resizeRowsToContents();
    // A symbol such as "≤" may come from a fallback face wider than the metrics say: a
    // character's room on each column keeps it off the grid line.
    const int room = table->fontMetrics().averageCharWidth();
    const int frame = 2 * table->frameWidth();
    int width = frame;
    for (int c = 0; c < table->columnCount(); ++c) {
        table->setColumnWidth(c, table->columnWidth(c) + room);
        width += table->columnWidth(c);
    }
    int height = frame + table->horizontalHeader()->sizeHint().height();
    for (int r = 0; r < table->rowCount(); ++r) {
        height += table->rowHeight(r);
    }
    table->setFixedSize(width, height);
}

void AnalysisWindow::FitWindow() {
    // Long notes wrap at the width of the widest table rather than stretching the window, and
    // take the height they need there: a layout would not grow for a wrapped text on its own.
    const int width = std::max(prices_->width(), coefficients_->width());
    for (QLabel* label : {notes_, why_}) {
        label->setFixedSize(width, std::max(0, label->heightForWidth(width)));
    }
    adjustSize();
}

void AnalysisWindow::ShowAnalysis(const sensitivity::Analysis& analysis) {
    const sensitivity::AnalysisText text = sensitivity::AnalysisRows(analysis);
    Fill(prices_, text.prices);
    Fill(coefficients_, text.coefficients);
    dual_->setText(Lines(text.dual));
    slackness_->setText(Lines(text.slackness));
    notes_->setText(Lines(text.notes));
    for (QWidget* section : sections_) {
        section->show();
    }
    notes_->setVisible(!text.notes.empty());
    notesHeading_->setVisible(!text.notes.empty());
    why_->clear();
    why_->hide();
    FitWindow();
}

void AnalysisWindow::Clear(const QString& why) {
    for (QTableWidget* table : {prices_, coefficients_}) {
        table->setRowCount(0);
        FitToContents(table);
    }
    for (QLabel* label : {dual_, slackness_, notes_}) {
        label->clear();
    }
    for (QWidget* section : sections_) {
        section->hide();
    }
    why_->setText(why);
    why_->show();
    FitWindow();
}

}  // namespace simplesso
