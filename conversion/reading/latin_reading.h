// Reading a line of Latin: a date alone as the window's lists write it ("a. d. XIX Kal. Ian."),
// with its year ("a. d. XIX Kal. Ian. MDXXIV"), or a whole dating clause as letters, charters,
// laws and bulls write it. One reader for all: the line's words are split and classified once
// (words.h), the grammar finds every phrase they can form (rules.h), and the readings of the
// whole line are chosen among them (readings.h). A line that reads two ways gives both, to be
// compared once their days are counted; a line that cannot be read says which words are at
// fault.
#pragma once

#include "date_reading.h"
#include "few.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tempidex {

// A line longer than this can be no date, and is not read.
inline constexpr std::size_t LongestLine = 4096;

enum class LineFault : std::uint8_t {
    None,
    TooLong,      // more bytes than LongestLine
    TooManyWords, // more words than any clause has
    NoDate,       // neither a named day with its month nor a day of a month
    Feast,        // a day by a feast whose name is not read: in festo beati Germani
    Designation,  // a. d. XX, a. d. VI bis: a count that names no day
    Month,        // a named day whose month is missing or not a month, in a date alone
    ClauseMonth,  // the same among the words of a clause
    Year,         // a year out of range, written 0, with a minus sign or two eras
    Anno,         // "anno" and no year after it
    Number,       // a number that is neither the date's, nor a year, nor anything else read
    TwoDates,     // two dates that differ
    TwoYears,     // two years that differ
    TwoStyles,    // two styles of the year that differ: more veneto, stilo florentino
    TooComplex,   // more ways to read the words than are worth trying
};

struct LineReading {
    bool blank = false; // nothing but spaces: no date and no error
    LineFault fault = LineFault::None;
    std::string_view faultText; // the words at fault, as written
    // Without a fault: each different way of reading the line (one, unless the words read two
    // ways), the first the one that takes the most words first.
    Few<DateReading, 4> readings;
};

class WordMemo;

// `memo`: where a caller that reads many lines keeps their words (word_memo.h).
LineReading ReadLatinLine(std::string_view line, WordMemo *memo = nullptr);

} // namespace tempidex
