// Simplesso didattico: the simplex method, one visible pivot at a time.
#include <QApplication>

#include "appearance.h"
#include "inserisci.h"

int main(int argc, char** argv) {
    // The program reads no arguments: Qt is handed the program name alone.
    int qtArgc = argc > 0 ? 1 : 0;
    QApplication app(qtArgc, argv);
    QApplication::setApplicationName("Simplesso didattico");
    QApplication::setDesktopFileName("io.github.simplesso_didattico.Simplesso");
    simplesso::PrepareAppearance();
    simplesso::Inserisci window;
    window.show();
    return QApplication::exec();
}
