// The program as it starts, ending after the main window's first frame.
#include "application.h"
#include "first_frame.h"
#include "form1.h"

int main(int argc, char *argv[]) {
    tempidex::Application app(argc, argv);
    tempidex::Form1 form;
    QuitAfterFirstFrame quit;
    form.installEventFilter(&quit);
    form.show();
    return app.exec();
}
