// Why a Latin date is the day it is, or why it is none, in one Italian sentence for whoever
// wants to learn the count: the command line's --explain, and the tooltip of the window's
// result. Written from the day already computed (result/dating.h); these only put it into
// words.
#pragma once

#include "calendar/roman_day.h"
#include "calendar/year_styles.h"
#include "reading/date_reading.h"
#include "result/dating.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tempidex {

// The whole explanation of a line's answer: the count, then what the words around the date
// said and how the day was checked, each after a semicolon.
std::string Explain(const Dating &dating);

// How `date` counts to the day it reached, `counted`, in a year of that shape: the day, or for
// a fault where the count would have fallen.
std::string ExplainCount(const LatinDate &date, YearShape shape, const CountedDay &counted);
// A date the window's lists hold, with no year: its count, or why it names no day.
std::string ExplainListDate(const LatinDate &date);

// What was written, quoted on one line and cut when long: «a. d. XIX Kal. Ian.».
std::string Quoted(std::string_view text);
void AppendQuoted(std::string &out, std::string_view text);

// Why a line names no day (refusal_explanation.cpp): the word not read, or the day its words
// would give and why it is none.
std::string ExplainUnread(LineFault fault, std::string_view written);
std::string ExplainNoDay(const Dating &d);
std::string ExplainLeapMarchNonesIdes(); // Mar. (a. i.) before the Nones or the Ides
// The parts of a modern date's answer (--to-latin) that are explained alike.
std::string ExplainUnreadModernDate(std::string_view written);
std::string ExplainUnreadYear(std::string_view written);
std::string ExplainSignedYear(std::string_view written);
std::string ExplainTooLong();
std::string ExplainGap(DayOfMonth date, int year); // 5 to 14 October 1582
std::string ExplainNoSuchDay(DayOfMonth date, YearShape shape, std::optional<int> year);
std::string ExplainWeekday(int weekday, int named); // named: -1 where none was written
// The same for a line's day, and where "dominica prima Novembris" may count the Sundays of the
// month, the day that reading gives.
std::string ExplainWeekday(const Dating &d);
// A day as the explanations write it: "14 Febbraio 1524"; with its article, "il 14 Febbraio",
// "l'11 Febbraio", "il 1° Febbraio".
std::string DateText(DayOfMonth date, std::optional<int> year = std::nullopt);
// The calendar the clause says it counts in ("vetere calculo"), and for a Julian day after the
// reform the Gregorian day it is.
std::string ExplainCalendar(const Dating &d);
std::string On(DayOfMonth date, std::optional<int> year = std::nullopt);
void AppendOn(std::string &out, DayOfMonth date, std::optional<int> year = std::nullopt);

// A day by the church year: the feast, its day in that year, the relation and the day named
// (church_explanation.cpp).
std::string ExplainChurchDay(const Dating &d);
// The other days the feast was kept on, each with the day the clause names by it where the
// relation and the year give one: "15 Luglio (Costanza), che dà il 18 Luglio 1332".
std::string KeptElsewhereText(const Dating &d);
// The checks on a day (check_explanation.cpp): the style's name, "lo stile fiorentino (l'anno
// comincia il 25 Marzo)"; the year in each style; the indiction written.
std::string StyleName(YearStyle style);
// The year answered in its style and what the others give; and the weekday or the month
// written, where it chose the style among those the year may be in.
std::string ExplainStyle(const Dating &d);
// `agreesFrom`: where the indiction written disagrees, the other starts it agrees with, a bit
// each (Dating::indictionAgreesFrom).
// `style`: where it agrees with no start, the other style whose year has it.
std::string ExplainIndiction(int indiction, int named, IndictionStart start,
                             std::uint8_t agreesFrom = 0,
                             const std::optional<StyledYear> &style = std::nullopt);
// An ordinal read from a misspelt word: "«testium» si legge come il numero ordinale 3, ...",
// and the day the line names if the word is another.
std::string ExplainMisspeltOrdinal(const Dating &d);
// A month read from a word a letter away (Febroarii, Setembris), or with the notaries' h
// before it (Hottobris).
std::string ExplainMisspeltMonth(const ClauseNotes &notes);
// A day by a feast in the line that is not read, beside the date that is answered.
std::string ExplainUnreadFeast(const ClauseNotes &notes);
bool MisspeltByTheNotariesH(const ClauseNotes &notes);
std::string ExplainLeapMarchNonesIdes();

} // namespace tempidex
