// The steps of counting a line's day that its two ways of naming one share: a Roman date or a
// day of the month (dating.cpp), and a day of the church year (church_dating.cpp). Internal to
// result/.
#pragma once

#include "dating.h"

#include <array>
#include <optional>

namespace tempidex {

// Years of the Christian era are counted in a style; those of the city and before Christ are
// not, nor the Spanish era once it is turned into ours.
inline constexpr bool IsChristianEra(YearCount count) {
    return count == YearCount::Unmarked || count == YearCount::Christian ||
           count == YearCount::Incarnation || count == YearCount::Nativity;
}

// The last year some state of Europe still began on another day than 1 January: England
// changed in 1752, after Tuscany in 1750.
inline constexpr int LastYearOfTheOldStyles = 1752;

// The styles a year of the Christian era may have been counted in, the charters' way, besides
// 1 January: the Incarnation's from 25 March, after (Florence) or before (Pisa); the
// Nativity's from 25 December; a year of the Lord with no beginning named, in either the
// Annunciation's or the Nativity's, up to the last year they were used.
inline constexpr std::array<YearStyle, 4> StylesOf(YearCount count, int year) {
    constexpr YearStyle Modern = YearStyle::Modern;
    if (count == YearCount::Incarnation)
        return {Modern, YearStyle::Florentine, YearStyle::Pisan, YearStyle::Easter};
    if (count == YearCount::Nativity)
        return {Modern, YearStyle::Nativity, Modern, Modern};
    if ((count == YearCount::Christian || count == YearCount::Unmarked) &&
        year <= LastYearOfTheOldStyles)
        return {Modern, YearStyle::Florentine, YearStyle::Easter, YearStyle::Nativity};
    return {Modern, Modern, Modern, Modern};
}

// The day a date names in a year of that shape, or nothing where it names none.
std::optional<DayOfMonth> DayIn(const LatinDate &date, YearShape shape);
// The weekday and the indiction, where the clause names them or the reader asks.
void Check(const DatingOptions &options, Dating &d);
// A weekday written beside the day settles the style of its year where the one assumed gives
// another (dating.cpp says how).
void SettleTheStyleByTheWeekday(const DatingOptions &options, Dating &d);
// So does the month written beside a movable feast.
void SettleTheStyleByTheMonth(const DatingOptions &options, Dating &d);
// The other style whose year has the indiction written, where the year answered has it by no
// start of the indiction's year.
void FindTheStyleOfTheIndiction(const DatingOptions &options, Dating &d);
// A line dated by the church year: the feast's day, found in its year where it moves.
void CountByTheChurchYear(Dating &d, const DatingOptions &options);

} // namespace tempidex
