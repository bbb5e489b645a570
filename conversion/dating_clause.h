// Reading a whole dating clause, the date among the words sources write around it:
//   Datum Romae apud S. Petrum, anno incarnationis dominicae MDLXXXI, sexto Kalendas Martii,
//   pontificatus nostri anno decimo
// The date is a designation, a reference day and a month, wherever they stand, or a day of the
// month ("die XX mensis Maii", "sexto die mensis Iulii"); the year is what a formula ("anno
// ab incarnatione Domini", "anno salutis", "anno a natali Christiano"), an era (A.D., a.u.c.,
// P.C.N.) or its place right after or before the date marks as one, in digits, in Roman
// numerals (dotted, spaced, with a final j) or in words (millesimo quingentesimo...). Places,
// verbs of dating, glosses, pontifical and regnal years, indictions, hours, feasts, consuls
// and their numbers are skipped; a weekday and an indiction are kept, to be checked.
// A number that is none of these and no year is an error, never a year; and so is a year that
// reads two ways.
#pragma once

#include "latin_date.h"

#include <string_view>

namespace tempidex {

// Whether the line holds a date, and then what `reading` reads in it (or could not read). False
// where it holds none at all, so that the error of reading it as a date alone stands.
bool ReadDatingClause(std::string_view line, LatinReading &reading);

} // namespace tempidex
