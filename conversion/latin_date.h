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
    std::optional<int> year; // astronomical (0 is 1 BC)
};

// The parts of a Latin date, in the order they are checked.
enum class LatinPart : std::uint8_t { None, Designation, Reference, Month, Year, WholeLine };

struct LatinReading {
    LatinDate date;                     // meaningful where `unread` is None
    LatinPart unread = LatinPart::None; // the first part not understood; WholeLine: too long
    std::string_view unreadText;        // that part as written: a view of the text read
    bool blank = false;                 // nothing but spaces: no date and no error

    static constexpr LatinReading Of(const LatinDate &date) { return {date, {}, {}, false}; }
    static constexpr LatinReading Unread(LatinPart part, std::string_view written) {
        return {{}, part, written, false};
    }
    static constexpr LatinReading Blank() { return {{}, LatinPart::None, {}, true}; }
};

} // namespace tempidex
