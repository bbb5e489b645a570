// The table every word is looked up in, built once from the program's lists: the keywords
// (keywords.h), the months' forms (month_names.h), the ordinals with their endings, alone and
// run together (numbers.h), the cardinals and the beginnings of the eras' spellings. A word's
// class says all it can be; and the eras' spellings have a table of their own.
#pragma once

#include "eras.h"
#include "keywords.h"

#include <cstdint>
#include <initializer_list>
#include <string_view>

namespace tempidex {

// What a word can be. A word may be several things: "Martis" is a month (Eidibus Martis) and a
// weekday (die Martis); "nona" an ordinal; "a" the a of a. d. and of anno a nativitate.
struct WordClass {
    std::uint64_t kinds = 0;
    std::int8_t reference = -1; // a Reference, where the word is one
    std::int8_t weekday = -1;   // of a Weekday or a DayName: 0 Sunday
    YearCount formula = YearCount::Unmarked;
    Calendar calendar = Calendar::Unsaid; // a Calendar word's: vetere, Gregoriani
    std::int8_t style = -1;               // a Style word's YearStyle: veneto, florentino
    std::int8_t month = 0;                // 1 to 12: the month the word names
    bool wholeMonth = false;              // its name written out: Maius, Maii (not Mai.)
    std::int16_t ordinal = 0;             // tertio 3, septimodecimo 17, millesimo 1000
    bool cardinal = false;                // duo, tres, quattuor: no rule reads them

    constexpr bool is(Kind kind) const { return (kinds >> static_cast<unsigned>(kind) & 1u) != 0; }
};

// How a word as read (tokens.h's key: V as U) is classified; an unknown word is nothing.
WordClass ClassOf(std::string_view key);

// Whether a word as read is one of these: the short lists a rule names where a keyword's kind
// would say too much ("circa" moves a date, "cursum" follows "secundum").
inline bool IsOneOf(std::string_view key, std::initializer_list<std::string_view> words) {
    for (const std::string_view word : words)
        if (key == word)
            return true;
    return false;
}

// The nouns "secundum" governs as "according to" in a dating clause: the reckoning, the style
// or the custom the year is counted by, or the people who count so (secundum Pisanos).
inline bool IsGovernedBySecundum(std::string_view key) {
    return IsOneOf(key, {"computacionem", "computationem", "consuetudinem", "cursum", "formam",
                         "modum", "morem", "ordinationem", "ritum", "stilum", "stylum", "usum",
                         "pisanos", "florentinos"});
}

// What the letters of words run together spell as an era (eras.h's EraOfLetters), looked up
// in a table of every beginning of every spelling: each date with "a. d." tries three or four.
EraLetters EraLettersOf(std::string_view letters);

} // namespace tempidex
