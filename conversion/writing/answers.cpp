#include "answers.h"

#include "answer_text.h"
#include "explanation.h"
#include "latin_writing.h"
#include "warnings.h"

#include "calendar/day_number.h"
#include "reading/latin_reading.h"
#include "reading/modern_reading.h"
#include "reading/words/characters.h"
#include "result/dating.h"
#include "window/window_lists.h"

namespace tempidex {
namespace {

// Appends the answer, and after a tab why, when asked: the reason is only worked out then.
template <typename Why>
bool Answered(std::string &out, std::string_view text, bool failed, const LineOptions &options,
              Why &&why) {
    out.append(text);
    if (options.explain)
        out.append("\t").append(why());
    return failed;
}

} // namespace

bool LatinToModern(std::string_view line, const LineOptions &options, std::string &out,
                   std::string *warnings, WordMemo *memo) {
    const DatingOptions counting{options.reckoning, options.style, options.styleGiven,
                                 options.indiction, options.explain};
    const Dating dating = DateLatinLine(line, counting, memo);
    if (dating.outcome == Outcome::Blank)
        return false;
    const bool failed = AppendAnswerText(out, dating);
    if (options.explain)
        out.append("\t").append(Explain(dating));
    if (warnings)
        AppendWarnings(*warnings, line, dating);
    return failed;
}

bool ModernToLatin(std::string_view line, const LineOptions &options, std::string &out) {
    if (IsBlankLine(line))
        return false;
    if (line.size() > LongestLine)
        return Answered(out, ErrorDateNotCorrect, true, options, [] { return ExplainTooLong(); });
    const ModernDate modern = ReadModernDate(line);
    switch (modern.reading) {
    case ModernReading::NoDate:
        return Answered(out, ErrorDateNotCorrect, true, options,
                        [&] { return ExplainUnreadModernDate(line); });
    case ModernReading::WrongYear:
        return Answered(out, ErrorYearNotCorrect, true, options,
                        [&] { return ExplainUnreadYear(modern.yearText); });
    case ModernReading::SignedYear:
        return Answered(out, ErrorYearNotCorrect, true, options,
                        [&] { return ExplainSignedYear(modern.yearText); });
    case ModernReading::Read:
        break;
    }
    const std::optional<int> year = modern.year;
    const YearShape shape = year ? ShapeOf(*year, options.reckoning) : YearShape{options.leapYear};
    const DayOfMonth day{modern.month, modern.day};
    if (day.month < 1 || day.month > CalendarMonths || day.day < 1 ||
        day.day > MonthLength(day.month, shape))
        return Answered(out, ErrorDateNonexistent, true, options,
                        [&] { return ExplainNoSuchDay(day, shape, year); });
    if (year && *year >= FirstJulianYear &&
        !IsDayOfTheCalendar({*year, day.month, day.day}, options.reckoning))
        return Answered(out, ErrorDateNonexistent, true, options,
                        [&] { return ExplainGap(day, *year); });
    // "lunedì 3 marzo 2025": a weekday that is not the date's is a wrong date.
    if (const int weekday = year && *year >= 1 ? WeekdayOf(*year, day, options.reckoning) : -1;
        modern.weekday >= 0 && weekday >= 0 && weekday != modern.weekday)
        return Answered(out, ErrorDateNotCorrect, true, options,
                        [&] { return ExplainWeekday(weekday, modern.weekday); });
    // (before AD 1 no weekday is counted, and one written cannot be checked: no answer passes it
    // over)
    if (modern.weekday >= 0 && year && *year < 1)
        return Answered(out, ErrorDateNotCorrect, true, options, [] {
            return std::string("il giorno della settimana scritto non si può verificare prima "
                               "dell'anno 1 d.C.");
        });
    const RomanDay roman = RomanFromDay(day, shape);
    // Without a year, "(a. i.)" says which year the days before the March Calends belong to.
    const bool leapYear = !year && shape.leap && roman.reference == Reference::Calends &&
                          roman.month == 3 && roman.count > 1;
    const LatinDate date{roman, leapYear, 0, year, false, {}};
    // A year of the Christian era in the style asked for; a day the style would put before
    // AD 1 is dated by the city instead, which no style touches.
    LatinDate written{roman, leapYear, 0, std::nullopt, false, {}};
    std::string latin;
    if (year && *year >= 1 && WrittenYearOf(*year, day, options.style, options.reckoning) < 1) {
        latin = WriteLatinDate(written, options.longForm) + " " +
                LatinYearText(*year, options.longForm, true);
    } else {
        written.year =
            year && *year >= 1 ? WrittenYearOf(*year, day, options.style, options.reckoning) : year;
        latin = WriteLatinDate(written, options.longForm);
    }
    return Answered(out, latin, false, options, [&] { return ExplainCount(date, shape, {day}); });
}

Answer LatinToModern(std::string_view line, const LineOptions &options) {
    Answer answer;
    answer.failed = LatinToModern(line, options, answer.text, &answer.warnings);
    return answer;
}

DatedAnswer LatinToModernDated(std::string_view line, const LineOptions &options) {
    DatedAnswer answer;
    answer.dating = DateLatinLine(
        line, {options.reckoning, options.style, options.styleGiven, options.indiction, true});
    if (answer.dating.outcome == Outcome::Blank)
        return answer;
    answer.failed = AppendAnswerText(answer.text, answer.dating);
    if (options.explain)
        answer.explanation = Explain(answer.dating);
    AppendWarnings(answer.warnings, line, answer.dating, false);
    return answer;
}

Answer ModernToLatin(std::string_view line, const LineOptions &options) {
    Answer answer;
    answer.failed = ModernToLatin(line, options, answer.text);
    return answer;
}

} // namespace tempidex
