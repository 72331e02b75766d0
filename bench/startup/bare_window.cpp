// The smallest Qt Widgets window worth timing: one label, nothing else. measure.sh starts it
// side by side with the program to tell Qt's own start-up cost from the program's.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel label("Simplesso didattico");
    label.setWindowTitle("Finestra vuota");
    label.setMargin(20);
    label.show();
    return QApplication::exec();
}
