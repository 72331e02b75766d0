#include "analysis_window.h"

#include <QHeaderView>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
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

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// A section's text: a screen reader reads it as the label's name, as a sighted user reads it.
QLabel* Text() {
    auto* label = new QLabel;
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

}  // namespace

AnalysisWindow::AnalysisWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle("Analisi di sensitività");
    prices_ = MakeTable(Q(sensitivity::kPricesHeading),
                        {"Vincolo", "Scarto", "Prezzo ombra", "Termine noto da", "Termine noto a"});
    coefficients_ = MakeTable(Q(sensitivity::kCoefficientsHeading),
                              {"Variabile", "Valore", "Costo ridotto", "Coefficiente da",
                               "Coefficiente a"});
    why_ = Text();
    why_->setWordWrap(true);
    dual_ = Text();
    slackness_ = Text();
    notes_ = new QWidget;
    notesLayout_ = new QVBoxLayout(notes_);
    notesLayout_->setContentsMargins(0, 0, 0, 0);

    content_ = new QWidget;
    auto* layout = new QVBoxLayout(content_);
    layout->setSizeConstraint(QLayout::SetMinimumSize);
    layout->addWidget(why_);
    notesHeading_ = Heading(Q(sensitivity::kNotesHeading));
    QLabel* headings[] = {Heading(Q(sensitivity::kPricesHeading)),
                          Heading(Q(sensitivity::kCoefficientsHeading)),
                          Heading(Q(sensitivity::kDualHeading)),
                          Heading(Q(sensitivity::kSlacknessHeading)), notesHeading_};
    QWidget* bodies[] = {prices_, coefficients_, dual_, slackness_, notes_};
    for (int i = 0; i < 5; ++i) {
        layout->addWidget(headings[i]);
        layout->addWidget(bodies[i]);
        sections_.push_back(headings[i]);
        sections_.push_back(bodies[i]);
    }
    layout->addStretch();
    scroll_ = new QScrollArea;
    scroll_->setWidget(content_);
    scroll_->setFrameShape(QFrame::NoFrame);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll_);
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
    std::vector<QLabel*> wrapped = {why_};
    for (QLabel* note : notes_->findChildren<QLabel*>()) {
        wrapped.push_back(note);
    }
    for (QLabel* label : wrapped) {
        label->setFixedSize(width, std::max(0, label->heightForWidth(width)));
    }
    content_->adjustSize();
    // The size of everything it shows, within the screen: past that it scrolls. Grown where it
    // stands, it moves up or left rather than run off the screen.
    const QRect available = screen()->availableGeometry();
    const QSize frame = frameGeometry().size() - size();
    resize(sizeHint().boundedTo(available.size() - frame));
    if (isVisible()) {
        QRect outer = frameGeometry();
        outer.moveRight(std::min(outer.right(), available.right()));
        outer.moveBottom(std::min(outer.bottom(), available.bottom()));
        move(outer.topLeft());
    }
}

QSize AnalysisWindow::sizeHint() const {
    const QSize content = content_->sizeHint().expandedTo(content_->size());
    const int bar = scroll_->verticalScrollBar()->sizeHint().width();
    return content + QSize(bar, 0);
}

void AnalysisWindow::ShowAnalysis(const sensitivity::Analysis& analysis) {
    const sensitivity::AnalysisText text = sensitivity::AnalysisRows(analysis);
    Fill(prices_, text.prices);
    Fill(coefficients_, text.coefficients);
    dual_->setText(Lines(text.dual));
    slackness_->setText(Lines(text.slackness));
    qDeleteAll(notes_->findChildren<QLabel*>(Qt::FindDirectChildrenOnly));
    for (const std::string& note : text.notes) {
        QLabel* label = Text();
        label->setWordWrap(true);
        label->setText(Q(note));
        notesLayout_->addWidget(label);
        label->show();  // a child added to a shown widget stays hidden until told
    }
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
    for (QLabel* label : {dual_, slackness_}) {
        label->clear();
    }
    qDeleteAll(notes_->findChildren<QLabel*>(Qt::FindDirectChildrenOnly));
    for (QWidget* section : sections_) {
        section->hide();
    }
    why_->setText(why);
    why_->show();
    FitWindow();
}

}  // namespace simplesso
