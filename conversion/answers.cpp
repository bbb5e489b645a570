#include "answers.h"

#include "explanation.h"
#include "latin_reading.h"
#include "latin_writing.h"
#include "modern_text.h"
#include "roman_date.h"
#include "window_lists.h"
#include "words.h"

namespace tempidex {
namespace {

// Appends the answer, and after a tab why, when asked: the reason is only worked out then.
// Whether the answer is a failure.
template <typename Why>
bool Answered(std::string &out, std::string_view text, bool failed, const LineOptions &options,
              Why &&why) {
    out.append(text);
    if (options.explain)
        out.append("\t").append(why());
    return failed;
}

// The error text for a part of a Latin line that was not understood, as the window words it
// for its own lists.
std::string_view ErrorFor(LatinPart part) {
    switch (part) {
    case LatinPart::Month:
        return ErrorMonthNotCorrect;
    case LatinPart::Year:
        return ErrorYearNotCorrect;
    case LatinPart::None:
    case LatinPart::Designation:
    case LatinPart::Reference:
    case LatinPart::WholeLine:
        break;
    }
    return ErrorDateNotCorrect;
}

// A Latin date with a year, or postridie: counted in that year's calendar.
bool CountedInItsYear(const LatinDate &date, const LineOptions &options, std::string &out) {
    const RomanDay &roman = date.day;
    const std::optional<int> year = date.year;
    const auto nonexistent = [&](auto &&why) {
        return Answered(out, ErrorDateNonexistent, true, options, why);
    };
    if (!year && date.leapYear && roman.reference != Reference::Calends)
        return nonexistent([] { return ExplainLeapMarchNonesIdes(); });
    const YearShape shape = year ? ShapeOf(*year, options.reckoning) : YearShape{date.leapYear};
    if (year && date.leapYear && !shape.leap)
        return nonexistent([&] { return ExplainCommonYear(*year); });
    const CountedDay counted = DayFromRoman(roman, shape);
    const auto count = [&] { return ExplainCount(date, shape, counted); };
    if (counted.fault != CountFault::None)
        return nonexistent(count);
    const DayOfMonth day = counted.date;
    if (year && InGregorianGap(*year, day.month, day.day, options.reckoning))
        return nonexistent([&] { return ExplainGap(day, *year); });
    AppendModernDate(out, day.day, day.month, year);
    return Answered(out, {}, false, options, count);
}

} // namespace

bool LatinToModern(std::string_view line, const LineOptions &options, std::string &out) {
    const LatinReading reading = ReadLatinDate(line);
    if (reading.blank)
        return false;
    if (reading.unread != LatinPart::None)
        return Answered(out, ErrorFor(reading.unread), true, options,
                        [&] { return ExplainUnread(reading.unread, reading.unreadText); });
    const LatinDate &date = reading.date;
    // A date the window's lists hold gets the window's own answer.
    if (!date.year && !date.day.dayAfter) {
        const bool failed = AppendRomanDate(out, date) != FocusTarget::None;
        return Answered(out, {}, failed, options, [&] { return ExplainListDate(date); });
    }
    return CountedInItsYear(date, options, out);
}

bool ModernToLatin(std::string_view line, const LineOptions &options, std::string &out) {
    if (IsBlankLine(line))
        return false;
    if (line.size() > LongestLine)
        return Answered(out, ErrorDateNotCorrect, true, options,
                        [] { return ExplainUnread(LatinPart::WholeLine, {}); });
    const ModernDate modern = ReadModernDate(line);
    if (modern.reading == ModernReading::NoDate)
        return Answered(out, ErrorDateNotCorrect, true, options,
                        [&] { return ExplainUnreadModernDate(line); });
    if (modern.reading == ModernReading::WrongYear)
        return Answered(out, ErrorYearNotCorrect, true, options,
                        [&] { return ExplainUnread(LatinPart::Year, line); });
    const std::optional<int> year = modern.year;
    const YearShape shape = year ? ShapeOf(*year, options.reckoning) : YearShape{options.leapYear};
    const DayOfMonth day{modern.month, modern.day};
    if (day.month < 1 || day.month > CalendarMonths || day.day < 1 ||
        day.day > MonthLength(day.month, shape))
        return Answered(out, ErrorDateNonexistent, true, options,
                        [&] { return ExplainNoSuchDay(day, shape, year); });
    if (year && InGregorianGap(*year, day.month, day.day, options.reckoning))
        return Answered(out, ErrorDateNonexistent, true, options,
                        [&] { return ExplainGap(day, *year); });
    const RomanDay roman = RomanFromDay(day, shape);
    // Without a year, "(a. i.)" says which year the days before the March Calends belong to.
    const bool leapYear = !year && shape.leap && roman.reference == Reference::Calends &&
                          roman.month == 3 && roman.count > 1;
    const LatinDate date{roman, leapYear, year};
    return Answered(out, WriteLatinDate(date, options.longForm), false, options,
                    [&] { return ExplainCount(date, shape, {day}); });
}

Answer LatinToModern(std::string_view line, const LineOptions &options) {
    Answer answer;
    answer.failed = LatinToModern(line, options, answer.text);
    return answer;
}

Answer ModernToLatin(std::string_view line, const LineOptions &options) {
    Answer answer;
    answer.failed = ModernToLatin(line, options, answer.text);
    return answer;
}

} // namespace tempidex
