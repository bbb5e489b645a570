// The church year: the feasts a charter dates by, and the day each names in a year. The fixed
// feasts (saints' days, the Marian feasts, Christmas and its cycle) come from the data file
// data/feasts.tsv, compiled in; the movable ones are counted from Easter (easter.h), Advent
// from Christmas. A charter relates its day to a feast: on it, on its eve (vigilia), the day
// after (crastino), its octave, or the first such weekday before or after it.
#pragma once

#include "day_number.h"
#include "easter.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace tempidex {

// How a feast's day is found: a day of the month, or a count of days from Easter, or a Sunday
// of Advent (1 to 4) counted back from Christmas.
enum class FeastAnchor : std::uint8_t { Fixed, Easter, Advent };

struct Feast {
    std::string_view latin;   // its name as charters write it, in the genitive
    std::string_view italian; // its name in the answers and the perpetual calendar
    FeastAnchor anchor = FeastAnchor::Fixed;
    DayOfMonth day;         // Fixed
    int offset = 0;         // Easter: days after it (Septuagesima -63); Advent: the Sunday
    std::string_view names; // Fixed: every name, separated by " | "; movable: likewise
    std::string_view also;  // Fixed: other days kept by region or order, or empty
    std::string_view source;

    constexpr bool movable() const { return anchor != FeastAnchor::Fixed; }
};

// Every feast the reader knows: the movable ones first, then those of the data file.
std::span<const Feast> Feasts();
// Where the movable day so many days from Easter stands in Feasts(): Invocavit, the first
// Sunday of Lent, at -42; Holy Saturday at -1. There must be one.
std::size_t MovableFromEaster(int days);

// How a clause relates its day to a feast.
enum class FeastRelation : std::uint8_t {
    On,             // in festo, in die
    Eve,            // in vigilia: the day before
    Morrow,         // in crastino: the day after
    Octave,         // in octava: the seventh day after
    WithinOctave,   // infra octavam: the seven days after, a span and no day
    Quindene,       // in quindena: the fourteenth day after, the fifteenth counted with the feast
    WithinQuindene, // infra quindenam: the fourteen days after, a span and no day
    WeekdayAfter,   // die Veneris post festum: the first Friday strictly after it
    WeekdayBefore,  // feria secunda ante: the last Monday strictly before it
    DaysAfter,      // tertio die post festum: so many days after it
    DayOfTheFeast,  // tercia die pasche: its third day, the feast's own the first (`days` after)
    WeeksAfter,     // dominica tertia post Pentecosten: `days` days, whole weeks, after it
    // feria sexta quatuor temporum post Lucie: the Ember day, the Wednesday, Friday or Saturday
    // of the week whose Wednesday is the first strictly after the feast
    EmberDay,
};

// A day named by the church year, as a clause names it.
struct ChurchDay {
    std::int16_t feast = -1; // in Feasts(); -1 for none
    FeastRelation relation = FeastRelation::On;
    std::int8_t weekday = -1; // WeekdayAfter and WeekdayBefore: 0 Sunday
    std::int16_t days = 0;    // DaysAfter; WeekdayAfter: whole weeks on (dominica secunda post)
    std::int8_t octave = 0;   // 7 where the day is counted from the feast's octave: post octabas
    // A weekday after one feast bounded by another, before it, or the other way round ("die
    // veneris post festum Trinitatis, ante nativitatem Iohannis"): the day is the one both
    // name, or none. The second feast in Feasts(), -1 for none; and its octave.
    std::int16_t bound = -1;
    std::int8_t boundOctave = 0;
    // Eve: "pridie", the day before as the humanists write it, and no vigil kept
    bool pridie = false;
    constexpr bool operator==(const ChurchDay &) const = default;
    constexpr bool named() const { return feast >= 0; }
    // a weekday by the feast, which falls on another day of the month each year
    constexpr bool byWeekday() const {
        return relation == FeastRelation::WeekdayAfter ||
               relation == FeastRelation::WeekdayBefore || relation == FeastRelation::EmberDay;
    }
};

// The weekday counted the other way from a church day's bound: the last Friday before it for
// the first Friday after the feast.
ChurchDay BoundOf(const ChurchDay &day);

// Whether the day can be found without its year: a fixed feast, or a day so many days from it.
bool NeedsItsYear(const ChurchDay &day);

// Whether a fixed feast is kept a day later in a leap year: a leap year's added day was the
// 24th of February, counted twice, and the feasts from the 24th on (St Matthias) fell on the
// 25th to the 29th.
bool KeptLaterInALeapYear(const Feast &feast);

// The days a feast names together: three for the Rogation days (litaniae minores), Monday to
// Wednesday before Ascension; one for every other feast.
int DaysOfFeast(const Feast &feast);

// The fixed day number of a feast in a year; of a Fixed feast whatever the year.
long FixedOfFeast(const Feast &feast, int year, Reckoning reckoning);

// The day a church day names in `year`, from the feast's own day in that year, or nothing
// where it names a span (infra octavam) or no day that year (a feast of 5 to 14 October 1582,
// a Sunday after Pentecost past Advent). The day may fall in the year before or after (the
// eve of the Circumcision, a Friday after St Thomas the Apostle).
std::optional<long> FixedOfChurchDay(const ChurchDay &day, int year, Reckoning reckoning);

// A day a fixed feast was kept on elsewhere, from the data file's "07-15 Costanza": the day,
// and where or by whom it was kept, as the data file writes it.
struct KeptDay {
    DayOfMonth day;
    std::string_view where;
};
std::vector<KeptDay> DaysKeptElsewhere(const Feast &feast);

// The same where the feast of `year` was kept on `kept` instead: a region's own day for the
// saint (St Margaret on 15 July at Konstanz, for 20 July).
std::optional<long> FixedOfChurchDayKeptOn(const ChurchDay &day, DayOfMonth kept, int year,
                                           Reckoning reckoning);

// The day of the month of a church day that needs no year, in a common year.
std::optional<DayOfMonth> DayOfChurchDay(const ChurchDay &day);

// What the chronologists' tables give for a year.
struct YearTable {
    int goldenNumber = 0; // 1 to 19
    int epact = 0;        // Julian: the epact of 22 March's moon; Gregorian: Lilius's
    char letters[3] = {}; // dominical letter, or two in a leap year (the first to 24 Feb)
    int indiction = 0;    // from 1 January
    int easterTable = 0;  // 1 to 35: Easter's day, 22 March to 25 April
    DayOfMonth easter;
};

YearTable TableOf(int year, Reckoning reckoning);

} // namespace tempidex
