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

QStringList ProgramArguments(int, char **) {
    int count = 0;
    wchar_t **words = CommandLineToArgvW(GetCommandLineW(), &count);
    QStringList arguments;
    for (int i = 0; words && i < count; ++i)
        arguments << QString::fromWCharArray(words[i]);
    LocalFree(words);
    return arguments;
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

QStringList ProgramArguments(int argc, char **argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

Utf8Console::Utf8Console() = default;
Utf8Console::~Utf8Console() = default;

#endif

} // namespace tempidex
