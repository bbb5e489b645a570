// The floor for any window with text: the bare window with one label in the default font.
// Drawing text at all loads the font database and a font, which the bare window never does.
#include "first_frame.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(418, 145);
    QLabel label(QStringLiteral("Tempidex"), &window);
    QuitAfterFirstFrame quit;
    window.installEventFilter(&quit);
    window.show();
    return app.exec();
}
