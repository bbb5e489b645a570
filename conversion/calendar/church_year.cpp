#include "church_year.h"

#include "movable_feasts.h"
#include "year_styles.h"

#include <algorithm>
#include <array>
#include <vector>

extern const char FeastsText[]; // data/feasts.tsv, compiled in

namespace tempidex {
namespace {

std::string_view NextField(std::string_view &line) {
    const std::size_t tab = line.find('\t');
    const std::string_view field = line.substr(0, tab);
    line = tab == std::string_view::npos ? std::string_view{} : line.substr(tab + 1);
    return field;
}

int TwoDigits(std::string_view text) {
    return text.size() == 2 ? (text[0] - '0') * 10 + (text[1] - '0') : 0;
}

// The feasts of the data file after the movable ones: "MM-DD", names, other days, source.
std::vector<Feast> ReadFeasts() {
    std::vector<Feast> feasts(MovableFeasts.begin(), MovableFeasts.end());
    std::string_view text(FeastsText);
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (line.empty() || line.front() == '#')
            continue;
        const std::string_view day = NextField(line), names = NextField(line),
                               also = NextField(line), source = NextField(line);
        Feast feast;
        feast.day = {TwoDigits(day.substr(0, 2)), TwoDigits(day.substr(3, 2))};
        feast.names = names;
        feast.latin = names.substr(0, names.find(" | "));
        feast.italian = feast.latin;
        feast.also = also == "-" ? std::string_view{} : also;
        feast.source = source;
        feasts.push_back(feast);
    }
    return feasts;
}

// Where the first Sunday of Advent stands among the feasts.
std::size_t FirstSundayOfAdvent() {
    std::size_t at = 0;
    while (MovableFeasts[at].anchor != FeastAnchor::Advent)
        ++at;
    return at;
}

// The days the reader finds by their distance from Easter: the five Sundays of Lent and Holy
// Saturday.
static_assert([] {
    for (const int days : {-42, -35, -28, -21, -14, -1})
        if (std::ranges::none_of(MovableFeasts, [days](const Feast &feast) {
                return feast.anchor == FeastAnchor::Easter && feast.offset == days;
            }))
            return false;
    return true;
}());

} // namespace

std::size_t MovableFromEaster(int days) {
    std::size_t at = 0;
    while (MovableFeasts[at].anchor != FeastAnchor::Easter || MovableFeasts[at].offset != days)
        ++at;
    return at;
}

std::span<const Feast> Feasts() {
    static const std::vector<Feast> feasts = ReadFeasts();
    return feasts;
}

bool NeedsItsYear(const ChurchDay &day) {
    return Feasts()[static_cast<std::size_t>(day.feast)].movable() || day.byWeekday();
}

long FixedOfFeast(const Feast &feast, int year, Reckoning reckoning) {
    switch (feast.anchor) {
    case FeastAnchor::Fixed:
        break;
    case FeastAnchor::Easter: {
        const DayOfMonth easter = EasterOf(year, reckoning);
        return FixedFromDate({year, easter.month, easter.day}, reckoning) + feast.offset;
    }
    case FeastAnchor::Advent: {
        // The fourth Sunday of Advent is the last Sunday before Christmas.
        const long christmas = FixedFromDate({year, 12, 25}, reckoning);
        const int weekday = WeekdayOfFixed(christmas);
        const long fourth = christmas - (weekday == 0 ? 7 : weekday);
        return fourth - 7 * (4 - feast.offset);
    }
    }
    const bool moved = KeptLaterInALeapYear(feast) && IsLeapYear(year, reckoning);
    return FixedFromDate({year, feast.day.month, feast.day.day}, reckoning) + (moved ? 1 : 0);
}

int DaysOfFeast(const Feast &feast) {
    constexpr int rogationMonday = 36; // days after Easter
    return feast.anchor == FeastAnchor::Easter && feast.offset == rogationMonday ? 3 : 1;
}

bool KeptLaterInALeapYear(const Feast &feast) {
    return feast.anchor == FeastAnchor::Fixed && feast.day.month == 2 && feast.day.day >= 24;
}

namespace {

// The day a church day names, from the day of its feast (or of the feast's octave).
std::optional<long> Related(const ChurchDay &day, long feast) {
    switch (day.relation) {
    case FeastRelation::On:
        return feast;
    case FeastRelation::Eve:
        return feast - 1;
    case FeastRelation::Morrow:
        return feast + 1;
    case FeastRelation::Octave:
        return feast + 7;
    case FeastRelation::WithinOctave:
    case FeastRelation::WithinQuindene:
        return std::nullopt;
    case FeastRelation::Quindene:
        return feast + 14;
    case FeastRelation::DaysAfter:
    case FeastRelation::DayOfTheFeast:
    case FeastRelation::WeeksAfter:
        return feast + day.days;
    case FeastRelation::WeekdayAfter: // (and whole weeks on: the second Sunday after it)
        return feast + 1 + (day.weekday - WeekdayOfFixed(feast + 1) + 7) % 7 + day.days;
    case FeastRelation::WeekdayBefore:
        return feast - 1 - (WeekdayOfFixed(feast - 1) - day.weekday + 7) % 7;
    case FeastRelation::EmberDay: {
        const long wednesday = feast + 1 + (3 - WeekdayOfFixed(feast + 1) + 7) % 7;
        return wednesday + day.weekday - 3;
    }
    }
    return std::nullopt;
}

// The day found, where the bound names it too, counted from its feast in one of the years
// around (the Friday after St Thomas's, before Epiphany, is of one year and the next's feast).
std::optional<long> Bounded(const ChurchDay &day, std::optional<long> found, int year,
                            Reckoning reckoning) {
    if (!found || day.bound < 0)
        return found;
    const ChurchDay other = BoundOf(day);
    for (const int around : {year, year - 1, year + 1})
        if (FixedOfChurchDay(other, around, reckoning) == found)
            return found;
    return std::nullopt;
}

} // namespace

