#include "layout.h"

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

std::span<const LabelSpec> Labels() {
    return kLabels;
}
std::span<const FieldSpec> Fields() {
    return kFields;
}

}  // namespace simplesso::layout
