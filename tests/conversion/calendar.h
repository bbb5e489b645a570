// The Roman name of every day, worked out from the calendar's rules as an almanac states them
// rather than from the program's tables or formulas: the month lengths (thirty days hath
// September...; before Caesar's reform 29, 28 or 31), the leap years (every fourth year,
// and from 15 October 1582 not the centuries but every fourth of them), the Nones on the 7th
// in March, May, July and October and on the 5th elsewhere, the Ides eight days after them;
// and a day's name found by walking forward to the next Calends, Nones or Ides, counting each
// day once and the leap year's doubled 24 and 25 February as one. Names are written as the
// program's lists write them.
#pragma once

#include <algorithm>
#include <array>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace calendar {

inline bool IsLeap(int year, bool julianOnly) { // astronomical: 0 is 1 BC, -44 is 45 BC
    if (year < -44)
        return false;
    if (!julianOnly && year > 1582)
        return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return (year % 4 + 4) % 4 == 0;
}

inline int Length(int year, int month, bool julianOnly) {
    const auto in = [month](std::initializer_list<int> months) {
        return std::find(months.begin(), months.end(), month) != months.end();
    };
    if (year < -44) // January, April, June, August, September, November, December: 29
        return month == 2 ? 28 : in({1, 4, 6, 8, 9, 11, 12}) ? 29 : 31;
    if (month == 2)
        return IsLeap(year, julianOnly) ? 29 : 28;
    return in({4, 6, 9, 11}) ? 30 : 31;
}

inline bool InGap(int year, int month, int day, bool julianOnly) {
    return !julianOnly && year == 1582 && month == 10 && day > 4 && day < 15;
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

struct NamedDay {
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
inline std::vector<NamedDay> Days() {
    std::vector<NamedDay> days;
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
