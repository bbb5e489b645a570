#include "roman_date.h"

#include "writing/explanation.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

namespace tempidex {
namespace {

// The day each designation names, in nine columns: the Calends counted back into the
// preceding month of each PrecedingMonthClass, then the Nones and the Ides of a ShortNones
// and a LongNones month. The count is inclusive: a. d. N before a day D is D + 1 - N, and
// before the Calends of a month after one of L days it is L + 2 - N. Each column starts on
// the day after the preceding Ides (or Nones); 0 marks a designation that names no day.
enum Column : std::size_t { Kal1, Kal2, Kal3, Kal4, Kal5, Non1, Non2, Id1, Id2, ColumnCount };

struct DayRow {
    std::string_view designation; // as in the designation list, in its order
    std::array<std::uint8_t, ColumnCount> day;
};

// clang-format off
constexpr std::array<DayRow, Designations.size()> DayTable{{
    //                     Kal.                    Non.      Id.
    //                  1   2   3   4   5       1   2     1   2
    {" --- ",        {  1,  1,  1,  1,  1,     5,  7,   13, 15}},
    {"a. d. XIX",    { 14,  0,  0,  0,  0,     0,  0,    0,  0}},
    {"a. d. XVIII",  { 15,  0, 14,  0,  0,     0,  0,    0,  0}},
    {"a. d. XVII",   { 16,  0, 15, 16,  0,     0,  0,    0,  0}},
    {"a. d. XVI",    { 17, 14, 16, 17, 14,     0,  0,    0,  0}},
    {"a. d. XV",     { 18, 15, 17, 18, 15,     0,  0,    0,  0}},
    {"a. d. XIV",    { 19, 16, 18, 19, 16,     0,  0,    0,  0}},
    {"a. d. XIII",   { 20, 17, 19, 20, 17,     0,  0,    0,  0}},
    {"a. d. XII",    { 21, 18, 20, 21, 18,     0,  0,    0,  0}},
    {"a. d. XI",     { 22, 19, 21, 22, 19,     0,  0,    0,  0}},
    {"a. d. X",      { 23, 20, 22, 23, 20,     0,  0,    0,  0}},
    {"a. d. IX",     { 24, 21, 23, 24, 21,     0,  0,    0,  0}},
    {"a. d. VIII",   { 25, 22, 24, 25, 22,     0,  0,    6,  8}},
    {"a. d. VII",    { 26, 23, 25, 26, 23,     0,  0,    7,  9}},
    {"a. d. VI",     { 27, 24, 26, 27, 24,     0,  2,    8, 10}},
    {"a. d. V",      { 28, 25, 27, 28, 26,     0,  3,    9, 11}}, // a leap February has moved on by one
    {"a. d. IV",     { 29, 26, 28, 29, 27,     2,  4,   10, 12}},
    {"a. d. III",    { 30, 27, 29, 30, 28,     3,  5,   11, 13}},
    {"pridie",       { 31, 28, 30, 31, 29,     4,  6,   12, 14}},
    {"a. d. bis VI", {  0,  0,  0,  0, 25,     0,  0,    0,  0}}, // only in a leap February
}};
// clang-format on

constexpr std::size_t CalendsColumn(PrecedingMonthClass precedingClass) {
    return Kal1 + static_cast<std::size_t>(precedingClass) - 1;
}

// The Nones and Ides columns of a ShortNones or LongNones month.
constexpr std::size_t NonesIdesColumn(Reference reference, MonthKind kind) {
    const std::size_t first = reference == Reference::Nones ? Non1 : Id1;
    return first + (kind == MonthKind::LongNones ? 1 : 0);
}

// --- The table is the calendar's count ---------------------------------------------------------

// A month of the table that stands for a column: the first whose class or kind it is.
template <typename Matches> constexpr MonthMeaning FirstMonthWhere(Matches &&matches) {
    for (const MonthMeaning &meaning : MonthMeanings)
        if (matches(meaning))
            return meaning;
    return {};
}

// The day that the calendar gives for designation `row` in `column`; 0 for none.
constexpr int CountedInColumn(std::size_t row, std::size_t column) {
    Reference reference = Reference::Calends;
    MonthMeaning month;
    if (column < Non1) {
        month = FirstMonthWhere(
            [column](MonthMeaning m) { return CalendsColumn(PrecedingClassOf(m)) == column; });
    } else {
        reference = column < Id1 ? Reference::Nones : Reference::Ides;
        month = FirstMonthWhere([reference, column](MonthMeaning m) {
            return KindOf(m) != MonthKind::LeapMarch &&
                   NonesIdesColumn(reference, KindOf(m)) == column;
        });
    }
    const DesignationMeaning d = DesignationMeanings[row];
    const CountedDay counted = DayFromRoman({d.count, d.doubled, false, reference, month.month},
                                            YearShape{month.leapYear});
    return counted.fault == CountFault::None ? counted.date.day : 0;
}

constexpr bool DayTableIsTheCalendarsCount() {
    for (std::size_t row = 0; row < DayTable.size(); ++row) {
        if (DayTable[row].designation != Designations[row])
            return false;
        for (std::size_t column = 0; column < ColumnCount; ++column)
            if (DayTable[row].day[column] != CountedInColumn(row, column))
                return false;
    }
    return true;
}
static_assert(DayTableIsTheCalendarsCount());

ConversionResult Error(std::string_view text, FocusTarget focus) {
    return {std::string(text), focus};
}

struct LookedUp {
    int day = 0; // 0: no such day
    std::string_view monthName;
    FocusTarget focus = FocusTarget::None;
};

LookedUp LookUp(const LatinDate &date) {
    const RomanDay &roman = date.day;
    const std::size_t row = EntryOf(DesignationMeaning{roman.count, roman.doubled});
    if (row == NotListed)
        return {0, {}, FocusTarget::Combo1};
    const MonthRow &month =
        MonthTable[date.leapYear ? LeapMarchEntry : static_cast<std::size_t>(roman.month - 1)];
    std::size_t column = 0;
    std::string_view monthName = month.currentName;
    if (roman.reference == Reference::Calends) {
        column = CalendsColumn(month.precedingClass);
        if (roman.count > 1)
            monthName = month.precedingName;
    } else {
        // A leap-year March has no Nones or Ides of its own in the window: the fault is the
        // reference day, whatever the designation.
        if (month.kind == MonthKind::LeapMarch)
            return {0, {}, FocusTarget::Combo2};
        column = NonesIdesColumn(roman.reference, month.kind);
    }
    const int day = DayTable[row].day[column];
    return {day, monthName, day == 0 ? FocusTarget::Combo1 : FocusTarget::None};
}

// Appends what the window shows for `date`, a date its lists hold; the list at fault, or
// FocusTarget::None when it names a day.
FocusTarget AppendRomanDate(std::string &out, const LatinDate &date) {
    const LookedUp found = LookUp(date);
    if (found.day == 0) {
        out.append(ErrorDateNonexistent);
        return found.focus;
    }
    out.append(DayLabel(found.day)).append(found.monthName);
    return found.focus;
}

} // namespace

ConversionResult ConvertRomanDate(std::string_view designation, std::string_view reference,
                                  std::string_view month) {
    return ConvertRomanDate(ReadListTexts(designation, reference, month));
}

ConversionResult ConvertRomanDate(const ListReading &reading) {
    // The inputs are checked in list order, and only the first fault is reported.
    switch (reading.unread) {
    case ListPart::None:
        break;
    case ListPart::Designation:
        return Error(ErrorDateNotCorrect, FocusTarget::Combo1);
    case ListPart::Reference:
        return Error(ErrorDateNotCorrect, FocusTarget::Combo2);
    case ListPart::Month:
        return Error(ErrorMonthNotCorrect, FocusTarget::Combo3);
    }
    ConversionResult result{{}, FocusTarget::None};
    result.focus = AppendRomanDate(result.text, reading.date);
    return result;
}

std::string ExplainListReading(const ListReading &reading) {
    switch (reading.unread) {
    case ListPart::Designation:
        return Quoted(reading.unreadText) + " non è una delle designazioni dell'elenco";
    case ListPart::Reference:
        return Quoted(reading.unreadText) + " non è uno dei giorni di riferimento dell'elenco";
    case ListPart::Month:
        return Quoted(reading.unreadText) + " non è uno dei mesi dell'elenco";
    case ListPart::None:
        break;
    }
    return ExplainListDate(reading.date);
}

} // namespace tempidex
