// How the years of the Christian era were counted before 1 January became their first day
// everywhere, and the two checks a dated document carries besides its year: the weekday and
// the indiction.
//
// A year style says on which day the year begins and whether it begins before or after the
// 1 January of the same number: Florence counted the year of the Incarnation from 25 March
// after it (24 February 1581 in Florence is 24 February 1582 for us), Pisa from the 25 March
// before, Venice from 1 March after, the Nativity style from 25 December before, Byzantium
// from 1 September before, France from Easter after (a year that begins on a day that moves:
// some of its days come twice, others not at all).
#pragma once

#include "day_number.h"
#include "easter.h"
#include "roman_calendar.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace tempidex {

enum class YearStyle : std::uint8_t {
    Modern,
    Florentine,
    Pisan,
    Venetian,
    Nativity,
    Byzantine,
    Easter,
};

struct YearStyleName {
    std::string_view english, italian;
    YearStyle style;
    DayOfMonth start; // the year's first day; for Easter, none that stays
    bool early;       // begins before the 1 January of its number
};

inline constexpr std::array<YearStyleName, 7> YearStyles{{
    {"modern", "moderno", YearStyle::Modern, {1, 1}, false},
    {"florentine", "fiorentino", YearStyle::Florentine, {3, 25}, false},
    {"pisan", "pisano", YearStyle::Pisan, {3, 25}, true},
    {"venetian", "veneto", YearStyle::Venetian, {3, 1}, false},
    {"nativity", "natività", YearStyle::Nativity, {12, 25}, true},
    {"byzantine", "bizantino", YearStyle::Byzantine, {9, 1}, true},
    {"easter", "pasquale", YearStyle::Easter, {0, 0}, false},
}};

constexpr const YearStyleName &StyleOf(YearStyle style) {
    return YearStyles[static_cast<std::size_t>(style)];
}

constexpr bool Before(DayOfMonth a, DayOfMonth b) {
    return a.month < b.month || (a.month == b.month && a.day < b.day);
}

// The day a year written in `style` begins: Easter of that year, by the computus of its time
// (or the Julian one, where the old style is counted after the reform).
constexpr DayOfMonth StartOf(YearStyle style, int written,
                             Reckoning reckoning = Reckoning::Historical) {
    return style == YearStyle::Easter ? EasterOf(written, reckoning) : StyleOf(style).start;
}

// The year from 1 January of a date whose year is written in `style`.
constexpr int ModernYearOf(int written, DayOfMonth date, YearStyle style,
                           Reckoning reckoning = Reckoning::Historical) {
    const YearStyleName &s = StyleOf(style);
    if (style == YearStyle::Easter)
        return Before(date, StartOf(style, written, reckoning)) ? written + 1 : written;
    if (s.early)
        return Before(date, s.start) ? written : written - 1;
    return Before(date, s.start) && style != YearStyle::Modern ? written + 1 : written;
}

// The year a date of the modern year `year` is written with in `style`.
constexpr int WrittenYearOf(int year, DayOfMonth date, YearStyle style,
                            Reckoning reckoning = Reckoning::Historical) {
    const YearStyleName &s = StyleOf(style);
    if (style == YearStyle::Easter)
        return Before(date, StartOf(style, year, reckoning)) ? year - 1 : year;
    if (s.early)
        return Before(date, s.start) ? year : year + 1;
    return Before(date, s.start) && style != YearStyle::Modern ? year - 1 : year;
}

// The day of the week, 0 Sunday to 6 Saturday, in the historical calendar or the Julian one.
constexpr int WeekdayOf(int year, DayOfMonth date, Reckoning reckoning) {
    return WeekdayOfFixed(FixedFromDate({year, date.month, date.day}, reckoning));
}

// When the indiction, the fifteen-year cycle charters date by, began its year: 1 September
// (Constantinople, and most of Italy), 24 September (the Bedan or imperial indiction), or
// 1 January (the Roman or pontifical one).
enum class IndictionStart : std::uint8_t { September1, September24, January1 };

struct IndictionStartName {
    std::string_view english, italian;
    IndictionStart start;
    DayOfMonth day;
};

inline constexpr std::array<IndictionStartName, 3> IndictionStarts{{
    {"greek", "greca", IndictionStart::September1, {9, 1}},
    {"bedan", "bedana", IndictionStart::September24, {9, 24}},
    {"roman", "romana", IndictionStart::January1, {1, 1}},
}};

// The indiction, 1 to 15, of a date of the modern year `year`: the cycles are counted from
// the one that began on 1 September 312, so that AD 313 is the first year of one.
constexpr int IndictionOf(int year, DayOfMonth date, IndictionStart start) {
    const DayOfMonth first = IndictionStarts[static_cast<std::size_t>(start)].day;
    const int shifted = year + 2 + (first.month > 1 && !Before(date, first) ? 1 : 0);
    return (shifted % 15 + 15) % 15 + 1;
}

} // namespace tempidex
