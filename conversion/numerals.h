// Numbers as Latin dates write them, read and written: Roman numerals (MDXXIV, IIII), numbers
// in digits, and the ordinals that name a day in full (tertium, undevicesimo, septimum decimum).
#pragma once

#include "words.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace tempidex {

// Roman numerals: any number of M, then hundreds, tens and units, each written subtractively
// (CM, XC, IX) or additively with up to four strokes (CCCC, IIII, VIIII). 0 for anything else.
constexpr int RomanValue(std::string_view word) {
    constexpr std::size_t Longest = 32; // MMMDCCCLXXXVIII is 15
    if (word.empty() || word.size() > Longest)
        return 0;
    std::array<char, Longest + 2> letters{}; // ends in two zeros, so looking ahead is safe
    for (std::size_t i = 0; i < word.size(); ++i)
        letters[i] = LetterOf(word[i]);
    const char *at = letters.data();
    int value = 0;
    for (; *at == 'm'; ++at)
        value += 1000;
    struct Place {
        char one, five, ten;
        int unit;
    };
    constexpr std::array<Place, 3> places{
        {{'c', 'd', 'm', 100}, {'x', 'l', 'c', 10}, {'i', 'v', 'x', 1}}};
    for (const auto &[one, five, ten, unit] : places) {
        if (at[0] == one && (at[1] == five || at[1] == ten)) {
            value += (at[1] == ten ? 9 : 4) * unit;
            at += 2;
            continue;
        }
        if (*at == five) {
            value += 5 * unit;
            ++at;
        }
        for (int strokes = 0; strokes < 4 && *at == one; ++strokes, ++at)
            value += unit;
    }
    return *at == '\0' ? value : 0;
}

// A number in digits, of five at most; 0 for anything else.
constexpr int DigitsValue(std::string_view word) {
    if (word.empty() || word.size() > 5)
        return 0;
    int value = 0;
    for (const char c : word) {
        if (c < '0' || c > '9')
            return 0;
        value = value * 10 + (c - '0');
    }
    return value;
}

// A number in digits or in Roman numerals; 0 for anything else.
constexpr int NumberValue(std::string_view word) {
    const char first = word.empty() ? '\0' : word[0];
    return first >= '0' && first <= '9' ? DigitsValue(word) : RomanValue(word);
}

// The letters numbers are written with, in digits or in Roman numerals, in either case.
inline constexpr auto NumberLetters = [] {
    std::array<bool, 256> is{};
    for (const char c : std::string_view("0123456789IVXLCDMJivxlcdmj"))
        is[static_cast<unsigned char>(c)] = true;
    return is;
}();

// Whether a word is made of them alone.
constexpr bool LooksLikeANumber(std::string_view word) {
    return std::all_of(word.begin(), word.end(),
                       [](char c) { return NumberLetters[static_cast<unsigned char>(c)]; });
}

// Ordinals by their stems, which take -um or -o; the first of each number is how it is written.
struct Ordinal {
    std::string_view stem;
    int value;
};

inline constexpr int Ten = 10;

inline constexpr std::array<Ordinal, 17> Ordinals{{
    {"secund", 2},
    {"terti", 3},
    {"quart", 4},
    {"quint", 5},
    {"sext", 6},
    {"septim", 7},
    {"octav", 8},
    {"non", 9},
    {"decim", Ten},
    {"undecim", 11},
    {"duodecim", 12},
    {"duodevicesim", 18},
    {"duodevigesim", 18},
    {"undevicesim", 19},
    {"undevigesim", 19},
    {"vicesim", 20},
    {"vigesim", 20},
}};

// "tertium", "tertio": 3; 0 for a word that is no ordinal.
constexpr int OrdinalValue(std::string_view word) {
    for (const Ordinal &o : Ordinals) {
        const std::string_view ending = word.substr(std::min(o.stem.size(), word.size()));
        if (BeginsWith(word, o.stem, Letters.nameLetter) &&
            (Is(ending, "um", Letters.nameLetter) || Is(ending, "o", Letters.nameLetter)))
            return o.value;
    }
    return 0;
}

// "tertium decimum" or "decimum tertium": thirteen to nineteen; 0 for anything else.
constexpr int CompoundOrdinalValue(std::string_view first, std::string_view second) {
    const int a = OrdinalValue(first), b = OrdinalValue(second);
    const int unit = a == Ten ? b : b == Ten ? a : 0;
    return unit >= 3 && unit <= 9 ? Ten + unit : 0;
}

// Roman numerals of 1 and more: MDXXIV; a thousand is M however many there are.
std::string RomanNumeral(int value);

// The ordinal in the accusative, as "ante diem" takes it: "tertium", "tertium decimum",
// "duodevicesimum". `value` is 2 to 20.
std::string OrdinalWord(int value);

} // namespace tempidex
