// What a Latin date means, as one value: the Roman day, whether it said "(a. i.)", and its
// year. Reading a line (latin_reading.h) or the window's three list texts (window_lists.h)
// makes one LatinReading; converting, writing and explaining take it from there and never look
// at the text again, except to quote a part that was not understood.
#pragma once

#include "roman_day.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace tempidex {

struct LatinDate {
    RomanDay day;
    bool leapYear = false;   // "(a. i.)": a day counted back from the March Calends of a leap year
    std::optional<int> year; // astronomical (0 is 1 BC), as written: before any year style
};

// How the year was counted, as its words say: the year styles (1 January, 25 March...) apply
// to years of the Christian era alone, and matter most where the Incarnation or the Nativity
// is named.
enum class YearCount : std::uint8_t {
    Unmarked,     // 1524, MDXXIV
    Christian,    // anno Domini, A.D., anno salutis, post Christum natum
    Incarnation,  // anno ab incarnatione Domini, anno dominicae incarnationis
    Nativity,     // anno a nativitate Domini, anno a natali Christiano
    City,         // a.u.c., ab urbe condita
    BeforeChrist, // a.C., BC
    Consuls,      // no year: the consuls named give it
};

// What a whole dating clause says besides the date, for the answer to check and explain.
struct ClauseNotes {
    YearCount count = YearCount::Unmarked;
    std::optional<int> laterYear; // a double year, "1195-6", "1620/21": the later of the two
    std::optional<int> otherYear; // a year that reads two ways ("a. 707"): the second reading
    std::int8_t weekday = -1;     // named in the clause: 0 Sunday ... 6 Saturday
    std::int8_t indiction = 0;    // named in the clause: 1 to 15
    std::int8_t dayOfMonth = 0;   // "die XX mensis Maii": the day counted from the month's start
    bool pridieAsII = false;      // "a. d. II", as manuscripts write the day before
};

// The parts of a Latin date, in the order they are checked.
// AmbiguousYear: a year that reads two ways, both in the notes; TwoDates: two different dates.
enum class LatinPart : std::uint8_t {
    None,
    Designation,
    Reference,
    Month,
    Year,
    WholeLine,
    AmbiguousYear,
    TwoDates,
};

struct LatinReading {
    LatinDate date;                     // meaningful where `unread` is None
    LatinPart unread = LatinPart::None; // the first part not understood; WholeLine: too long
    std::string_view unreadText;        // that part as written: a view of the text read
    bool blank = false;                 // nothing but spaces: no date and no error
    ClauseNotes notes;                  // what the words around the date say

    static constexpr LatinReading Of(const LatinDate &date, const ClauseNotes &notes = {}) {
        return {date, {}, {}, false, notes};
    }
    static constexpr LatinReading Unread(LatinPart part, std::string_view written) {
        return {{}, part, written, false, {}};
    }
    static constexpr LatinReading Blank() { return {{}, LatinPart::None, {}, true, {}}; }
};

} // namespace tempidex
