// The command line's side of the platform: whether a stream is a person at a terminal, and
// reading and writing text there. On Windows a console is read and written in UTF-16
// (ReadConsoleW, WriteConsoleW), whatever its code page, so that accented letters and « »
// come through; files and pipes carry bytes, in UTF-8. Elsewhere terminals take UTF-8 already.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace tempidex {

// The program's arguments in UTF-8, its name first. On Windows they are read from the wide
// command line: argv holds them in the ANSI code page, where « and accented letters may be
// lost.
std::vector<std::string> ProgramArguments(int argc, char **argv);

// The file named `path` (UTF-8) opened to read its bytes; null where it cannot be. On Windows
// the name goes through the wide API, so that accented folders are found.
std::FILE *OpenToRead(const std::string &path);

// Whether `file` is a terminal (on Windows, a console), where somebody reads and types.
bool IsTerminal(std::FILE *file);

// Standard input as the bytes of the file or pipe, with no end-of-line or Ctrl-Z translation
// (Windows' C library reads in text mode otherwise).
void ReadStandardInputAsBytes();

// `out` writes its bytes as they are: no "\n" becomes "\r\n" (Windows' C library writes
// in text mode otherwise), for a file whose own line ends are kept.
void WriteAsBytes(std::FILE *out);

// Reads up to `size` bytes of UTF-8 into `buffer`: from a console, what was typed, as UTF-8;
// elsewhere the bytes as they are. `asTyped`: return as soon as anything was read. 0 at the
// end of the input or on an error (std::ferror tells which).
std::size_t ReadInput(std::FILE *in, char *buffer, std::size_t size, bool asTyped);

// Before the window opens: a console that Windows opened for this program alone (the console
// program started from Explorer) is closed, so that no empty console stands behind the window.
// A console the program shares, a prompt's, is kept. Elsewhere nothing happens.
void CloseOwnConsole();

// Writes UTF-8 `text` to `out`: to a console as characters, elsewhere as bytes. false when the
// text could not be written.
bool WriteOutput(std::FILE *out, std::string_view text);

} // namespace tempidex
