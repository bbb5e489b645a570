// The main window's three lists and what each entry means: the Latin texts, in list order, the
// month table with its Italian names, the day labels and the error texts the window shows.
//
// The window fills its lists from Designations, ReferenceDays and MonthEntries; ReadListTexts
// turns the three texts it holds into one ListReading, compared byte for byte, case-sensitively
// and untrimmed, so "Mar" or "mar." is simply not a month. Each list entry means one Roman day
// or month, and the month table's kinds and classes are proved at compile time to agree with
// the calendar of roman_calendar.h.
#pragma once

#include "calendar/roman_calendar.h"
#include "calendar/roman_day.h"
#include "reading/date_reading.h"
#include "reading/words/numbers.h"

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

// Calends, Nones, Ides: in the order of Reference.
inline constexpr std::array<std::string_view, 3> ReferenceDays{"Kal.", "Non.", "Id."};

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

// The twelve months in calendar order, then March of a leap year. Each name is held as the
// window shows it, "Genaio" included: no column is derived from another or from a shared list
// of month names.
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
    // The only way a leap year enters the window: there is no year to type.
    {"Mar. (a. i.)", "Febbraio (anno bisestile)", "Marzo", MonthKind::LeapMarch,
     PrecedingMonthClass::LeapFebruary},
}};
inline constexpr std::size_t LeapMarchEntry = CalendarMonths;

// The month list, in table order.
inline constexpr std::array<std::string_view, MonthTable.size()> MonthEntries = [] {
    std::array<std::string_view, MonthTable.size()> entries{};
    for (std::size_t i = 0; i < MonthTable.size(); ++i)
        entries[i] = MonthTable[i].entry;
    return entries;
}();

// The row of a calendar month, 1 to 12.
constexpr const MonthRow &MonthRowOf(int month) {
    return MonthTable[static_cast<std::size_t>(month - 1)];
}

// What each entry of the lists means. No count and no month is greater than this.
inline constexpr int LastDayOfAnyCount = 31;

struct DesignationMeaning {
    int count = 0; // days counted back to the named day, both included: the named day is 1
    bool doubled = false;
    constexpr bool operator==(const DesignationMeaning &) const = default;
};

struct MonthMeaning {
    int month = 0;
    bool leapYear = false;
    constexpr bool operator==(const MonthMeaning &) const = default;
};

inline constexpr auto DesignationMeanings = [] {
    std::array<DesignationMeaning, Designations.size()> meanings{};
    for (std::size_t i = 0; i < Designations.size(); ++i) {
        const std::string_view text = Designations[i];
        meanings[i] = text == " --- "    ? DesignationMeaning{1}
                      : text == "pridie" ? DesignationMeaning{2}
                      : text.starts_with("a. d. bis ")
                          ? DesignationMeaning{RomanValue(text.substr(10)), true}
                          : DesignationMeaning{RomanValue(text.substr(6))};
    }
    return meanings;
}();

inline constexpr auto MonthMeanings = [] {
    std::array<MonthMeaning, MonthTable.size()> meanings{};
    for (std::size_t i = 0; i < CalendarMonths; ++i)
        meanings[i] = {static_cast<int>(i) + 1};
    meanings[LeapMarchEntry] = {3, true};
    return meanings;
}();

inline constexpr std::size_t NotListed = SIZE_MAX;

// The list entry that means a day or a month, looked up in a table made from the meanings
// above; NotListed for none (a. d. II, a. d. XX, bis V, February of a leap year...).
namespace detail {
template <typename Meaning, std::size_t N, typename Key>
constexpr auto InverseOf(const std::array<Meaning, N> &meanings, Key &&key) {
    std::array<std::size_t, 2 * (LastDayOfAnyCount + 1)> entries{};
    entries.fill(NotListed);
    for (std::size_t i = 0; i < N; ++i)
        entries[key(meanings[i])] = i;
    return entries;
}
constexpr std::size_t KeyOf(DesignationMeaning m) {
    return static_cast<std::size_t>(m.count) * 2 + (m.doubled ? 1 : 0);
}
constexpr std::size_t KeyOf(MonthMeaning m) {
    return static_cast<std::size_t>(m.month) * 2 + (m.leapYear ? 1 : 0);
}
inline constexpr auto DesignationEntries =
    InverseOf(DesignationMeanings, [](DesignationMeaning m) { return KeyOf(m); });
inline constexpr auto MonthEntryIndex =
    InverseOf(MonthMeanings, [](MonthMeaning m) { return KeyOf(m); });
} // namespace detail

