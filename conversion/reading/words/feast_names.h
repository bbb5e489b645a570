// The names of feasts as charters write them, read into the feasts of the church year
// (calendar/church_year.h). A name is compared by the stems of its words, so that its cases
// (Nativitatis, Nativitatem, Nativitate) and the scribes' spellings (Johannis, Iohannis,
// Ioannis; beate, beatae; Katherine, Catharinae; Annunciacionis, Annuntiationis) read alike;
// the titles before and inside it (sancti, beatae, gloriosae virginis, episcopi) are skipped.
#pragma once

#include "words.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tempidex {

// A word's stem as feast names are compared: a word as read (tokens.h's key) with h dropped,
// ph as f, y as i, k as c, ae and oe as e, ti before a vowel as ci, its case ending taken off,
// double letters single.
std::string NameStem(std::string_view key);

// The declensions a word's case ending may belong to, one bit each: first (Luciae, Luciam),
// second (Lucii, Lucium), third (Nativitatis, Nativitatem). Two forms are one name's only
// where their stems are equal and their declensions meet: Luciae is never Lucii.
unsigned DeclensionsOf(std::string_view key);

// Whether the name of a feast, or the words before one (octava, festum, dominica), may begin
// with this word (tokens.h's key): the first word of a name, a title, an epithet. Most words are
// none, and no name is looked for from them.
bool MayBeginFeast(std::string_view key);

struct FeastRead {
    int feast = -1;      // in Feasts(); -1 where the words name two feasts alike
    std::size_t end = 0; // the word after the name
};

// The feast whose name begins at word `at`, titles first skipped: the longest name there.
std::optional<FeastRead> FeastAt(const Words &words, std::size_t at);

} // namespace tempidex
