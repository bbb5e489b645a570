#include "answers.h"

#include "explanation.h"
#include "latin_reading.h"
#include "latin_writing.h"
#include "modern_text.h"
#include "roman_date.h"
#include "window_lists.h"
#include "words.h"
#include "years.h"

#include <array>
#include <utility>

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
    case LatinPart::AmbiguousYear:
        return ErrorYearNotCorrect;
    case LatinPart::None:
    case LatinPart::Designation:
    case LatinPart::Reference:
    case LatinPart::TwoDates:
    case LatinPart::WholeLine:
        break;
    }
    return ErrorDateNotCorrect;
}

// Years of the Christian era are counted in a style; those of the city and before Christ are not.
constexpr bool IsChristianEra(YearCount count) {
    return count == YearCount::Unmarked || count == YearCount::Christian ||
           count == YearCount::Incarnation || count == YearCount::Nativity;
}

// The styles a year of the Incarnation or of the Nativity may have been counted in, the
// charters' way, besides 1 January.
constexpr std::array<YearStyle, 3> StylesOf(YearCount count) {
    if (count == YearCount::Incarnation)
        return {YearStyle::Modern, YearStyle::Florentine, YearStyle::Pisan};
    if (count == YearCount::Nativity)
        return {YearStyle::Modern, YearStyle::Nativity, YearStyle::Nativity};
    return {YearStyle::Modern, YearStyle::Modern, YearStyle::Modern};
}

// What the answer to one Latin line tells besides the day: the parts of its explanation after
// the count, and the warnings for standard error.
struct Told {
    std::string_view line;
    std::string *warnings;
    bool explain = false;
    std::string parts;

    // Only worked out when asked for: most lines are answered without a word of why.
    template <typename Part> void add(Part &&part) {
        if (explain)
            parts.append("; ").append(part());
    }
    void warn(const std::string &warning) {
        if (!warnings)
            return;
        AppendQuoted(*warnings, line);
        warnings->append(": ").append(warning).append("\n");
    }
};

// The year from 1 January of a year written in a style, or of a double year; said where it
// matters.
int ModernYear(int written, DayOfMonth day, const ClauseNotes &notes, const LineOptions &options,
               Told &told) {
    if (notes.laterYear) {
        told.add([&] { return ExplainDoubleYear(written, *notes.laterYear); });
        return Before(day, {3, 25}) ? *notes.laterYear : written;
    }
    const int year = ModernYearOf(written, day, options.style);
    // The years the formula's other styles give, where they differ from this one.
    std::array<std::pair<YearStyle, int>, 2> others{};
    std::size_t differing = 0;
    for (const YearStyle style : StylesOf(notes.count))
        if (const int other = ModernYearOf(written, day, style);
            other != year && differing < others.size() &&
            (differing == 0 || others[0].second != other))
            others[differing++] = {style, other};
    if (options.styleGiven || differing > 0)
        told.add([&] { return ExplainStyle(options.style, year, others); });
    if (differing > 0 && !options.styleGiven)
        told.warn(ExplainStyle(options.style, year, others) + "; --style sceglie lo stile");
    return year;
}

// The weekday, and the weekday and indiction the clause gives, checked.
void CheckDay(int year, DayOfMonth day, const ClauseNotes &notes, const LineOptions &options,
              Told &told) {
    if (year < 1)
        return; // no weeks, no indictions: Rome counted market days
    if (told.explain || notes.weekday >= 0) {
        const int weekday = WeekdayOf(year, day, options.reckoning);
        told.add([&] { return ExplainWeekday(weekday, notes.weekday); });
        if (notes.weekday >= 0 && notes.weekday != weekday)
            told.warn(ExplainWeekday(weekday, notes.weekday));
    }
    if (notes.indiction > 0) {
        const int indiction = IndictionOf(year, day, options.indiction);
        told.add([&] { return ExplainIndiction(indiction, notes.indiction, options.indiction); });
        if (indiction != notes.indiction)
            told.warn(ExplainIndiction(indiction, notes.indiction, options.indiction));
    }
}

