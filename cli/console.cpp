#include "console.h"

#include <string>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <shellapi.h>
#else
#include <unistd.h>
#endif

namespace tempidex {

#ifdef _WIN32
namespace {

// The console behind `file`, or nothing: a file, a pipe or the NUL device is none.
HANDLE ConsoleOf(std::FILE *file) {
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
    DWORD mode = 0;
    return handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode) ? handle : nullptr;
}

constexpr wchar_t CtrlZ = 0x1A; // typed at the start of a line, the end of the input

} // namespace

std::vector<std::string> ProgramArguments(int, char **) {
    int count = 0;
    wchar_t **const wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 0; wide && i < count; ++i) {
        const int bytes =
            WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
        std::string argument(bytes > 0 ? static_cast<std::size_t>(bytes) : 1, '\0');
        WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, argument.data(), bytes, nullptr, nullptr);
        argument.pop_back(); // its terminating zero
        arguments.push_back(std::move(argument));
    }
    LocalFree(wide);
    return arguments;
}

bool IsTerminal(std::FILE *file) {
    return ConsoleOf(file) != nullptr;
}

std::FILE *OpenToRead(const std::string &path) {
    const int length = MultiByteToWideChar(CP_UTF8, 0, path.c_str(), -1, nullptr, 0);
    if (length <= 0)
        return nullptr;
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, path.c_str(), -1, wide.data(), length);
    return _wfopen(wide.c_str(), L"rb");
}

void ReadStandardInputAsBytes() {
    _setmode(_fileno(stdin), _O_BINARY);
}

void WriteAsBytes(std::FILE *out) {
    std::fflush(out);
    _setmode(_fileno(out), _O_BINARY);
}

std::size_t ReadInput(std::FILE *in, char *buffer, std::size_t size, bool asTyped) {
    const HANDLE console = ConsoleOf(in);
    if (!console)
        return std::fread(buffer, 1, asTyped ? 1 : size, in);
    static bool ended = false; // Ctrl-Z was typed: the console has no more input
    if (ended)
        return 0;
    // Each character takes at most three bytes of UTF-8 (a surrogate pair four, for two).
    std::wstring typed(size / 3, L'\0');
    DWORD read = 0;
    if (typed.empty() ||
        !ReadConsoleW(console, typed.data(), static_cast<DWORD>(typed.size()), &read, nullptr))
        return 0;
    typed.resize(read);
    if (const std::size_t end = typed.find(CtrlZ); end != std::wstring::npos) {
        typed.resize(end);
        ended = true;
    }
    if (typed.empty())
        return 0;
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, typed.data(), static_cast<int>(typed.size()),
                                          buffer, static_cast<int>(size), nullptr, nullptr);
    return bytes > 0 ? static_cast<std::size_t>(bytes) : 0;
}

void CloseOwnConsole() {
    DWORD processes[2];
    if (GetConsoleProcessList(processes, 2) == 1)
        FreeConsole();
}

bool WriteOutput(std::FILE *out, std::string_view text) {
    const HANDLE console = ConsoleOf(out);
    if (!console)
        return std::fwrite(text.data(), 1, text.size(), out) == text.size();
    std::fflush(out);
    std::wstring wide(text.size(), L'\0');
    const int units = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                          wide.data(), static_cast<int>(wide.size()));
    DWORD written = 0;
    return units >= 0 &&
           (units == 0 ||
            WriteConsoleW(console, wide.data(), static_cast<DWORD>(units), &written, nullptr));
}

#else

bool IsTerminal(std::FILE *file) {
    return isatty(fileno(file)) != 0;
}

std::FILE *OpenToRead(const std::string &path) {
    return std::fopen(path.c_str(), "rb");
}

void ReadStandardInputAsBytes() {}

void WriteAsBytes(std::FILE *) {}

std::vector<std::string> ProgramArguments(int argc, char **argv) {
    return {argv, argv + argc};
}

void CloseOwnConsole() {}

std::size_t ReadInput(std::FILE *in, char *buffer, std::size_t size, bool asTyped) {
    return std::fread(buffer, 1, asTyped ? 1 : size, in);
}

bool WriteOutput(std::FILE *out, std::string_view text) {
    return std::fwrite(text.data(), 1, text.size(), out) == text.size();
}

#endif

} // namespace tempidex
