#include "roman_date.h"

#include "vocabulary.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace tempidex {
namespace {

// The day each designation names, in nine columns: the Calends counted back into the
// preceding month of each PrecedingMonthClass, then the Nones and the Ides of a ShortNones
// and a LongNones month. The count is inclusive: a. d. N before a day D is D + 1 - N, and
// before the Calends of a month after one of L days it is L + 2 - N. Each column starts on
// the day after the preceding Ides (or Nones); 0 marks a designation that names no day.
enum Column : std::size_t { Kal1, Kal2, Kal3, Kal4, Kal5, Non1, Non2, Id1, Id2, ColumnCount };

// The Calends columns follow PrecedingMonthClass, the Nones and Ides columns the short and
// long month after each other.
static_assert(Kal5 - Kal1 == static_cast<std::size_t>(PrecedingMonthClass::LeapFebruary) -
                                 static_cast<std::size_t>(PrecedingMonthClass::Long));
static_assert(Non2 == Non1 + 1 && Id2 == Id1 + 1);

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

constexpr bool FollowsTheDesignationList() {
    for (std::size_t i = 0; i < DayTable.size(); ++i)
        if (DayTable[i].designation != Designations[i])
            return false;
    return true;
}
static_assert(FollowsTheDesignationList());
static_assert(std::all_of(DayTable.begin(), DayTable.end(), [](const DayRow &row) {
    return std::all_of(row.day.begin(), row.day.end(), [](int day) { return day <= LastDay; });
}));

constexpr std::size_t NamedDay = 0; // " --- ", the Calends, Nones or Ides itself

// The Nones and Ides columns of a ShortNones or LongNones month.
constexpr std::size_t NonesIdesColumn(Reference reference, MonthKind kind) {
    const std::size_t first = reference == Reference::Nones ? Non1 : Id1;
    return first + (kind == MonthKind::LongNones ? 1 : 0);
}

constexpr std::size_t CalendsColumn(PrecedingMonthClass precedingClass) {
    return Kal1 + static_cast<std::size_t>(precedingClass) - 1;
}

ConversionResult Error(std::string_view text, FocusTarget focus) {
    return {std::string(text), focus};
}

} // namespace

ConversionResult ConvertRomanDate(std::string_view designation, std::string_view reference,
                                  std::string_view month) {
    // The inputs are checked in list order, and only the first fault is reported.
    const auto dayRow = IndexOf(Designations, designation);
    if (!dayRow)
        return Error(ErrorDateNotCorrect, FocusTarget::Combo1);
    const auto referenceIndex = IndexOf(ReferenceDays, reference);
    if (!referenceIndex)
        return Error(ErrorDateNotCorrect, FocusTarget::Combo2);
    const MonthRow row = LookupMonth(month);
    if (row.kind == MonthKind::None)
        return Error(ErrorMonthNotCorrect, FocusTarget::Combo3);

    const auto ref = static_cast<Reference>(*referenceIndex);
    std::size_t column = 0;
    std::string_view monthName = row.currentName;
    if (ref == Reference::Calends) {
        column = CalendsColumn(row.precedingClass);
        if (*dayRow != NamedDay)
            monthName = row.precedingName;
    } else {
        // A leap-year March has no Nones or Ides of its own in this program: the fault is
        // the reference day, whatever the designation.
        if (row.kind == MonthKind::LeapMarch)
            return Error(ErrorDateNonexistent, FocusTarget::Combo2);
        column = NonesIdesColumn(ref, row.kind);
    }

    const int day = DayTable[*dayRow].day[column];
    if (day == 0)
        return Error(ErrorDateNonexistent, FocusTarget::Combo1);
    return {DayLabel(day).append(monthName), FocusTarget::None};
}

} // namespace tempidex
