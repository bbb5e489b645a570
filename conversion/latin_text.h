// A Latin date as one line of text, for the command line: read into the three texts of the
// main window's lists, and written from a modern day and month.
//
// Reading forgives what readers of Latin actually write, but decides nothing itself: every
// part it recognises becomes its list's own text, every other part an empty text, and
// ConvertRomanDate (roman_date.h) then answers exactly as the window would for those texts.
// Writing searches the list combinations with ConvertRomanDate, so the two directions can
// never disagree.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tempidex {

// The texts of the designation, reference-day and month lists; empty where the part was not
// recognised. Views of the vocabularies of vocabulary.h, valid for the program's lifetime.
struct ListTexts {
    std::string_view designation;
    std::string_view reference;
    std::string_view month;
};

// `[designation] reference month`, with the named day itself written without designation
// ("Kal. Ian.") and March of a leap year as "(a. i.)" after the month. In any letter case,
// dots optional, any spacing, "J" for "I":
//   designation  a. d. | a.d. | ad | ante diem, then a Roman numeral (additive IIII and VIIII
//                too) or "bis VI"; pridie | prid. | pr.; "---" for the named day
//   reference    Kal. K. Cal. Kalendae Kalendas Kalendis | Non. Nonae Nonas Nonis |
//                Id. Eid. Idus Idibus
//   month        the first three letters or more of its Latin name, in any case ending
//                (Ian., Sept., Ianuarias, Martiis, Octobribus)
ListTexts ReadLatinDate(std::string_view text);

// The Latin date of `day` of `month` (1 to 12): the three list texts that ConvertRomanDate
// turns into that day, joined by single spaces, the " --- " of the named day left out
// ("a. d. XIX Kal. Ian.", "Kal. Ian."). In a leap year the days of February counted back from
// the Calends of March use "Mar. (a. i.)"; every other day is written as in a common year.
// Nothing when the day does not exist in that year.
std::optional<std::string> WriteLatinDate(int day, int month, bool leapYear);

} // namespace tempidex
