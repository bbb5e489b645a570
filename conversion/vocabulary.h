// The Latin vocabulary of a Roman date and the month table behind it.
//
// The main window fills its three lists from Designations, ReferenceDays and MonthEntries,
// in the order given here; ConvertRomanDate (roman_date.h) checks its three texts against the
// same lists and reads the month through LookupMonth. Every text is compared byte for byte,
// case-sensitively and untrimmed, so "Mar" or "mar." is simply not a month.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tempidex {

// Day designations, in list order: the named day itself first, then the days counted back
// from it. "a. d. II" does not exist (the day before is "pridie"), and the doubled sixth day
// of a leap year stands last rather than beside "a. d. VI".
inline constexpr std::array<std::string_view, 20> Designations{
    " --- ",      "a. d. XIX", "a. d. XVIII", "a. d. XVII", "a. d. XVI", "a. d. XV",    "a. d. XIV",
    "a. d. XIII", "a. d. XII", "a. d. XI",    "a. d. X",    "a. d. IX",  "a. d. VIII",  "a. d. VII",
    "a. d. VI",   "a. d. V",   "a. d. IV",    "a. d. III",  "pridie",    "a. d. bis VI"};

// Calends, Nones, Ides.
inline constexpr std::array<std::string_view, 3> ReferenceDays{"Kal.", "Non.", "Id."};

// The named days, in the reference-day list's order.
enum class Reference : std::uint8_t { Calends, Nones, Ides };
static_assert(ReferenceDays[static_cast<std::size_t>(Reference::Calends)] == "Kal." &&
              ReferenceDays[static_cast<std::size_t>(Reference::Nones)] == "Non." &&
              ReferenceDays[static_cast<std::size_t>(Reference::Ides)] == "Id.");

// Where each of a date's three texts stands in its list; NotListed for a text that is none.
inline constexpr std::size_t NotListed = SIZE_MAX;
struct ListIndices {
    std::size_t designation = NotListed, reference = NotListed, month = NotListed;
};

// Where `text` stands in `list`, compared byte for byte; nothing when it is none of its texts.
template <std::size_t N>
constexpr std::optional<std::size_t> IndexOf(const std::array<std::string_view, N> &list,
                                             std::string_view text) {
    const auto found = std::find(list.begin(), list.end(), text);
    if (found == list.end())
        return std::nullopt;
    return static_cast<std::size_t>(found - list.begin());
}

// Where the Nones and Ides of the named month fall.
enum class MonthKind : std::uint8_t {
    None = 0,       // the text names no month
    ShortNones = 1, // Nones on the 5th, Ides on the 13th
    LongNones = 2,  // March, May, July, October: Nones on the 7th, Ides on the 15th
    LeapMarch = 3,  // March of a leap year: only the Calends and the days counted back to it
};

// The month before the named one, which holds every day counted back from the Calends.
enum class PrecedingMonthClass : std::uint8_t {
    None = 0,
    Long = 1,           // December, January, August: 31 days, Ides on the 13th
    CommonFebruary = 2, // 28 days
    Thirty = 3,         // April, June, September, November: 30 days
    LongLateIdes = 4,   // March, May, July, October: 31 days, Ides on the 15th
    LeapFebruary = 5,   // 29 days, the sixth day before the Calends doubled
};

struct MonthRow {
    std::string_view entry;         // the text of the month list
    std::string_view precedingName; // for the days counted back from the Calends
    std::string_view currentName; // for the Calends itself and everything about the Nones and Ides
    MonthKind kind = MonthKind::None;
    PrecedingMonthClass precedingClass = PrecedingMonthClass::None;
};

// Each name is kept as the program has always shown it, "Genaio" included: no column is
// derived from another or from a shared list of month names.
inline constexpr std::array<MonthRow, 13> MonthTable{{
    {"Ian.", "Dicembre", "Gennaio", MonthKind::ShortNones, PrecedingMonthClass::Long},
    {"Feb.", "Genaio", "Febbraio", MonthKind::ShortNones, PrecedingMonthClass::Long},
    {"Mar.", "Febbraio", "Marzo", MonthKind::LongNones, PrecedingMonthClass::CommonFebruary},
    {"Apr.", "Marzo", "Aprile", MonthKind::ShortNones, PrecedingMonthClass::LongLateIdes},
    {"Mai.", "Aprile", "Maggio", MonthKind::LongNones, PrecedingMonthClass::Thirty},
    {"Iun.", "Maggio", "Giugno", MonthKind::ShortNones, PrecedingMonthClass::LongLateIdes},
    {"Iul.", "Giugno", "Luglio", MonthKind::LongNones, PrecedingMonthClass::Thirty},
    {"Aug.", "Luglio", "Agosto", MonthKind::ShortNones, PrecedingMonthClass::LongLateIdes},
    {"Sep.", "Agosto", "Settembre", MonthKind::ShortNones, PrecedingMonthClass::Long},
    {"Oct.", "Settembre", "Ottobre", MonthKind::LongNones, PrecedingMonthClass::Thirty},
    {"Nov.", "Ottobre", "Novembre", MonthKind::ShortNones, PrecedingMonthClass::LongLateIdes},
    {"Dec.", "Novembre", "Dicembre", MonthKind::ShortNones, PrecedingMonthClass::Thirty},
    // The only way a leap year enters: there is no year to type.
    {"Mar. (a. i.)", "Febbraio (anno bisestile)", "Marzo", MonthKind::LeapMarch,
     PrecedingMonthClass::LeapFebruary},
}};

// The month list, in table order.
inline constexpr std::array<std::string_view, MonthTable.size()> MonthEntries = [] {
    std::array<std::string_view, MonthTable.size()> entries{};
    for (std::size_t i = 0; i < MonthTable.size(); ++i)
        entries[i] = MonthTable[i].entry;
    return entries;
}();

// The row whose entry is exactly `entry`; a row of MonthKind::None when there is none.
constexpr MonthRow LookupMonth(std::string_view entry) {
    for (const MonthRow &row : MonthTable)
        if (row.entry == entry)
            return row;
    return {};
}

// The error texts, letter for letter: the month error is spelt "correta", the other "corretta".
// The year's is the command line's own: the window has no year.
inline constexpr std::string_view ErrorDateNotCorrect = "ERRORE - Data non corretta";
inline constexpr std::string_view ErrorMonthNotCorrect = "ERRORE - Data non correta";
inline constexpr std::string_view ErrorDateNonexistent = "ERRORE - Data Inesistente";
inline constexpr std::string_view ErrorYearNotCorrect = "ERRORE - Anno non corretto";

// The month table's rows for the months in calendar order: row m - 1 is month m.
inline constexpr std::size_t CalendarMonths = 12;
constexpr const MonthRow &MonthOfYear(int month) {
    return MonthTable[static_cast<std::size_t>(month - 1)];
}

inline constexpr int FirstDay = 1;
inline constexpr int LastDay = 31;

// "01 " to "31 ": the day in two digits and one space, ready for the month name.
// `day` is in [FirstDay, LastDay].
std::string DayLabel(int day);

} // namespace tempidex
