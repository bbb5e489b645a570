// Why a Roman date is the day it is, or why it is none, in one Italian sentence for whoever
// wants to learn the count: the command line's --explain, and the tooltip of the window's
// result. The day is counted by roman_day.h; these only put the count into words.
#pragma once

#include "latin_date.h"
#include "roman_day.h"
#include "year_styles.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace tempidex {

// How `date` counts to the day it reached, `counted`, in a year of that shape: the day, or for
// a fault where the count would have fallen.
std::string ExplainCount(const LatinDate &date, YearShape shape, const CountedDay &counted);

// A part of a Latin line that was not understood, as it was written.
std::string ExplainUnread(LatinPart part, std::string_view written);
// A modern date that was not understood, as it was written.
std::string ExplainUnreadModernDate(std::string_view written);

std::string ExplainGap(DayOfMonth date, int year); // 5 to 14 October 1582
std::string ExplainCommonYear(int year);           // "(a. i.)" with a common year
std::string ExplainLeapMarchNonesIdes();           // "Mar. (a. i.)" with Non. or Id.
std::string ExplainNoSuchDay(DayOfMonth date, YearShape shape, std::optional<int> year);

// A date the window's lists hold, with no year: its count, or why it names no day.
std::string ExplainListDate(const LatinDate &date);
// The window's three texts as read (ReadListTexts): the list whose text is none of its
// entries, or the count.
std::string ExplainListReading(const LatinReading &reading);

// What was written, quoted on one line and cut when long: «a. d. XIX Kal. Ian.».
std::string Quoted(std::string_view text);
void AppendQuoted(std::string &out, std::string_view text);

// What the words around a date said, and how it was checked: appended after the count.
std::string ExplainDayOfMonth(DayOfMonth date); // die XX mensis Maii
std::string ExplainPridieAsII();                // a. d. II
std::string ExplainConsuls();                   // no year: the consuls give it
std::string ExplainDoubleYear(int year, int later);
// The style the year was counted in, and the years the `others` give where they differ.
std::string ExplainStyle(YearStyle style, int year,
                         const std::array<std::pair<YearStyle, int>, 2> &others);
std::string ExplainWeekday(int weekday, int named); // named: -1 where none was written
std::string ExplainIndiction(int indiction, int named, IndictionStart start);
std::string ExplainAmbiguousYear(std::string_view written, int year, int other);

} // namespace tempidex
