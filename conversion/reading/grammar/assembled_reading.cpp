#include "assembled_reading.h"

#include "calendar/day_number.h"
#include "calendar/roman_day.h"
#include "reading/words/name_words.h"
#include "reading/words/word_table.h"

#include <algorithm>
#include <cstdint>

namespace tempidex {
namespace {

// The day of the month a date names, in a common year: to tell two ways of writing one day.
DayOfMonth DayOf(const LatinDate &date) {
    if (date.church.named()) // a movable day has none without its year: {0, 0}
        return NeedsItsYear(date.church) ? DayOfMonth{0, 0}
                                         : DayOfChurchDay(date.church).value_or(DayOfMonth{0, 0});
    if (date.fromMonthEnd)
        return {date.day.month, MonthLength(date.day.month, YearShape{}) + 1 - date.dayOfMonth};
    if (date.dayOfMonth > 0)
        return {date.day.month, date.dayOfMonth};
    return DayFromRoman(date.day, YearShape{date.leapYear}).date;
}

// Whether two dates of a clause name one day. Two movable days have no day of the month
// without their year, and are one day only if they are one feast's same day: "in die Pasche
// ... in Pentecoste" names two.
bool SameDay(const LatinDate &a, const LatinDate &b) {
    const DayOfMonth day = DayOf(a);
    return day == DayOf(b) && (day != DayOfMonth{0, 0} || a.church == b.church);
}

// Whether word `ad`, "ad" before a day of the month, follows the place of a letter's dateline,
// in the locative and first in it: the day the letter was written, "Viennae ad 13 Martii
// 1574", "Datum Viennae Austriae ad 13 Martii". ("Prorogatur ad 15 Maii", "Solvendum Bononie
// ad 13 Martii" are a day something is put off or due to.)
bool IsADatelinesAd(const Words &words, std::size_t ad) {
    if (words[ad].key != "ad" || words[ad].pause)
        return false;
    std::size_t place = ad;
    while (place >= 1 && ad - place < 2 && (place == ad || !words[place].pause) &&
           IsPlaceInTheLocative(words, place - 1))
        --place;
    return place < ad && (place == 0 || words.is(place - 1, Kind::Given));
}

// Whether a word right before a date makes it another day, or a span: post, ante, circa.
bool MovesTheDay(std::string_view key) {
    return IsOneOf(key, {"ab", "ad", "ante", "circa", "circiter", "citra", "infra", "inter",
                         "intra", "per", "post", "prope", "ultra", "usque"});
}

// Whether a date by a feast names another day of the month in a leap year: a feast kept a day
// later then (Matthias on the 25th, his vigil on the 24th), or days counted across the 29th of
// February (the octave of St Peter's Chair, 22 February, is the 29th, not the 1st of March):
// its day of the month waits for the year too.
bool MovesInALeapYear(const LatinDate &date) {
    if (!date.church.named())
        return false;
    const auto dayIn = [&date](int year) {
        const std::optional<long> fixed =
            FixedOfChurchDay(date.church, year, Reckoning::Historical);
        const Date day = fixed ? DateFromFixed(*fixed, Reckoning::Historical) : Date{};
        return DayOfMonth{day.month, day.day};
    };
    return KeptLaterInALeapYear(Feasts()[static_cast<std::size_t>(date.church.feast)]) ||
           dayIn(1301) != dayIn(1304); // a common year and a leap one
}

// Whether a date is a movable feast's, with no day of the month until its year is known.
bool Moves(const LatinDate &date) {
    return date.church.named() && DayOf(date) == DayOfMonth{0, 0};
}

} // namespace

void Assemble(const Words &words, const Phrases &phrases,
              const std::pmr::vector<std::size_t> &choice, Assembled &made) {
    const auto fail = [&made](LineFault fault, std::string_view text) {
        made.fault = fault;
        made.faultText = text;
    };
    for (const std::size_t i : choice) {
        const Phrase &p = phrases[i];
        const std::string_view text = words.written(p.faultBegin, p.faultEnd);
        made.written = true;
        switch (p.fault) {
        case PhraseFault::None:
            made.written = false;
            break;
        case PhraseFault::Designation:
            return fail(LineFault::Designation, text);
        case PhraseFault::Month:
            return fail(LineFault::Month, text);
        case PhraseFault::Year:
            return fail(LineFault::Year, text);
        }
    }
    // A gap an editor marks right before the date's count or named day, or beside the year's
    // number: a count or a year's part may be lost in it ("[...] Kal. Mai.", "anno MCC [...]").
    for (const std::size_t i : choice) {
        const Phrase &p = phrases[i];
        const bool gapBefore = p.begin > 0 && words[p.begin - 1u].gap &&
                               (words.mayBeNumber(p.begin) || words.is(p.begin, Kind::Reference));
        const bool gapAfter = p.end < words.size() && words[p.end].gap;
        made.written = true;
        if (p.kind == PhraseKind::Date && gapBefore)
            return fail(LineFault::Designation, words.written(p.begin - 1u, p.begin));
        // "post kalendas marcias", "ante idus", "circa Kal.", "usque ad Kal.", "ab Idibus": a
        // day after, before or about the one named, or a span from or to it; not that day
        // (also with "diem" between: "circa diem XII mensis Maii")
        std::size_t mover = p.begin;
        if (mover >= 2 && !words[mover].pause && !words[mover - 1u].pause &&
            (words[mover - 1u].key == "diem" || words[mover - 1u].key == "die"))
            --mover;
        if (p.kind == PhraseKind::Date && !p.date.church.named() && mover > 0 &&
            !words[mover].pause && MovesTheDay(words[mover - 1u].key) &&
            !(p.date.dayOfMonth > 0 && IsADatelinesAd(words, mover - 1u)))
            return fail(LineFault::Designation, words.written(mover - 1u, p.end));
        if (p.kind == PhraseKind::Year && (gapBefore || gapAfter))
            return fail(LineFault::Year, gapBefore ? words.written(p.begin - 1u, p.begin)
                                                   : words.written(p.end, p.end + 1u));
        made.written = false;
    }
    // A year only by its form stands next to the date, or past the indiction that follows it,
    // as Italian notaries wrote ("die 10 mensis iulii, X indictione, 1477"), past the
    // calendar the day is counted in ("XVI Maii veteris M.D.XCI"), or past the weekday before
    // the day ("MCCLX, die sabati tercio exeunte octubri").
    const auto meet = [&](std::size_t end, std::size_t begin) {
        return end == begin || std::any_of(choice.begin(), choice.end(), [&](std::size_t k) {
                   const Phrase &between = phrases[k];
                   return (between.kind == PhraseKind::Indiction ||
                           between.kind == PhraseKind::Calendar ||
                           between.kind == PhraseKind::Weekday) &&
                          between.begin == end && between.end == begin;
               });
    };
    for (const std::size_t i : choice) {
        const Phrase &p = phrases[i];
        if ((p.kind != PhraseKind::Year && p.kind != PhraseKind::Elsewhere) || !p.bare)
            continue;
        // (a year without its century only after the date: "Data XV. Kal. Sept." has none)
        const bool after = p.kind == PhraseKind::Elsewhere;
        const bool next = std::any_of(choice.begin(), choice.end(), [&](std::size_t d) {
            const Phrase &date = phrases[d];
            return date.kind == PhraseKind::Date &&
                   (meet(date.end, p.begin) || (!after && meet(p.end, date.begin)));
        });
        if (!next)
            return fail(LineFault::Number, words.written(p.begin, p.end));
    }
    ClauseNotes &notes = made.reading.notes;
    const Phrase *given = nullptr, *other = nullptr, *year = nullptr, *spanish = nullptr,
                 *noCentury = nullptr, *weekday = nullptr, *style = nullptr;
    DateRole role = DateRole::Given;
    bool givenVerb = false; // "dat.", "datum" read: the date given is the one to answer
    for (const std::size_t i : choice) {
        const Phrase &p = phrases[i];
        switch (p.kind) {
        case PhraseKind::Verb:
            role = p.role;
            givenVerb = givenVerb || p.role == DateRole::Given;
            break;
        case PhraseKind::Date:
            if (role != DateRole::Given) {
                other = other ? other : &p;
                notes.otherRole = role;
            } else if (given && (!SameDay(given->date, p.date) ||
                                 MovesInALeapYear(given->date) != MovesInALeapYear(p.date))) {
                // A movable feast and a day of the month: the feast is counted, the day checked.
                // So too a feast from 24 February on, a day later in a leap year: "die XXIV
                // Februarii, in festo sancti Mathie" in 1344 names two days.
                const auto moving = [](const LatinDate &date) {
                    return Moves(date) || MovesInALeapYear(date);
                };
                const bool givenMoves = moving(given->date);
                const Phrase &moves = givenMoves ? *given : p, &fixed = givenMoves ? p : *given;
                if (!moving(moves.date) || fixed.date.church.named() || notes.sameDay)
                    return fail(LineFault::TwoDates, words.written(given->begin, p.end));
                notes.sameDay = fixed.date;
                given = &moves;
            } else {
                given = given ? given : &p;
            }
            role = DateRole::Given;
            break;
        case PhraseKind::Year:
            if (p.count == YearCount::SpanishEra) {
                spanish = spanish ? spanish : &p;
            } else if (year && year->year != p.year) {
                return fail(LineFault::TwoYears, words.written(year->begin, p.end));
            } else if (!year || year->count == YearCount::Unmarked) {
                year = &p; // the mention with its formula says how the year was counted
            }
            break;
        case PhraseKind::Elsewhere:
            noCentury = p.elsewhere == YearElsewhere::NoCentury ? &p : noCentury;
            if (notes.elsewhere == YearElsewhere::None) {
                notes.elsewhere = p.elsewhere;
                notes.elsewhereText = words.written(p.begin, p.end);
                notes.republicsConsuls = p.elsewhere == YearElsewhere::Consuls && p.value != 0;
            }
            break;
        case PhraseKind::Indiction:
            notes.indiction = notes.indiction ? notes.indiction : static_cast<std::int8_t>(p.value);
            if (p.faultEnd > p.faultBegin && notes.unreadIndiction.empty())
                notes.unreadIndiction = words.written(p.faultBegin, p.faultEnd);
            break;
        case PhraseKind::Calendar:
            if (notes.calendar == Calendar::Unsaid) {
                notes.calendar = static_cast<Calendar>(p.value);
                notes.calendarText = words.written(p.begin, p.end);
            }
            break;
        case PhraseKind::Style:
            if (style && style->value != p.value)
                return fail(LineFault::TwoStyles, words.written(style->begin, p.end));
            style = style ? style : &p;
            notes.style = static_cast<YearStyle>(style->value);
            break;
        case PhraseKind::Weekday:
            notes.weekday = notes.weekday >= 0 ? notes.weekday : static_cast<std::int8_t>(p.value);
            weekday = weekday ? weekday : &p;
            break;
        case PhraseKind::Month:
            notes.month = notes.month > 0 ? notes.month : static_cast<std::int8_t>(p.value);
            break;
        case PhraseKind::Hour:
        case PhraseKind::Computus:
        case PhraseKind::Initials:
        case PhraseKind::Skip:
            break;
        }
    }
    // A law's acc. alone is its only date; beside a "dat." whose date is not read, it is not
    // the date to answer ("Data ld. Octobr. ... Accepta XV Kal. Dec.": Id. misread).
    if (!given && other && !givenVerb) {
        given = other;
        other = nullptr;
        notes.otherRole = DateRole::Given; // no other date to tell of
    }
    if (!given)
        return fail(LineFault::NoDate, {});
    if (!year && spanish) {
        year = spanish;
    } else if (year && spanish) {
        notes.spanishEra = spanish->year + 38; // the era as written, to check
    }
    LatinDate &date = made.reading.date;
    date = given->date;
    notes.pridieAsII = given->pridieAsII;
    // (an ordinal word in the feminine, as "dominica" and "feria" are, not digits: "dominica 3
    // Novembris" is the 3rd, and "die lunae tertio" the third day)
    notes.weekdayOrdinal =
        weekday && weekday->end == given->begin && date.dayOfMonth > 0 && date.dayOfMonth <= 5 &&
        !date.fromMonthEnd && words.ordinalOf(given->begin) == date.dayOfMonth &&
        words.digitsOf(given->begin) == 0 && words[given->begin].key.ends_with('a');
    // (Quintilis was named Iulius from 44 BC, Sextilis Augustus from 8 BC)
    for (std::size_t w = given->begin; w < given->end; ++w)
        if (words.monthOf(w) != 0 &&
            (words[w].key.starts_with("quin") || words[w].key.starts_with("sext")))
            notes.oldMonthName = true;
    if (given->misspeltMonth > 0) {
        notes.readMonth = static_cast<std::int8_t>(given->date.day.month);
        notes.misspeltMonth = words[given->misspeltMonth - 1u].written;
    }
    // An ordinal read from a misspelling, in any phrase the reading takes, is said.
    for (const std::size_t i : choice)
        for (std::size_t w = phrases[i].begin; w < phrases[i].end && notes.readOrdinal == 0; ++w)
            if (words.misspeltOrdinal(w)) {
                notes.readOrdinal = words.ordinalOf(w);
                notes.misspeltOrdinal = words[w].written;
            }
    notes.sic = words.sic();
    if (other) {
        notes.otherDate = other->date;
        notes.givenUnmarked = !givenVerb;
    }
    // A number read as a year without its century is none beside a year written whole ("anno
    // domini mccl kalendas iunii xxvi" counts the day after its named day), nor beside consuls
    // or a king's year, which would be said in its place ("anno regni nostri XV 18 Novembris
    // 89"): it is never passed over.
    if (noCentury && (year || notes.elsewhere != YearElsewhere::NoCentury))
        return fail(LineFault::Number, words.written(noCentury->begin, noCentury->end));
    if (year) {
        date.year = year->year;
        notes.count = year->count;
        // The Incarnation named where its formula is not read whole ("incarnationis domince
        // anno", a word garbled; "ab incarnatione dominica", a word that is Sunday too) still
        // says how the year was counted: from 25 March, in Pisa's way or Florence's.
        // (Not before 525, when no document was so dated: a scribe's year cut short is warned of.)
        if ((notes.count == YearCount::Unmarked || notes.count == YearCount::Christian) &&
            date.year && *date.year >= FirstYearOfTheIncarnation)
            for (std::size_t w = 0; w < words.size(); ++w)
                if (words.is(w, Kind::Formula) &&
                    words.classOf(w).formula == YearCount::Incarnation)
                    notes.count = YearCount::Incarnation;
        notes.laterYear = year->later;
        notes.elsewhere = YearElsewhere::None;
        notes.elsewhereText = {};
        notes.republicsConsuls = false;
    }
    // A day written in both calendars ("15/25 Oct. 1592"): the old is the day, counted in the
    // Julian calendar, and the new must be its Gregorian day in that year, after the reform.
    // (Without a year, "10/20 Maii" may be as well the days from the 10th to the 20th.)
    for (const std::size_t i : choice) {
        const Phrase &p = phrases[i];
        if (p.kind != PhraseKind::Date || p.value == 0)
            continue;
        const int month = p.date.day.month, old = p.date.dayOfMonth;
        const long fixed = date.year ? FixedFromJulian({*date.year, month, old}) : 0;
        const Date gregorian = GregorianFromFixed(fixed);
        if (!date.year || fixed <= LastJulianDay || gregorian.month != month ||
            gregorian.day != p.value)
            return fail(LineFault::Designation, words.written(p.begin, p.end));
        notes.calendar = Calendar::Julian;
        notes.calendarText = words.written(p.begin, p.begin + 2u);
    }
    // The doubled sixth day before the March Calends is a leap year's, said or not.
    if (!date.year && date.day.doubled && date.day.reference == Reference::Calends &&
        date.day.month == 3)
        date.leapYear = true;
}

bool SameReading(const DateReading &a, const DateReading &b) {
    return a.date == b.date && a.notes.count == b.notes.count &&
           a.notes.laterYear == b.notes.laterYear && a.notes.elsewhere == b.notes.elsewhere &&
           a.notes.style == b.notes.style;
}

} // namespace tempidex
