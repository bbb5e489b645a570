// The command line's side of the platform: whether a stream is a person at a terminal, and a
// Windows console that shows UTF-8. Everything the command line writes is UTF-8.
#pragma once

#include <cstdio>

namespace tempidex {

// Whether `file` is a terminal (on Windows, a console), where somebody reads and types.
bool IsTerminal(std::FILE *file);

// While it lives, a Windows console that the program writes to shows UTF-8; the console gets
// its own code page back afterwards. Elsewhere terminals take UTF-8 already.
class Utf8Console {
public:
    Utf8Console();
    ~Utf8Console();
    Utf8Console(const Utf8Console &) = delete;
    Utf8Console &operator=(const Utf8Console &) = delete;

private:
    unsigned m_previousCodePage = 0; // 0: left as it was
};

} // namespace tempidex
