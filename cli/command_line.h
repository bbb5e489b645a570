// The program's command line: Latin dates converted in scripts and batches, and modern days
// written back in Latin, through the same core as the window. Nothing here needs a display:
// no window and no GUI application is ever created.
//
// The program's own options select it; Qt's start-up options (-style, -platform, -reverse...)
// are the window's, as in any Qt program.
#pragma once

#include <cstdio>
#include <span>
#include <string>

namespace tempidex {

// Runs the options in `arguments` (the program's name first, in UTF-8), reading dates from `in`
// where an argument is "-", writing results to `out` and complaints to `err`. Returns the exit
// status: 0 when every date converted, 1 when any gave an error text, 2 for wrong usage or
// a failure to read or write.
int RunCommandLine(std::span<const std::string> arguments, std::FILE *in, std::FILE *out,
                   std::FILE *err);

// Whether the program's arguments (its name first) ask for the command line rather than the
// window: any long option, known or not, and the program's own short ones.
bool SelectsTheCommandLine(std::span<const std::string> arguments);
bool SelectsTheCommandLine(int argc, char **argv);

// The same for the program's own arguments and standard streams.
int RunCommandLine(int argc, char **argv);

} // namespace tempidex
