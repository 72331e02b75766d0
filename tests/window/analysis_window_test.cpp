// The analysis window on the worked example's optimum, on one with a note and on one of two
// variables and four constraints: both tables read by their accessible names, a tooltip,
// nothing cut off, and emptying it.
#include <gtest/gtest.h>

#include <QTest>
#include <QtWidgets>

#include "analysis_window.h"
#include "exact_problem.h"
#include "recording_window.h"

namespace simplesso {
namespace {

QTableWidget* Table(const QWidget& w, const QString& name) {
    for (auto* t : w.findChildren<QTableWidget*>()) {
        if (t->accessibleName() == name) {
            return t;
        }
    }
    return nullptr;
}

// The cells of each row joined by "; ", the rows by " | ".
QString Cells(const QTableWidget& t) {
    QStringList rows;
    for (int r = 0; r < t.rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < t.columnCount(); ++c) {
            cells << t.item(r, c)->text();
        }
        rows << cells.join("; ");
    }
    return rows.join(" | ");
}

// Every table shows all its sections, every visible text has its room, and one says `text`.
void ExpectUnclippedWith(const QWidget& w, const QString& text) {
    for (auto* t : w.findChildren<QTableWidget*>()) {
        EXPECT_LE(t->horizontalHeader()->length(), t->viewport()->width());
        EXPECT_LE(t->verticalHeader()->length(), t->viewport()->height());
    }
    bool found = false;
    for (auto* l : w.findChildren<QLabel*>()) {
        if (l->isVisible()) {
            found = found || l->text().startsWith(text);
            EXPECT_GE(l->width(), l->wordWrap() ? 0 : l->sizeHint().width());
            EXPECT_GE(l->height(),
                      l->wordWrap() ? l->heightForWidth(l->width()) : l->sizeHint().height())
                << l->text().toStdString();
        }
    }
    EXPECT_TRUE(found) << text.toStdString();
}

sensitivity::Analysis Analysed(const ProblemTexts& texts, const sensitivity::FinalBasis& basis) {
    return sensitivity::Analyse(*ReadExactProblem(texts, '.'), basis).value();
}

TEST(AnalysisWindow, ShowsTheWorkedExamplesAnalysisANoteAndEmptiesSayingWhy) {
    AnalysisWindow w;
    w.ShowAnalysis(Analysed(testing_support::Typed("4 6 2 0 / 2 1 3 18 / 1 2 4 8 / 3 1 1 15"),
                            {sensitivity::SlackIndex(3, 0), 1, 0}));
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    EXPECT_EQ(w.windowTitle(), "Analisi di sensitività");
    EXPECT_TRUE(w.isWindow() && !w.isModal());
    QTableWidget* prices = Table(w, "Prezzi ombra");
    QTableWidget* coefficients = Table(w, "Coefficienti");
    ASSERT_TRUE(prices && coefficients);
    EXPECT_EQ(prices->horizontalHeaderItem(4)->text(), "Termine noto a");
    EXPECT_EQ(Cells(*prices),
              "1: 2 x1 + x2 + 3 x3 ≤ 18; 37/5; 0; 53/5; +∞ | 2: x1 + 2 x2 + 4 x3 ≤ 8; 0; 14/5; 5; "
              "30 | 3: 3 x1 + x2 + x3 ≤ 15; 0; 2/5; 4; 24");
    EXPECT_EQ(Cells(*coefficients),
              "x1; 22/5; 0; 3; 18 | x2; 9/5; 0; 18/11; 8 | x3; 0; -48/5; -∞; 58/5");
    EXPECT_TRUE(prices->item(1, 2)->toolTip().startsWith("DELTA r di x5, cambiato di segno."));
    ExpectUnclippedWith(w, "min W = 18 y1 + 8 y2 + 15 y3\n");

    // The note wraps under the tables, and the window grows for it.
    w.ShowAnalysis(Analysed(testing_support::Typed("1 1 -1 0 / 1 1 0 4 / 1 0 0 3 / 0 1 0 3"),
                            {1, 0, sensitivity::SlackIndex(3, 2)}));
    QApplication::processEvents();
    ExpectUnclippedWith(w, "Il problema ha infinite soluzioni ottime: x5");

    // A row a constraint, a row a variable, whatever their numbers; the slack of row 3 is x5.
    w.ShowAnalysis(Analysed(testing_support::Typed("1 1 0 / 1 1 4 / 1 0 3 / 0 1 3 / 1 -1 3"),
                            {0, sensitivity::SlackIndex(2, 1), 1, sensitivity::SlackIndex(2, 3)}));
    QApplication::processEvents();
    EXPECT_EQ(prices->rowCount(), 4);
    EXPECT_EQ(Cells(*coefficients), "x1; 1; 0; 0; 1 | x2; 3; 0; 1; +∞");
    EXPECT_EQ(prices->item(3, 0)->text(), "4: x1 - x2 ≤ 3");
    EXPECT_TRUE(prices->item(2, 2)->toolTip().startsWith("DELTA r di x5, cambiato di segno."));
    ExpectUnclippedWith(w, "Il problema ha infinite soluzioni ottime: x5");

    const QString why = "Si è tornati indietro: la lezione non è più all'ottimo.";
    w.Clear(why);
    EXPECT_EQ(prices->rowCount() + coefficients->rowCount(), 0);
    EXPECT_FALSE(prices->isVisible());
    ExpectUnclippedWith(w, why);
}

}  // namespace
}  // namespace simplesso
