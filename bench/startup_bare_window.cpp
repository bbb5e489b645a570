// The yardstick for start-up: an empty Qt window of the main window's size.
#include "first_frame.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(418, 145);
    QuitAfterFirstFrame quit;
    window.installEventFilter(&quit);
    window.show();
    return app.exec();
}
