// The program as Linux starts it, `tempidex`: the command line itself, or the window program
// in its place. The command line needs no Qt; loading and binding Qt and the libraries behind
// it would take 25 of the 30 ms a run needs before its first line, for a window it never
// opens. So the window is a program of its own, in a private folder, that this process
// becomes when no command-line option is given: same process, arguments and environment.
#include "command_line.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

#include <unistd.h>

namespace {

// TEMPIDEX_WINDOW_PROGRAM is the window program's path relative to this program's folder, the
// same in the build tree as where it is installed.
int BecomeTheWindowProgram(char **argv) {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    const std::filesystem::path window = self.parent_path() / TEMPIDEX_WINDOW_PROGRAM;
    if (!error)
        execv(window.c_str(), argv);
    std::fprintf(stderr, "tempidex: impossibile aprire la finestra (%s: %s)\n", window.c_str(),
                 std::strerror(error ? error.value() : errno));
    return EXIT_FAILURE;
}

} // namespace

int main(int argc, char *argv[]) {
    if (tempidex::SelectsTheCommandLine(argc, argv))
        return tempidex::RunCommandLine(argc, argv);
    return BecomeTheWindowProgram(argv);
}
