// The Roman name of every day, worked out from the calendar as astronomers count it rather than
// from the program's tables or formulas. Days are numbered continuously (Julian Day Numbers,
// by the Fliegel-Van Flandern formulas for each calendar, checked against dated events); the
// length of a month is the count of days from its first to the next month's first, so the leap
// years of both calendars and the days the reform left out follow from the day numbers alone.
// Before Caesar's reform the months had 29, 28 or 31 days, as the almanacs of the Republic give
// them. A day's Roman name is found by walking forward to the next Calends, Nones (the 7th in
// March, May, July and October, the 5th elsewhere) or Ides (eight days after), counting each day
// once and the leap year's doubled 24 and 25 February as one. Names are written as the
// program's lists write them.
#pragma once

#include <algorithm>
#include <array>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace calendar {

// The day number of a date of the Julian calendar and of the Gregorian calendar.
inline long JulianDayNumber(int year, int month, int day) {
    const int a = (14 - month) / 12;
    const long y = year + 4800L - a, m = month + 12L * a - 3;
    return day + (153 * m + 2) / 5 + 365 * y + y / 4 - 32083;
}
inline long GregorianDayNumber(int year, int month, int day) {
    const int a = (14 - month) / 12;
    const long y = year + 4800L - a, m = month + 12L * a - 3;
    return day + (153 * m + 2) / 5 + 365 * y + y / 4 - y / 100 + y / 400 - 32045;
}

// Gregory XIII's reform: Thursday 4 October 1582 was followed by Friday 15 October.
inline const long LastJulianDay = JulianDayNumber(1582, 10, 4);

// The day number of a date as it was written at the time: Julian up to the reform, Gregorian
// after it (or Julian throughout).
inline long DayNumber(int year, int month, int day, bool julianOnly) {
    const long julian = JulianDayNumber(year, month, day);
    return julianOnly || julian <= LastJulianDay ? julian : GregorianDayNumber(year, month, day);
}

inline bool InGap(int year, int month, int day, bool julianOnly) {
    return !julianOnly && JulianDayNumber(year, month, day) > LastJulianDay &&
           GregorianDayNumber(year, month, day) <= LastJulianDay;
}

inline int Length(int year, int month, bool julianOnly) {
    if (year < -44) { // before 45 BC: Martius, Maius, Quinctilis, October 31, Februarius 28
        const auto in = [month](std::initializer_list<int> months) {
            return std::find(months.begin(), months.end(), month) != months.end();
        };
        return month == 2 ? 28 : in({3, 5, 7, 10}) ? 31 : 29;
    }
    const int next = month % 12 + 1, nextYear = month == 12 ? year + 1 : year;
    // Counted in the calendar the month began in: October 1582 is a Julian month of 31 days,
    // ten of which never were.
    const bool julian = julianOnly || JulianDayNumber(year, month, 1) <= LastJulianDay;
    return static_cast<int>(
        julian ? JulianDayNumber(nextYear, next, 1) - JulianDayNumber(year, month, 1)
               : GregorianDayNumber(nextYear, next, 1) - GregorianDayNumber(year, month, 1));
}

// The days a test of every year reads: every day of years that stand for the rest (every 37th,
// so leap and common years of both calendars, the years of the reform, the centuries that are
// leap years in one calendar only), and two days of each month of the others, which still
// gives every year's numeral and every day's name.
inline bool Sampled(int year, int month, int day) {
    constexpr std::array wholeYears = {-44,  -43,  1,    4,    1582, 1583,
                                       1584, 1700, 1752, 1900, 2000, 2100};
    if (year % 37 == 0 || std::find(wholeYears.begin(), wholeYears.end(), year) != wholeYears.end())
        return true;
    return day == 1 + (year * 7 + month * 3) % 28 || day == 29 - (year * 5 + month) % 5;
}

inline bool IsLeap(int year, bool julianOnly) {
    return Length(year, 2, julianOnly) == 29;
}

