// The answer itself, as the command line prints it for a line of Latin: the modern day ("14
// Dicembre", "14 Dicembre 1524", "26 Febbraio (anno bisestile)"), or one of the window's error
// texts. A date the window's lists hold gets exactly what the window shows, but for January,
// which the window spells "Genaio".
#pragma once

#include "result/dating.h"

#include <string>

namespace tempidex {

// Appends the answer (nothing for a blank line); whether it is an error text.
bool AppendAnswerText(std::string &out, const Dating &dating);

} // namespace tempidex
