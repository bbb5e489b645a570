// The phrases the rules of the year make, and the years of two reigns joined by "et": shared by
// the rules of our years (year_rules.cpp) and of the years given otherwise (reign_rules.cpp).
#pragma once

#include "number_phrases.h"
#include "phrases.h"
#include "reading/words/words.h"

#include <cstddef>

namespace tempidex {

// The longest a reign, a pontificate or a bishop's see has been counted is some seventy years
// (Louis XIV's 72): a number of a hundred and more after a reign's words is no year of it, and
// a year that is not of our era either is left for the reader to refuse ("regnante Karolo anno
// DCCC" is no reign of 800 years).
inline constexpr int LongestReign = 99;

// Whether a number may be a year of a reign: no year's form, and short enough.
inline bool MayBeAReignsYear(const YearNumber &number) {
    return !number.yearForm && number.value <= LongestReign;
}

inline Phrase ElsewherePhrase(YearElsewhere elsewhere, std::size_t begin, std::size_t end) {
    Phrase p = Spanning(PhraseKind::Elsewhere, begin, end);
    p.elsewhere = elsewhere;
    return p;
}

// Where a second count joined to the one ending at `end` by "et" ends, each way it reads: the
// years of two reigns kept together (anno octavo et secundo regni nostri, Charlemagne's as
// king of the Franks and of the Lombards; anno pietatis eorum tertio decimo et quinto).
using Ends = Few<std::size_t, 16>;

inline Ends JoinedCountEnds(const Words &words, std::size_t end) {
    Ends ends;
    if (end + 1 < words.size() && words[end].text == "et" && !words[end].gloss &&
        !words.parted(end) && !words.parted(end + 1))
        for (const YearNumber &number : YearNumbersFrom(words, end + 1))
            if (MayBeAReignsYear(number))
                ends.push_back(number.end);
    return ends;
}

} // namespace tempidex
