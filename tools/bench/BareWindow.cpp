// The yardstick for the game's start-up: an empty Qt Widgets window and nothing else.
#include <QApplication>
#include <QWidget>
#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::puts("usage: bare-qt-window\nShows an empty Qt Widgets window, the yardstick of "
                  "the game's start-up.");
        return 0;
    }
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(" ");
    window.resize(363, 438);
    window.show();
    return app.exec();
}
