// The perpetual calendar of a year, as the chronologists' tables give it: the golden number,
// the epact, the dominical letters, the indiction, the number of Easter's table, Easter and
// every movable day; or a month day by day, with each day's weekday, its Roman name and its
// feasts. In Italian, in columns that fit 79 characters.
#pragma once

#include "calendar/roman_calendar.h"

#include <string>

namespace tempidex {

std::string YearCalendarText(int year, Reckoning reckoning);
std::string MonthCalendarText(int year, int month, Reckoning reckoning);

} // namespace tempidex
