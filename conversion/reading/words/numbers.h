// Numbers as Latin dates write them: Roman numerals (MDXXIV, IIII, lxxij), with the ordinal
// marks scribes add (XII°, xxmo, dco), numbers in digits, and the ordinals that write days and
// years in words (tertio, undevicesimo, millesimo quingentesimo). Words are as tokens.h folds
// them: lower case, J as I.
#pragma once

#include "tokens.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace tempidex {

// Whether every letter of a word is one numerals are written with, in either case: MDXXIV,
// but also IIX, di.
constexpr bool HasNumeralLettersOnly(std::string_view word) {
    for (char c : word) {
        c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        if (c != 'i' && c != 'v' && c != 'x' && c != 'l' && c != 'c' && c != 'd' && c != 'm')
            return false;
    }
    return !word.empty();
}

// Roman numerals: any number of M, then hundreds, tens and units, each written subtractively
// (CM, XC, IX) or additively with up to four strokes (CCCC, IIII, VIIII), in either letter
// case; and five hundred as five C, as scribes wrote the years from 1500 (mccccc, m. ccccc.
// xviii). In a year of a thousand or more, the humanists' subtraction of two strokes too:
// M.D.IIC is 1598, MDXXCVII 1587, MDIIX 1508. 0 for anything else.
constexpr int RomanValue(std::string_view word) {
    if (word.size() > 32 || !HasNumeralLettersOnly(word))
        return 0;
    std::size_t at = 0;
    const auto next = [&](std::size_t ahead = 0) {
        const char c = at + ahead < word.size() ? word[at + ahead] : '\0';
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    };
    int value = 0;
    for (; next() == 'm'; ++at)
        value += 1000;
    struct Place {
        char one, five, ten;
        int unit;
    };
    constexpr std::array<Place, 3> places{
        {{'c', 'd', 'm', 100}, {'x', 'l', 'c', 10}, {'i', 'v', 'x', 1}}};
    const bool thousands = value >= 1000;
    for (const auto &[one, five, ten, unit] : places) {
        // XXC, eighty; IIC, ninety-eight where no tens are written; IIX, eight
        if (thousands && unit < 100 && next() == one && next(1) == one) {
            const int humanists = unit == 10 && next(2) == 'c'                      ? 80
                                  : unit == 1 && next(2) == 'c' && value % 100 == 0 ? 98
                                  : unit == 1 && next(2) == 'x'                     ? 8
                                                                                    : 0;
            if (humanists > 0) {
                value += humanists;
                at += 3;
                continue;
            }
        }
        if (next() == one && (next(1) == five || next(1) == ten)) {
            value += (next(1) == ten ? 9 : 4) * unit;
            at += 2;
            continue;
        }
        const bool fiveWritten = next() == five;
        if (fiveWritten) {
            value += 5 * unit;
            ++at;
        }
        const int mostStrokes = unit == 100 && !fiveWritten ? 5 : 4;
        for (int strokes = 0; strokes < mostStrokes && next() == one; ++strokes, ++at)
            value += unit;
    }
    return at == word.size() ? value : 0;
}

// The ordinal endings a scribe writes after a numeral, the longer first: mmo is M with "mo"
// (millesimo), not MM with "o". "do" and "da" (secundo) last, and only after a two: cdo is CD
// with "o", Lido a place, and ccclxxiido CCCLXXII with "do".
inline constexpr std::array<std::string_view, 12> NumeralEndings{
    "mo", "to", "no", "vo", "uo", "us", "um", "o", "a", "e", "do", "da"};

// Whether an ending of two letters is the end of the ordinal of `value` in words: "to" of
// quarto, quinto, sexto; "no" of nono; "vo" of octavo. "mixto" (mero et mixto imperio) is no
// IX with the end of "nono".
constexpr bool EndsItsOrdinal(std::string_view ending, int value) {
    const int unit = value % 10;
    if (ending == "to")
        return unit >= 4 && unit <= 6;
    if (ending == "no")
        return unit == 9;
    if (ending == "vo" || ending == "uo")
        return unit == 8;
    return true;
}

