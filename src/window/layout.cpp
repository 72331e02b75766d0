#include "layout.h"

#include "grid.h"

#include <algorithm>
#include <array>

namespace simplesso::layout {

namespace {

constexpr Frame F1 = Frame::Objective;
constexpr Frame F2 = Frame::Constraints;
constexpr Face N = Face::Normal;

constexpr std::array kLabels{
    LabelSpec{"Label1", F1, "Z =", 210, 615, 330, 330, N},
    LabelSpec{"Label2", F1, "x   + ", 1350, 615, 525, 330, N},
    LabelSpec{"Label3", F1, "x   +", 2520, 615, 540, 330, N},
    LabelSpec{"Label4", F1, "x   +", 3675, 615, 615, 330, N},
    LabelSpec{"Label5", F1, "1", 1470, 705, 135, 225, N},
    LabelSpec{"Label6", F1, "2", 2610, 705, 135, 225, N},
    LabelSpec{"Label7", F1, "3", 3780, 705, 150, 225, N},
    LabelSpec{"label", F1, "Inserire i valori della funzione economica :", 405, 270, 3900, 285, N,
              false},
    LabelSpec{"Label8", F2, "{", 210, 210, 435, 1380, Face::Brace},
    LabelSpec{"Label9", F2, "Inserire le equazioni dei vincoli :", 210, 210, 2955, 330, N, false},
    LabelSpec{"Label11", F2, "x   + ", 1260, 525, 525, 225, N},
    LabelSpec{"Label10", F2, "1", 1365, 630, 135, 225, N},
    LabelSpec{"Label12", F2, "x   + ", 1260, 840, 525, 225, N},
    LabelSpec{"Label13", F2, "1", 1365, 945, 135, 225, N},
    LabelSpec{"Label16", F2, "x   + ", 1260, 1155, 525, 225, N},
    LabelSpec{"Label17", F2, "1", 1365, 1260, 135, 225, N},
    LabelSpec{"Label19", F2, "x   +", 2415, 525, 540, 225, N},
    LabelSpec{"Label21", F2, "x   +", 2415, 840, 540, 225, N},
    LabelSpec{"Label23", F2, "x   +", 2415, 1155, 540, 225, N},
    LabelSpec{"Label18", F2, "2", 2520, 630, 135, 225, N},
    LabelSpec{"Label20", F2, "2", 2520, 945, 135, 225, N},
    LabelSpec{"Label22", F2, "2", 2520, 1260, 135, 225, N},
    LabelSpec{"Label25", F2, "x   ", 3570, 525, 540, 225, N},
    LabelSpec{"Label24", F2, "3", 3675, 630, 135, 225, N},
    LabelSpec{"Label26", F2, "x   ", 3570, 840, 540, 225, N},
    LabelSpec{"Label27", F2, "3", 3675, 945, 135, 225, N},
    LabelSpec{"Label28", F2, "x   ", 3570, 1155, 540, 225, N},
    LabelSpec{"Label29", F2, "3", 3675, 1260, 135, 225, N},
    LabelSpec{"Label30", F2, "<", 3960, 495, 255, 375, Face::LessThan},
    LabelSpec{"Label31", F2, "<", 3960, 810, 255, 375, Face::LessThan},
    LabelSpec{"Label32", F2, "<", 3960, 1125, 255, 375, Face::LessThan},
};

constexpr std::array kFields{
    FieldSpec{"txtx1", "Funzione economica, coefficiente di x1", F1, 630, 570, 645, 330},
    FieldSpec{"txtx2", "Funzione economica, coefficiente di x2", F1, 1800, 570, 645, 330},
    FieldSpec{"txtx3", "Funzione economica, coefficiente di x3", F1, 2970, 570, 645, 330},
    FieldSpec{"txtnoto", "Funzione economica, termine noto", F1, 4140, 570, 645, 330},
    FieldSpec{"txtv1x1", "Vincolo 1, coefficiente di x1", F2, 630, 525, 540, 285},
    FieldSpec{"txtv1x2", "Vincolo 1, coefficiente di x2", F2, 1785, 525, 540, 285},
    FieldSpec{"txtv1x3", "Vincolo 1, coefficiente di x3", F2, 2940, 525, 540, 285},
    FieldSpec{"txtv1Noto", "Vincolo 1, termine noto", F2, 4185, 495, 540, 285},
    FieldSpec{"txtv2x1", "Vincolo 2, coefficiente di x1", F2, 630, 840, 540, 285},
    FieldSpec{"txtv2x2", "Vincolo 2, coefficiente di x2", F2, 1785, 840, 540, 285},
    FieldSpec{"txtv2x3", "Vincolo 2, coefficiente di x3", F2, 2940, 840, 540, 285},
    FieldSpec{"txtv2Noto", "Vincolo 2, termine noto", F2, 4185, 810, 540, 285},
    FieldSpec{"txtv3x1", "Vincolo 3, coefficiente di x1", F2, 630, 1155, 540, 285},
    FieldSpec{"txtv3x2", "Vincolo 3, coefficiente di x2", F2, 1785, 1155, 540, 285},
    FieldSpec{"txtv3x3", "Vincolo 3, coefficiente di x3", F2, 2940, 1155, 540, 285},
    FieldSpec{"txtv3Noto", "Vincolo 3, termine noto", F2, 4185, 1125, 540, 285},
};

}  // namespace

namespace {

// Today's window: the tables themselves, so that it stays what it was to the pixel.
Equations FromTables() {
    Equations e;
    for (const LabelSpec& l : kLabels) {
        const QRect place = Rect(l.left, l.top, l.width, l.height);
        if (l.face == Face::LessThan) {
            e.senses.push_back(place);
        } else {
            e.patches.push_back({l.name, l.frame, l.caption, place, l.face, l.decorative});
        }
    }
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        const FieldSpec& f = kFields[i];
        e.fields.push_back({f.name, f.accessibleName, f.frame,
                            Rect(f.left, f.top, f.width, f.height), static_cast<int>(i / 4)});
    }
    return e;
}

// The steps between the columns and the rows of today's equations, in twips.
constexpr int kObjectiveStep = 1170;
constexpr int kConstraintStep = 1155;
constexpr int kRowStep = 315;
constexpr int kFirstRowTop = 525;
constexpr int kFirstFieldLeft = 630;
constexpr int kBraceHeight = 1380;  // over three rows

}  // namespace

