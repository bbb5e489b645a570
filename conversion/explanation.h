// Why a Roman date is the day it is, or why it is none, in one Italian sentence for whoever
// wants to learn the count: the command line's --explain, and the tooltip of the window's
// result. The day itself is always reckoned elsewhere (roman_calendar.h); this only says it.
#pragma once

#include "roman_calendar.h"

#include <optional>
#include <string>
#include <string_view>

namespace tempidex {

// The count of `roman` to the day it reached, `located`, in a year of that shape: the day, or
// for a fault where the count would have fallen. `leapYear`: the date said "(a. i.)".
std::string ExplainCount(const RomanDay &roman, bool leapYear, YearShape shape,
                         std::optional<int> year, const Located &located);

enum class Unread : unsigned char { Designation, Reference, Month, Year, ModernDate, TooLong };
// A part that was not understood, as it was written.
std::string ExplainUnread(Unread part, std::string_view written);

std::string ExplainGap(DayOfMonth date, int year); // 5 to 14 October 1582
std::string ExplainCommonYear(int year);           // "(a. i.)" with a common year
std::string ExplainLeapMarchNonesIdes();           // "Mar. (a. i.)" with Non. or Id.
std::string ExplainNoSuchDay(DayOfMonth date, YearShape shape, std::optional<int> year);

// The window's three texts, compared exactly as its conversion compares them.
std::string ExplainListTexts(std::string_view designation, std::string_view reference,
                             std::string_view month);

} // namespace tempidex
