#include "dating.h"

#include "calendar/day_number.h"

namespace tempidex {
namespace {

// Years of the Christian era are counted in a style; those of the city and before Christ are
// not, nor the Spanish era once it is turned into ours.
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

// The day a date names in a year of that shape, or nothing where it names none.
std::optional<DayOfMonth> DayIn(const LatinDate &date, YearShape shape) {
    if (date.dayOfMonth > 0)
        return DayOfMonth{date.day.month, date.dayOfMonth};
    const CountedDay counted = DayFromRoman(date.day, shape);
    return counted.fault == CountFault::None ? std::optional(counted.date) : std::nullopt;
}

// The year from 1 January of a year written in a style, or of a double year.
void CountTheYearsStyle(int written, DayOfMonth day, const DatingOptions &options, Dating &d) {
    const ClauseNotes &notes = d.reading.notes;
    if (notes.laterYear) {
        d.year = Before(day, {3, 25}) ? *notes.laterYear : written;
        return;
    }
    const int year = ModernYearOf(written, day, options.style);
    for (const YearStyle style : StylesOf(notes.count))
        if (const int other = ModernYearOf(written, day, style);
            other != year && d.stylesDiffering < d.otherStyles.size() &&
            (d.stylesDiffering == 0 || d.otherStyles[0].second != other))
            d.otherStyles[d.stylesDiffering++] = {style, other};
    d.styled = options.styleGiven || d.stylesDiffering > 0;
    d.year = year;
}

bool IsCalendarDay(int year, DayOfMonth day, Reckoning reckoning) {
    return year < FirstJulianYear || IsDayOfTheCalendar({year, day.month, day.day}, reckoning);
}

// The weekday and the indiction, where the clause names them or the reader asks.
void Check(const DatingOptions &options, Dating &d) {
    if (!d.year || *d.year < 1)
        return; // no weeks, no indictions: Rome counted market days
    const ClauseNotes &notes = d.reading.notes;
    if (options.explain || notes.weekday >= 0)
        d.weekday = WeekdayOf(*d.year, d.day, options.reckoning);
    if (notes.indiction > 0)
        d.indiction = IndictionOf(*d.year, d.day, options.indiction);
}

Dating Counted(const DateReading &reading, const DatingOptions &options) {
    Dating d;
    d.options = options;
    d.outcome = Outcome::Day;
    d.reading = reading;
    const LatinDate &date = reading.date;
    const RomanDay &roman = date.day;
    const ClauseNotes &notes = reading.notes;
    d.listed = !date.year && !roman.dayAfter && date.dayOfMonth == 0;
    const auto none = [&d](NoDay why) {
        d.outcome = Outcome::NoSuchDay;
        d.why = why;
        return d;
    };
    d.year = date.year;
    // The day and the month are the same in the year as written and in the year from 1 January
    // (no style begins its year on a day a leap year moves), so the style is settled on them,
    // counted as in a leap year: the doubled sixth day is February's in any year written.
    const bool styled = options.style != YearStyle::Modern || notes.laterYear ||
                        notes.count == YearCount::Incarnation || notes.count == YearCount::Nativity;
    if (d.year && *d.year >= 1 && styled && IsChristianEra(notes.count))
        if (const std::optional<DayOfMonth> day = DayIn(date, YearShape{true, false})) {
            CountTheYearsStyle(*date.year, *day, options, d);
            if (*d.year < FirstYear || *d.year > LastYear)
                return none(NoDay::StyledOutOfRange);
        }
    if (date.dayOfMonth > 0) {
        d.day = {roman.month, date.dayOfMonth};
        d.shape = d.year ? ShapeOf(*d.year, options.reckoning)
                         : YearShape{d.day.month == 2 && d.day.day == 29};
        if (d.day.day > MonthLength(d.day.month, d.shape))
            return none(NoDay::PastMonthEnd);
    } else {
        if (!d.year && date.leapYear && roman.reference != Reference::Calends)
            return none(NoDay::LeapMarchNonesIdes);
        d.shape = d.year ? ShapeOf(*d.year, options.reckoning) : YearShape{date.leapYear};
        if (d.year && date.leapYear && !d.shape.leap)
            return none(NoDay::CommonYear);
        d.counted = DayFromRoman(roman, d.shape);
        d.day = d.counted.date;
        if (d.counted.fault == CountFault::TooFar)
            return none(NoDay::CountedTooFar);
        if (d.counted.fault == CountFault::NoDoubledDay)
            return none(NoDay::NoDoubledDay);
    }
    if (d.year && !IsCalendarDay(*d.year, d.day, options.reckoning))
        return none(NoDay::Reform);
    Check(options, d);
    // A year the clause gives but that is not computed: a leap year would move the days
    // after the 24th of February by one.
    if (!d.year && notes.elsewhere != YearElsewhere::None && !date.leapYear) {
        const std::optional<DayOfMonth> leap =
            date.dayOfMonth > 0 ? std::nullopt : DayIn(date, YearShape{true, false});
        if (leap && *leap != d.day)
            d.leapDay = leap;
    }
    if (notes.otherRole != DateRole::Given)
        d.otherDay = DayIn(notes.otherDate, d.shape);
    return d;
}

Way WayOf(const Dating &d) {
    return {d.outcome, d.day, d.year, d.reading.date.leapYear};
}

bool SameWay(const Way &a, const Way &b) {
    if (a.outcome != b.outcome)
        return false;
    return a.outcome != Outcome::Day ||
           (a.day == b.day && a.year == b.year && a.leapYear == b.leapYear);
}

} // namespace

Dating DateLatinLine(std::string_view line, const DatingOptions &options) {
    const LineReading read = ReadLatinLine(line);
    Dating d;
    d.options = options;
    if (read.blank)
        return d;
    if (read.fault != LineFault::None) {
        d.outcome = Outcome::Unread;
        d.fault = read.fault;
        d.faultText = read.faultText;
        return d;
    }
    d = Counted(read.readings.front(), options);
    for (std::size_t i = 1; i < read.readings.size(); ++i) {
        const Dating other = Counted(read.readings[i], options);
        if (!SameWay(WayOf(d), WayOf(other))) {
            const Way first = WayOf(d);
            d.outcome = Outcome::TwoWays;
            d.ways = {first, WayOf(other)};
            d.faultText = line;
            return d;
        }
    }
    return d;
}

} // namespace tempidex