Equations EquationsOf(int variables, int rows) {
    if (variables == 3 && rows == 3) {
        return FromTables();
    }
    Equations e;
    e.variables = variables;
    e.rows = rows;
    const auto patch = [&e](Frame frame, const QString& caption, int left, int top, int width,
                            int height, Face face = N) {
        e.patches.push_back({QString(), frame, caption, Rect(left, top, width, height), face});
    };
    const auto field = [&e](Frame frame, int row, const QString& name, const QString& accessible,
                            int left, int top, int width, int height) {
        e.fields.push_back({name, accessible, frame, Rect(left, top, width, height), row});
    };

    // The objective: Z = c1 x1 + ... + cn xn + known term.
    patch(F1, "Z =", 210, 615, 330, 330);
    for (int j = 0; j < variables; ++j) {
        patch(F1, "x   +", 1350 + kObjectiveStep * j, 615, 540, 330);
        patch(F1, QString::number(j + 1), 1470 + kObjectiveStep * j, 705, 135, 225);
    }
    e.patches.push_back({"label", F1, "Inserire i valori della funzione economica :",
                         Rect(405, 270, 3900, 285), N, false});
    for (int j = 0; j < variables; ++j) {
        field(F1, 0, QStringLiteral("txtx%1").arg(j + 1),
              QStringLiteral("Funzione economica, coefficiente di x%1").arg(j + 1),
              kFirstFieldLeft + kObjectiveStep * j, 570, 645, 330);
    }
    const int objectiveKnown = kFirstFieldLeft + kObjectiveStep * variables;
    field(F1, 0, "txtnoto", "Funzione economica, termine noto", objectiveKnown, 570, 645, 330);
    e.objectiveWidth = std::max(4965, objectiveKnown + 645 + 180);

    // The constraints, under one brace: a1 x1 + ... + an xn < b.
    const int braceHeight = kBraceHeight + kRowStep * (rows - 3);
    e.patches.push_back({"Label8", F2, "{", Rect(210, 210, 435, braceHeight), Face::Brace, true,
                         Px(braceHeight) - Px(kBraceHeight)});
    e.patches.push_back({"Label9", F2, "Inserire le equazioni dei vincoli :",
                         Rect(210, 210, 2955, 330), N, false});
    const int lastLeft = kFirstFieldLeft + kConstraintStep * (variables - 1);
    for (int r = 0; r < rows; ++r) {
        const int top = kFirstRowTop + kRowStep * r;
        for (int j = 0; j < variables; ++j) {
            patch(F2, j + 1 < variables ? "x   +" : "x   ", 1260 + kConstraintStep * j, top, 540,
                  225);
            patch(F2, QString::number(j + 1), 1365 + kConstraintStep * j, top + 105, 135, 225);
        }
        e.senses.push_back(Rect(lastLeft + 1020, top - 30, 255, 375));
    }
    for (int r = 1; r <= rows; ++r) {
        const int top = kFirstRowTop + kRowStep * (r - 1);
        const QString row = QStringLiteral("Vincolo %1").arg(r);
        for (int j = 0; j < variables; ++j) {
            field(F2, r, QStringLiteral("txtv%1x%2").arg(r).arg(j + 1),
                  QStringLiteral("%1, coefficiente di x%2").arg(row).arg(j + 1),
                  kFirstFieldLeft + kConstraintStep * j, top, 540, 285);
        }
        field(F2, r, QStringLiteral("txtv%1Noto").arg(r), row + ", termine noto", lastLeft + 1245,
              top - 30, 540, 285);
    }
    e.constraintsWidth = std::max(4965, lastLeft + 1245 + 540 + 240);
    e.constraintsHeight = 1800 + kRowStep * std::max(0, rows - 3);
    return e;
}

