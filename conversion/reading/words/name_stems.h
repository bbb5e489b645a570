// The stems feast names are compared by (feast_names.h): the scribes' spellings of a word folded
// alike (Johannis, Iohannis; beate, beatae; Annunciacionis, Annuntiationis), its case ending
// taken off, and the declensions that ending may belong to.
#pragma once

#include <string>
#include <string_view>

namespace tempidex {

// The declensions a case ending may belong to, one bit each (DeclensionsOf).
inline constexpr unsigned First = 1, Second = 2, Third = 4, Any = 7;

constexpr bool IsVowel(char c) {
    return c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u';
}

// A word's stem as feast names are compared: a word as read (tokens.h's key) with h dropped,
// ph as f, y as i, k as c, ae and oe as e, ti before a vowel as ci, its case ending taken off,
// double letters single.
std::string NameStem(std::string_view key);

// The declensions a word's case ending may belong to, one bit each: first (Luciae, Luciam),
// second (Lucii, Lucium), third (Nativitatis, Nativitatem). Two forms are one name's only
// where their stems are equal and their declensions meet: Luciae is never Lucii.
unsigned DeclensionsOf(std::string_view key);

} // namespace tempidex
