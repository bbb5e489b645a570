// The words a reading must account for, and the two months no reading may choose between.
#pragma once

#include "reading/words/words.h"

#include <cstddef>

namespace tempidex {

// Where the month's name next to word i is, when both are months' names and one of them is
// written out: only one can be the date's, and which is not for the reader to choose
// ("die xviij mensis augusti Septembris", "10. maio Decembris"). words.size() where none is.
// (Two abbreviations may be a month and a name: "kal. Aug. Aug." is the Augustus's.)
std::size_t MonthBeside(const Words &words, std::size_t i);

// Whether a word is an ordinal's ending written apart from its number: the "to" of "q to",
// "v to" (quinto), the "mo" of "p'mo" (primo).
bool IsAnOrdinalEndingApart(std::string_view key);

// The words a reading must account for: numbers, named days, "anno", the words of a count
// (pridie, bis), the words that only stand with their number or names (feria, indictione,
// coss.); and a numeral that might be a word (v, vi, di) where it counts days before a named
// day (vi Kal.) or stands among other numbers (lx. vi. ii.).
bool MustRead(const Words &words, std::size_t i);

} // namespace tempidex
