// The Roman name of every day of the year, worked out from the rules of the Julian calendar
// rather than from the program's tables: the month lengths, the Nones on the 7th in March,
// May, July and October and on the 5th elsewhere, the Ides eight days after the Nones, the
// inclusive count back to each of them, and the doubled sixth day before the March Calends
// of a leap year. Names are written as the program's lists write them.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace calendar {

struct NamedDay {
    int day, month; // month 1 to 12
    bool leapYear;  // named through "Mar. (a. i.)"
    std::string designation, reference, monthEntry;
    std::string shown; // what the program shows for it: "14 Dicembre"
};

// Every day of a common year, then the days of a leap year that "Mar. (a. i.)" names.
inline std::vector<NamedDay> Days() {
    const std::array<int, 12> lengths{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const std::array<std::string, 12> entries{"Ian.", "Feb.", "Mar.", "Apr.", "Mai.", "Iun.",
                                              "Iul.", "Aug.", "Sep.", "Oct.", "Nov.", "Dec."};
    const std::array<std::string, 12> names{"Gennaio",   "Febbraio", "Marzo",    "Aprile",
                                            "Maggio",    "Giugno",   "Luglio",   "Agosto",
                                            "Settembre", "Ottobre",  "Novembre", "Dicembre"};
    const std::array<std::string, 10> units{"",  "I",  "II",  "III",  "IV",
                                            "V", "VI", "VII", "VIII", "IX"};
    const auto counted = [&units](int days) {
        return days == 1   ? std::string(" --- ")
               : days == 2 ? std::string("pridie")
                           : "a. d. " + std::string(days / 10, 'X') + units[days % 10];
    };
    const auto label = [](int day) {
        return std::string{static_cast<char>('0' + day / 10), static_cast<char>('0' + day % 10),
                           ' '};
    };
    std::vector<NamedDay> days;
    for (int m = 0; m < 12; ++m) {
        const int nones = m == 2 || m == 4 || m == 6 || m == 9 ? 7 : 5, ides = nones + 8;
        for (int d = 1; d <= lengths[m]; ++d) {
            // Counted inclusively to the next named day: the Nones, the Ides, or the Calends
            // of the next month, whose "day" here is one past the end of this one.
            const bool calends = d == 1 || d > ides;
            const int named = d == 1 ? 1 : d <= nones ? nones : d <= ides ? ides : lengths[m] + 1;
            const int entry = d > ides ? (m + 1) % 12 : m;
            // The program's own spelling: January counted back from February is "Genaio".
            const std::string name = d > ides && m == 0 ? "Genaio" : names[m];
            days.push_back({d, m + 1, false, counted(named - d + 1),
                            calends      ? "Kal."
                            : d <= nones ? "Non."
                                         : "Id.",
                            entries[entry], label(d) + name});
        }
    }
    // In a leap year the 24th of February is still a. d. VI; the day inserted after it is
    // a. d. bis VI, and the days after that count one more.
    const std::string leap = "Mar. (a. i.)";
    days.push_back({1, 3, true, " --- ", "Kal.", leap, label(1) + "Marzo"});
    for (int d = 14; d <= 29; ++d)
        days.push_back({d, 2, true, d == 25 ? "a. d. bis VI" : counted(d < 25 ? 30 - d : 31 - d),
                        "Kal.", leap, label(d) + "Febbraio (anno bisestile)"});
    return days;
}

} // namespace calendar
