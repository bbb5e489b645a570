// What a line of Latin says, as one value: the date (a Roman day, or a day counted from the
// month's first), its year as written and how it was counted, and what the words around them
// say (a weekday, an indiction, a year that only consuls or a reign give). Reading makes it
// (latin_reading.h); computing the day (result/dating.h) and writing the answer take it from
// there and never look at the text again, except to quote it.
#pragma once

#include "calendar/church_year.h"
#include "calendar/roman_day.h"
#include "calendar/year_styles.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace tempidex {

// The years of the Incarnation were first counted in 525, in Dionysius Exiguus's Easter table,
// and charters were dated by them from the eighth century: one counted so before it is a year
// whose thousand the scribe left out ("anno ab incarnatione Domini centesimo quinquagesimo
// primo" is 1151), never the year 151.
inline constexpr int FirstYearOfTheIncarnation = 525;

// How the year was counted, as its words say. The year styles (1 January, 25 March...) apply
// to years of the Christian era alone, and matter most where the Incarnation or the Nativity is
// named.
enum class YearCount : std::uint8_t {
    Unmarked,     // 1524, MDXXIV, anno millesimo quingentesimo
    Christian,    // anno Domini, A.D., anno salutis, post Christum natum
    Incarnation,  // anno ab incarnatione Domini, anno dominicae incarnationis
    Nativity,     // anno a nativitate Domini, anno a natali Christiano
    City,         // a.u.c., ab urbe condita
    BeforeChrist, // a.C., BC
    SpanishEra,   // Era MCCCLXXVI: 38 years ahead
};

// The calendar a clause says its day is counted in, where it says one: after the reform, letters
// from Protestant lands write "stilo veteri", "vetere calculo" (the Julian calendar) or "novo
// calculo", "Gregoriani" (the Gregorian).
enum class Calendar : std::uint8_t { Unsaid, Julian, Gregorian };

struct LatinDate {
    RomanDay day;              // for a day of the month: that month's Calends
    bool leapYear = false;     // "(a. i.)": counted back from the March Calends of a leap year
    int dayOfMonth = 0;        // "die XX mensis Maii": the day counted from the first; else 0
    std::optional<int> year;   // astronomical (0 is 1 BC), as written: before any year style
    bool fromMonthEnd = false; // Bologna's "die II exeunte": dayOfMonth counted back from the end
    ChurchDay church;          // "in festo sancti Martini": a day of the church year, not `day`
    constexpr bool operator==(const LatinDate &) const = default;
};

// Where the year is, when the clause has one that is not computed.
enum class YearElsewhere : std::uint8_t {
    None,
    Consuls,     // Honorio VIII et Theodosio III conss.
    Reign,       // pontificatus nostri anno nono, regni nostri anno XIII
    Anno,        // Ao. IX: a year of a reign or pontificate, or of an era nobody names
    AsAbove,     // anno ut supra, eodem anno
    Below,       // anno infrascripto: the year written further on
    World,       // anno mundi
    Anniversary, // decimo a Dogmatica Definitione: a count from an event
    NoCentury,   // 18 Novembris 89, VI Novembris LXXVIII: a year written without its century
};

// A date of the clause besides the one answered: a law's "acc." or "pp." beside its "dat.".
enum class DateRole : std::uint8_t { Given, Received, Posted };

struct ClauseNotes {
    YearCount count = YearCount::Unmarked;
    std::optional<int> laterYear;  // a double year, "1195-6", "1620/21": the later of the two
    std::optional<int> spanishEra; // the era written beside a year of the Lord, to check
    YearElsewhere elsewhere = YearElsewhere::None;
    std::string_view elsewhereText; // the words that give it, as written
    bool republicsConsuls = false;  // consuls named as the Republic named them: Q. Metello
    bool oldMonthName = false;      // Quintilis or Sextilis: a date of Rome before Augustus
    std::int8_t weekday = -1;       // named in the clause: 0 Sunday ... 6 Saturday
    // "dominica prima Novembris": the weekday right before the day's ordinal, which may count
    // that weekday in the month (the first Sunday of November) as well as the days
    bool weekdayOrdinal = false;
    std::int8_t indiction = 0; // named in the clause: 1 to 15
    std::int8_t month = 0;     // "mense Maio" beside the date: the month it falls in
    bool pridieAsII = false;   // "a. d. II", as manuscripts write the day before
    std::int8_t readMonth = 0; // a month read from a misspelt name, and that name
    std::string_view misspeltMonth;
    int readOrdinal = 0; // an ordinal read from a misspelt word, and that word
    std::string_view misspeltOrdinal;
    std::string_view unreadIndiction;     // indictione Vl: the indiction's number, not checked
    std::string_view unreadFeast;         // in festo beati Germani: a day by a feast, not read
    Calendar calendar = Calendar::Unsaid; // vetere calculo: the calendar the day is counted in
    std::optional<YearStyle> style;       // more veneto: the style the year is counted in
    std::string_view calendarText;        // the words that say the calendar, as written
    DateRole otherRole = DateRole::Given; // Received or Posted: the other date below
    LatinDate otherDate;
    bool givenUnmarked = false; // the date answered has no "dat." of its own beside the other
    bool sic = false;           // the editor's "(sic)": the words are as the document has them
    // A day of the month written beside a movable feast ("quarto kalendas maii dominica
    // Quasimodo"): the two are one day only in some years, checked in the year counted.
    std::optional<LatinDate> sameDay;
};

// One way of reading the line: the date and what the words around it say.
struct DateReading {
    LatinDate date;
    ClauseNotes notes;
};

} // namespace tempidex