namespace {

// Wider than this, the two frames of the equations would not fit side by side on a laptop.
constexpr int kWidestSideBySide = 1340 * kTwipsPerPixel;
// Today's frame, grid and margins around it.
constexpr int kTableauFrameWidth = 9960;
constexpr int kTableauFrameHeight = 3465;
constexpr int kTableauWidth = 8850;
constexpr int kTableauHeight = 2595;
// Around the grid's number columns: the window's and the frame's margins, the fixed columns and
// the grid's own border.
constexpr int kBesideNumberColumns = (kClientWidth - kTableauWidth) + 700 + 1200 + 60;

QRect Shifted(const QRect& r, int dx, int dy) {
    return r.translated(Px(dx), Px(dy));
}

}  // namespace

WindowPlan PlanOf(int variables, int rows, int gridRows, int gridCols) {
    const Equations e = EquationsOf(variables, rows);
    WindowPlan p;
    const int sideBySide = 45 + e.objectiveWidth + 30 + e.constraintsWidth + 30;
    const bool stacked = sideBySide > kWidestSideBySide;
    // The corner under the objective: check boxes, "Salva" and "Calcola il simplesso".
    const QRect calcola = Rect(3195, 1125, 1755, 615);
    int top = 0, width = 0;
    if (!stacked) {
        p.objectiveFrame = Rect(45, 0, e.objectiveWidth, 1065);
        p.constraintsFrame = Rect(45 + e.objectiveWidth + 30, 0, e.constraintsWidth,
                                  e.constraintsHeight);
        p.frazioni = kFrazioni;
        p.esercitati = kEsercitati;
        p.salva = kSalva;
        p.calcola = Shifted(calcola, e.objectiveWidth - 4965, 0);
        top = e.constraintsHeight;
        width = sideBySide;
    } else {
        // The corner's controls stand beside the objective, at the middle of its height.
        const int dx = e.objectiveWidth + 45, dy = 210 - 1125;
        p.objectiveFrame = Rect(45, 0, e.objectiveWidth, 1065);
        p.constraintsFrame = Rect(45, 1065, e.constraintsWidth, e.constraintsHeight);
        p.frazioni = Shifted(kFrazioni, dx, dy);
        p.esercitati = Shifted(kEsercitati, dx, dy);
        p.salva = Shifted(kSalva, dx, dy);
        p.calcola = Shifted(calcola, dx, dy);
        top = 1065 + e.constraintsHeight;
        width = std::max(e.objectiveWidth + 4995 + 120, 45 + e.constraintsWidth + 30);
    }
    // Room for every column the tableau of this size can have (n + m slack or surplus and m
    // artificial variables and the known terms), or the grid shown, at the narrowest.
    const int numberColumns = std::max(variables + 2 * rows + 1, gridCols - 2);
    width = std::max({kClientWidth, width,
                      kBesideNumberColumns + kNarrowestNumberColumn * numberColumns});
    // The constraints' frame reaches the window's right margin, as the tableau's does.
    p.constraintsFrame.setRight(Px(width - 30 - 15));
    const int extra = width - kClientWidth;
    const int taller = Grid::kRowHeight * (gridRows - Grid::kRows);
    p.tableauExtraWidth = extra;
    p.tableauFrame = Rect(45, top, kTableauFrameWidth + extra, kTableauFrameHeight + taller);
    p.tableau = Rect(540, 360, kTableauWidth + extra, kTableauHeight + taller);
    p.passoSuccessivo = Rect(7425 + extra, 3015 + taller, 1935, 330);
    p.passoPrecedente = Rect(5430 + extra, 3015 + taller, 1935, 330);

    // The explanation's strip and the course's strip under the tableau's frame.
    const int client = top + kTableauFrameHeight + taller + 30;
    const int strip = client + kStripHeight;
    p.spiegazione = Rect(120, client + 15, 9795 + extra, 855);
    p.minimizza = Rect(120, strip + 90, 1500, 255);
    p.regione = Rect(5430 + extra, strip + 45, 2190, 330);
    p.analisi = Rect(7725 + extra, strip + 45, 2190, 330);
    // The problem's size between "Minimizza" and the windows' buttons, each label on two lines.
    p.variabiliLabel = Rect(1755, strip + 15, 900, 390);
    p.variabili = Rect(2700, strip + 45, 525, 330);
    p.vincoliLabel = Rect(3495, strip + 15, 900, 390);
    p.vincoli = Rect(4440, strip + 45, 525, 330);
    // The exercise files under the problem's direction, at the course buttons' size.
    const int files = strip + kCourseStripHeight;
    p.apriEsercizio = Rect(120, files + 45, 1740, 330);
    p.salvaEsercizio = Rect(1950, files + 45, 1740, 330);
    p.duale = Rect(3810, files + 90, 1800, 255);
    p.intere = Rect(5700, files + 90, 1800, 255);
    p.aggiungiVincolo = Rect(7725 + extra, files + 45, 2190, 330);
    p.taglio = Rect(540, 3015 + taller, 2190, 330);
    p.branch = Rect(2835, 3015 + taller, 2190, 330);
    p.size = QSize(Px(width), Px(files + kFileStripHeight));
    return p;
}

std::span<const LabelSpec> Labels() {
    return kLabels;
}
std::span<const FieldSpec> Fields() {
    return kFields;
}

}  // namespace simplesso::layout
