// The day a Latin line names, computed before a word of the answer is written: the day and
// its year (from 1 January, after the year's style), how the count reached it, the years the
// other styles give, the weekday and the indiction that check it, or why the line names no
// day. The answer, its explanation and its warnings are each written from this value
// (writing/), never from the text again.
#pragma once

#include "calendar/roman_day.h"
#include "calendar/year_styles.h"
#include "reading/latin_reading.h"

#include <array>
#include <cstdint>
#include <optional>
#include <utility>

namespace tempidex {

// How a line of Latin is counted, as the command line's options say.
struct DatingOptions {
    Reckoning reckoning = Reckoning::Historical;
    YearStyle style = YearStyle::Modern; // --style: how years of the Christian era are counted
    bool styleGiven = false;             // chosen, not assumed: no warning about the others
    IndictionStart indiction = IndictionStart::September1;
    bool explain = false; // the weekday is worked out only where asked or written
};

enum class Outcome : std::uint8_t {
    Blank,     // nothing but spaces
    Unread,    // the line could not be read: `fault`
    Day,       // a day of the calendar
    NoSuchDay, // a date read whole that names no day: `why`
    TwoWays,   // the line reads as two different days or years: `ways`
};

enum class NoDay : std::uint8_t {
    None,
    CountedTooFar,       // a. d. XIX Kal. Mar.: the count runs back past the named day before
    NoDoubledDay,        // a. d. bis VI anywhere but before the Calends of March in a leap year
    LeapMarchNonesIdes,  // Non. Mar. (a. i.): only the Calends have a leap March of their own
    CommonYear,          // (a. i.) with a year that is no leap year
    PastMonthEnd,        // die XXXI Februarii
    Reform,              // 5 to 14 October 1582, in the Gregorian calendar
    StyledOutOfRange,    // a year moved by its style past the years that are read
    FeastNeedsYear,      // a movable feast, or a weekday by a feast, and no year of ours
    FeastEarlyYear,      // the same in a year of the Lord before 525: its century left out?
    FeastSpan,           // infra octavam, infra quindenam: days, not one
    ExeunteTooFar,       // Bologna's "die XX exeunte": counted back past the month's half
    FeastWeekday,        // "die martis in festo": the feast was no Tuesday that year
    FeastNotThatYear,    // a feast of 5 to 14 October 1582; a Sunday after Pentecost past Advent
    NoneBetween,         // a weekday between two feasts: that year two lay between, or none
    FeastInAnotherStyle, // no such day in the year written in this style; other styles have one
    MonthDisagrees,      // "mense Maio, in festo sancti Martini": the day is in another month
    DatesDisagree,       // a day of the month beside a movable feast that fell on another day
};

// What settled the style of a year, where no style was asked for: the weekday written, or the
// month written beside a movable feast.
enum class StyledBy : std::uint8_t { None, Weekday, Month };

// What another year style gives: its year, and its day where that differs too (a movable
// feast falls on another day in another year).
struct StyledYear {
    YearStyle style = YearStyle::Modern;
    int year = 0;
    std::optional<DayOfMonth> day;
    // The style gives the year answered as well: an Easter year runs from one Easter to the
    // next, and holds the days between the earlier Easter and the later one twice.
    bool also = false;
};

// One way of reading the line, counted: for a line that reads two ways.
struct Way {
    Outcome outcome = Outcome::Day;
    DayOfMonth day;
    std::optional<int> year;
    bool leapYear = false;
};

// The days Bologna counts back from a month's end, "die primo exeunte" its last: the month's
// second half, 16 of 31 days, 15 of 30, 14 of February's 28 and 15 of its 29.
constexpr int ExeunteDays(int monthLength) {
    return (monthLength + 1) / 2;
}

struct Dating {
    DatingOptions options; // as it was counted
    Outcome outcome = Outcome::Blank;
    LineFault fault = LineFault::None;
    std::string_view faultText;
    DateReading reading;

    // The day, in the year from 1 January; the year's shape and the count that reached it.
    DayOfMonth day;
    std::optional<int> year;
    YearShape shape;
    CountedDay counted;
    NoDay why = NoDay::None;
    bool listed = false; // no year, no postridie, no day of the month: as the window's lists

    // The year as its style gives it, and where the other styles differ.
    bool styled = false;
    std::array<StyledYear, 4> otherStyles{};
    std::size_t stylesDiffering = 0;
    // The style is the one whose year has the weekday or the month written, not the one
    // assumed.
    StyledBy styledBy = StyledBy::None;

    std::optional<int> alsoYear; // an Easter year that names the day twice: its second year
    // An Easter year that has no such day, which falls between the two Easters after it: the
    // day is answered in the year it is written with, as the editors date it, and said
    bool notInTheEasterYear = false;
    int weekday = -1; // where worked out: 0 Sunday
    // "dominica prima Novembris" where the 1st was no Sunday: the first Sunday of the month,
    // which the words may say as well
    std::optional<DayOfMonth> weekdayCounted;
    int indiction = 0; // where the clause names one
    // An indiction written that the one counted from the start asked for does not agree with
    // may be counted from another start (the Bedan, from 24 September, in the Empire's
    // chancery; the Roman, from 1 January, in the popes'): the starts it agrees with, a bit
    // each in the order of IndictionStart.
    std::uint8_t indictionAgreesFrom = 0;
    // Where it agrees with no start: the other style whose year has it, if one does.
    std::optional<StyledYear> indictionStyle;
    std::optional<DayOfMonth> leapDay; // a year not computed that would move the day if leap
    // A year only consuls give, not computed: the day in the months of the Republic, before
    // Caesar's reform, where that is another (most months had 29 days).
    std::optional<DayOfMonth> republicDay;
    // In a leap year the Middle Ages counted the 24th of February as the day added, so that their
    // VI Kal. Mar. is the 25th and their bis VI the 24th: the day as they count it.
    std::optional<DayOfMonth> medievalDay;
    std::optional<DayOfMonth> otherDay; // the clause's other date (acc., pp.), in the same year
    std::optional<DayOfMonth> sameDay;  // a day of the month beside a movable feast, that year

    std::array<Way, 2> ways{}; // TwoWays: the first two
    // The day the line names where its ordinal read from a misspelt word is another word.
    std::optional<Way> withoutMisspelt;
    // Another reading of the words passed over because its year has no such day (a leap day
    // in a common year, a feast that was no Sunday that year): the year it read, if any.
    bool passedOver = false;
    std::optional<int> passedOverYear;
};

Dating DateLatinLine(std::string_view line, const DatingOptions &options, WordMemo *memo = nullptr);

} // namespace tempidex
