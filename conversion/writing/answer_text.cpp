#include "answer_text.h"

#include "modern_writing.h"
#include "window/window_lists.h"

namespace tempidex {
namespace {

// The error text for a line that could not be read, as the window words it for its own lists.
std::string_view ErrorFor(LineFault fault) {
    switch (fault) {
    case LineFault::Month:
        return ErrorMonthNotCorrect;
    case LineFault::Year:
    case LineFault::Anno:
    case LineFault::Number:
    case LineFault::TwoYears:
    case LineFault::TwoStyles:
        return ErrorYearNotCorrect;
    case LineFault::None:
    case LineFault::ClauseMonth:
    case LineFault::TooLong:
    case LineFault::TooManyWords:
    case LineFault::NoDate:
    case LineFault::Feast:
    case LineFault::Designation:
    case LineFault::TwoDates:
    case LineFault::TooComplex:
        break;
    }
    return ErrorDateNotCorrect;
}

} // namespace

bool AppendAnswerText(std::string &out, const Dating &d) {
    switch (d.outcome) {
    case Outcome::Blank:
        return false;
    case Outcome::Unread:
        out.append(ErrorFor(d.fault));
        return true;
    case Outcome::NoSuchDay:
        out.append(d.why == NoDay::StyledOutOfRange || d.why == NoDay::FeastNeedsYear
                       ? ErrorYearNotCorrect
                   : d.why == NoDay::FeastWeekday || d.why == NoDay::MonthDisagrees ||
                           d.why == NoDay::DatesDisagree
                       ? ErrorDateNotCorrect
                       : ErrorDateNonexistent);
        return true;
    case Outcome::TwoWays:
        out.append(d.ways[0].day == d.ways[1].day && d.ways[0].outcome == d.ways[1].outcome
                       ? ErrorYearNotCorrect
                       : ErrorDateNotCorrect);
        return true;
    case Outcome::Day:
        break;
    }
    AppendModernDate(out, d.day, d.year, d.listed && d.reading.date.leapYear);
    return false;
}

} // namespace tempidex
