// The rules that read a day named by the church year: a feast, and how the clause relates its
// day to it.
//
//   on, eve, morrow, octave  [in] festo | die | vigilia | crastino | octava | quindena [festi]
//                            <feast>; in <feast>;  infra octavam | quindenam <feast> (a span)
//   a weekday by a feast     feria N | N feria | die Lunae | dominica | sabbato [proxima]
//                            [quatuor temporum] post | ante [festum | dominicam [qua cantatur]]
//                            <feast>;
//                            feria N | sabbato quatuor temporum [in] Quadragesima | Pentecostes |
//                            Crucis | Adventus | mensis Septembris: an Ember day by its season;
//                            feria N [in] Paschae | Pentecostes: a day of that week;
//                            feria N maioris ebdomade (Holy Week); feria N rogationum;
//                            sabbato in albis
//   a Sunday by its name     dominica [in] <a Sunday's name>: dominica Invocavit, in ramis palmarum
//   the Rogation days        in rogationibus | in diebus rogationum (a span)
// (and the Sundays and days counted from a feast, counted_church_days.cpp)
#include "calendar/church_year.h"
#include "counted_church_days.h"
#include "feast_phrases.h"
#include "number_phrases.h"
#include "reading/words/feast_names.h"
#include "rules.h"

#include <algorithm>
#include <array>

