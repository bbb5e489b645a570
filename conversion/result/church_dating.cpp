// The day a line dated by the church year names: the feast found in the year written, in the
// style asked for and in each other style the year may have been counted in.
#include "calendar/church_year.h"
#include "calendar/day_number.h"
#include "dating_steps.h"

namespace tempidex {
namespace {

// The first day of the year written `written` in `style`, as a day number.
long StyledYearStart(int written, YearStyle style, Reckoning reckoning) {
    if (style == YearStyle::Easter) {
        const DayOfMonth easter = EasterOf(written, reckoning);
        return FixedFromDate({written, easter.month, easter.day}, reckoning);
    }
    const YearStyleName &s = StyleOf(style);
    return FixedFromDate({s.early ? written - 1 : written, s.start.month, s.start.day}, reckoning);
}

// The day a church day names when its year is written `written` in `style`: the feast of the
// year from 1 January whose day falls within that written year (a movable feast falls on
// another day each year, and an Easter year holds some days of two springs), or nothing.
// `second`, where given: a second such day in the same written year (Florence's year 1257,
// from 25 March 1257 to 24 March 1258, held two Easters).
std::optional<Date> ChurchDayIn(const ChurchDay &church, int written, YearStyle style,
                                Reckoning reckoning, std::optional<Date> *second = nullptr) {
    const long start = StyledYearStart(written, style, reckoning),
               end = StyledYearStart(written + 1, style, reckoning);
    std::optional<Date> found;
    for (const int year : {written, written + 1, written - 1}) {
        const std::optional<long> fixed = FixedOfChurchDay(church, year, reckoning);
        // (a day one year has not, the next may: the 24th Sunday after Trinity of 1281, 23
        // November, whose 1282 ends in Advent; a weekday between two feasts)
        if (!fixed || *fixed < start || *fixed >= end)
            continue;
        if (!found) {
            found = DateFromFixed(*fixed, reckoning);
        } else if (second) {
            *second = DateFromFixed(*fixed, reckoning);
            break;
        }
    }
    return found;
}

// A day of the church year with its year: in the style asked for, and in every other style
// the year may have been written in, each with its own day where the feast moves.
bool CountChurchDay(int written, const DatingOptions &options, Dating &d) {
    const ChurchDay &church = d.reading.date.church;
    // A double year (1350/51) names the year from 25 March, the later one to the 24th: the
    // feast is found in that year alone, whatever the style asked for.
    const bool doubled = d.reading.notes.laterYear.has_value();
    std::optional<Date> second;
    const std::optional<Date> day =
        ChurchDayIn(church, written, doubled ? YearStyle::Florentine : options.style,
                    options.reckoning, &second);
    if (day) {
        d.year = day->year;
        d.day = {day->month, day->day};
    }
    if (day && second) { // the year written holds two such days: never the first found
        d.outcome = Outcome::TwoWays;
        d.ways = {Way{Outcome::Day, d.day, d.year, false},
                  Way{Outcome::Day, {second->month, second->day}, second->year, false}};
        return true;
    }
    if (doubled)
        return day.has_value();
    // Where the style asked for has no such day in the year written, the others are said.
    if (IsChristianEra(d.reading.notes.count))
        for (const YearStyle style : StylesOf(d.reading.notes.count, written)) {
            // (an Easter year may hold the day twice: both are said, "also" where one is the
            // day answered)
            std::optional<Date> twice;
            const std::optional<Date> other =
                ChurchDayIn(church, written, style, options.reckoning, &twice);
            for (const std::optional<Date> &each : {other, twice}) {
                if (!each || each == day || d.stylesDiffering >= d.otherStyles.size())
                    continue;
                const DayOfMonth otherDay{each->month, each->day};
                d.otherStyles[d.stylesDiffering++] = {
                    style, each->year,
                    !day || otherDay != d.day ? std::optional(otherDay) : std::nullopt,
                    twice && day && (other == day || twice == day)};
            }
        }
    d.styled = options.styleGiven || d.stylesDiffering > 0;
    return day.has_value();
}

} // namespace

// A line dated by the church year: the feast's day, found in its year where it moves.
void CountByTheChurchYear(Dating &d, const DatingOptions &options) {
    const LatinDate &date = d.reading.date;
    const ChurchDay &church = date.church;
    const auto none = [&d](NoDay why) {
        d.outcome = Outcome::NoSuchDay;
        d.why = why;
    };
    // (and "in rogationibus": the Rogation days are three)
    if (church.relation == FeastRelation::WithinOctave ||
        church.relation == FeastRelation::WithinQuindene ||
        (church.relation == FeastRelation::On &&
         DaysOfFeast(Feasts()[static_cast<std::size_t>(church.feast)]) > 1))
        return none(NoDay::FeastSpan);
    // "anno domini lxi, sabbato post diem corporis Christi": no document is dated by the year
    // of the Lord so early; the scribe left out the century, and the day moves with the year
    if (date.year && *date.year >= 1 && *date.year < FirstYearOfTheIncarnation &&
        d.reading.notes.count == YearCount::Christian && NeedsItsYear(church))
        return none(NoDay::FeastEarlyYear);
    if (date.year && *date.year >= 1) {
        if (!CountChurchDay(*date.year, options, d))
            return none(d.stylesDiffering > 0 ? NoDay::FeastInAnotherStyle
                        : church.bound >= 0   ? NoDay::NoneBetween
                                              : NoDay::FeastNotThatYear);
        if (d.outcome == Outcome::TwoWays)
            return;
        if (*d.year < FirstYear || *d.year > LastYear)
            return none(NoDay::StyledOutOfRange);
        d.shape = ShapeOf(*d.year, options.reckoning);
    } else if (NeedsItsYear(church)) {
        return none(NoDay::FeastNeedsYear);
    } else {
        d.year = date.year;
        d.day = *DayOfChurchDay(church);
        // A day by a feast in February's last days moves in a leap year.
        const std::optional<long> leap = FixedOfChurchDay(church, 4, Reckoning::Julian);
        const Date inLeap = DateFromFixed(*leap, Reckoning::Julian);
        if (DayOfMonth{inLeap.month, inLeap.day} != d.day && !date.year)
            d.leapDay = DayOfMonth{inLeap.month, inLeap.day};
        if (date.year) // a year before Christ: no feasts, only the day of the month
            return none(NoDay::FeastNeedsYear);
    }
    Check(options, d);
    SettleTheStyleByTheWeekday(options, d);
    SettleTheStyleByTheMonth(options, d);
    FindTheStyleOfTheIndiction(options, d);
    // A weekday written beside a feast that was no such day that year: another saint of the
    // name, another year, or a slip; no day is answered for it.
    if (d.reading.notes.weekday >= 0 && d.weekday >= 0 && d.weekday != d.reading.notes.weekday)
        return none(NoDay::FeastWeekday);
    if (d.reading.notes.month > 0 && d.day.month != d.reading.notes.month)
        return none(NoDay::MonthDisagrees);
    if (d.reading.notes.sameDay) {
        d.sameDay = DayIn(*d.reading.notes.sameDay, d.shape);
        if (d.sameDay != d.day)
            return none(NoDay::DatesDisagree);
    }
}

} // namespace tempidex
