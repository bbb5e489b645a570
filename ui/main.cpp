#include "application.h"
#include "form1.h"

int main(int argc, char *argv[]) {
    tempidex::Application app(argc, argv);
    tempidex::Form1 form;
    form.show();
    return app.exec();
}
