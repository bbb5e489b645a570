// The Roman calendar as arithmetic, for dates with a year: which years are leap years, how
// long the months are, and which day a Roman count names, in both directions. The window's
// ConvertRomanDate (roman_date.h) stays a fixed lookup with no year; the command line counts
// here whenever a year is given, and for postridie, which no list holds.
//
// Years are astronomical: 1 is AD 1, 0 is 1 BC, -43 is 44 BC. Up to 4 October 1582 the Julian
// rule holds (every fourth year a leap year, 45, 41, ... 5, 1 BC included), from 15 October
// 1582 the Gregorian rule; the ten days between do not exist. Reckoning::Julian keeps the
// Julian rule for every year, with no gap. Before 45 BC the months have their lengths from
// before Caesar's reform, and no year is a leap year: intercalary months are not modelled.
#pragma once

#include "vocabulary.h"

#include <cstdint>

namespace tempidex {

enum class Reckoning : std::uint8_t { Historical, Julian };

inline constexpr int FirstYear = -752;      // 753 BC, the first year of the city
inline constexpr int LastYear = 9999;       // AD
inline constexpr int FirstJulianYear = -44; // 45 BC
inline constexpr int GregorianYear = 1582;  // from 15 October
inline constexpr int YearsOfTheCityAtAD1 = 754;

// How a year lays out its days. A date without a year is a common year, or a leap year where
// it says so.
struct YearShape {
    bool leap = false;      // February has 29 days, the sixth before the March Calends doubled
    bool preJulian = false; // the months' lengths from before Caesar's reform
};

constexpr bool IsLeapYear(int year, Reckoning reckoning) {
    if (year < FirstJulianYear)
        return false;
    if (reckoning == Reckoning::Historical && year > GregorianYear)
        return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
    return (year % 4 + 4) % 4 == 0; // 0 is 1 BC
}

constexpr YearShape ShapeOf(int year, Reckoning reckoning) {
    return {IsLeapYear(year, reckoning), year < FirstJulianYear};
}

// The ten days that the Gregorian reform left out: 5 to 14 October 1582.
constexpr bool InGregorianGap(int year, int month, int day, Reckoning reckoning) {
    return reckoning == Reckoning::Historical && year == GregorianYear && month == 10 && day >= 5 &&
           day <= 14;
}

// Month 1 to 12.
constexpr int MonthLength(int month, YearShape shape) {
    constexpr int julian[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    // Before the reform the four months with late Nones had 31 days, February 28, the rest 29.
    constexpr int republican[] = {29, 28, 31, 29, 31, 29, 31, 29, 29, 31, 29, 29};
    const int i = month - 1;
    if (shape.preJulian)
        return republican[i];
    return julian[i] + (month == 2 && shape.leap ? 1 : 0);
}

// March, May, July and October have their Nones on the 7th, the other months on the 5th; the
// Ides are eight days later.
constexpr int NonesOf(int month) {
    return month == 3 || month == 5 || month == 7 || month == 10 ? 7 : 5;
}
constexpr int IdesOf(int month) {
    return NonesOf(month) + 8;
}
constexpr int NamedDayOf(Reference reference, int month) {
    return reference == Reference::Calends ? 1
           : reference == Reference::Nones ? NonesOf(month)
                                           : IdesOf(month);
}

// A Roman day as counted: `count` days back to the named day, both ends included, so the named
// day itself is 1 and pridie 2.
struct RomanDay {
    int count = 1;
    bool doubled = false;  // a. d. bis VI, the day a leap year adds
    bool dayAfter = false; // postridie: the day after the named day (count 1)
    Reference reference = Reference::Calends;
    int month = 1; // whose Calends, Nones or Ides are named
    constexpr bool operator==(const RomanDay &) const = default;
};

struct DayOfMonth {
    int month = 1;
    int day = 1;
    constexpr bool operator==(const DayOfMonth &) const = default;
};

enum class CountFault : std::uint8_t {
    None,
    TooFar,       // it runs back past the named day before: that day counts from another
    NoDoubledDay, // bis VI anywhere but before the March Calends of a leap year
};

struct Located {
    DayOfMonth date; // the day named; for TooFar, the day the count would have reached
    CountFault fault = CountFault::None;
};

constexpr DayOfMonth DayBefore(DayOfMonth date, int days, YearShape shape) {
    date.day -= days;
    while (date.day < 1) {
        date.month = date.month == 1 ? 12 : date.month - 1;
        date.day += MonthLength(date.month, shape);
    }
    return date;
}

// The day that `roman` names in a year of that shape. A day counted back from the Calends lies
// in the month before, in the same year: a. d. XIX Kal. Ian. of a year is its 14 December.
constexpr Located Locate(const RomanDay &roman, YearShape shape) {
    const int named = NamedDayOf(roman.reference, roman.month);
    if (roman.count == 1)
        return {{roman.month, named + (roman.dayAfter ? 1 : 0)}};
    const bool leapFebruary =
        roman.reference == Reference::Calends && roman.month == 3 && shape.leap;
    if (roman.doubled)
        return leapFebruary && roman.count == 6 ? Located{{2, 25}}
                                                : Located{{2, 25}, CountFault::NoDoubledDay};
    if (roman.reference != Reference::Calends) {
        const int before = roman.reference == Reference::Nones ? 1 : NonesOf(roman.month);
        const int day = named + 1 - roman.count;
        if (day > before)
            return {{roman.month, day}};
        return {DayBefore({roman.month, named}, roman.count - 1, shape), CountFault::TooFar};
    }
    const int month = roman.month == 1 ? 12 : roman.month - 1;
    // In a leap February the 24th and the 25th are both the sixth day: the count runs one day
    // further once it has passed them.
    const int end = MonthLength(month, shape) + 1;
    const int day = end + 1 - roman.count - (leapFebruary && roman.count >= 6 ? 1 : 0);
    if (day > IdesOf(month))
        return {{month, day}};
    return {DayBefore({month, day + 1}, 1, shape), CountFault::TooFar};
}

// The Roman day of `date`, a day of a year of that shape: from its own Calends, Nones or Ides
// up to the Ides, afterwards counted back from the next month's Calends.
constexpr RomanDay NameOf(DayOfMonth date, YearShape shape) {
    const int month = date.month;
    if (date.day == 1)
        return {1, false, false, Reference::Calends, month};
    if (date.day <= NonesOf(month))
        return {NonesOf(month) + 1 - date.day, false, false, Reference::Nones, month};
    if (date.day <= IdesOf(month))
        return {IdesOf(month) + 1 - date.day, false, false, Reference::Ides, month};
    const int next = month % 12 + 1;
    const int end = MonthLength(month, shape) + 1;
    if (month == 2 && shape.leap && date.day <= 25) // the 25th is the sixth day doubled
        return {date.day == 25 ? 6 : end - date.day, date.day == 25, false, Reference::Calends,
                next};
    return {end + 1 - date.day, false, false, Reference::Calends, next};
}

} // namespace tempidex
