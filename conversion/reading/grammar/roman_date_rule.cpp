// The rule that reads a Roman date: a count of days before the Calends, Nones or Ides of a
// month, pridie and postridie, the named day itself, and the leap year's doubled day.
#include "feast_phrases.h"
#include "month_words.h"
#include "number_phrases.h"
#include "rules.h"

#include <algorithm>

namespace tempidex {
namespace {

// Whether the number right before word `at` can go on with `value` as a year goes on: MCCCLXX
// with quarto (its last place a ten), but not VI, nor a word that is no number.
bool YearGoesOnWith(const Words &words, std::size_t at, int value) {
    if (at == 0 || words.parted(at))
        return false;
    const std::size_t before = at - 1;
    const int written = words.ordinalOf(before) > 0   ? words.ordinalOf(before)
                        : words.numeralOf(before) > 0 ? words.numeralOf(before)
                                                      : words.digitsOf(before);
    int place = 1; // the largest power of ten that divides it
    while (written > 0 && place < 1000 && written % (place * 10) == 0)
        place *= 10;
    return written > 0 && value < place;
}

// No named day is counted to from further back than this: a. d. XIX Kal.
constexpr int MostDaysCounted = 19;

// Whether a named day is written in the ablative (kalendis, nonis, idibus): on that day itself,
// which no count goes with.
bool NamesTheDayItself(std::string_view key) {
    return key.ends_with("is") || key.ends_with("ibus");
}

// "a. d.", "ante diem" or "ad" ending just before word `end`: where it begins, or `end`.
std::size_t AnteDiemBefore(const Words &words, std::size_t end) {
    if (end >= 2 && !words[end].pause && !words[end - 1].pause &&
        ((words.is(end - 2, Kind::A) && words.is(end - 1, Kind::D)) ||
         (words.is(end - 2, Kind::Ante) && words.is(end - 1, Kind::Diem))))
        return end - 2;
    return end >= 1 && !words[end].pause && words.is(end - 1, Kind::AD) ? end - 1 : end;
}

// A named day whose month is wrong, words [monthAt, end): it stands, and the reading that
// takes it fails.
Phrase MonthFault(std::size_t at, std::size_t monthAt, std::size_t end) {
    Phrase p = DatePhrase(at, end, {}, monthAt, {});
    p.fault = PhraseFault::Month;
    p.faultBegin = static_cast<std::uint8_t>(monthAt);
    p.faultEnd = static_cast<std::uint8_t>(end);
    return p;
}

// Whether word i, between a number and a named day, is none that a date or what stands beside
// it puts there: a connective (quarto autem Kal.), "in" (in Kal.), "die" (octavo die
// kalendarum), "a. d.", "bis", "pridie"; a weekday's (III feria Kal.), a year's or a reign's
// (quarto anno Kal.), an indiction's, a month's.
bool StandsApartFromACount(const Words &words, std::size_t i) {
    constexpr std::uint64_t besideADate =
        KindsOf({Kind::Connective, Kind::In,        Kind::Die,     Kind::Diem,     Kind::A,
                 Kind::D,          Kind::AD,        Kind::Ante,    Kind::Bis,      Kind::Pridie,
                 Kind::Postridie,  Kind::Feria,     Kind::DayName, Kind::Anno,     Kind::Reign,
                 Kind::Reigning,   Kind::Indiction, Kind::Consul,  Kind::EraStart, Kind::Reference,
                 Kind::Number,     Kind::Capital});
    // (nor the count's ordinal mark written apart: "xij. o Kal.")
    return !words[i].gloss && (words.kindsOf(i) & besideADate) == 0 && words.monthOf(i) == 0 &&
           !words.mayBeNumber(i) && words.numeralOf(i) == 0 && !IsOrdinalMarkApart(words, i);
}

// The month of "mense Februario", "mensis martii" before word `at`, or 0.
int MonthNamedBefore(const Words &words, std::size_t at) {
    for (std::size_t i = at; i >= 2; --i)
        if (words.is(i - 2, Kind::Mensis) && !words.parted(i - 1) && words.monthOf(i - 1) != 0)
            return words.monthOf(i - 1);
    return 0;
}

} // namespace

void RomanDateRule(const Words &words, std::size_t at, Phrases &phrases) {
    if (!words.is(at, Kind::Reference))
        return;
    const auto named = static_cast<Reference>(words.classOf(at).reference);
    std::size_t monthAt = at + 1;
    if (words.is(monthAt, Kind::Mensis) && !words.parted(monthAt)) // septimo idus mensis maii
        ++monthAt;
    MonthRead read = MonthAt(words, monthAt, true);
    // "mense Februario, XI. kalendes eiusdem mensis": the month named before, whose own days
    // the date is among; the Calends counted to are the next month's
    if (read.month == 0 && !words.parted(monthAt) && monthAt < words.size() &&
        words[monthAt].key == "eiusdem")
        if (const int month = MonthNamedBefore(words, at); month != 0) {
            read.month = named == Reference::Calends ? month % 12 + 1 : month;
            if (words.is(monthAt + 1, Kind::Mensis) && !words.parted(monthAt + 1))
                ++monthAt;
        }
    if (read.month == 0) {
        // "Kal. XIII Junii", "Kal. VI. Sextilis": the count in a numeral between the named day
        // and its month, as humanists wrote it (not after "nonis", the day itself). Else the
        // named day stands alone: its month is what is wrong.
        if (!words.parted(at + 1) && words.numeralOf(at + 1) > 0 && words.digitsOf(at + 1) == 0 &&
            !NamesTheDayItself(words[at].key))
            for (const NumberRead &count : CountsFrom(words, at + 1))
                if (const MonthRead month = MonthAt(words, count.end, false);
                    month.month != 0 && count.value >= 2 && count.value <= MostDaysCounted) {
                    LatinDate date;
                    date.day = {count.value, false, false, named, month.month};
                    phrases.push_back(
                        DatePhrase(DieBefore(words, at), count.end + 1, date, count.end, month));
                }
        return;
    }
    std::size_t end = monthAt + 1;
    bool leap = false;
    if (words.is(end, Kind::A) && words.is(end + 1, Kind::I) && !words[end + 1].pause) {
        leap = true;
        end += 2;
    } else if (words.is(end, Kind::AI)) {
        leap = true;
        end += 1;
    }
    // "Kal. Ianuarius Maius": two months named, the second written out.
    if (!leap && words.monthOf(end) != 0 && words.classOf(end).wholeMonth && !words.parted(end)) {
        phrases.push_back(MonthFault(at, monthAt, end + 1));
        return;
    }
    // "Kalendarum Iuniarum die": the day of the Calends, in the genitive.
    if (!leap && words.is(end, Kind::Die) && words[at].key.ends_with("rum") &&
        !words.is(end + 1, Kind::Mensis) && CountsFrom(words, end + 1).empty())
        end += 1;
    LatinDate date;
    date.day = {1, false, false, named, read.month};
    date.leapYear = leap;
    // "die idus ian.", "sub die Kalendarum Iuniarum": the named day itself.
    Phrase named1 = DatePhrase(DieBefore(words, at), end, date, monthAt, read);
    if (leap && read.month != 3) { // (a. i.) belongs to the March Calends alone
        named1.fault = PhraseFault::Month;
        named1.faultBegin = static_cast<std::uint8_t>(monthAt);
        named1.faultEnd = static_cast<std::uint8_t>(end);
    }
    // A word between a number and the named day that no way of writing a date puts there: "v
    // quidem kalendas", "xviii Ulmi kal.", "x. et kalendas", "v. luna idus". The number may
    // count the days before it, or end what stands before (a year, a king's number): the named
    // day alone is no reading of these words.
    if (named1.fault == PhraseFault::None && at >= 2 && !words.parted(at) &&
        !words.parted(at - 1) && StandsApartFromACount(words, at - 1))
        for (const NumberRead &count : CountsEndingAt(words, at - 1))
            if (count.value >= 2 && count.value <= MostDaysCounted) {
                named1.fault = PhraseFault::Designation;
                named1.faultBegin = static_cast<std::uint8_t>(count.begin);
                named1.faultEnd = static_cast<std::uint8_t>(at + 1);
            }
    // "[6ta] Kalendas Julii": a count the editor supplied in brackets with a digit, a gloss
    // to the reader, right before the named day: the named day alone is no reading of it
    const int supplied =
        at >= 1
            ? std::max({words.digitsOf(at - 1), words.numeralOf(at - 1), words.ordinalOf(at - 1)})
            : 0;
    if (named1.fault == PhraseFault::None && at >= 1 && !words.parted(at) && words[at - 1].gloss &&
        supplied > 0 && supplied <= 31) {
        named1.fault = PhraseFault::Designation;
        named1.faultBegin = static_cast<std::uint8_t>(at - 1);
        named1.faultEnd = static_cast<std::uint8_t>(at + 1);
    }
    // "in crastino Kalendarum Maii", "in vigilia Kalendarum": a day after or before the named
    // day, as charters count from a feast, which the named day alone is not; and "octava"
    // before the genitive or after "in" may be its octave, and is no sure count (octava
    // Kalendas is)
    // (also with "die" between: "postera die Idus Martii", "crastina die Kalendarum")
    const std::size_t relationAt =
        at >= 2 && IsOneOf(words[at - 1].key, {"die", "diem"}) && !words.parted(at - 1) ? at - 2
                                                                                        : at - 1;
    const std::optional<FeastRelation> relation =
        at >= 1 && !words.parted(at) ? RelationOf(words, relationAt) : std::nullopt;
    const bool pridie = words.is(relationAt, Kind::Pridie) || words.is(relationAt, Kind::Postridie);
    const bool fromTheDay =
        !pridie && (relation == FeastRelation::Eve || relation == FeastRelation::Morrow);
    const bool octave = relation == FeastRelation::Octave || relation == FeastRelation::Quindene;
    const bool genitive = IsOneOf(words[at].key, {"kalendarum", "nonarum", "iduum", "idum"});
    const bool in = at >= 2 && words.is(at - 2, Kind::In) && !words.parted(at - 1);
    if (named1.fault == PhraseFault::None && (fromTheDay || (octave && (genitive || in)))) {
        named1.fault = PhraseFault::Designation;
        named1.faultBegin = static_cast<std::uint8_t>(fromTheDay ? relationAt : at - 1);
        named1.faultEnd = static_cast<std::uint8_t>(end);
        phrases.push_back(named1);
        return;
    }
    phrases.push_back(named1);
    // "idus augusti septimo", "kalendas nouembris nono", "kalendas decembris xviiº": the count
    // after the month, as Danish scribes wrote it, in small letters, an ordinal in words in the
    // ablative or a numeral ("kalendas iunii quinto anno regni" is read, as two ways, by the
    // words after it). Not after "kalendis", "idibus": the day itself; nor where the word
    // begins a sentence or counts the hour or another day ("kalendas maii tercia hora",
    // "idus maii. Septimo die postea obiit").
    const bool ablative =
        end < words.size() && words.numeralOf(end) == 0 && words[end].text.ends_with('o');
    const bool countAfter =
        end < words.size() && !words[end].capital &&
        (words.ordinalOf(end) > 0 ? ablative : words.numeralOf(end) > 0) &&
        words.digitsOf(end) == 0 &&
        !(end + 1 < words.size() && !words.parted(end + 1) &&
          IsOneOf(words[end + 1].key, {"die", "diei", "hora", "horam", "horis"}));
    // (and a numeral only where it ends the date: at the line's end, a stop, a comma or a
    // stroke, as the scribes closed it; "kalendas maii iiii f." is the Calends on a Wednesday,
    // "idus maii vi testibus" six witnesses. An ordinal in the ablative agrees with no noun
    // but the day's, the month's or the year's: "idus septembris quinto presentibus clericis".)
    const auto endsTheDate = [&words](std::size_t i) {
        if (i + 1 >= words.size() || words.parted(i + 1) || words[i].dotted ||
            words.numeralOf(i) == 0)
            return true;
        return words.marksAfter(i).find_first_of("./\\") != std::string_view::npos;
    };
    if (!leap && !words.parted(end) && countAfter && !NamesTheDayItself(words[at].key))
        for (const NumberRead &count : CountsFrom(words, end))
            if (count.value >= 2 && count.value <= MostDaysCounted && endsTheDate(count.end - 1)) {
                Phrase p = named1;
                p.end = static_cast<std::uint8_t>(count.end);
                p.date.day.count = count.value;
                p.pridieAsII = count.value == 2;
                phrases.push_back(p);
            }

    // "anno MCC octavo, idus novembris": what stands before a comma is no count, unless it
    // stands alone, after a comma or a place: "Datum Laterani, II, idus novembris", "Data Rome
    // III, Idus Septembris", "apud Sanctum Petrum tertio, nonas Septembris".
    const bool comma = words[at].pause;
    const auto alone = [&words](std::size_t begin) {
        return begin == 0 || words[begin].pause || words.nameLike(begin - 1);
    };
    // A word between the count and the named day: "quarto decimo autem Kalendas Iulii".
    const std::size_t before =
        at >= 1 && words.is(at - 1, Kind::Connective) && !words[at - 1].pause ? at - 1 : at;
    if (comma) {
        if (before != at) // a word between the count and the named day, after a comma
            return;
        for (const NumberRead &count : CountsEndingAt(words, at))
            if (count.value >= 2 && count.value <= MostDaysCounted &&
                (words.numeralOf(count.begin) > 0 || words.ordinalOf(count.begin) > 0) &&
                count.end == at && alone(count.begin)) {
                Phrase p = named1;
                p.begin = static_cast<std::uint8_t>(count.begin);
                p.date.day.count = count.value;
                p.pridieAsII = count.value == 2;
                phrases.push_back(p);
            }
        return;
    }
    if (before >= 1 &&
        (words.is(before - 1, Kind::Pridie) || words.is(before - 1, Kind::Postridie))) {
        Phrase p = named1;
        p.begin = static_cast<std::uint8_t>(DieBefore(words, before - 1));
        if (words.is(before - 1, Kind::Pridie))
            p.date.day.count = 2;
        else
            p.date.day.dayAfter = true;
        phrases.push_back(p);
        return;
    }
    // "bissexto Kal. Martii": the doubled day itself, a. d. bis VI Kal. Mart., named by the
    // leap year's own word (before another named day it names none, and is refused)
    if (before >= 1 && named == Reference::Calends && read.month == 3 && !words.parted(before) &&
        !words[before - 1].gloss &&
        IsOneOf(words[before - 1].key, {"bissexto", "bisexto", "bissextum", "bisextum"})) {
        Phrase p = named1;
        p.begin = static_cast<std::uint8_t>(DieBefore(words, before - 1));
        p.date.day.count = 6;
        p.date.day.doubled = true;
        phrases.push_back(p);
        return;
    }
    // "a. d. VI bis Kal.": the doubled day written the wrong way round.
    const bool bisAfter = before >= 1 && words.is(before - 1, Kind::Bis);
    for (const NumberRead &count : CountsEndingAt(words, bisAfter ? before - 1 : before)) {
        const std::size_t last = count.end - 1;
        const bool inWords = words.ordinalOf(last) > 0;
        std::size_t begin = count.begin;
        const bool doubled = begin >= 1 && !words[begin].pause && words.is(begin - 1, Kind::Bis);
        begin -= doubled ? 1 : 0;
        const std::size_t anteDiem = AnteDiemBefore(words, begin);
        const bool saysAnteDiem = anteDiem < begin;
        // "mcccclxx quarto. Idus": an ordinal ended by a full stop ends the year before the date,
        // where that year can go on with it; after "mº cccº viº" or no number, it is the count.
        if (inWords && words[last].dotted && YearGoesOnWith(words, count.begin, count.value))
            continue;
        begin = DieBefore(words, anteDiem);
        // A number past 19 counts no days (M. D. XXIX. Calendis Aprilis: a year), unless
        // "ante diem" says it is meant as a count.
        if (count.value > MostDaysCounted && !saysAnteDiem)
            continue;
        Phrase p = named1;
        p.begin = static_cast<std::uint8_t>(begin);
        p.date.day.count = count.value;
        p.date.day.doubled = doubled;
        p.pridieAsII = count.value == 2 && !doubled;
        const bool listed = count.value >= 2 && count.value <= MostDaysCounted &&
                            (!doubled || count.value == 6) && !bisAfter;
        if (!listed && p.fault == PhraseFault::None) {
            p.fault = PhraseFault::Designation;
            p.faultBegin = static_cast<std::uint8_t>(begin);
            p.faultEnd = static_cast<std::uint8_t>(before);
        }
        phrases.push_back(p);
    }
}

} // namespace tempidex
