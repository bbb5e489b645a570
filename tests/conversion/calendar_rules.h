// What a Roman date means, worked out from the rules of the Julian calendar rather than
// from the program's tables: month lengths, the Nones on the 7th in March, May, July and
// October and on the 5th elsewhere, the Ides eight days after the Nones, the inclusive count
// back from each of them, and the doubled sixth day before the March Calends of a leap year.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace calendar_rules {

struct ModernDate {
    int day;   // [1, 31]
    int month; // [0, 11], January first
    bool leapFebruary;
};

// The number of days a designation counts, the named day included: " --- " is 1, "pridie"
// is 2, "a. d. XIX" is 19. The doubled sixth day is reported apart, as it counts no number.
struct Count {
    int days;
    bool doubledSixth;
};
std::optional<Count> ParseDesignation(std::string_view designation);

// The month list's entries: the twelve months, then March of a leap year.
struct MonthChoice {
    int month; // [0, 11]
    bool leapYear;
};
std::optional<MonthChoice> ParseMonth(std::string_view entry);

// The modern date named, or nothing where the combination names no day. `reference` is
// "Kal.", "Non." or "Id.".
std::optional<ModernDate> Resolve(Count count, std::string_view reference, MonthChoice month);

// The Italian name the program shows for a modern date's month.
std::string ItalianMonthName(const ModernDate &date);

} // namespace calendar_rules