constexpr std::size_t EntryOf(DesignationMeaning meaning) {
    return meaning.count < 0 || meaning.count > LastDayOfAnyCount
               ? NotListed
               : detail::DesignationEntries[detail::KeyOf(meaning)];
}
constexpr std::size_t EntryOf(MonthMeaning meaning) {
    return meaning.month < 0 || meaning.month > LastDayOfAnyCount
               ? NotListed
               : detail::MonthEntryIndex[detail::KeyOf(meaning)];
}

// The list whose text is none of its entries, in list order.
enum class ListPart : std::uint8_t { None, Designation, Reference, Month };

struct ListReading {
    LatinDate date; // meaningful where `unread` is None
    ListPart unread = ListPart::None;
    std::string_view unreadText; // that list's text: a view of the text given
};

// The date that three list texts name, or the first list, in list order, whose text is none
// of its entries.
ListReading ReadListTexts(std::string_view designation, std::string_view reference,
                          std::string_view month);

// The error texts, letter for letter: the month error is spelt "correta", the other "corretta".
// The year's is the command line's own: the window has no year.
inline constexpr std::string_view ErrorDateNotCorrect = "ERRORE - Data non corretta";
inline constexpr std::string_view ErrorMonthNotCorrect = "ERRORE - Data non correta";
inline constexpr std::string_view ErrorDateNonexistent = "ERRORE - Data Inesistente";
inline constexpr std::string_view ErrorYearNotCorrect = "ERRORE - Anno non corretto";

inline constexpr int FirstDay = 1;
inline constexpr int LastDay = 31;

// "01 " to "31 ": the day in two digits and one space, ready for the month name.
namespace detail {
inline constexpr auto DayLabels = [] {
    std::array<std::array<char, 3>, LastDay + 1> labels{};
    for (int day = FirstDay; day <= LastDay; ++day)
        labels[static_cast<std::size_t>(day)] = {static_cast<char>('0' + day / 10),
                                                 static_cast<char>('0' + day % 10), ' '};
    return labels;
}();
} // namespace detail

// `day` is in [FirstDay, LastDay].
constexpr std::string_view DayLabel(int day) {
    return {detail::DayLabels[static_cast<std::size_t>(day)].data(), 3};
}

// --- The month table against the calendar ------------------------------------------------------

constexpr MonthKind KindOf(MonthMeaning meaning) {
    if (meaning.leapYear)
        return MonthKind::LeapMarch;
    return IdesOf(meaning.month) == 13 ? MonthKind::ShortNones : MonthKind::LongNones;
}

constexpr PrecedingMonthClass PrecedingClassOf(MonthMeaning meaning) {
    const int before = MonthBefore(meaning.month);
    switch (MonthLength(before, YearShape{meaning.leapYear})) {
    case 28:
        return PrecedingMonthClass::CommonFebruary;
    case 29:
        return PrecedingMonthClass::LeapFebruary;
    case 30:
        return PrecedingMonthClass::Thirty;
    case 31:
        return IdesOf(before) == 13 ? PrecedingMonthClass::Long : PrecedingMonthClass::LongLateIdes;
    default:
        return PrecedingMonthClass::None;
    }
}

constexpr bool MonthTableAgreesWithTheCalendar() {
    for (std::size_t i = 0; i < MonthTable.size(); ++i)
        if (MonthTable[i].kind != KindOf(MonthMeanings[i]) ||
            MonthTable[i].precedingClass != PrecedingClassOf(MonthMeanings[i]))
            return false;
    return true;
}
static_assert(MonthTableAgreesWithTheCalendar());

static_assert(ReferenceDays.size() == 3 && static_cast<std::size_t>(Reference::Ides) == 2);

} // namespace tempidex
