// The rules that read a day counted by the church year:
//
//   a Sunday counted         dominica N post Pentecosten | Trinitatem | <feast>;
//                            dominica N Adventus;  secunda dominica quadragesime
//   days after a feast       tertio die post festum <feast>;  die tertio post <feast>;
//                            die post festum <feast>
//   a day of a feast         tercia die <a movable feast>;  die secundo <a movable feast>;
//                            tertio die festi <a saint>
#include "counted_church_days.h"

#include "calendar/church_year.h"
#include "feast_phrases.h"
#include "number_phrases.h"
#include "reading/words/feast_names.h"

namespace tempidex {
namespace {

// Where the words naming Lent from word i end: quadragesimae, quadragesime, in quadragesima;
// i itself where none begin there.
std::size_t LentEnd(const Words &words, std::size_t i) {
    const auto lent = [&words](std::size_t j, std::initializer_list<std::string_view> names) {
        return j < words.size() && !words.parted(j) && !words[j].gloss &&
               IsOneOf(words[j].key, names);
    };
    if (lent(i, {"quadragesimae", "quadragesime"}))
        return i + 1;
    return lent(i, {"in"}) && lent(i + 1, {"quadragesima"}) ? i + 2 : i;
}

} // namespace

// Sundays counted after any other feast (dominica secunda post Epiphaniam, post festum sancti
// Michaelis): as many as lie between Epiphany and Septuagesima at most.
constexpr int MostSundaysAfter = 6;

// A Sunday counted after Pentecost or Trinity, in Advent or in Lent: dominica tertia post
// Pentecosten, tercia dominica adventus, secunda dominica quadragesime; after another feast, the
// first Sunday after it and those a week, two weeks... on.
void CountedSunday(const Words &words, std::size_t at, Phrases &phrases) {
    const auto sunday = [&words](std::size_t i) {
        return words.is(i, Kind::Weekday) && words.classOf(i).weekday == 0;
    };
    // dominica tertia Adventus; tercia dominica adventus: the count, and the word after both
    Counts counts;
    if (sunday(at) && !words.parted(at + 1))
        counts = CountsFrom(words, at + 1);
    else if (sunday(at + 1) || sunday(at + 2) || sunday(at + 3)) // after a count's words
        for (const NumberRead &n : CountsFrom(words, at))
            if (sunday(n.end) && !words.parted(n.end))
                counts.push_back({n.value, n.begin, n.end + 1});
    for (const NumberRead &n : counts) {
        std::size_t i = n.end;
        // (a count before the Sunday agrees with it, "secunda dominica": "anno domini mºcccºlxº
        // quarto dominica proxima post festum" ends its year with "quarto")
        const bool agrees = sunday(at) || words[n.end - 2].key.ends_with('a');
        // tercia dominica quadragesime, dominica prima in quadragesima: the Sundays of Lent,
        // Invocavit the first, Iudica the fifth, Palm Sunday the sixth
        if (const std::size_t lent = LentEnd(words, i); lent > i && n.value >= 1 && n.value <= 6) {
            ChurchDay day;
            day.feast = static_cast<std::int16_t>(SundayOfLent(n.value));
            AddChurchDay(words, phrases, at, lent, day);
            continue;
        }
        // (dominica secunda proxima post festum pasce)
        while (i < words.size() && !words.parted(i) && words[i].key != "post" &&
               IsBetween(StemAt(words, i, i)))
            ++i;
        const bool post = i < words.size() && words[i].key == "post" && !words.parted(i);
        std::size_t name = post ? i + 1 : i;
        if (post && name + 1 < words.size() && StemAt(words, name, name) == "fest" &&
            !words.parted(name + 1))
            ++name;
        const std::optional<FeastRead> feast = FeastAt(words, name);
        if (!feast || feast->feast < 0 || words.parted(name)) {
            // dominica prima post octavam Epiphanie: the first Sunday after the octave
            if (const std::optional<FeastNamed> octave = FeastFrom(words, name);
                post && (n.value == 1 || (agrees && n.value <= MostSundaysAfter)) && octave &&
                octave->octave > 0 && !words.parted(name)) {
                ChurchDay day = DayOf(*octave, FeastRelation::WeekdayAfter);
                day.weekday = 0;
                day.days = static_cast<std::int16_t>(7 * (n.value - 1));
                AddChurchDay(words, phrases, at, octave->end, day);
            }
            continue;
        }
        const Feast &f = Feasts()[static_cast<std::size_t>(feast->feast)];
        ChurchDay day;
        day.feast = static_cast<std::int16_t>(feast->feast);
        if (!post && f.anchor == FeastAnchor::Advent && n.value <= 4) { // dominica tertia Adventus
            day.feast = static_cast<std::int16_t>(feast->feast + n.value - 1);
        } else if (post && IsSunday(feast->feast) && f.anchor == FeastAnchor::Easter &&
                   n.value <= 27) { // after Pentecost, Trinity, Easter (secunda post Pascha)
            day.relation = FeastRelation::WeeksAfter;
            day.days = static_cast<std::int16_t>(7 * n.value);
        } else if (post && (n.value == 1 || (agrees && n.value <= MostSundaysAfter &&
                                             f.anchor != FeastAnchor::Advent))) {
            // dominica prima post Epiphaniam: the first after it; the second a week on
            day.relation = FeastRelation::WeekdayAfter;
            day.weekday = 0;
            day.days = static_cast<std::int16_t>(7 * (n.value - 1));
        } else {
            continue;
        }
        AddChurchDay(words, phrases, at, feast->end, day);
    }
}

namespace {

// The most days counted from a feast. A year's last ordinal before "die" is read as a count
// this far too, so that the line is read both ways ("millesimo trecentesimo primo die festi").
constexpr int MostDaysCounted = 40;

// Where the words after a count of days go on: past "die" after the count (tertio die), right
// after it where "die" came before it (die tertio); nothing where no "die" is written.
std::optional<std::size_t> PastTheDay(const Words &words, const NumberRead &n, bool die) {
    if (die)
        return n.end;
    if (words.is(n.end, Kind::Die) && !words.parted(n.end))
        return n.end + 1;
    return std::nullopt;
}

// The day of Easter, Pentecost or Christmas counted from it, its own the first: tercia die
// pasche, quinto die pentecostes, die secundo Pasche (Easter Tuesday, the Thursday of Whitsun
// week, Easter Monday), quarto die nativitatis domini (the 28th of December); not "die
// dominica", "die sancto" (the day itself), nor a day of its octave.
void DayOfAFeast(const Words &words, std::size_t at, Phrases &phrases) {
    const bool die = words.is(at, Kind::Die) && !words.parted(at + 1);
    if (!die && words.ordinalOf(at) == 0)
        return;
    // (after a year's number past a comma, a masculine ordinal may end the year: "millesimo
    // CCL, tercio die pasche" is 1253's Easter or 1250's third day, and stays unread)
    if (!die && at >= 1 && words[at].pause &&
        (words.mayBeNumber(at - 1) || words.numeralOf(at - 1) > 0) && !words[at].key.ends_with('a'))
        return;
    for (const NumberRead &n : CountsFrom(words, die ? at + 1 : at)) {
        const std::optional<std::size_t> past = PastTheDay(words, n, die);
        if (!past)
            continue;
        const std::size_t i = *past;
        // (an ordinal in words alone: "die tertio" or "tertia die"; no numeral, which a year
        // may end with)
        if (i >= words.size() || words.parted(i) || n.value < 1 || n.value > MostDaysCounted ||
            words.ordinalOf(n.begin) == 0 || words.numeralOf(n.begin) > 0 ||
            IsOneOf(words[i].key,
                    {"dominica", "dominico", "dominice", "sancto", "sacro", "sancta"}))
            continue;
        const std::optional<FeastNamed> feast = FeastFrom(words, i);
        const Feast *named = feast ? &Feasts()[static_cast<std::size_t>(feast->feast)] : nullptr;
        // (and Christmas's: "quarto die nativitatis domini", the 28th, as the North dated)
        const bool christmas = named && named->anchor == FeastAnchor::Fixed &&
                               named->day == DayOfMonth{12, 25} &&
                               named->latin == "nativitatis Domini";
        // (and a saint's where "festi" says the days are the feast's: "tertio die festi beati
        // Andree", the 2nd of December, as Hungary's chanceries counted; "die festo", the
        // feast's day, too, but for an ordinal after a year's number, which ends the year:
        // "anno MCCCLX quarto die festo omnium sanctorum")
        const bool afterANumber =
            n.begin >= 1 && !words[n.begin].pause &&
            (words.mayBeNumber(n.begin - 1) || words.numeralOf(n.begin - 1) > 0);
        const bool festi = named && named->anchor == FeastAnchor::Fixed &&
                           (IsOneOf(words[i].key, {"festi", "festiuitatis"}) ||
                            (words[i].key == "festo" && !afterANumber));
        if (named && feast->octave == 0 &&
            ((named->anchor == FeastAnchor::Easter &&
              (named->offset == 0 || named->offset == 49)) ||
             christmas || festi)) {
            ChurchDay day = DayOf(*feast, FeastRelation::DayOfTheFeast);
            day.days = static_cast<std::int16_t>(n.value - 1);
            AddChurchDay(words, phrases, at, feast->end, day);
        }
    }
}

} // namespace

// So many days after a feast: tertio die post festum, die tertio post Pascha.
void DaysAfterAFeast(const Words &words, std::size_t at, Phrases &phrases) {
    const bool die = words.is(at, Kind::Die) && !words.parted(at + 1);
    // die post festum sancti Martini: the day after it, as "in crastino" (and so a year whose
    // last word may count the days is read both ways: "millesimo trecentesimo nono die post
    // festum" is 1309's morrow, or nine days after 1300's feast)
    // (after an ordinal of forty and more, which may end a year or count the days, as no count
    // read here does, nothing is read: "millesimo trecentesimo quinquagesimo die post festum
    // Pasche" may be the fiftieth day after 1300's Easter)
    const bool afterATen = at >= 1 && !words[at].pause && words.ordinalOf(at - 1) >= 40;
    if (die && !afterATen && at + 1 < words.size() && words[at + 1].key == "post" &&
        !words.parted(at + 2))
        if (const std::optional<FeastNamed> feast = FeastFrom(words, at + 2))
            AddChurchDay(words, phrases, at, feast->end, DayOf(*feast, FeastRelation::Morrow));
    bool post = false; // "post" within the next words: else no phrase of this kind begins here
    for (std::size_t i = at + 1; i < words.size() && i <= at + 4 && !post; ++i)
        post = words[i].key == "post";
    if (!post)
        return DayOfAFeast(words, at, phrases);
    for (const NumberRead &n : CountsFrom(words, die ? at + 1 : at)) {
        const std::optional<std::size_t> past = PastTheDay(words, n, die);
        if (!past)
            continue;
        const std::size_t i = *past;
        if (i >= words.size() || words[i].key != "post" || words.parted(i) || words.parted(i + 1) ||
            n.value > MostDaysCounted)
            continue;
        if (const std::optional<FeastNamed> feast = FeastFrom(words, i + 1)) {
            ChurchDay day = DayOf(*feast, FeastRelation::DaysAfter);
            day.days = static_cast<std::int16_t>(n.value);
            AddChurchDay(words, phrases, at, feast->end, day);
        }
    }
}

} // namespace tempidex
