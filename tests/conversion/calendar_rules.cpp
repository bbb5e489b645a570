#include "calendar_rules.h"

#include <cstddef>

namespace calendar_rules {
namespace {

constexpr std::array<int, 12> CommonLengths{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr std::array<std::string_view, 12> LatinMonths{
    "Ian.", "Feb.", "Mar.", "Apr.", "Mai.", "Iun.", "Iul.", "Aug.", "Sep.", "Oct.", "Nov.", "Dec."};
constexpr int February = 1;
constexpr int March = 2;

int Nones(int month) {
    // "In March, July, October, May, the Nones are on the seventh."
    const bool late = month == 2 || month == 4 || month == 6 || month == 9;
    return late ? 7 : 5;
}

int Ides(int month) {
    return Nones(month) + 8;
}

int RomanNumeral(std::string_view numeral) {
    int total = 0;
    int previous = 0;
    for (auto it = numeral.rbegin(); it != numeral.rend(); ++it) {
        const int value = *it == 'X' ? 10 : *it == 'V' ? 5 : *it == 'I' ? 1 : -1000;
        total += value < previous ? -value : value;
        previous = std::max(previous, value);
    }
    return total;
}

} // namespace

std::optional<Count> ParseDesignation(std::string_view designation) {
    if (designation == " --- ")
        return Count{1, false};
    if (designation == "pridie")
        return Count{2, false};
    if (designation == "a. d. bis VI")
        return Count{6, true};
    constexpr std::string_view prefix = "a. d. ";
    if (!designation.starts_with(prefix))
        return std::nullopt;
    const int days = RomanNumeral(designation.substr(prefix.size()));
    if (days < 3)
        return std::nullopt;
    return Count{days, false};
}

std::optional<MonthChoice> ParseMonth(std::string_view entry) {
    if (entry == "Mar. (a. i.)")
        return MonthChoice{March, true};
    for (std::size_t i = 0; i < LatinMonths.size(); ++i)
        if (LatinMonths[i] == entry)
            return MonthChoice{static_cast<int>(i), false};
    return std::nullopt;
}

std::optional<ModernDate> Resolve(Count count, std::string_view reference, MonthChoice choice) {
    const int month = choice.month;
    if (reference == "Kal.") {
        if (count.days == 1 && !count.doubledSixth)
            return ModernDate{1, month, false};
        const int before = (month + 11) % 12;
        const bool leapFebruary = choice.leapYear && before == February;
        if (count.doubledSixth && !leapFebruary)
            return std::nullopt;
        // Counted back inclusively from the first of the month: a. d. N is L + 2 - N. In a
        // leap February the 24th is a. d. VI and the inserted day after it is a. d. bis VI, so
        // the count up to VI runs as in a common year and everything after it moves on by one.
        int length = CommonLengths[static_cast<std::size_t>(before)];
        if (leapFebruary && (count.doubledSixth || count.days < 6))
            length = 29;
        const int day = count.doubledSixth ? length + 2 - 6 : length + 2 - count.days;
        // Days up to the Ides of the preceding month are counted from those Ides instead.
        if (day <= Ides(before))
            return std::nullopt;
        return ModernDate{day, before, leapFebruary};
    }
    // Nones and Ides: the leap-year March entry carries only the Calends.
    if (choice.leapYear || count.doubledSixth)
        return std::nullopt;
    const bool nones = reference == "Non.";
    const int target = nones ? Nones(month) : Ides(month);
    const int day = target + 1 - count.days;
    // Counting back from the Nones stops after the Calends; from the Ides, after the Nones.
    const int previousMark = nones ? 1 : Nones(month);
    if (count.days > 1 && day <= previousMark)
        return std::nullopt;
    return ModernDate{day, month, false};
}

std::string ItalianMonthName(const ModernDate &date) {
    static constexpr std::array<std::string_view, 12> names{
        "Gennaio", "Febbraio", "Marzo",     "Aprile",  "Maggio",   "Giugno",
        "Luglio",  "Agosto",   "Settembre", "Ottobre", "Novembre", "Dicembre"};
    if (date.leapFebruary)
        return "Febbraio (anno bisestile)";
    return std::string(names[static_cast<std::size_t>(date.month)]);
}

} // namespace calendar_rules