// The numeral of a word written with the ordinal ending a scribe put after it, run into it:
// "xii" of xiio, "m" of mo (millesimo) and of Mmo; empty for anything else.
constexpr std::string_view MarkedNumeral(std::string_view word) {
    std::size_t numerals = 0; // numeral letters, then an ending of two letters at most
    while (numerals < word.size() && HasNumeralLettersOnly(word.substr(numerals, 1)))
        ++numerals;
    if (word.size() < 2 || numerals == 0 || numerals + 2 < word.size())
        return {};
    for (const std::string_view ending : NumeralEndings) {
        // "uo" ends viiiuo, never duo (two): it follows a numeral of two letters or more
        if (word.size() <= ending.size() + (ending == "uo" ? 1 : 0) || !word.ends_with(ending))
            continue;
        const std::string_view numeral = word.substr(0, word.size() - ending.size());
        const bool two = numeral.ends_with("ii") && !numeral.ends_with("iii");
        // a thousand alone is millesimo, "mo"; a letter of the hundreds and thousands with "e"
        // or "a" is a word: "me" the pronoun (me presente notario), "de" the preposition (de
        // mense maii, m. de c. is no MDC), "da", "la"
        const bool pronoun = numeral.size() == 1 && numeral.find_first_of("mdcl") == 0 &&
                             ending.size() == 1 && ending != "o";
        const int value = RomanValue(numeral);
        // "a" and "e" end a feminine ordinal, a day's (xiia die) or an indiction's, never a
        // hundred's: "cce" is a scan's ccc, or ccc with its mark misread, and no CC
        const bool feminine = ending == "a" || ending == "e";
        if (value > 0 && (ending[0] != 'd' || two) && !pronoun && !(feminine && value >= 100) &&
            EndsItsOrdinal(ending, value))
            return numeral;
    }
    // xvjta die: "ta" after a day's count of three letters and more (vita, mixta are words)
    if (const std::string_view count = word.substr(0, word.size() - 2);
        word.ends_with("ta") && count.size() >= 3 && RomanValue(count) >= 1 &&
        RomanValue(count) <= 31)
        return count;
    return {};
}

// A numeral with the ordinal ending a scribe wrote after it, run into it: xiio, xxmo, dco, mo
// (millesimo), iiiia; 0 for anything else.
constexpr int MarkedRomanValue(std::string_view word) {
    const std::string_view numeral = MarkedNumeral(word);
    return numeral.empty() ? 0 : RomanValue(numeral);
}

