// One count of days for every calendar, as the calendar libraries keep it: day 1 is 1 January
// AD 1 of the proleptic Gregorian calendar (the "fixed" day, Rata Die), and a date of either
// calendar goes to that number and back. The historical calendar is the Julian up to
// 4 October 1582 and the Gregorian from the next day, 15 October; Reckoning::Julian keeps the
// Julian calendar throughout. The weekday, the length of a month, the ten days the reform left
// out and the ISO dates of the answers all come from this count.
//
// Years are astronomical (0 is 1 BC, -43 is 44 BC). Before 45 BC the Roman months had other
// lengths and the year no fixed leap rule: days before then are not counted here.
#pragma once

#include "roman_calendar.h"

#include <array>
#include <cstddef>

namespace tempidex {

struct Date {
    int year = 1; // astronomical
    int month = 1;
    int day = 1;
    constexpr bool operator==(const Date &) const = default;
};

namespace detail {

constexpr long FloorDivide(long a, long b) {
    return a / b - (a % b != 0 && (a < 0) != (b < 0) ? 1 : 0);
}

// The days of the year before the first of `month` in a year of 365 days, and one more from
// March in a leap year.
constexpr long DaysBeforeMonth(int month, bool leap) {
    return (367L * month - 362) / 12 + (month <= 2 ? 0 : leap ? -1 : -2);
}

constexpr bool IsGregorianLeapYear(long year) {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

constexpr bool IsJulianLeapYear(long year) {
    return FloorDivide(year, 4) * 4 == year;
}

} // namespace detail

constexpr long FixedFromGregorian(Date date) {
    const long before = date.year - 1L;
    return 365 * before + detail::FloorDivide(before, 4) - detail::FloorDivide(before, 100) +
           detail::FloorDivide(before, 400) +
           detail::DaysBeforeMonth(date.month, detail::IsGregorianLeapYear(date.year)) + date.day;
}

// 1 January AD 1 of the Julian calendar is 30 December AD 0 of the Gregorian: fixed day -1.
constexpr long FixedFromJulian(Date date) {
    const long before = date.year - 1L;
    return -2 + 365 * before + detail::FloorDivide(before, 4) +
           detail::DaysBeforeMonth(date.month, detail::IsJulianLeapYear(date.year)) + date.day;
}

constexpr Date GregorianFromFixed(long fixed) {
    // The year from the 400-, 100-, 4- and 1-year cycles that precede the day.
    const long d0 = fixed - 1;
    const long n400 = detail::FloorDivide(d0, 146097), d1 = d0 - n400 * 146097;
    const long n100 = d1 / 36524, d2 = d1 % 36524;
    const long n4 = d2 / 1461, d3 = d2 % 1461;
    const long n1 = d3 / 365;
    long year = 400 * n400 + 100 * n100 + 4 * n4 + n1;
    if (n100 != 4 && n1 != 4)
        ++year;
    const bool leap = detail::IsGregorianLeapYear(year);
    const long dayOfYear = fixed - FixedFromGregorian({static_cast<int>(year), 1, 1});
    const long correction = fixed < FixedFromGregorian({static_cast<int>(year), 3, 1}) ? 0
                            : leap                                                     ? 1
                                                                                       : 2;
    const int month = static_cast<int>((12 * (dayOfYear + correction) + 373) / 367);
    return {static_cast<int>(year), month,
            static_cast<int>(fixed - FixedFromGregorian({static_cast<int>(year), month, 1}) + 1)};
}

constexpr Date JulianFromFixed(long fixed) {
    const int year = static_cast<int>(detail::FloorDivide(4 * (fixed + 1) + 1464, 1461));
    const bool leap = detail::IsJulianLeapYear(year);
    const long dayOfYear = fixed - FixedFromJulian({year, 1, 1});
    const long correction = fixed < FixedFromJulian({year, 3, 1}) ? 0 : leap ? 1 : 2;
    const int month = static_cast<int>((12 * (dayOfYear + correction) + 373) / 367);
    return {year, month, static_cast<int>(fixed - FixedFromJulian({year, month, 1}) + 1)};
}

// Thursday 4 October 1582, the last day of the Julian calendar in Rome.
inline constexpr long LastJulianDay = FixedFromJulian({GregorianYear, 10, 4});

// The day a date of the historical calendar (or of the Julian throughout) names. Of the ten
// days the reform left out, only the Julian reading exists.
constexpr long FixedFromDate(Date date, Reckoning reckoning) {
    const long julian = FixedFromJulian(date);
    return reckoning == Reckoning::Julian || julian <= LastJulianDay ? julian
                                                                     : FixedFromGregorian(date);
}

constexpr Date DateFromFixed(long fixed, Reckoning reckoning) {
    return reckoning == Reckoning::Julian || fixed <= LastJulianDay ? JulianFromFixed(fixed)
                                                                    : GregorianFromFixed(fixed);
}

// 0 Sunday to 6 Saturday: fixed day 1, 1 January AD 1 (Gregorian), was a Monday.
constexpr int WeekdayOfFixed(long fixed) {
    return static_cast<int>(fixed - 7 * detail::FloorDivide(fixed, 7));
}

// Whether the date is one of the days the calendar has: its month has that day, and it is not
// one of 5 to 14 October 1582 in the historical calendar. From 45 BC on.
constexpr bool IsDayOfTheCalendar(Date date, Reckoning reckoning) {
    return date.day >= 1 && date.month >= 1 && date.month <= CalendarMonths &&
           DateFromFixed(FixedFromDate(date, reckoning), reckoning) == date;
}

// The month lengths and leap years of roman_calendar.h are those of this count, and the reform
// left out ten days.
constexpr bool TheCalendarsAgree() {
    for (const Reckoning reckoning : {Reckoning::Historical, Reckoning::Julian})
        for (int year = FirstJulianYear; year <= 2100; ++year) {
            if ((year < 1580 || year > 1704) && year % 23 != 0 && year % 100 != 0)
                continue; // every year of the change, and a sample of the others
            for (int month = 1; month <= CalendarMonths; ++month) {
                const Date first{year, month, 1};
                const Date next{month == 12 ? year + 1 : year, month % 12 + 1, 1};
                const long length =
                    FixedFromDate(next, reckoning) - FixedFromDate(first, reckoning) +
                    (year == GregorianYear && month == 10 && reckoning == Reckoning::Historical
                         ? 10
                         : 0);
                if (length != MonthLength(month, ShapeOf(year, reckoning)))
                    return false;
            }
        }
    return FixedFromGregorian({GregorianYear, 10, 15}) == LastJulianDay + 1;
}
static_assert(TheCalendarsAgree());

} // namespace tempidex
