// The characters of a line as sources and editions write them: UTF-8 decoded, and which of them
// are spaces or punctuation, Unicode's included (quotes of every kind, dashes, the interpunct of
// inscriptions, the invisible marks that copying from a PDF leaves).
#pragma once

#include <cstddef>
#include <string_view>

namespace tempidex {

// The character at `at` and its length in bytes; length 0 for a byte that starts none.
struct Character {
    char32_t code = 0;
    std::size_t length = 0;
};

constexpr Character Decode(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80)
        return {lead, 1};
    const std::size_t length = lead >= 0xF8   ? 0
                               : lead >= 0xF0 ? 4
                               : lead >= 0xE0 ? 3
                               : lead >= 0xC0 ? 2
                                              : 0;
    if (length == 0 || at + length > text.size())
        return {};
    char32_t code = lead & (0x7Fu >> length);
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[at + i]);
        if ((next & 0xC0) != 0x80)
            return {};
        code = code << 6 | (next & 0x3Fu);
    }
    return {code, length};
}

constexpr bool IsSpace(char32_t c) {
    return c == ' ' || (c >= '\t' && c <= '\r') || c == 0xA0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200B) || c == 0x2028 || c == 0x2029 || c == 0x202F ||
           c == 0x205F || c == 0x3000 || c == 0xFEFF;
}

// Spaces and punctuation beyond ASCII: Latin-1's signs (but º and ª, which mark ordinals), the
// minus sign, general punctuation, the editors' brackets of U+2E00, CJK and full-width marks.
constexpr bool IsSeparator(char32_t c) {
    return IsSpace(c) || c == 0x2212 ||
           (c >= 0x80 && c <= 0xBF && c != 0xAA && c != 0xB5 && c != 0xBA) || c == 0xD7 ||
           c == 0xF7 || (c >= 0x2000 && c <= 0x206F) || (c >= 0x2E00 && c <= 0x2E7F) ||
           (c >= 0x3000 && c <= 0x303F) || (c >= 0xFE10 && c <= 0xFE1F) ||
           (c >= 0xFE30 && c <= 0xFE6F) || (c >= 0xFF01 && c <= 0xFF0F) ||
           (c >= 0xFF1A && c <= 0xFF20) || (c >= 0xFF3B && c <= 0xFF40) ||
           (c >= 0xFF5B && c <= 0xFF65);
}

// Whether `text` holds nothing but spaces: a line with no date and no error.
constexpr bool IsBlankLine(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        const Character c = Decode(text, at);
        if (c.length == 0 || !IsSpace(c.code))
            return false;
        at += c.length;
    }
    return true;
}

} // namespace tempidex