// Whether a word is a numeral where U is written for V, as editions that print one letter
// for both may: u, xuiii, lxuiiio, uiiiuo. Nothing reads it as one ("cui" is a word), but a
// clause must not be read as if it were not there: "xuiii kal. Ian." is not the Calends.
constexpr bool IsNumeralWrittenWithU(std::string_view word) {
    if (word.size() > 16 || word.find('u') == std::string_view::npos)
        return false;
    std::array<char, 16> letters{};
    for (std::size_t i = 0; i < word.size(); ++i)
        letters[i] = word[i] == 'u' ? 'v' : word[i];
    const std::string_view v(letters.data(), word.size());
    return RomanValue(v) > 0 || MarkedRomanValue(v) > 0;
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

// A number in digits with the ordinal ending a scribe wrote after it: 3o, 8a, 1mo; 0 for
// anything else.
constexpr int MarkedDigitsValue(std::string_view word) {
    if (word.empty() || word[0] < '0' || word[0] > '9')
        return 0;
    std::size_t digits = 0;
    while (digits < word.size() && word[digits] >= '0' && word[digits] <= '9')
        ++digits;
    // 1mo, 2do, 3tio, 4to, 8vo, 2a, 1us: the end of the ordinal in words, as it is written
    // (a word with an l a scan read as 1 is none: "die 1une" is no first day)
    constexpr std::array<std::string_view, 30> endings{
        "o",  "a",  "e",   "i",   "us",  "um",  "am",  "ae",  "is",  "mo",
        "ma", "do", "da",  "to",  "ta",  "ti",  "no",  "na",  "vo",  "va",
        "uo", "ua", "tio", "tia", "tii", "tus", "dus", "dum", "mus", "mum"};
    const std::string_view ending = word.substr(digits);
    if (digits > 0 && std::find(endings.begin(), endings.end(), ending) != endings.end())
        return DigitsValue(word.substr(0, digits));
    return 0;
}

constexpr bool HasDigit(std::string_view word) {
    for (const char c : word)
        if (c >= '0' && c <= '9')
            return true;
    return false;
}

// Ordinals by their stems, which take the endings below; the first stem of each number is how
// the program writes it.
struct Ordinal {
    std::string_view stem;
    int value;
};

inline constexpr auto Ordinals = std::to_array<Ordinal>({
    {"prim", 1},
    {"secund", 2},
    {"terti", 3},
    {"terci", 3}, // as medieval scribes spell it
    {"quart", 4},
    {"quint", 5},
    {"sext", 6},
    {"septim", 7},
    {"octav", 8},
    {"octab", 8}, // octabo, octaba: b for v, as Lombard and Frankish scribes wrote it
    {"non", 9},
    {"decim", 10},
    {"undecim", 11},
    {"duodecim", 12},
    // the cardinals made ordinals, as medieval notaries wrote them: die tredecima
    {"tredecim", 13},
    {"quatuordecim", 14},
    {"quattuordecim", 14},
    {"quindecim", 15},
    {"sedecim", 16},
    {"sexdecim", 16},
    {"septendecim", 17},
    {"duodevicesim", 18},
    {"duodevigesim", 18},
    {"undevicesim", 19},
    {"undevigesim", 19},
    {"vicesim", 20},
    {"vigesim", 20},
    {"vicessim", 20}, // and the doubled s of the scribes
    {"vigessim", 20},
    {"tricesim", 30},
    {"trigesim", 30},
    {"tricessim", 30},
    {"trigessim", 30},
    // The tens and hundreds that only years need.
    {"quadragesim", 40},
    {"quadragessim", 40},
    {"quinquagesim", 50},
    {"quinquagessim", 50},
    {"sexagesim", 60},
    {"sexagessim", 60},
    {"septuagesim", 70},
    {"septuagessim", 70},
    {"octogesim", 80},
    {"octuagesim", 80}, // as the Curia wrote it in 1581
    {"octogessim", 80},
    {"nonagesim", 90},
    {"nonagessim", 90},
    {"centesim", 100},
    {"centessim", 100}, // the hundreds with the doubled s too, and with -issimo
    {"ducentesim", 200},
    {"ducentessim", 200},
    {"ducentissim", 200},
    {"trecentesim", 300},
    {"trecentessim", 300},
    {"trecentissim", 300},
    {"tricentesim", 300},
    {"tricentessim", 300},
    {"trescentesim", 300}, // as Norwegian and Swedish scribes wrote it
    {"trescentessim", 300},
    {"quadringentesim", 400},
    {"quadringentessim", 400},
    {"quadringentissim", 400},
    {"quingentesim", 500},
    {"quingentessim", 500},
    {"quingentissim", 500},
    {"sexcentesim", 600},
    {"sescentesim", 600},
    {"septingentesim", 700},
    {"septingentessim", 700},
    {"octingentesim", 800},
    {"octingentessim", 800},
    {"nongentesim", 900},
    {"noningentesim", 900},
    {"millesim", 1000},
});

// Whether a stem as the tables spell it (vicesim) begins with a word as read, whose v is a u
// (uices).
constexpr bool StemBegins(std::string_view stem, std::string_view key) {
    if (stem.size() < key.size())
        return false;
    for (std::size_t i = 0; i < key.size(); ++i)
        if ((stem[i] == 'v' ? 'u' : stem[i]) != key[i])
            return false;
    return true;
}

// The one ordinal up to `most` whose stems a word of three letters or more begins; 0 where it
// begins none, or several.
constexpr int OneOrdinalBegun(std::string_view key, int most) {
    int found = 0;
    for (const Ordinal &o : Ordinals)
        if (key.size() >= 3 && o.value <= most && StemBegins(o.stem, key)) {
            if (found != 0 && found != o.value)
                return 0;
            found = o.value;
        }
    return found;
}

// The counts of days as scribes cut them short before a named day ("terc. non. Jun.", "oct. id.
// Sept.", "dec. oct. kal. Sept."): each cut stands for one count (sept. for septimo, as scribes
// cut it, though septendecim begins so too). 0 for any other word.
constexpr int CutOrdinal(std::string_view key) {
    constexpr std::array<std::pair<std::string_view, int>, 20> cuts{{
        {"prim", 1},    {"sec", 2},   {"secund", 2},   {"tert", 3},   {"terc", 3},
        {"quart", 4},   {"quint", 5}, {"sext", 6},     {"sept", 7},   {"septim", 7},
        {"oct", 8},     {"octav", 8}, {"dec", 10},     {"decim", 10}, {"undec", 11},
        {"duodec", 12}, {"vic", 20},  {"vicesim", 20}, {"vig", 20},   {"vigesim", 20},
    }};
    for (const auto &[cut, value] : cuts)
        if (cut.size() == key.size() && StemBegins(cut, key))
            return value;
    // any other cut of three letters or more that begins the stems of one count alone
    // (septi., duodev.)
    return OneOrdinalBegun(key, 31);
}

// A year's units as scribes cut them short after its tens ("anno Domini M°CC°XL° sept.",
// "millesimo trecentesimo sexagesimo quar."): the one unit, 1 to 9, whose stems begin so (quar.
// is quarto there, never quartodecimo). 0 for any other word.
constexpr int CutUnit(std::string_view key) {
    return OneOrdinalBegun(key, 9);
}

// Whether a word of three letters or more begins an ordinal's stem: cut short, it may be a
// count (quat., sex.) where no cut above says which.
constexpr bool BeginsAnOrdinal(std::string_view key) {
    if (key.size() < 3)
        return false;
    for (const Ordinal &o : Ordinals)
        if (StemBegins(o.stem, key))
            return true;
    return false;
}

// The endings an ordinal takes in a date: ante diem tertium, tertio Kalendas, die tertia,
// dies tertius, anno millesimo, indictione quarta, luna quartadecima, indictionis tertiae.
inline constexpr std::array<std::string_view, 8> OrdinalEndings{"o",  "um", "us", "a",
                                                                "ae", "e",  "i",  "am"};

// Calls `add(form, value)` with every ordinal as words are read (tokens.h's key, V as U): each
// stem with each ending, and a unit and a ten run together in one word as charters write them
// (septimodecimo, decimoseptimo, vicesimoprimo).
template <typename Add> void ForEachOrdinalForm(Add &&add) {
    for (const Ordinal &o : Ordinals)
        for (const std::string_view ending : OrdinalEndings)
            add(AsKey(std::string(o.stem) + std::string(ending)), o.value);
    for (const Ordinal &unit : Ordinals) {
        if (unit.value > 9)
            continue;
        for (const Ordinal &ten : Ordinals) {
            const bool teen = ten.value == 10 && unit.value >= 3;
            if (!teen && ten.value != 20 && !(ten.value == 30 && unit.value == 1))
                continue;
            for (const std::string_view e : OrdinalEndings) {
                const std::string u = std::string(unit.stem) + std::string(e),
                                  t = std::string(ten.stem) + std::string(e);
                add(AsKey(t + u), ten.value + unit.value);
                if (teen)
                    add(AsKey(u + t), ten.value + unit.value);
            }
        }
    }
}

} // namespace tempidex
