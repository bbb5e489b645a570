// Conversion of a Roman date to a modern day and month, as the main window shows it.
//
// ConvertRomanDate takes the three texts of the window's lists (designation, reference day,
// month), or the date they were read as, and answers with the text for the result field and
// the list, if any, that should receive the keyboard focus. It looks the day up in a fixed
// table, proved at compile time to be the calendar's own count: there is no year, and a leap
// year enters only through the month "Mar. (a. i.)". Any input, however malformed, gets one of
// the three error texts of window_lists.h; nothing is thrown.
#pragma once

#include "window_lists.h"

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

// The same for texts already read (ReadListTexts): a date the lists hold, or the list at
// fault.
ConversionResult ConvertRomanDate(const ListReading &reading);

// The result's tooltip: the list whose text is none of its entries, or how the day is counted.
std::string ExplainListReading(const ListReading &reading);

} // namespace tempidex
