// The letters beyond ASCII as a word reads them: accented and Latin Extended-A letters as their
// base letter, a numeral written as one character as its letters, and the marks read as
// nothing or as an ordinal's. How tokens.h folds a word; nothing here depends on a line.
#pragma once

#include <array>
#include <string_view>

namespace tempidex {

// The base letters of Latin-1's letters, U+00C0 to U+00FF, and of Latin Extended-A, U+0100 to
// U+017F (ā ă ą ... ē ... ī ... ō ... ū ..., ſ); '*' for æ, '#' for œ, '%' for the ligature ĳ
// (a numeral's last i: ĳdo, viĳ), '\0' for × and ÷.
constexpr std::string_view Latin1Bases{"AAAAAA*CEEEEIIIIDNOOOOO\0OUUUUYPs"
                                       "aaaaaa*ceeeeiiiidnooooo\0ouuuuypy",
                                       64};
constexpr std::string_view ExtendedBases{
    "AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGgGgGgHhHhIiIiIiIiIi%%JjKkkLlLlLlLlLlNnNnNnnNnOoOoOo##RrRrRrSsSs"
    "SsSsTtTtTtUuUuUuUuUuUuWwYyYZzZzZzs"};
static_assert(Latin1Bases.size() == 64 && ExtendedBases.size() == 128);

// The base letter of a letter beyond ASCII, written as it is ('A', 'a', '*' for Æ or æ);
// '\0' for any other character.
constexpr char BaseLetter(char32_t c) {
    if (c >= 0xC0 && c <= 0xFF)
        return Latin1Bases[c - 0xC0];
    if (c >= 0x100 && c <= 0x17F)
        return ExtendedBases[c - 0x100];
    if (c == 0x232 || c == 0x233) // ȳ
        return c == 0x232 ? 'Y' : 'y';
    // the insular d, and the Greek delta that scans and old founts give for the round d
    if (c == 0xA779 || c == 0xA77A || c == 0x3B4)
        return c == 0xA779 ? 'D' : 'd';
    // the fullwidth letters and digits of East Asian input methods
    if ((c >= 0xFF10 && c <= 0xFF19) || (c >= 0xFF21 && c <= 0xFF3A) ||
        (c >= 0xFF41 && c <= 0xFF5A))
        return static_cast<char>(c - 0xFEE0);
    return '\0';
}

// The letters of a numeral written as one character, Ⅻ or ⅻ (U+2160 to U+217F, as some
// editions and word processors print them); nothing for any other character.
constexpr std::string_view NumeralLetters(char32_t c) {
    constexpr std::array<std::string_view, 16> numerals{"I",   "II",   "III", "IV", "V",  "VI",
                                                        "VII", "VIII", "IX",  "X",  "XI", "XII",
                                                        "L",   "C",    "D",   "M"};
    if (c >= 0x2160 && c <= 0x217F)
        return numerals[(c - 0x2160) % 16];
    return {};
}

// The reversed C of the humanists' apostrophus numerals, CIↃ for a thousand and IↃ for five
// hundred (CIↃ IↃ XCVII is 1597), as editions print it: Ↄ and ↄ, the open O, the Greek
// reversed lunate sigma.
constexpr bool IsReversedC(char32_t c) {
    return c == 0x2183 || c == 0x2184 || c == 0x186 || c == 0x254 || c == 0x3FD || c == 0x37B;
}

// Marks read as nothing at all: combining accents, macrons and overlines (IIĪ written as I and
// U+0304), the spacing ogonek and its kin that transcriptions put after an e caudata
// (dominice˛), the half brackets and white brackets of the epigraphers, and the invisible
// marks text copied from a web page or a PDF keeps inside a word: the soft hyphen of a
// hyphenation point (ve­neris), the zero-width joiners and the word joiner.
constexpr bool IsTransparent(char32_t c) {
    return c == 0xAD || c == 0x200C || c == 0x200D || c == 0x2060 || (c >= 0x300 && c <= 0x36F) ||
           (c >= 0x2D8 && c <= 0x2DD) || (c >= 0x20D0 && c <= 0x20FF) ||
           (c >= 0x2E22 && c <= 0x2E25) || (c >= 0x27E6 && c <= 0x27E9);
}

// The ordinal marks: º, ª, the degree sign as editors type it, a superscript o.
constexpr bool IsOrdinalMark(char32_t c) {
    return c == 0xBA || c == 0xAA || c == 0xB0 || c == 0x1D52;
}

} // namespace tempidex