ChurchDay BoundOf(const ChurchDay &day) {
    ChurchDay other = day;
    other.feast = day.bound;
    other.octave = day.boundOctave;
    other.bound = -1;
    other.relation = day.relation == FeastRelation::WeekdayBefore ? FeastRelation::WeekdayAfter
                                                                  : FeastRelation::WeekdayBefore;
    return other;
}

std::optional<long> FixedOfChurchDay(const ChurchDay &day, int year, Reckoning reckoning) {
    const Feast &named = Feasts()[static_cast<std::size_t>(day.feast)];
    // A fixed feast of 5 to 14 October 1582 had no day that year: the reform left them out.
    if (named.anchor == FeastAnchor::Fixed &&
        !IsDayOfTheCalendar({year, named.day.month, named.day.day}, reckoning))
        return std::nullopt;
    const long feast = FixedOfFeast(named, year, reckoning) + day.octave;
    // The Sundays after Pentecost end where Advent begins, and those after Epiphany where
    // Septuagesima does.
    if (day.relation == FeastRelation::WeeksAfter &&
        feast + day.days >= FixedOfFeast(Feasts()[FirstSundayOfAdvent()], year, reckoning))
        return std::nullopt;
    constexpr int septuagesima = -63; // days from Easter
    if (day.relation == FeastRelation::WeekdayAfter && day.weekday == 0 && day.days > 0 &&
        named.anchor == FeastAnchor::Fixed && named.day == DayOfMonth{1, 6})
        if (const std::optional<long> sunday = Related(day, feast);
            sunday &&
            *sunday >= FixedOfFeast(Feasts()[MovableFromEaster(septuagesima)], year, reckoning))
            return std::nullopt;
    return Bounded(day, Related(day, feast), year, reckoning);
}

std::optional<long> FixedOfChurchDayKeptOn(const ChurchDay &day, DayOfMonth kept, int year,
                                           Reckoning reckoning) {
    if (!IsDayOfTheCalendar({year, kept.month, kept.day}, reckoning))
        return std::nullopt;
    const long keptOn = FixedFromDate({year, kept.month, kept.day}, reckoning);
    const std::optional<long> found = Related(day, keptOn + day.octave);
    // a weekday within the octave of the day it was kept on: before that octave's own day
    if (day.bound == day.feast && day.octave == 0 && found)
        return *found < keptOn + day.boundOctave ? found : std::nullopt;
    return Bounded(day, found, year, reckoning);
}

std::vector<KeptDay> DaysKeptElsewhere(const Feast &feast) {
    std::vector<KeptDay> days;
    for (std::string_view rest = feast.also; !rest.empty();) {
        const std::size_t end = rest.find("; ");
        const std::string_view entry = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 2);
        days.push_back({{TwoDigits(entry.substr(0, 2)), TwoDigits(entry.substr(3, 2))},
                        entry.substr(std::min<std::size_t>(entry.size(), 6))});
    }
    return days;
}

std::optional<DayOfMonth> DayOfChurchDay(const ChurchDay &day) {
    // Any common year counts alike: 1 (AD 1) is one, and before the reform.
    const std::optional<long> fixed = FixedOfChurchDay(day, 1, Reckoning::Julian);
    if (!fixed)
        return std::nullopt;
    const Date date = DateFromFixed(*fixed, Reckoning::Julian);
    return DayOfMonth{date.month, date.day};
}

YearTable TableOf(int year, Reckoning reckoning) {
    YearTable table;
    table.goldenNumber = year % 19 + 1;
    const bool gregorian = reckoning == Reckoning::Historical && year > GregorianYear;
    if (gregorian) {
        // Lilius's epact: the Julian one moved by the solar and the lunar equations.
        const int century = year / 100 + 1;
        const int solar = 3 * century / 4, lunar = (8 * century + 5) / 25;
        table.epact = ((11 * (table.goldenNumber - 1) - solar + lunar + 8) % 30 + 30) % 30;
    } else {
        table.epact = 11 * (table.goldenNumber - 1) % 30;
    }
    const long first = FixedFromDate({year, 1, 1}, reckoning);
    const auto letterOf = [](long day) { // the letter of the first Sunday from `day`
        return static_cast<char>('A' + (7 - WeekdayOfFixed(day)) % 7);
    };
    table.letters[0] = letterOf(first);
    if (IsLeapYear(year, reckoning)) // from the day added on, one letter back
        table.letters[1] = table.letters[0] == 'A' ? 'G' : static_cast<char>(table.letters[0] - 1);
    if (reckoning == Reckoning::Historical && year == GregorianYear) // G, then C from 15 October
        table.letters[1] = letterOf(FixedFromGregorian({year, 1, 1}));
    table.indiction = IndictionOf(year, {1, 1}, IndictionStart::January1);
    table.easter = EasterOf(year, reckoning);
    table.easterTable = table.easter.month == 3 ? table.easter.day - 21 : table.easter.day + 10;
    return table;
}

} // namespace tempidex
