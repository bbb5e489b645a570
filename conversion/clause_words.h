// The words of a whole dating clause as letters, inscriptions, charters and bulls write it,
// ready to be read: in lower case with J as I; æ, œ and accented or macron-marked letters
// folded (Kalendæ, dominicę, IIIĪ); the brackets and parentheses of the epigraphers' notation
// dropped inside words (K(alendas) [S]ept(embribus)); an editor's gloss in brackets that holds
// a number ("(412 mart. 3)", "(47)") marked as such; and each word's place in the line kept, to
// quote it.
#pragma once

#include "latin_reading.h"

#include <array>
#include <cstddef>
#include <new>
#include <string_view>

namespace tempidex {

struct ClauseWord {
    std::string_view text;    // folded: lower case, J as I, ASCII where the letter has a base
    std::string_view written; // as written
    bool capital;             // written with a capital: a name, or the start of a sentence
    bool gloss;               // inside an editor's gloss
    bool minus;               // a number written with a minus sign: -44
    bool joined;              // a number joined to the one before by "-" or "/": 1195-6, 1620/21
    bool pause; // a comma, semicolon or colon before it: the parts of one date are never parted so
};

class ClauseWords {
public:
    // More words than this make no dating clause.
    static constexpr std::size_t MostWords = 160;

    explicit ClauseWords(std::string_view line);

    bool tooMany() const { return m_tooMany; }
    std::size_t size() const { return m_count; }
    const ClauseWord &operator[](std::size_t i) const { return m_words[i].word; }
    // The text from word `from` to word `to` (included), as written.
    std::string_view written(std::size_t from, std::size_t to) const;

private:
    void fold(std::string_view line);

    std::array<char, LongestLine + 1> m_letters;
    // Room for the words, set one by one as they are read and never cleared first: a line is
    // read in about the time clearing room for 160 words would take.
    union Slot {
        Slot() {}
        ClauseWord word;
    };
    std::array<Slot, MostWords> m_words;
    std::size_t m_count = 0;
    bool m_tooMany = false;
};

} // namespace tempidex
