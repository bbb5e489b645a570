// The words around a saint's name: the titles before it and among its words (sancti, beatae),
// its epithets (episcopi, confessoris), the words after it that say which of the saint's feasts
// or which saint of the name is meant (Martini estivalis, Thome Becket), a word cut short, and
// where a sentence ends after a name.
#pragma once

#include "name_stems.h"
#include "words.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tempidex {

// Words as their stems and declensions, worked out once; and whether a stem with these
// declensions is one of them.
struct StemOf {
    std::string stem;
    unsigned declensions;
};
std::vector<StemOf> StemsOfWords(std::span<const std::string_view> words);
bool IsOneOf(const std::vector<StemOf> &stems, std::string_view stem, unsigned declensions);

bool IsTitle(std::string_view stem, unsigned declensions);
bool IsEpithet(std::string_view stem, unsigned declensions);

// Whether a word is cut short: its full stop after letters that end in no case ending.
bool IsCutShort(const Token &word);

// Whether a sentence may end between word i - 1 and word i (i >= 1): a stop after a word
// written out (not one cut short, Mart., nor a letter, s.), or an exclamation or question mark
// right after it.
bool SentenceEndsBefore(const Words &words, std::size_t i);

// Whether word i may be a place in the locative, as a letter's dateline begins with one: a name
// that ends as the locative does ("Viennae", "Tiguri", "Parisiis", "Lugduni Batavorum"), not
// "Concilium", "Viennam", "Constitutio".
bool IsPlaceInTheLocative(const Words &words, std::size_t i);

// Where the titles and the epithets many saints share that follow a saint's name end, from
// `end`, the word after the name: "Agathe virginis", "omnium sanctorum", "Katherine virginis
// et martyris", "Dionisii et sociorum eius". They are the name's, and a year right after them
// stands next to the day.
std::size_t EpithetsEnd(const Words &words, std::size_t end);

// Whether the words from `end`, after a feast's name, say that another feast or another saint
// is meant: a word that says which feast (estivalis, translationis), a name the table does not
// know (Becket), or an epithet where other saints share the name (`sharedBy`).
bool QualifiedAfter(const Words &words, std::size_t end, bool sharedBy);

// The stem of the epithet at word i that tells a saint from others of the name (papae, regis,
// ducis, abbatis, episcopi, archiepiscopi), or nothing.
std::string_view TellingEpithet(const Words &words, std::size_t i);

// Whether a pope's, a king's, a duke's or an archbishop's title beside a saint's name, before it
// (the words at `before`) or after it (from `after`), says another saint is meant than the
// feast found: "Innocentii pape", "sancti regis Laurentii".
bool NamesAnotherSaint(const Words &words, const std::vector<std::size_t> &before,
                       std::size_t after, int found);

} // namespace tempidex
