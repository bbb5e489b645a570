// The words of the lines read before, as they were classified, kept by a caller that reads many
// lines (one table for each thread). A file of clauses writes the same words again and again
// ("Datum", "anno", "Domini", "indictione", "MCCCXL"), and classifying a word cost a third of
// reading a clause; a word found here is taken as it was found. What a word is depends on how
// it is written (its letters, j and accents and capitals as the line writes them) and its
// ordinal mark alone, and all of them are compared: a word taken from here is what it would be
// found to be anew.
#pragma once

#include "tokens.h"
#include "words.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace tempidex {

class WordMemo {
public:
    // What the word is: as kept, or worked out and kept in place of what its slot held. Good
    // until the next word is looked up.
    const Words::Word &classOf(const Token &t);

private:
    static constexpr std::size_t Slots = 4096; // a few thousand different words: 256 kB
    static constexpr std::size_t Longest = 22; // longer words are worked out each time

    struct Slot {
        std::array<char, Longest> written{};
        std::uint8_t size = 0; // 0 for a slot that holds no word
        std::uint8_t marks = 0;
        Words::Word word;
    };
    std::vector<Slot> m_slots; // Slots of them, once a word is looked up
    Words::Word m_long;        // the last word too long to keep
};

} // namespace tempidex
