// Modern dates as the program answers them: "14 Dicembre", "14 Dicembre 1524", "15 Marzo 44
// a.C.", the month named as the window's month list names it ("Gennaio", and "Febbraio (anno
// bisestile)" for a February day counted back from the March Calends of a leap year, where no
// year says it).
#pragma once

#include "calendar/roman_calendar.h"

#include <optional>
#include <string>

namespace tempidex {

// Appends the year as the answers write it: "1524", "44 a.C.".
void AppendModernYear(std::string &out, int year);
std::string ModernYearText(int year);

// Appends "14 Dicembre 1524": the day in two digits, the month, the year where there is one.
// `leapFebruary`: a February day of a leap year without a year, named as the window names it.
void AppendModernDate(std::string &out, DayOfMonth day, std::optional<int> year,
                      bool leapFebruary = false);

// The Italian name of a month, 1 to 12, as the answers write it.
std::string_view ItalianMonthName(int month);

} // namespace tempidex
