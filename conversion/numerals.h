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

// Whether a word is digits alone: 1524, 0, 00.
constexpr bool IsDigits(std::string_view word) {
    return !word.empty() &&
           std::all_of(word.begin(), word.end(), [](char c) { return c >= '0' && c <= '9'; });
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

inline constexpr std::array<Ordinal, 21> Ordinals{{
    {"prim", 1},          {"secund", 2},        {"terti", 3},
    {"terci", 3}, // as medieval scribes spell it
    {"quart", 4},         {"quint", 5},         {"sext", 6},
    {"septim", 7},        {"octav", 8},         {"non", 9},
    {"decim", Ten},       {"undecim", 11},      {"duodecim", 12},
    {"duodevicesim", 18}, {"duodevigesim", 18}, {"undevicesim", 19},
    {"undevigesim", 19},  {"vicesim", 20},      {"vigesim", 20},
    {"tricesim", 30},     {"trigesim", 30},
}};

// Years written in words, as charters write them: the ordinals of the hundreds and the tens
// that the days never need.
inline constexpr std::array<Ordinal, 21> YearOrdinals{{
    {"millesim", 1000},   {"bismillesim", 2000},    {"centesim", 100},      {"ducentesim", 200},
    {"trecentesim", 300}, {"quadringentesim", 400}, {"quingentesim", 500},  {"sexcentesim", 600},
    {"sescentesim", 600}, {"septingentesim", 700},  {"octingentesim", 800}, {"nongentesim", 900},
    {"quadragesim", 40},  {"quinquagesim", 50},     {"sexagesim", 60},      {"septuagesim", 70},
    {"octogesim", 80},    {"nonagesim", 90},        {"tricesim", 30},       {"trigesim", 30},
    {"octuagesim", 80}, // as the Curia wrote it in 1581
}};

// The endings an ordinal takes as a day names it: ante diem tertium, tertio Kalendas, die
// tertio, die tertia, dies tertius.
inline constexpr std::array<std::string_view, 4> OrdinalEndings{"um", "o", "us", "a"};

// The value of the ordinal among `ordinals` that a word is, with one of its endings; 0 for none.
template <std::size_t N>
constexpr int OrdinalValueIn(const std::array<Ordinal, N> &ordinals, std::string_view word) {
    for (const Ordinal &o : ordinals) {
        const std::string_view ending = word.substr(std::min(o.stem.size(), word.size()));
        if (BeginsWith(word, o.stem, Letters.nameLetter) &&
            std::any_of(OrdinalEndings.begin(), OrdinalEndings.end(),
                        [ending](std::string_view e) { return Is(ending, e, Letters.nameLetter); }))
            return o.value;
    }
    return 0;
}

// "tertium", "tertio": 3; 0 for a word that is no ordinal.
constexpr int OrdinalValue(std::string_view word) {
    return OrdinalValueIn(Ordinals, word);
}

// "tertium decimum" or "decimum tertium": thirteen to nineteen; 0 for anything else.
constexpr int CompoundOrdinalValue(std::string_view first, std::string_view second) {
    const int a = OrdinalValue(first), b = OrdinalValue(second);
    const int unit = a == Ten ? b : b == Ten ? a : 0;
    return unit >= 3 && unit <= 9 ? Ten + unit : 0;
}

// An ordinal of a day of the month, 1 to 31, in one word or two: "septimo", "decimo septimo",
// "septimodecimo", "vicesimo primo", "primo et vicesimo" (the "et" left out by the caller).
constexpr int DayOrdinalValue(std::string_view first, std::string_view second = {}) {
    if (second.empty()) {
        if (const int value = OrdinalValue(first))
            return value;
        // Written as one word: "septimodecimo", "quintodecimo", "vicesimoprimo".
        for (std::size_t split = 4; split + 4 <= first.size(); ++split)
            if (const int value = DayOrdinalValue(first.substr(0, split), first.substr(split)))
                return value;
        return 0;
    }
    const int a = OrdinalValue(first), b = OrdinalValue(second);
    if (a == 0 || b == 0)
        return 0;
    const int tens = std::max(a, b), unit = std::min(a, b);
    if (tens == Ten)
        return unit >= 3 && unit <= 9 ? Ten + unit : 0;
    if (tens == 2 * Ten)
        return unit <= 9 ? tens + unit : 0;
    return tens == 3 * Ten && unit == 1 ? 31 : 0;
}

// Roman numerals of 1 and more: MDXXIV; a thousand is M however many there are.
std::string RomanNumeral(int value);

// The ordinal in the accusative, as "ante diem" takes it: "tertium", "tertium decimum",
// "duodevicesimum". `value` is 2 to 20.
std::string OrdinalWord(int value);

} // namespace tempidex
