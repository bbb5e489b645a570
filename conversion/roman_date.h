// Conversion of a Roman date to a modern day and month, as the main window shows it.
//
// ConvertRomanDate takes the three texts of the window's lists (designation, reference day,
// month), or the date they were read as, and answers with the text for the result field and
// the list, if any, that should receive the keyboard focus. It looks the day up in a fixed
// table, proved at compile time to be the calendar's own count: there is no year, and a leap
// year enters only through the month "Mar. (a. i.)". Any input, however malformed, gets one of
// the three error texts of window_lists.h; nothing is thrown.
#pragma once

#include "latin_date.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace tempidex {

enum class FocusTarget { None, Combo1, Combo2, Combo3 };

struct ConversionResult {
    std::string text;
    FocusTarget focus;
};

ConversionResult ConvertRomanDate(std::string_view designation, std::string_view reference,
                                  std::string_view month);

// The same for texts already read (ReadListTexts): a date the lists hold, with no year and no
// postridie, or the list at fault.
ConversionResult ConvertRomanDate(const LatinReading &reading);

// How a month is spelt: as the window has always shown it ("Genaio" for the days before the
// February Calends), or as Italian spells it, for the command line.
enum class MonthSpelling : std::uint8_t { Window, Italian };

// Appends what the window shows for `date`, a date its lists hold; the list at fault, or
// FocusTarget::None when it names a day.
FocusTarget AppendRomanDate(std::string &out, const LatinDate &date,
                            MonthSpelling spelling = MonthSpelling::Window);

} // namespace tempidex
