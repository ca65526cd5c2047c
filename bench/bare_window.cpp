#include <QApplication>
#include <QLabel>
#include <QMainWindow>

// The yardstick of the start-up measurement: the smallest Qt Widgets program
// with a main window, built with the same compiler, flags and Qt.
int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.setCentralWidget(new QLabel(QStringLiteral("A bare Qt Widgets window"), &window));
    window.show();
    return QApplication::exec();
}
