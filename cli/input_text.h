// Text as Windows and Linux programs write it, turned into UTF-8 for the reader: a file in
// UTF-8 with or without a byte-order mark, in UTF-16 (little- or big-endian) with one, as
// Notepad's "Unicode" and PowerShell write, or without one where its first two characters are
// below U+0100, and any line that is not valid UTF-8 read as Windows-1252, the "ANSI" of
// Western Windows. Whatever is read comes out as valid UTF-8, so nothing the program quotes
// from its input can make its output invalid. Qt-free.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tempidex {

enum class TextEncoding { Utf8, Utf16LittleEndian, Utf16BigEndian };

// The encoding a byte-order mark at the start of `start` names, and the mark's length; UTF-16
// and 0 for UTF-16 without a mark (a NUL beside each of its first two characters); else UTF-8
// and 0.
struct ByteOrderMark {
    TextEncoding encoding = TextEncoding::Utf8;
    std::size_t length = 0;
};
ByteOrderMark ByteOrderMarkOf(std::string_view start);

// UTF-16 in blocks, as UTF-8: a character split between two blocks is kept for the next. An
// unpaired surrogate becomes U+FFFD.
class Utf16Decoder {
public:
    explicit Utf16Decoder(bool bigEndian)
        : m_bigEndian(bigEndian) {}
    void decode(std::string_view bytes, std::string &out);
    void finish(std::string &out); // what is left at the end of the input

private:
    bool m_bigEndian;
    int m_pendingByte = -1; // the first byte of a unit split between blocks
    char16_t m_highSurrogate = 0;
};

bool IsValidUtf8(std::string_view text);

// `line` itself when it is valid UTF-8, else its Windows-1252 reading in UTF-8, kept in
// `scratch`.
std::string_view AsUtf8(std::string_view line, std::string &scratch);

} // namespace tempidex
