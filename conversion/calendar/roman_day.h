// A Roman day as one record, and the two directions between it and a day of the month: which
// day a count back from the Calends, Nones or Ides names (DayFromRoman), and how a day is named
// (RomanFromDay). Both count on the calendar's facts in roman_calendar.h and on nothing else.
#pragma once

#include "roman_calendar.h"

#include <cstdint>

namespace tempidex {

// The named days, in the order of the window's reference-day list.
enum class Reference : std::uint8_t { Calends, Nones, Ides };

constexpr int DayOfReference(Reference reference, int month) {
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

enum class CountFault : std::uint8_t {
    None,
    TooFar,       // it runs back past the named day before: that day counts from another
    NoDoubledDay, // bis VI anywhere but before the March Calends of a leap year
};

struct CountedDay {
    DayOfMonth date; // the day named; for TooFar, the day the count would have reached
    CountFault fault = CountFault::None;
};

// The day that `roman` names in a year of that shape. A day counted back from the Calends lies
// in the month before, in the same year: a. d. XIX Kal. Ian. of a year is its 14 December.
constexpr CountedDay DayFromRoman(const RomanDay &roman, YearShape shape) {
    const int named = DayOfReference(roman.reference, roman.month);
    if (roman.count == 1)
        return {{roman.month, named + (roman.dayAfter ? 1 : 0)}};
    const bool leapFebruary =
        roman.reference == Reference::Calends && roman.month == 3 && shape.leap;
    if (roman.doubled)
        return leapFebruary && roman.count == 6 ? CountedDay{{2, 25}}
                                                : CountedDay{{2, 25}, CountFault::NoDoubledDay};
    if (roman.reference != Reference::Calends) {
        const int before = roman.reference == Reference::Nones ? 1 : NonesOf(roman.month);
        const int day = named + 1 - roman.count;
        if (day > before)
            return {{roman.month, day}};
        return {DaysBefore({roman.month, named}, roman.count - 1, shape), CountFault::TooFar};
    }
    const int month = MonthBefore(roman.month);
    // In a leap February the 24th and the 25th are both the sixth day: the count runs one day
    // further once it has passed them.
    const int end = MonthLength(month, shape) + 1;
    const int day = end + 1 - roman.count - (leapFebruary && roman.count >= 6 ? 1 : 0);
    if (day > IdesOf(month))
        return {{month, day}};
    return {DaysBefore({month, day + 1}, 1, shape), CountFault::TooFar};
}

// The Roman day of `date`, a day of a year of that shape: from its own Calends, Nones or Ides
// up to the Ides, afterwards counted back from the next month's Calends.
constexpr RomanDay RomanFromDay(DayOfMonth date, YearShape shape) {
    const int month = date.month;
    if (date.day == 1)
        return {1, false, false, Reference::Calends, month};
    if (date.day <= NonesOf(month))
        return {NonesOf(month) + 1 - date.day, false, false, Reference::Nones, month};
    if (date.day <= IdesOf(month))
        return {IdesOf(month) + 1 - date.day, false, false, Reference::Ides, month};
    const int end = MonthLength(month, shape) + 1;
    if (month == 2 && shape.leap && date.day <= 25) // the 25th is the sixth day doubled
        return {date.day == 25 ? 6 : end - date.day, date.day == 25, false, Reference::Calends,
                MonthAfter(month)};
    return {end + 1 - date.day, false, false, Reference::Calends, MonthAfter(month)};
}

// The named day a day of its month is counted from: its own Nones or Ides, or the Calends of
// the month after; or the named day it is.
struct NamedDay {
    Reference reference;
    DayOfMonth date;
};

constexpr NamedDay CountedFrom(DayOfMonth date) {
    // Which named day counts a day does not depend on the year's shape, only the count does.
    const RomanDay roman = RomanFromDay(date, YearShape{});
    return {roman.reference, {roman.month, DayOfReference(roman.reference, roman.month)}};
}

// The named day before those that `roman`'s reference day counts: the Ides of the month
// before the Calends, the Calends before the Nones, the Nones before the Ides.
constexpr NamedDay NamedDayBefore(const RomanDay &roman) {
    switch (roman.reference) {
    case Reference::Calends: {
        const int month = MonthBefore(roman.month);
        return {Reference::Ides, {month, IdesOf(month)}};
    }
    case Reference::Nones:
        return {Reference::Calends, {roman.month, 1}};
    case Reference::Ides:
        break;
    }
    return {Reference::Nones, {roman.month, NonesOf(roman.month)}};
}

} // namespace tempidex
