// A Latin date as one line of text, as sources write it, for the command line: read into the
// texts of the main window's lists plus what no list holds (postridie, a year), and written
// from a Roman day, short or in full.
//
// Reading forgives what readers of Latin actually write, but decides nothing itself: every
// part it recognises becomes its list's own text, every other part an empty text, and
// ConvertRomanDate (roman_date.h) then answers exactly as the window would for those texts.
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
//   year         after the month: 1524 | MDXXIV | anno 1524 | anno Domini MDXXIV | A.D. 1524 |
//                1524 AD | 1524 d.C.; DCCX a.u.c. | 710 AUC | anno DCCX ab urbe condita |
//                anno urbis conditae DCCX; 44 a.C. | 44 a. C. | 44 a.C.n. | 44 BC | 44 B.C. |
//                44 a. Chr. (n.) | 44 ante Christum (natum). From 753 BC (I a.u.c.) to AD 9999.
// Anything but a letter, a digit or a dot only separates words: quotes, brackets, commas,
// dashes, every Unicode space and punctuation mark, a byte-order mark. "a. d. bis VI" before
// the Calends of March names the leap day, with "(a. i.)" or without it.
#pragma once

#include "roman_calendar.h"

#include <cstddef>
#include <cstdint>
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

enum class YearReading : std::uint8_t { None, Read, Wrong };

// A line longer than this can be no date, and is not read.
inline constexpr std::size_t LongestLine = 4096;

struct LatinDate {
    ListTexts texts;
    ListIndices entries;
    bool dayAfter = false; // postridie: the day after the named day that `texts` hold
    YearReading yearReading = YearReading::None;
    int year = 0;         // astronomical (0 is 1 BC), when read
    bool blank = false;   // nothing but spaces: no date and no error
    bool tooLong = false; // longer than LongestLine: not read
    // The parts as written, for saying which was not understood; views of the line read.
    std::string_view designationPart, referencePart, monthPart, yearPart;
};

LatinDate ReadLatinDate(std::string_view text);

// Whether `text` holds nothing but spaces, Unicode's included.
bool IsBlankLine(std::string_view text);

// What the three list texts mean, when each is one of its list's texts: the Roman day and
// whether the month is March of a leap year.
struct ListMeaning {
    RomanDay day;
    bool leapYear = false;
};
std::optional<ListMeaning> MeaningOf(const ListTexts &texts);
ListMeaning MeaningOf(const ListIndices &entries); // each one listed

// The Latin of `day` (never postridie, which is read only). Short, it is the three list texts
// joined by spaces, the " --- " of the named day left out ("a. d. XIX Kal. Ian."); long, a
// sentence ("ante diem undevicesimum Kalendas Ianuarias", "Idibus Martiis"). `leapYear` marks
// a day counted back from the March Calends of a leap year given no year: "(a. i.)". A year
// ends the date: AD in Roman numerals, years before Christ as years of the city.
std::string WriteLatinDate(const RomanDay &day, bool leapYear, std::optional<int> year,
                           bool longForm);

// A year written alone, as it may follow a date ("1524", "44 a.C.", "DCCX a.u.c."): the
// astronomical year, or nothing when it is no year from 753 BC to AD 9999.
std::optional<int> ReadYear(std::string_view text);

// Roman numerals of 1 and more: MDXXIV; a thousand is M however many there are.
std::string RomanNumeral(int value);

} // namespace tempidex
