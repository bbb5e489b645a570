// Conversion of a Roman date to a modern day and month.
//
// ConvertRomanDate takes the three texts of the main window's lists (designation, reference
// day, month) and answers with the text for the result field and the list, if any, that
// should receive the keyboard focus. It is a lookup in fixed tables, not date arithmetic:
// there is no year, and a leap year enters only through the month "Mar. (a. i.)". Any input,
// however malformed, gets one of the three error texts of vocabulary.h; nothing is thrown.
#pragma once

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

} // namespace tempidex