// Roman numerals place by place: each digit's pattern of ones, fives and tens.
inline std::string Numeral(int value) {
    const std::array<std::string, 10> patterns{"",  "1",  "11",  "111",  "15",
                                               "5", "51", "511", "5111", "1X"};
    std::string numeral(static_cast<std::size_t>(value / 1000), 'M');
    for (const auto &[unit, letters] : {std::pair{100, "CDM"}, {10, "XLC"}, {1, "IVX"}})
        for (const char c : patterns[static_cast<std::size_t>(value / unit % 10)])
            numeral += letters[c == '1' ? 0 : c == '5' ? 1 : 2];
    return numeral;
}

inline const std::array<std::string, 12> Entries{"Ian.", "Feb.", "Mar.", "Apr.", "Mai.", "Iun.",
                                                 "Iul.", "Aug.", "Sep.", "Oct.", "Nov.", "Dec."};
inline const std::array<std::string, 12> Names{"Gennaio",   "Febbraio", "Marzo",    "Aprile",
                                               "Maggio",    "Giugno",   "Luglio",   "Agosto",
                                               "Settembre", "Ottobre",  "Novembre", "Dicembre"};

struct RomanName {
    std::string designation, reference;
    int month; // whose Calends, Nones or Ides
};

// The name of day `day` of `month` in `year`, found by walking forward to the named day.
inline RomanName NameOf(int year, int month, int day, bool julianOnly) {
    const auto nones = [](int m) { return m == 3 || m == 5 || m == 7 || m == 10 ? 7 : 5; };
    const bool leap = IsLeap(year, julianOnly);
    int count = 1, m = month, d = day;
    for (; d != 1 && d != nones(m) && d != nones(m) + 8; ++count) {
        if (leap && m == 2 && d == 24)
            --count; // the 24th and the doubled 25th are one day of the count
        if (++d > Length(year, m, julianOnly))
            d = 1, m = m % 12 + 1;
    }
    const std::string reference = d == 1 ? "Kal." : d == nones(m) ? "Non." : "Id.";
    const std::array<std::string, 10> units{"",  "I",  "II",  "III",  "IV",
                                            "V", "VI", "VII", "VIII", "IX"};
    const std::string designation =
        count == 1   ? " --- "
        : count == 2 ? "pridie"
        : leap && month == 2 && day == 25
            ? "a. d. bis VI"
            : "a. d. " + std::string(count / 10, 'X') + units[count % 10];
    return {designation, reference, m};
}

struct ListedDay {
    int day, month; // month 1 to 12
    bool leapYear;  // named through "Mar. (a. i.)"
    std::string designation, reference, monthEntry;
    std::string shown; // what the program shows for it: "14 Dicembre"
};

inline std::string Label(int day) {
    return std::string{static_cast<char>('0' + day / 10), static_cast<char>('0' + day % 10), ' '};
}

// Every day of a common year, then the days of a leap year that "Mar. (a. i.)" names, as the
// window names them, with no year.
inline std::vector<ListedDay> Days() {
    std::vector<ListedDay> days;
    for (int month = 1; month <= 12; ++month)
        for (int day = 1; day <= Length(2023, month, false); ++day) {
            const RomanName name = NameOf(2023, month, day, false);
            // The program's own spelling: January counted back from February is "Genaio".
            const bool genaio = name.month == 2 && month == 1;
            days.push_back(
                {day, month, false, name.designation, name.reference,
                 Entries[static_cast<std::size_t>(name.month - 1)],
                 Label(day) + (genaio ? "Genaio" : Names[static_cast<std::size_t>(month - 1)])});
        }
    days.push_back({1, 3, true, " --- ", "Kal.", "Mar. (a. i.)", Label(1) + "Marzo"});
    for (int day = 14; day <= 29; ++day) {
        const RomanName name = NameOf(2024, 2, day, false);
        days.push_back({day, 2, true, name.designation, name.reference, "Mar. (a. i.)",
                        Label(day) + "Febbraio (anno bisestile)"});
    }
    return days;
}

} // namespace calendar
