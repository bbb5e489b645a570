#include "application.h"
#include "command_line.h"
#include "console.h"
#include "fonts.h"
#include "form1.h"

int main(int argc, char *argv[]) {
    if (tempidex::SelectsTheCommandLine(argc, argv)) // which needs no display
        return tempidex::RunCommandLine(argc, argv);
    tempidex::CloseOwnConsole();
    tempidex::ChooseFontEngine();
    tempidex::Application app(argc, argv);
    tempidex::Form1 form;
    form.show();
    return app.exec();
}
