#include "console.h"

#include <algorithm>

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

std::vector<std::string> ProgramArguments(int, char **) {
    int count = 0;
    wchar_t **words = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 0; words && i < count; ++i) {
        const int size =
            WideCharToMultiByte(CP_UTF8, 0, words[i], -1, nullptr, 0, nullptr, nullptr);
        std::string argument(static_cast<std::size_t>(std::max(size, 1)), '\0');
        WideCharToMultiByte(CP_UTF8, 0, words[i], -1, argument.data(), size, nullptr, nullptr);
        argument.pop_back(); // the terminating zero
        arguments.push_back(std::move(argument));
    }
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

std::vector<std::string> ProgramArguments(int argc, char **argv) {
    return {argv, argv + argc};
}

Utf8Console::Utf8Console() = default;
Utf8Console::~Utf8Console() = default;

#endif

} // namespace tempidex
