// The month a date's words name, wherever a rule of the date looks for one: written out, cut
// short, or misspelt by a letter where a month must stand; and the phrase of a date so read.
#pragma once

#include "phrases.h"
#include "reading/words/words.h"

#include <cstddef>
#include <string_view>

namespace tempidex {

// A month's name cut short or declined that is also a word of its own: a number before it with
// no "die" or "mensis" counts things, not the month's days. "XX sex" is twenty-six, "octo"
// eight, "qui" who; "Heinrico IV Augusto" an emperor, "XX marcis" marks of silver,
// "more maiorum" the forefathers'.
bool IsAlsoAWord(std::string_view key);

// The month named by word i, and whether it was read from a misspelling; 0 for none. A
// misspelt name is read only where a month must stand.
struct MonthRead {
    int month = 0;
    bool misspelt = false;
};
MonthRead MonthAt(const Words &words, std::size_t i, bool mustBeMonth);

// The phrase of a date, words [begin, end), whose month is word `month`, as `read` read it.
Phrase DatePhrase(std::size_t begin, std::size_t end, const LatinDate &date, std::size_t month,
                  const MonthRead &read);

// "die" or "sub die" ending just before word `end`: where it begins, or `end`.
std::size_t DieBefore(const Words &words, std::size_t end);

} // namespace tempidex
