#include "modern_writing.h"

#include "window/window_lists.h"

#include <array>
#include <charconv>

namespace tempidex {

void AppendModernYear(std::string &out, int year) {
    std::array<char, 8> digits{};
    const int number = year >= 1 ? year : 1 - year;
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), number).ptr;
    out.append(digits.data(), end);
    if (year < 1)
        out.append(" a.C.");
}

std::string ModernYearText(int year) {
    std::string text;
    AppendModernYear(text, year);
    return text;
}

std::string_view ItalianMonthName(int month) {
    return MonthRowOf(month).currentName;
}

void AppendModernDate(std::string &out, DayOfMonth day, std::optional<int> year,
                      bool leapFebruary) {
    out.append(DayLabel(day.day));
    out.append(leapFebruary && day.month == 2 ? MonthTable[LeapMarchEntry].precedingName
                                              : ItalianMonthName(day.month));
    if (year)
        AppendModernYear(out.append(" "), *year);
}

} // namespace tempidex
