// The day an answer names as ISO 8601 writes it, for the files the command line fills in
// (spreadsheets, TEI editions, JSON): in the proleptic Gregorian calendar, as the standard
// counts every day, and in the Julian calendar where the day was reckoned in it. Years are
// astronomical with at least four digits and a sign before Christ: 15 March 44 BC (Julian) is
// -0043-03-15, and -0043-03-13 in the Gregorian count. A day without a year has neither; nor
// has a day before 45 BC, whose place among the Julian days nobody knows.
#pragma once

#include "result/dating.h"

#include <string>

namespace tempidex {

struct IsoDates {
    std::string gregorian; // empty where the answer names no day of a known year
    std::string julian;    // empty also where the day was reckoned in the Gregorian calendar
};

IsoDates IsoDatesOf(const Dating &dating);

// The same for a day of the calendar `reckoning` counts (a modern date written back in Latin).
IsoDates IsoDatesOfDay(int year, int month, int day, Reckoning reckoning);

// "2026-12-07", "-0043-03-13", "12345-01-01".
std::string IsoDateText(int year, int month, int day);

} // namespace tempidex