namespace tempidex {
namespace {

// The weekday a clause names at word `at` (feria secunda, die Veneris, sabbato, dominica) and
// the word after it; each way it reads.
struct WeekdayRead {
    int weekday;
    std::size_t end;
};

Few<WeekdayRead, 4> WeekdaysAt(const Words &words, std::size_t at) {
    Few<WeekdayRead, 4> read;
    if (words.is(at, Kind::Feria) && !words.parted(at + 1))
        for (const NumberRead &n : CountsFrom(words, at + 1))
            if (n.value >= 2 && n.value <= 7)
                read.push_back({n.value - 1, n.end});
    // sexta feria, quintam feriam; an ordinal in words agrees with it ("millesimo trecentesimo
    // vicesimo secundo feria post festum" ends its year with "secundo", and names no feria)
    const auto agrees = [&words](std::size_t last) {
        return words.ordinalOf(last) == 0 || words.numeralOf(last) > 0 ||
               words[last].key.ends_with('a') || words[last].key.ends_with("am");
    };
    if (!words.is(at, Kind::Feria))
        for (const NumberRead &n : CountsFrom(words, at))
            if (n.value >= 2 && n.value <= 7 && words.is(n.end, Kind::Feria) &&
                !words.parted(n.end) && agrees(n.end - 1))
                read.push_back({n.value - 1, n.end + 1});
    if (words.is(at, Kind::Weekday)) {
        read.push_back({words.classOf(at).weekday, at + 1});
        if (words.is(at + 1, Kind::Die) && !words.parted(at + 1)) // dominica die
            read.push_back({words.classOf(at).weekday, at + 2});
    }
    if (words.is(at, Kind::Die) && !words.parted(at + 1) &&
        (words.is(at + 1, Kind::DayName) || words.is(at + 1, Kind::Weekday)))
        read.push_back({words.classOf(at + 1).weekday, at + 2});
    return read;
}

// A feast a weekday is counted from, and which way: "post | ante [festum] <feast>" at word
// `at`; after a comma too where `pause` allows it.
struct RelatedFeast {
    FeastNamed named;
    FeastRelation relation;
};

std::optional<RelatedFeast> RelatedFeastAt(const Words &words, std::size_t at, bool pause = false) {
    if (at >= words.size() || (words.parted(at) && !pause))
        return std::nullopt;
    // (proxima ante, videlicet ante; and "et ante" for a second feast)
    while (at + 1 < words.size() && !words.parted(at + 1) && words[at].key != "post" &&
           words[at].key != "ante" &&
           (IsBetween(StemAt(words, at, at)) || (pause && words[at].key == "et")))
        ++at;
    if (words[at].key != "post" && words[at].key != "ante")
        return std::nullopt;
    std::size_t k = at + 1;
    while (k < words.size() && !words.parted(k) && IsBetween(StemAt(words, k, k)))
        ++k;
    if (words.parted(k))
        return std::nullopt;
    const std::optional<FeastNamed> feast = FeastFrom(words, k);
    if (!feast)
        return std::nullopt;
    return RelatedFeast{*feast, words[at].key == "post" ? FeastRelation::WeekdayAfter
                                                        : FeastRelation::WeekdayBefore};
}

// Where the words naming Holy Week from word `at` end ("maioris ebdomade", "in ebdomada
// maiori", "hebdomade maioris"): `at` itself where none begin there.
std::size_t HolyWeekEnd(const Words &words, std::size_t at) {
    const std::size_t from = at < words.size() && words[at].key == "in" ? at + 1 : at;
    if (from + 1 >= words.size() || words.parted(from) || words.parted(from + 1))
        return at;
    const auto greater = [&words](std::size_t i) {
        return IsOneOf(words[i].key, {"maioris", "maiori", "maiore"});
    };
    const auto week = [&words](std::size_t i) {
        return IsOneOf(words[i].key, {"ebdomada", "ebdomade", "ebdomadae", "hebdomada", "hebdomade",
                                      "hebdomadae", "septimana", "septimane", "septimanae"});
    };
    return (greater(from) && week(from + 1)) || (week(from) && greater(from + 1)) ? from + 2 : at;
}

// Where "quatuor temporum", the Ember days, written between a weekday and the feast it is counted
// from (feria quarta quatuor temporum post Lucie), ends: `at` itself where it is not written.
std::size_t PastTheEmberDays(const Words &words, std::size_t at) {
    const auto times = [&words](std::size_t i) {
        return i < words.size() && !words.parted(i) &&
               (words[i].key == "temporum" || words[i].key == "temporibus");
    };
    if (at < words.size() && IsOneOf(words[at].key, {"quatuortemporum", "quattuortemporum"}))
        return at + 1;
    if (at + 1 < words.size() && IsOneOf(words[at].key, {"iiiior", "quatuor", "quattuor"}) &&
        times(at + 1))
        return at + 2;
    for (const NumberRead &n : CountsFrom(words, at)) // IIII, iiii
        if (n.value == 4 && times(n.end))
            return n.end + 1;
    return at;
}

// Whether an Ember day is the weekday next to the feast written with it. They are the
// Wednesday, Friday and Saturday after four days: Ash Wednesday (and so after the first Sunday
// of Lent), Pentecost, the Exaltation of the Cross and St Lucy's; Pentecost's are also the last
// before Trinity. Counted from any other feast, the Ember day and the weekday next to it part:
// "sabbato quatuor temporum ante Michaelis" is not always the Saturday before Michaelmas.
bool IsTheEmberDay(const RelatedFeast &feast, int weekday) {
    if (feast.named.octave != 0 || (weekday != 3 && weekday != 5 && weekday != 6))
        return false;
    const auto index = static_cast<std::size_t>(feast.named.feast);
    if (feast.relation == FeastRelation::WeekdayBefore)
        return index == MovableFromEaster(56);
    const Feast &named = Feasts()[index];
    if (!named.movable())
        return named.day == DayOfMonth{9, 14} || named.day == DayOfMonth{12, 13};
    return index == MovableFromEaster(-46) || index == MovableFromEaster(-42) ||
           index == MovableFromEaster(49);
}

// The season an Ember day is named by, where no "post" counts it from a feast: "feria quarta
// quatuor temporum Pentecostes", "sabbato quatuor temporum in Quadragesima", "feria sexta
// quatuor temporum Adventus", "... Crucis", "... mensis Septembris". The feast they are counted
// from: Invocavit for Lent's, St Lucy's for Advent's and December's (in Advent's third week), the
// Exaltation of the Cross for September's; or a feast whose Ember days they are (Pentecostes,
// Lucie), read as one.
std::optional<FeastNamed> EmberSeasonAt(const Words &words, std::size_t at, int weekday) {
    const auto word = [&words](std::size_t i, std::initializer_list<std::string_view> keys) {
        return i < words.size() && !words.parted(i) && IsOneOf(words[i].key, keys);
    };
    const auto fixed = [](std::string_view latin) {
        const auto feasts = Feasts();
        const auto found = std::find_if(feasts.begin(), feasts.end(),
                                        [latin](const Feast &f) { return f.latin == latin; });
        return static_cast<int>(found - feasts.begin());
    };
    if (word(at, {"in"}))
        ++at;
    if (word(at, {"mensis"}))
        ++at;
    if (word(at, {"quadragesime", "quadragesimae", "quadragesima"}))
        return FeastNamed{static_cast<int>(SundayOfLent(1)), at + 1, 0};
    if (word(at, {"aduentus"}))
        return FeastNamed{fixed("Luciae"), word(at + 1, {"domini", "dni"}) ? at + 2 : at + 1, 0};
    if (word(at, {"sancte", "sanctae"}) && word(at + 1, {"crucis"}))
        ++at;
    if (word(at, {"crucis"}))
        return FeastNamed{fixed("exaltationis sanctae crucis"), at + 1, 0};
    if (at < words.size() && !words.parted(at) &&
        (words.monthOf(at) == 9 || words.monthOf(at) == 12))
        return FeastNamed{fixed(words.monthOf(at) == 9 ? "exaltationis sanctae crucis" : "Luciae"),
                          at + 1, 0};
    if (const std::optional<FeastNamed> feast =
            at < words.size() && !words.parted(at) ? FeastFrom(words, at) : std::nullopt;
        feast && IsTheEmberDay({*feast, FeastRelation::WeekdayAfter}, weekday))
        return feast;
    return std::nullopt;
}

// Whether a name ends as no Latin case does, as a place in the vernacular ("Stockholm die
// Jacobi Apostoli"): in a consonant, not in -s or -um.
bool VernacularName(std::string_view key) {
    return !key.empty() && std::string_view("aeiouys").find(key.back()) == std::string_view::npos &&
           !key.ends_with("um");
}

// A day of a week that has a name of its own, by its weekday: Holy Week (feria tercia maioris
// ebdomade, in ebdomada maiori), the week Palm Sunday begins; the Rogation days (feria tertia
// rogationum, feria quarta in rogationibus), Monday to Wednesday.
void DayOfANamedWeek(const Words &words, std::size_t at, const WeekdayRead &weekday,
                     Phrases &phrases) {
    // feria tercia maioris ebdomade, in ebdomada maiori: a day of Holy Week, the week Palm
    // Sunday begins (its Sunday Palm Sunday)
    if (const std::size_t week = HolyWeekEnd(words, weekday.end); week > weekday.end) {
        ChurchDay day;
        day.feast = static_cast<std::int16_t>(SundayOfLent(6));
        if (weekday.weekday != 0) {
            day.relation = FeastRelation::WeekdayAfter;
            day.weekday = static_cast<std::int8_t>(weekday.weekday);
        }
        AddChurchDay(words, phrases, at, week, day);
    }
    // feria tertia rogationum, feria quarta in rogationibus: one of the Rogation days, Monday
    // to Wednesday, by its weekday
    const std::size_t days =
        weekday.end + (weekday.end + 1 < words.size() && words[weekday.end].key == "in" &&
                       !words.parted(weekday.end + 1));
    if (const std::optional<FeastNamed> feast = FeastFrom(words, days);
        feast && !words.parted(days) && feast->octave == 0 && IsSpanOfDays(feast->feast)) {
        const Feast &f = Feasts()[static_cast<std::size_t>(feast->feast)];
        const int nth = weekday.weekday - WeekdayOfMovable(f);
        if (nth >= 0 && nth < DaysOfFeast(f)) {
            ChurchDay day = DayOf(*feast, FeastRelation::DayOfTheFeast);
            day.days = static_cast<std::int16_t>(nth);
            AddChurchDay(words, phrases, at, feast->end, day);
        }
    }
}

} // namespace

void ChurchDayRule(const Words &words, std::size_t at, Phrases &phrases) {
    // [in | infra] festo, vigilia, crastino, octava <feast>; in <feast>
    // (pridie only before a feast: "pridie Kal. Iunii" is the Roman date's)
    if (words.is(at, Kind::Pridie) &&
        (words[at].key != "pridie" || words.parted(at + 1) || !FeastFrom(words, at + 1)))
        return;
    std::size_t i = at;
    const bool in = words.is(at, Kind::In) && !words.parted(at + 1);
    const bool infra = in && words[at].key == "infra";
    if (in)
        ++i;
    // Without "in", "festo sancti Martini" is the day only where a phrase begins: after a comma,
    // a verb of dating or a year. "post festum", "estivale festum" are part of another phrase.
    // "ipso die" is the day itself; so is "die" after the place of a verb of dating (Datum
    // Lundis die beati Laurentii). Any other word before it may move the day (altera die).
    // (a place of one word or two: Datum Colonie Agrippine die sancte Magdalene; or a letter's
    // place that begins the line or follows a comma, in the locative of the first declension:
    // "Genevae die pentecostes", or in the vernacular: "Stockholm die Jacobi". Not one in -is,
    // where the feasts' own words end (Translationis die sancti Martini), nor a word that moves the
    // day a scribe may spell so: "Crastinae", "Secutae", "Vigilae")
    const auto name = [&words](std::size_t i) { return words.nameLike(i) && !words.parted(i); };
    const auto movesTheDay = [&words](std::size_t i) {
        constexpr auto stems = std::to_array<std::string_view>(
            {"alter",      "antecedent", "crastin",  "futur",     "hestern",    "hodiern",
             "immediat",   "inmediat",   "insecut",  "insequent", "nouissim",   "octab",
             "octau",      "peruigil",   "poster",   "postrem",   "postridian", "praecedent",
             "praeterit",  "precedent",  "preterit", "pridian",   "pristin",    "profest",
             "proxim",     "quinden",    "secut",    "sequent",   "sequut",     "subsecut",
             "subsequent", "uigil",      "ultim"});
        return std::any_of(stems.begin(), stems.end(),
                           [&](std::string_view stem) { return words[i].key.starts_with(stem); });
    };
    const auto place = [&](std::size_t i) {
        return (i >= 1 && name(i) &&
                (words.is(i - 1, Kind::Given) ||
                 (i >= 2 && name(i - 1) && words.is(i - 2, Kind::Given)))) ||
               ((i == 0 || words[i].pause) && words.nameLike(i) && !words[i].dotted &&
                !movesTheDay(i) && (words[i].key.ends_with("ae") || VernacularName(words[i].key)));
    };
    // (and after the possessive that ends a place: "Datum in domo nostra octava beati
    // Bartholomei", "in curia nostra festo sancti Martini")
    const bool begins = at == 0 || words[at].pause || words.is(at - 1, Kind::Given) ||
                        words.mayBeNumber(at - 1) || words[at - 1].key == "ipso" ||
                        words[at - 1].key == "ipsa" || place(at - 1) ||
                        IsOneOf(words[at - 1].key, {"nostra", "nostro", "nostris"});
    // (and "in oct. Georgii", the octave cut short: only after "in", as Kal. Oct. is October)
    std::optional<FeastRelation> relation = RelationOf(words, i);
    if (!relation && in && i < words.size() && words[i].key == "oct" && words[i].dotted)
        relation = FeastRelation::Octave;
    // "die crastino conversionis": the morrow, "die" before its word
    std::size_t relationAt = i;
    if (relation == FeastRelation::On && words.is(i, Kind::Die) && !words.parted(i + 1))
        if (const std::optional<FeastRelation> after = RelationOf(words, i + 1);
            after == FeastRelation::Morrow || after == FeastRelation::Eve) {
            relation = after;
            relationAt = i + 1;
        }
    if (relation && !words.parted(relationAt + 1) && (in || begins)) {
        // die ipso sancti Michaelis: the very day; in crastino videlicet sancti Francisci,
        // "namely"; crastina die conversionis, in crastino die: the day the word names
        const std::string_view next =
            relationAt + 1 < words.size() ? words[relationAt + 1].key : "";
        // (not after "octavo", which may be a year's eighth: "octauo die beati Valentini")
        const bool die = (*relation == FeastRelation::Morrow || *relation == FeastRelation::Eve) &&
                         (next == "die" || next == "diei");
        const std::size_t name = (IsOneOf(next, {"ipso", "ipsa", "uidelicet", "scilicet"}) ||
                                  die) && !words.parted(relationAt + 2)
                                     ? relationAt + 2
                                     : relationAt + 1;
        // "die Ianuarii" is a day of January, its number left out, and "pridie Ianuarii" the
        // day before it: St Januarius, whose name is the month's own, is named after "die" or
        // a word of the day before or after only with his title (die sancti Ianuarii)
        const bool january =
            (words[i].key == "die" || words[i].key == "diem" || *relation == FeastRelation::Eve ||
             *relation == FeastRelation::Morrow) &&
            words.monthOf(name) == 1;
        if (const std::optional<FeastNamed> feast =
                january ? std::nullopt : FeastFrom(words, name)) {
            ChurchDay day = DayOf(*feast, *relation);
            day.pridie = words[relationAt].key == "pridie";
            // "infra octavam", and "in octavas" (into the octave): the seven days, no one day;
            // the same of the quindene ("infra quindenam", "usque in quindenam")
            const std::string_view word = words[i].key;
            if (*relation == FeastRelation::Octave &&
                (infra || word == "octauas" || word == "octabas" || word == "octauam"))
                day.relation = FeastRelation::WithinOctave;
            if (*relation == FeastRelation::Quindene &&
                (infra || word.ends_with("am") || word.ends_with("as")))
                day.relation = FeastRelation::WithinQuindene;
            AddChurchDay(words, phrases, at, feast->end, day);
        }
    }
    // in <feast>: in Pascha, in Nativitate Domini, in Epiphania. A saint's name alone after
    // "in" is no day: "in fidem" is not St Faith's, "in sede" not St Chad's. "in vigilia" is
    // never St Vigilius's day.
    // A saint's title in the ablative or accusative after "in" makes a place of the church
    // named for him: "in Sancto Emerico", "in sanctum Petrum" are no days.
    const bool church = in && at + 1 < words.size() &&
                        IsOneOf(words[at + 1].key, {"beata", "beatam", "beato", "beatum", "sancta",
                                                    "sanctam", "sancto", "sanctum"});
    // (and "in natali Domini", Christmas: its name, not the day of a saint named Domini)
    const bool natale = in && at + 1 < words.size() && words[at + 1].key.starts_with("natal");
    if (in && !infra && !church && (!relation || natale))
        if (const std::optional<FeastNamed> feast = FeastFrom(words, at + 1);
            feast && (feast->end > at + 2 || IsDayByItsName(feast->feast)))
            AddChurchDay(words, phrases, at, feast->end, DayOf(*feast));
    // in diebus rogationum: the Rogation days, all three
    if (in && at + 2 < words.size() && words[at + 1].key == "diebus" && !words.parted(at + 1) &&
        !words.parted(at + 2))
        if (const std::optional<FeastNamed> feast = FeastFrom(words, at + 2);
            feast && feast->octave == 0 && IsSpanOfDays(feast->feast))
            AddChurchDay(words, phrases, at, feast->end, DayOf(*feast));
    // feria secunda | die Veneris | sabbato [proxima] post | ante [festum] <feast>
    for (const WeekdayRead &weekday : WeekdaysAt(words, at)) {
        std::size_t j = weekday.end;
        // (and an editor's gloss: "die mercurii [8 augusti] ante festum beati Laurentii")
        const auto between = [&words, &j] {
            while (j < words.size() && !words.parted(j) &&
                   (words[j].gloss || IsBetween(StemAt(words, j, j))))
                ++j;
        };
        between();
        const std::size_t pastEmber = words.parted(j) ? j : PastTheEmberDays(words, j);
        const bool ember = pastEmber != j;
        if (ember) {
            j = pastEmber;
            between();
        }
        const std::string_view key = j < words.size() ? words[j].key : std::string_view{};
        // feria tertia infra (intra) octavam: the first such day after the feast, within its
        // week
        if ((key == "infra" || key == "intra") && !words.parted(j + 1) &&
            RelationOf(words, j + 1) && StemAt(words, j + 1, j + 1).starts_with("octa") &&
            !words.parted(j + 2))
            if (const std::optional<FeastNamed> feast = FeastFrom(words, j + 2);
                feast && feast->octave == 0) {
                ChurchDay day = DayOf(*feast, FeastRelation::WeekdayAfter);
                day.weekday = static_cast<std::int8_t>(weekday.weekday);
                // and before the octave's own day: a Monday within the octave of a Monday's
                // feast there is none
                day.bound = day.feast;
                day.boundOctave = 7;
                AddChurchDay(words, phrases, at, feast->end, day);
            }
        // feria quarta Paschae, feria secunda Pentecostes: a day of the feast's own week; so
        // feria secunda Oculi, of the week a Sunday begins (but for its Saturday, which may be
        // the eve); and "feria secunda in ebdomada pasche"
        std::size_t week = weekday.end;
        // "feria secunda in Pentecoste", of the feast's week too (Easter's and Pentecost's; not
        // its Saturday, which "sabbato in Pascha" may make the eve)
        if (week + 1 < words.size() && words[week].key == "in" && !words.parted(week + 1) &&
            IsOneOf(words[week + 1].key, {"ebdomada", "hebdomada", "septimana"}))
            week += 2;
        else if (const std::optional<FeastNamed> in =
                     week + 1 < words.size() && words[week].key == "in" &&
                             !words.parted(week + 1) && weekday.weekday != 6
                         ? FeastFrom(words, week + 1)
                         : std::nullopt;
                 in && in->octave == 0 && IsWeekOf(in->feast))
            ++week;
        if (!words.parted(week) && weekday.weekday != 0)
            if (const std::optional<FeastNamed> feast = FeastFrom(words, week);
                feast && feast->octave == 0 &&
                (IsWeekOf(feast->feast) || (IsSunday(feast->feast) && weekday.weekday != 6))) {
                // "sabbato Pasche" may be the Saturday of Easter week or Easter's eve, as
                // "sabbato sancto Pasche" always is: both are read, and disagree
                const bool eve =
                    weekday.weekday == 6 && IsWeekOf(feast->feast) && week == weekday.end;
                for (const FeastRelation relation :
                     {FeastRelation::WeekdayAfter, FeastRelation::WeekdayBefore}) {
                    if (relation == FeastRelation::WeekdayBefore
                            ? !eve
                            : eve && words[week].key.starts_with("sanct"))
                        continue;
                    ChurchDay day = DayOf(*feast, relation);
                    day.weekday = static_cast<std::int8_t>(weekday.weekday);
                    AddChurchDay(words, phrases, at, feast->end, day);
                }
            }
        DayOfANamedWeek(words, at, weekday, phrases);
        if (words.parted(j) || (key != "post" && key != "ante")) {
            // feria quarta quatuor temporum Pentecostes: the Ember day of the season named
            if (const std::optional<FeastNamed> season =
                    ember ? EmberSeasonAt(words, j, weekday.weekday) : std::nullopt;
                season && IsTheEmberDay({*season, FeastRelation::WeekdayAfter}, weekday.weekday)) {
                ChurchDay day = DayOf(*season, FeastRelation::EmberDay);
                day.weekday = static_cast<std::int8_t>(weekday.weekday);
                AddChurchDay(words, phrases, at, season->end, day);
            }
            // dominica Invocavit, dominica in ramis palmarum: the Sunday so named
            if (weekday.weekday == 0 && weekday.end == at + 1)
                if (const std::optional<FeastNamed> feast = FeastFrom(words, at);
                    feast && feast->octave == 0 && IsSunday(feast->feast))
                    AddChurchDay(words, phrases, at, feast->end, DayOf(*feast));
            // sabbato Sitientes, feria quarta cinerum, feria sexta Parasceves: the day so
            // named, on the weekday written
            if (const std::optional<FeastNamed> feast = FeastFrom(words, weekday.end);
                weekday.weekday != 0 && !words.parted(weekday.end) && feast && feast->octave == 0 &&
                !IsSpanOfDays(feast->feast) &&
                WeekdayOfMovable(Feasts()[static_cast<std::size_t>(feast->feast)]) ==
                    weekday.weekday)
                AddChurchDay(words, phrases, at, feast->end, DayOf(*feast));
            // sabbato in albis: the Saturday of Easter week, before the Sunday in albis
            if (weekday.weekday == 6 && weekday.end + 1 < words.size() &&
                !words.parted(weekday.end) && !words.parted(weekday.end + 1) &&
                words[weekday.end].key == "in" && words[weekday.end + 1].key == "albis") {
                ChurchDay day;
                day.feast = static_cast<std::int16_t>(MovableFromEaster(0));
                day.relation = FeastRelation::DayOfTheFeast;
                day.days = 6;
                AddChurchDay(words, phrases, at, weekday.end + 2, day);
            }
            // sabbato sancto: Holy Saturday, where no saint's name follows
            if (weekday.weekday == 6 && weekday.end < words.size() && !words.parted(weekday.end) &&
                words[weekday.end].key.starts_with("sanct") && !FeastFrom(words, weekday.end)) {
                ChurchDay day;
                day.feast = static_cast<std::int16_t>(MovableFromEaster(-1));
                AddChurchDay(words, phrases, at, weekday.end + 1, day);
            }
            continue;
        }
        const std::optional<RelatedFeast> feast = RelatedFeastAt(words, j);
        if (!feast)
            continue;
        // (the Ember days said after the feast too, after a comma or none: "sabbato post Lucie
        // quatuor temporum")
        std::size_t end = feast->named.end;
        const std::size_t pastEmberAfter = ember ? end : PastTheEmberDays(words, end);
        const bool emberAfter = pastEmberAfter != end;
        end = pastEmberAfter;
        if ((ember || emberAfter) && !IsTheEmberDay(*feast, weekday.weekday))
            continue;
        ChurchDay day = DayOf(feast->named, (ember || emberAfter) &&
                                                    feast->relation == FeastRelation::WeekdayAfter
                                                ? FeastRelation::EmberDay
                                                : feast->relation);
        day.weekday = static_cast<std::int8_t>(weekday.weekday);
        // "die veneris post festum Trinitatis, ante nativitatem sancti Johannis": the Friday
        // between, where one alone lies between the two feasts
        if (const std::optional<RelatedFeast> bound = RelatedFeastAt(words, end, true);
            bound && bound->relation != feast->relation && bound->named.feast >= 0) {
            day.bound = static_cast<std::int16_t>(bound->named.feast);
            day.boundOctave = static_cast<std::int8_t>(bound->named.octave);
            end = bound->named.end;
        }
        AddChurchDay(words, phrases, at, end, day);
    }
    CountedSunday(words, at, phrases);
    DaysAfterAFeast(words, at, phrases);
}

void SundayAfterDomRule(const Words &words, std::size_t at, Phrases &phrases) {
    if (words[at].key != "dom" || !words[at].dotted)
        return;
    if (const std::optional<FeastNamed> feast = FeastFrom(words, at);
        feast && feast->octave == 0 && IsSunday(feast->feast))
        AddChurchDay(words, phrases, at, feast->end, DayOf(*feast));
}

} // namespace tempidex