// A Latin date with a year, postridie, or a day of the month: counted in that year's calendar.
bool CountedInItsYear(const LatinReading &reading, const LineOptions &options, std::string &out,
                      Told &told) {
    const LatinDate &date = reading.date;
    const ClauseNotes &notes = reading.notes;
    const RomanDay &roman = date.day;
    std::optional<int> year = date.year;
    const auto nonexistent = [&](auto &&why) {
        return Answered(out, ErrorDateNonexistent, true, options, why);
    };
    // The day and the month are the same in the year as written and in the year from 1 January
    // (no style begins its year on a day a leap year moves), so the style is settled on them,
    // counted as in a leap year: the doubled sixth day is February's in any year written.
    const auto dayIn = [&](YearShape shape) -> std::optional<DayOfMonth> {
        if (notes.dayOfMonth > 0)
            return DayOfMonth{roman.month, notes.dayOfMonth};
        const CountedDay counted = DayFromRoman(roman, shape);
        return counted.fault == CountFault::None ? std::optional(counted.date) : std::nullopt;
    };
    // Most years are counted from 1 January and say nothing of another style: left as written.
    const bool styled = options.style != YearStyle::Modern || notes.laterYear ||
                        notes.count == YearCount::Incarnation || notes.count == YearCount::Nativity;
    if (year && *year >= 1 && styled && IsChristianEra(notes.count))
        if (const std::optional<DayOfMonth> day = dayIn(YearShape{true, false})) {
            year = ModernYear(*year, *day, notes, options, told);
            if (*year < FirstYear || *year > LastYear)
                return Answered(out, ErrorYearNotCorrect, true, options, [&] {
                    return ExplainUnread(LatinPart::Year, ModernYearText(*year));
                });
        }
    const auto answer = [&](DayOfMonth day, auto &&why) {
        if (year)
            CheckDay(*year, day, notes, options, told);
        AppendModernDate(out, day.day, day.month, year);
        return Answered(out, {}, false, options, [&] { return why() + told.parts; });
    };
    if (notes.dayOfMonth > 0) {
        const DayOfMonth day{roman.month, notes.dayOfMonth};
        const YearShape shape =
            year ? ShapeOf(*year, options.reckoning) : YearShape{day.month == 2 && day.day == 29};
        if (day.day > MonthLength(day.month, shape))
            return nonexistent([&] { return ExplainNoSuchDay(day, shape, year); });
        if (year && InGregorianGap(*year, day.month, day.day, options.reckoning))
            return nonexistent([&] { return ExplainGap(day, *year); });
        return answer(day, [&] { return ExplainDayOfMonth(day); });
    }
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
    LatinDate inItsYear = date;
    inItsYear.year = year;
    return answer(day, [&] { return ExplainCount(inItsYear, shape, counted); });
}

} // namespace

bool LatinToModern(std::string_view line, const LineOptions &options, std::string &out,
                   std::string *warnings) {
    const LatinReading reading = ReadLatinDate(line);
    if (reading.blank)
        return false;
    Told told{line, warnings, options.explain, {}};
    if (reading.unread == LatinPart::AmbiguousYear) {
        const auto why = [&] {
            return ExplainAmbiguousYear(reading.unreadText, *reading.date.year,
                                        *reading.notes.otherYear);
        };
        told.warn(why());
        return Answered(out, ErrorYearNotCorrect, true, options, why);
    }
    if (reading.unread != LatinPart::None)
        return Answered(out, ErrorFor(reading.unread), true, options,
                        [&] { return ExplainUnread(reading.unread, reading.unreadText); });
    const LatinDate &date = reading.date;
    if (reading.notes.count == YearCount::Consuls)
        told.add([] { return ExplainConsuls(); });
    if (reading.notes.pridieAsII)
        told.add([] { return ExplainPridieAsII(); });
    // A date the window's lists hold gets the window's own answer.
    if (!date.year && !date.day.dayAfter && reading.notes.dayOfMonth == 0) {
        const bool failed = AppendRomanDate(out, date, MonthSpelling::Italian) != FocusTarget::None;
        return Answered(out, {}, failed, options,
                        [&] { return ExplainListDate(date) + told.parts; });
    }
    return CountedInItsYear(reading, options, out, told);
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
    // "lunedì 3 marzo 2025": a weekday that is not the date's is a wrong date.
    if (const int weekday = year && *year >= 1 ? WeekdayOf(*year, day, options.reckoning) : -1;
        modern.weekday >= 0 && weekday >= 0 && weekday != modern.weekday)
        return Answered(out, ErrorDateNotCorrect, true, options,
                        [&] { return ExplainWeekday(weekday, modern.weekday); });
    const RomanDay roman = RomanFromDay(day, shape);
    // Without a year, "(a. i.)" says which year the days before the March Calends belong to.
    const bool leapYear = !year && shape.leap && roman.reference == Reference::Calends &&
                          roman.month == 3 && roman.count > 1;
    const LatinDate date{roman, leapYear, year};
    // A year of the Christian era in the style asked for; a day the style would put before
    // AD 1 is dated by the city instead, which no style touches.
    LatinDate written{roman, leapYear, std::nullopt};
    std::string latin;
    if (year && *year >= 1 && WrittenYearOf(*year, day, options.style) < 1) {
        latin = WriteLatinDate(written, options.longForm) + " " +
                LatinYearText(*year, options.longForm, true);
    } else {
        written.year = year && *year >= 1 ? WrittenYearOf(*year, day, options.style) : year;
        latin = WriteLatinDate(written, options.longForm);
    }
    return Answered(out, latin, false, options, [&] { return ExplainCount(date, shape, {day}); });
}

Answer LatinToModern(std::string_view line, const LineOptions &options) {
    Answer answer;
    answer.failed = LatinToModern(line, options, answer.text, &answer.warnings);
    return answer;
}

Answer ModernToLatin(std::string_view line, const LineOptions &options) {
    Answer answer;
    answer.failed = ModernToLatin(line, options, answer.text);
    return answer;
}

} // namespace tempidex
