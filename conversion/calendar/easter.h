// Easter, by the computus of the Church: the Julian one up to 1582, the Gregorian one after it
// (or the Julian throughout). The year style that began each year at Easter (year_styles.h)
// and the church year's movable days are counted from it.
#pragma once

#include "roman_calendar.h"

namespace tempidex {

// Easter Sunday of a year from AD 1: by Meeus's form of the Julian computus, and by the
// Gregorian one of the anonymous New York correspondent (1876).
constexpr DayOfMonth EasterOf(int year, Reckoning reckoning) {
    if (reckoning == Reckoning::Julian || year <= GregorianYear) {
        const int d = (19 * (year % 19) + 15) % 30;
        const int e = (2 * (year % 4) + 4 * (year % 7) - d + 34) % 7;
        return {(d + e + 114) / 31, (d + e + 114) % 31 + 1};
    }
    const int a = year % 19, b = year / 100, c = year % 100;
    const int f = (b + 8) / 25, g = (b - f + 1) / 3;
    const int h = (19 * a + b - b / 4 - g + 15) % 30;
    const int l = (32 + 2 * (b % 4) + 2 * (c / 4) - h - c % 4) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    return {(h + l - 7 * m + 114) / 31, (h + l - 7 * m + 114) % 31 + 1};
}

} // namespace tempidex
