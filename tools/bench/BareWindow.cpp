// The yardstick for the game's start-up: an empty Qt Widgets window and nothing else.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(" ");
    window.resize(363, 438);
    window.show();
    return app.exec();
}
