#include "console.h"

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace tempidex {

#ifdef _WIN32

bool IsTerminal(std::FILE *file) {
    return _isatty(_fileno(file)) != 0;
}

Utf8Console::Utf8Console() {
    if (IsTerminal(stdout) || IsTerminal(stderr)) {
        m_previousCodePage = GetConsoleOutputCP();
        SetConsoleOutputCP(CP_UTF8);
    }
}

Utf8Console::~Utf8Console() {
    if (m_previousCodePage != 0)
        SetConsoleOutputCP(m_previousCodePage);
}

#else

bool IsTerminal(std::FILE *file) {
    return isatty(fileno(file)) != 0;
}

Utf8Console::Utf8Console() = default;
Utf8Console::~Utf8Console() = default;

#endif

} // namespace tempidex
