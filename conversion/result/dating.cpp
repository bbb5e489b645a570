#include "dating.h"

#include "calendar/church_year.h"
#include "calendar/day_number.h"
#include "dating_steps.h"

#include <array>
#include <string>

namespace tempidex {

// The day a date names in a year of that shape, or nothing where it names none.
std::optional<DayOfMonth> DayIn(const LatinDate &date, YearShape shape) {
    if (date.fromMonthEnd) // die primo exeunte: the last day, in a month of that year's length
        return DayOfMonth{date.day.month, MonthLength(date.day.month, shape) + 1 - date.dayOfMonth};
    if (date.dayOfMonth > 0)
        return DayOfMonth{date.day.month, date.dayOfMonth};
    const CountedDay counted = DayFromRoman(date.day, shape);
    return counted.fault == CountFault::None ? std::optional(counted.date) : std::nullopt;
}

namespace {

// The year from 1 January of a year written in a style, or of a double year.
void CountTheYearsStyle(int written, DayOfMonth day, const DatingOptions &options, Dating &d) {
    const ClauseNotes &notes = d.reading.notes;
    if (notes.laterYear) {
        d.year = Before(day, {3, 25}) ? *notes.laterYear : written;
        return;
    }
    const int year = ModernYearOf(written, day, options.style, options.reckoning);
    // An Easter year runs from one Easter to the next: the days between the earlier and the later
    // Easter of the two come twice.
    if (options.style == YearStyle::Easter &&
        !Before(day, StartOf(YearStyle::Easter, written, options.reckoning)) &&
        Before(day, StartOf(YearStyle::Easter, written + 1, options.reckoning)))
        d.alsoYear = written + 1;
    d.notInTheEasterYear = options.style == YearStyle::Easter &&
                           Before(day, StartOf(YearStyle::Easter, written, options.reckoning)) &&
                           !Before(day, StartOf(YearStyle::Easter, written + 1, options.reckoning));
    for (const YearStyle style : StylesOf(notes.count, written)) {
        const int other = ModernYearOf(written, day, style, options.reckoning);
        // (and where the style is not the one asked for, an Easter year that holds the day
        // twice gives the next year too: 22 April 1271, and 1272 before its Easter of the 24th)
        const bool twice = style == YearStyle::Easter && options.style != YearStyle::Easter &&
                           written <= LastYearOfTheOldStyles && other == written &&
                           Before(day, StartOf(YearStyle::Easter, written + 1, options.reckoning));
        const std::array<int, 2> years{other, written + 1};
        for (std::size_t i = 0; i < (twice ? 2u : 1u); ++i)
            if (years[i] != year && d.stylesDiffering < d.otherStyles.size())
                d.otherStyles[d.stylesDiffering++] = {style, years[i], std::nullopt,
                                                      twice && (other == year || years[1] == year)};
    }
    d.styled = options.styleGiven || d.stylesDiffering > 0;
    d.year = year;
}

bool IsCalendarDay(int year, DayOfMonth day, Reckoning reckoning) {
    return year < FirstJulianYear || IsDayOfTheCalendar({year, day.month, day.day}, reckoning);
}

// The indiction of the day, by the start asked for; and where the one written disagrees, the
// other starts it agrees with.
void CountIndiction(Dating &d, int year, IndictionStart start) {
    d.indiction = IndictionOf(year, d.day, start);
    d.indictionAgreesFrom = 0;
    const int written = d.reading.notes.indiction;
    if (written == d.indiction)
        return;
    for (const IndictionStartName &other : IndictionStarts)
        if (IndictionOf(year, d.day, other.start) == written)
            d.indictionAgreesFrom |=
                static_cast<std::uint8_t>(1u << static_cast<unsigned>(other.start));
}

} // namespace

// The weekday and the indiction, where the clause names them or the reader asks.
void Check(const DatingOptions &options, Dating &d) {
    if (!d.year || *d.year < 1)
        return; // no weeks, no indictions: Rome counted market days
    const ClauseNotes &notes = d.reading.notes;
    if (options.explain || notes.weekday >= 0)
        d.weekday = WeekdayOf(*d.year, d.day, options.reckoning);
    if (notes.indiction > 0)
        CountIndiction(d, *d.year, options.indiction);
}

namespace {

// The day another style gives, answered in its place: the style assumed is named with the
// others, and the checks are counted again in the year chosen.
void AnswerInStyle(const DatingOptions &options, const StyledYear &chosen, Dating &d) {
    const DayOfMonth day = chosen.day.value_or(d.day);
    std::array<StyledYear, 4> others{};
    std::size_t count = 0;
    others[count++] = {d.options.style, *d.year,
                       d.day != day ? std::optional(d.day) : std::nullopt};
    // (a style that gives the day chosen is no other; "also" was said of the day assumed)
    for (std::size_t i = 0; i < d.stylesDiffering && count < others.size(); ++i) {
        StyledYear other = d.otherStyles[i];
        if (other.year == chosen.year && other.day.value_or(d.day) == day)
            continue;
        other.also = false;
        others[count++] = other;
    }
    d.options.style = chosen.style;
    d.otherStyles = others;
    d.stylesDiffering = count;
    d.year = chosen.year;
    d.day = day;
    d.shape = ShapeOf(chosen.year, options.reckoning);
    if (d.weekday >= 0)
        d.weekday = WeekdayOf(chosen.year, day, options.reckoning);
    if (d.reading.notes.indiction > 0)
        CountIndiction(d, chosen.year, options.indiction);
}

// The one day of the other styles' that `agrees`, or nothing where none does or two that differ.
template <typename Agrees>
std::optional<StyledYear> OnlyOtherStyleThat(const Dating &d, Agrees agrees) {
    std::optional<StyledYear> agreeing;
    for (std::size_t i = 0; i < d.stylesDiffering; ++i) {
        const StyledYear &other = d.otherStyles[i];
        if (!agrees(other))
            continue;
        if (agreeing && (agreeing->year != other.year || agreeing->day != other.day))
            return std::nullopt; // two days agree: nothing is settled
        agreeing = agreeing ? agreeing : other;
    }
    if (agreeing && (agreeing->year < FirstYear || agreeing->year > LastYear))
        return std::nullopt;
    return agreeing;
}

// Where no style was asked for, the year answered names the day once, and one day of the
// other styles' `agrees` with what the clause writes: that day, in its style; `by` is what
// the clause wrote.
template <typename Agrees>
void SettleTheStyle(const DatingOptions &options, Dating &d, StyledBy by, Agrees agrees) {
    if (options.styleGiven || !d.year || d.alsoYear || d.outcome != Outcome::Day)
        return;
    if (const std::optional<StyledYear> agreeing = OnlyOtherStyleThat(d, agrees)) {
        AnswerInStyle(options, *agreeing, d);
        d.styledBy = by;
    }
}

} // namespace

// A weekday written beside the day settles the style of its year where the one assumed gives
// another: "anno MCCL, die jovis in vigilia Epiphanie" is a Thursday in 1251 (a year from 25
// March or from Easter, as Paris counted), a Wednesday in 1250. Where the days of the other
// styles that agree with the weekday are one and the same, that day is answered in the first of
// them, and the style assumed is named with the others. A style asked for is kept, and so is a
// day in February, whose count a leap year moves.
void SettleTheStyleByTheWeekday(const DatingOptions &options, Dating &d) {
    const int written = d.reading.notes.weekday;
    if (written < 0 || d.weekday < 0 || d.weekday == written)
        return;
    const bool church = d.reading.date.church.named();
    SettleTheStyle(options, d, StyledBy::Weekday, [&](const StyledYear &other) {
        const DayOfMonth day = other.day.value_or(d.day);
        return (church || (!other.day && day.month != 2)) &&
               WeekdayOf(other.year, day, options.reckoning) == written &&
               IsCalendarDay(other.year, day, options.reckoning);
    });
}

// So does the month written beside a movable feast: "MCCLXXVIII, mense marcio, dominica in
// Ramis Palmarum" is 26 March 1279 in a year from Easter, where Palm Sunday 1278 was the 10th
// of April. (The weekday written must agree too.)
void SettleTheStyleByTheMonth(const DatingOptions &options, Dating &d) {
    const ClauseNotes &notes = d.reading.notes;
    if (notes.month <= 0 || d.day.month == notes.month)
        return;
    SettleTheStyle(options, d, StyledBy::Month, [&](const StyledYear &other) {
        const DayOfMonth day = other.day.value_or(d.day);
        return day.month == notes.month &&
               (notes.weekday < 0 ||
                WeekdayOf(other.year, day, options.reckoning) == notes.weekday) &&
               IsCalendarDay(other.year, day, options.reckoning);
    });
}

// The indiction written, where no start of the indiction's year gives it in the year assumed,
// may be of another style's year: a bull of Alexander III dated "nono kalendas martii,
// indictione XI, incarnationis dominice anno MCLXII" is of February 1163 in his chancery's year
// from 25 March. The warning says so; the answer stays the style's asked for, since scribes
// miscounted indictions as often as they changed styles.
void FindTheStyleOfTheIndiction(const DatingOptions &options, Dating &d) {
    const ClauseNotes &notes = d.reading.notes;
    if (notes.indiction <= 0 || d.indiction <= 0 || d.indiction == notes.indiction ||
        d.indictionAgreesFrom != 0 || !d.year || d.outcome != Outcome::Day)
        return;
    d.indictionStyle = OnlyOtherStyleThat(d, [&](const StyledYear &other) {
        return IndictionOf(other.year, other.day.value_or(d.day), options.indiction) ==
               notes.indiction;
    });
}

namespace {

// The day a reading names, counted into `d`, a dating made blank.
void CountInto(Dating &d, const DateReading &reading, const DatingOptions &options) {
    d.options = options;
    d.outcome = Outcome::Day;
    d.reading = reading;
    const LatinDate &date = reading.date;
    const RomanDay &roman = date.day;
    const ClauseNotes &notes = reading.notes;
    d.listed = !date.year && !roman.dayAfter && date.dayOfMonth == 0 && !date.church.named();
    if (date.church.named())
        return CountByTheChurchYear(d, options);
    const auto none = [&d](NoDay why) {
        d.outcome = Outcome::NoSuchDay;
        d.why = why;
    };
    d.year = date.year;
    // The day and the month are the same in the year as written and in the year from 1 January
    // (no style begins its year on a day a leap year moves), so the style is settled on them,
    // counted as in a leap year: the doubled sixth day is February's in any year written.
    const bool styled = options.style != YearStyle::Modern || notes.laterYear ||
                        (date.year && StylesOf(notes.count, *date.year)[1] != YearStyle::Modern);
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
        if (date.fromMonthEnd) {
            // Bologna's custom: "die primo exeunte" is the last day, and the days counted back
            // are those of the month's second half.
            const int length = MonthLength(d.day.month, d.shape);
            if (date.dayOfMonth > ExeunteDays(length))
                return none(NoDay::ExeunteTooFar);
            d.day.day = length + 1 - date.dayOfMonth;
            if (!d.year && d.day.month == 2)
                d.leapDay = DayOfMonth{2, 30 - date.dayOfMonth};
        }
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
        if (d.year && d.shape.leap && roman.reference == Reference::Calends && roman.month == 3 &&
            roman.count == 6 && d.counted.fault == CountFault::None)
            d.medievalDay = DayOfMonth{2, roman.doubled ? 24 : 25};
        if (d.counted.fault == CountFault::TooFar)
            return none(NoDay::CountedTooFar);
        if (d.counted.fault == CountFault::NoDoubledDay)
            return none(NoDay::NoDoubledDay);
    }
    if (d.year && !IsCalendarDay(*d.year, d.day, options.reckoning))
        return none(NoDay::Reform);
    // Another style's year may be leap where this one is not: the days after the 24th of
    // February, and those counted back from its end, fall a day apart. The warning names it.
    for (std::size_t i = 0; i < d.stylesDiffering; ++i) {
        StyledYear &other = d.otherStyles[i];
        const YearShape shape = ShapeOf(other.year, options.reckoning);
        const std::optional<DayOfMonth> day = DayIn(date, shape);
        if (day && *day != d.day)
            other.day = day;
    }
    Check(options, d);
    SettleTheStyleByTheWeekday(options, d);
    FindTheStyleOfTheIndiction(options, d);
    // "dominica prima Novembris", the 1st no Sunday that year: the first Sunday of November
    // reads the words as well, and agrees with the weekday (counted by day numbers, for
    // October 1582 lost ten days)
    if (notes.weekdayOrdinal && d.weekday >= 0 && d.weekday != notes.weekday) {
        const long first = FixedFromDate({*d.year, d.day.month, 1}, options.reckoning);
        const long counted =
            first + (notes.weekday - WeekdayOfFixed(first) + 7) % 7 + 7L * (date.dayOfMonth - 1);
        const Date day = DateFromFixed(counted, options.reckoning);
        if (day.year == *d.year && day.month == d.day.month)
            d.weekdayCounted = DayOfMonth{day.month, day.day};
    }
    // A year the clause gives but that is not computed: a leap year would move the days
    // after the 24th of February by one.
    if (!d.year && notes.elsewhere != YearElsewhere::None && !date.leapYear) {
        const std::optional<DayOfMonth> leap =
            date.dayOfMonth > 0 ? std::nullopt : DayIn(date, YearShape{true, false});
        if (leap && *leap != d.day)
            d.leapDay = leap;
        // VI Kal. Mart. is the 24th of a leap year as the Romans counted it, and the 25th as
        // the middle ages did, who counted the 24th the day added
        if (date.dayOfMonth == 0 && roman.reference == Reference::Calends && roman.month == 3 &&
            roman.count == 6 && !roman.doubled)
            d.medievalDay = DayOfMonth{2, 25};
    }
    // Consuls named as the Republic named them, and Quintilis and Sextilis, are of a year of
    // Rome that may be before Caesar's reform, when the months after the Ides of 29 days
    // ended sooner (Cicero's xi Kal. Febr. of 60 BC is the 20th of January, not the 22nd).
    if (!d.year && (notes.republicsConsuls || notes.oldMonthName) && date.dayOfMonth == 0)
        if (const std::optional<DayOfMonth> old = DayIn(date, YearShape{false, true});
            old && *old != d.day)
            d.republicDay = old;
    if (notes.otherRole != DateRole::Given)
        d.otherDay = DayIn(notes.otherDate, d.shape);
    // "mense Maio" beside a date of another month: one of the two is wrong
    if (notes.month > 0 && d.day.month != notes.month)
        return none(NoDay::MonthDisagrees);
}

// Counted in place: a dating is four hundred bytes, and each copy of one costs as much as
// counting most days.
// A clause that says its calendar ("vetere calculo", "Gregoriani") or the style of its year
// ("more veneto", "stilo florentino") is counted in them, whatever the options say: the writer
// knew which he used.
Dating Counted(const DateReading &reading, const DatingOptions &options) {
    Dating d;
    DatingOptions counted = options;
    if (reading.notes.calendar != Calendar::Unsaid)
        counted.reckoning =
            reading.notes.calendar == Calendar::Julian ? Reckoning::Julian : Reckoning::Historical;
    if (reading.notes.style) {
        counted.style = *reading.notes.style;
        counted.styleGiven = true;
    }
    CountInto(d, reading, counted);
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

// Whether a day is none whatever its year: a count past the named day before, the leap
// March's Nones, a day past any month's end, seven days for one; not a leap day in a common
// year, nor a feast that fell on another weekday that year.
bool NoDayInAnyYear(const Dating &d) {
    switch (d.why) {
    case NoDay::CountedTooFar:
    case NoDay::LeapMarchNonesIdes:
    case NoDay::ExeunteTooFar:
    case NoDay::FeastSpan:
        return true;
    case NoDay::PastMonthEnd:
        return !(d.day.month == 2 && d.day.day == 29);
    case NoDay::NoDoubledDay:
        return !d.year;
    default:
        return false;
    }
}

// A line with no reading: blank, or read no way, and why.
Dating Unreadable(const LineReading &read, const DatingOptions &options) {
    Dating d;
    d.options = options;
    if (!read.blank) {
        d.outcome = Outcome::Unread;
        d.fault = read.fault;
        d.faultText = read.faultText;
    }
    return d;
}

} // namespace

Dating DateLatinLine(std::string_view line, const DatingOptions &options, WordMemo *memo) {
    const LineReading read = ReadLatinLine(line, memo);
    if (read.blank || read.fault != LineFault::None)
        return Unreadable(read, options);
    // A reading that names no day gives way to one that does: "octauo Non. Septembris" is
    // no a. d. VIII Non., which there is not. (The day is counted into its place at once: a
    // line's dating is large, and it was counted into another and copied.)
    // Where it is its year alone that has no such day (a leap day in a common year), the reading
    // passed over is said beside the answer: the words read otherwise too.
    std::size_t first = 0;
    Dating d = Counted(read.readings[0], options);
    for (std::size_t i = 1; i < read.readings.size() && d.outcome == Outcome::NoSuchDay; ++i) {
        Dating next = Counted(read.readings[i], options);
        if (next.outcome == Outcome::Day) {
            const bool byItsYear = !NoDayInAnyYear(d);
            const std::optional<int> year = d.year ? d.year : d.reading.date.year;
            d = next;
            first = i;
            d.passedOver = byItsYear;
            d.passedOverYear = year;
        }
    }
    for (std::size_t i = 0; i < read.readings.size(); ++i) {
        if (i == first)
            continue;
        const Dating other = Counted(read.readings[i], options);
        if (other.outcome != Outcome::Day && d.outcome == Outcome::Day)
            continue;
        if (d.outcome == Outcome::TwoWays)
            break; // already two ways within one reading
        if (!SameWay(WayOf(d), WayOf(other))) {
            const Way one = WayOf(d);
            d.outcome = Outcome::TwoWays;
            d.ways = {one, WayOf(other)};
            d.faultText = line;
            return d;
        }
    }
    if (d.outcome == Outcome::TwoWays) // a feast twice in the year written: the words quoted
        d.faultText = line;
    // An ordinal read from a word misspelt by a letter may be another word: "anno Domini MCCCXX
    // testium" is 1323 with "tertium", 1320 with the witnesses. The day the line names without
    // it is said beside the answer.
    const std::string_view misspelt = d.reading.notes.misspeltOrdinal;
    if (d.outcome == Outcome::Day && d.reading.notes.readOrdinal > 0 &&
        misspelt.data() >= line.data() &&
        misspelt.data() + misspelt.size() <= line.data() + line.size()) {
        std::string without(line);
        without.replace(static_cast<std::size_t>(misspelt.data() - line.data()), misspelt.size(),
                        misspelt.size(), ' ');
        const LineReading other = ReadLatinLine(without);
        if (!other.blank && other.fault == LineFault::None && other.readings.size() == 1)
            if (const Dating counted = Counted(other.readings[0], options);
                counted.outcome == Outcome::Day && !SameWay(WayOf(d), WayOf(counted)))
                d.withoutMisspelt = WayOf(counted);
    }
    return d;
}

} // namespace tempidex
