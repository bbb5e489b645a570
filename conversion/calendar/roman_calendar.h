// The calendar's facts, each stated once: which years are leap years in each reckoning, the
// ten days the Gregorian reform left out, how long each month is, and where its Nones and Ides
// fall. Every count of days in the program, the window's fixed day table included, rests on
// these.
//
// Years are astronomical: 1 is AD 1, 0 is 1 BC, -43 is 44 BC. Up to 4 October 1582 the Julian
// rule holds (every fourth year a leap year, 45, 41, ... 5, 1 BC included), from 15 October
// 1582 the Gregorian rule. Reckoning::Julian keeps the Julian rule for every year, with no gap.
// Before 45 BC the months have their lengths from before Caesar's reform, and no year is a
// leap year: intercalary months are not modelled.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace tempidex {

enum class Reckoning : std::uint8_t { Historical, Julian };

inline constexpr int FirstYear = -752;      // 753 BC, the first year of the city
inline constexpr int LastYear = 9999;       // AD
inline constexpr int FirstJulianYear = -44; // 45 BC
inline constexpr int GregorianYear = 1582;  // from 15 October
inline constexpr int CalendarMonths = 12;

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

// Month 1 to 12.
constexpr int MonthLength(int month, YearShape shape) {
    constexpr std::array<int, CalendarMonths> julian{31, 28, 31, 30, 31, 30,
                                                     31, 31, 30, 31, 30, 31};
    // Before the reform the four months with late Ides had 31 days, February 28, the rest 29.
    constexpr std::array<int, CalendarMonths> republican{29, 28, 31, 29, 31, 29,
                                                         31, 29, 29, 31, 29, 29};
    const auto i = static_cast<std::size_t>(month - 1);
    if (shape.preJulian)
        return republican[i];
    return julian[i] + (month == 2 && shape.leap ? 1 : 0);
}

// The Ides fall on the 15th in March, May, July and October, on the 13th in the other months;
// the Nones are always eight days before them (the ninth day, counted inclusively).
constexpr int IdesOf(int month) {
    return month == 3 || month == 5 || month == 7 || month == 10 ? 15 : 13;
}
constexpr int NonesOf(int month) {
    return IdesOf(month) - 8;
}

constexpr int MonthBefore(int month) {
    return month == 1 ? CalendarMonths : month - 1;
}
constexpr int MonthAfter(int month) {
    return month % CalendarMonths + 1;
}

struct DayOfMonth {
    int month = 1; // 1 to 12
    int day = 1;
    constexpr bool operator==(const DayOfMonth &) const = default;
};

// The day `days` before `date`, in a year of that shape (December follows on from January).
constexpr DayOfMonth DaysBefore(DayOfMonth date, int days, YearShape shape) {
    date.day -= days;
    while (date.day < 1) {
        date.month = MonthBefore(date.month);
        date.day += MonthLength(date.month, shape);
    }
    return date;
}

} // namespace tempidex
