// Simplesso didattico: the simplex method, one visible pivot at a time.
#include <QApplication>
#include <QFile>

#include "appearance.h"
#include "inserisci.h"

int main(int argc, char** argv) {
    // Qt is handed the program name alone: none of its own options acts here. The one argument
    // the program reads is an exercise file to open, as a file manager passes it; with more
    // than one, nothing is opened.
    int qtArgc = argc > 0 ? 1 : 0;
    QApplication app(qtArgc, argv);
    QApplication::setApplicationName("Simplesso didattico");
    QApplication::setDesktopFileName("io.github.simplesso_didattico.Simplesso");
    simplesso::PrepareAppearance();
    simplesso::Inserisci window;
    window.show();
    if (argc == 2) {
        window.ApriEsercizio(QFile::decodeName(argv[1]));
    }
    return QApplication::exec();
}
