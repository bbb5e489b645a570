// Reading a Latin date written as one line, as sources write it, into the one value that says
// what it means (latin_date.h). A line that is more than a date alone is read as a whole
// dating clause (dating_clause.h), with the forms listed there besides these.
//
// What is read, in any letter case, dots optional, J for I (and V for U in names and ordinals):
//   designation  a. d. | a.d. | ad | ante diem, then a Roman numeral (IIII and VIIII too),
//                "bis VI", or an ordinal in -um or -o: tertium ... septimum decimum,
//                duodevicesimum or octavum decimum, undevicesimum or nonum decimum, bis sextum;
//                a bare numeral (III Kal. Mai.) or "bis VI"; pridie | prid. | pr.;
//                postridie | postrid. | postr. (the day after); nothing for the named day
//   reference    Kal. K. Kl. Cal. Kalendae Kalendas Kalendis | Non. Nonae Nonas Nonis |
//                Id. Eid. Idus Eidus Idibus Eidibus
//   month        three letters or more of its name or stem (Ian., Sept., Quinct.), or the stem
//                with a case ending (Ianuarias, Martiis, Octobribus, Quinctilibus, Sextiles);
//                Quintilis and Sextilis are July and August; "(a. i.)" after it: a leap year
//   year         after the month, as years.h reads it: 1524 | MDXXIV | anno Domini MDXXIV |
//                A.D. 1524 | DCCX a.u.c. | 44 a.C. | 44 BC ... From 753 BC to AD 9999.
// Anything but a letter, a digit or a dot only separates words (words.h). "a. d. bis VI" before
// the Calends of March names the leap day, with "(a. i.)" or without it. A designation is read
// only where the window's list holds one for the same count (so "a. d. II" is not pridie), or
// as postridie.
#pragma once

#include "latin_date.h"

#include <cstddef>
#include <string_view>

namespace tempidex {

// A line longer than this can be no date, and is not read.
inline constexpr std::size_t LongestLine = 4096;

LatinReading ReadLatinDate(std::string_view text);

} // namespace tempidex
