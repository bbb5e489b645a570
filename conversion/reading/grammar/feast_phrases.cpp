#include "feast_phrases.h"

#include "calendar/church_year.h"
#include "reading/words/feast_names.h"

namespace tempidex {
namespace {

// Mid-Lent, the Wednesday before Laetare, and Laetare: days from Easter.
constexpr int MidLent = -25, Laetare = -21, Rogate = 35;

Phrase ChurchPhrase(std::size_t begin, std::size_t end, const ChurchDay &day) {
    Phrase p;
    p.kind = PhraseKind::Date;
    p.begin = static_cast<std::uint8_t>(begin);
    p.end = static_cast<std::uint8_t>(end);
    p.date.church = day;
    return p;
}

// A feast followed by proximo futuro, venturo, preterito: a term of payment or of a
// promise, never the day the document was given. After a weekday's relation, "proximo" alone
// says which weekday: "sabbato post diem beati Nicolai proximo", the next Saturday after it.
bool IsATerm(const Words &words, std::size_t end, const ChurchDay &day) {
    const bool weekday = day.byWeekday();
    for (std::size_t i = end; i < words.size() && i < end + 2 && !words[i].gloss; ++i) {
        const std::string_view key = words[i].key;
        if (weekday && i == end && (key == "proximo" || key == "proxima" || key == "proxime"))
            continue;
        if (key == "futuro" || key == "uenturo" || key == "preterito" || key == "praeterito" ||
            key == "instanti" || key == "instante" || key == "proximo" || key == "proxime" ||
            key == "proxima" || key == "subsequenti")
            return true;
        if (!words.is(i, Kind::Church) && NameStem(key) != "fest")
            return false;
    }
    return false;
}

// Where a Sunday's Introit is named after "qua cantatur" at word i ("dominica qua cantatur
// Oculi", "qua cantatur officium Letare", the Mass's or its Introit's word between); i itself
// where no such words stand there.
std::size_t IntroitAfter(const Words &words, std::size_t i) {
    if (i + 1 >= words.size() || words[i].key != "qua" || words[i + 1].key != "cantatur")
        return i;
    const std::size_t name = i + 2;
    return name < words.size() && IsOneOf(words[name].key, {"officium", "introitus", "missa"})
               ? name + 1
               : name;
}

// Whether "octavo" at word i, which Danish scribes wrote for the octave too ("lxxxiiii° octauo
// beati Martini"), may be the units of a year whose tens or hundreds come before it: "anno
// MCCC octavo beati Martini", "vicesimo octavo Marci" may be 1308's and 1328's. No octave is
// read there.
bool OctavoMayEndAYear(const Words &words, std::size_t i) {
    if (i == 0 || words.parted(i) || !words[i].key.ends_with('o') || words.digitsOf(i - 1) > 0)
        return false;
    const int before = std::max(words.ordinalOf(i - 1), words.numeralOf(i - 1));
    return before > 0 && before % 10 == 0;
}

} // namespace

std::string StemAt(const Words &words, std::size_t i, std::size_t first) {
    if (i >= words.size() || words[i].gloss || (i > first && words[i].pause))
        return {};
    return NameStem(words[i].key);
}

std::optional<FeastRelation> RelationOf(const Words &words, std::size_t i) {
    const std::string_view key = i < words.size() ? words[i].key : std::string_view{};
    if (key == "die" || key == "diem")
        return FeastRelation::On;
    // the registers' and regests' cuts: in vig. Mathie, crast. Andree
    if (i < words.size() && words[i].dotted && (key == "uig" || key == "uigil"))
        return FeastRelation::Eve;
    if (i < words.size() && words[i].dotted && key == "crast")
        return FeastRelation::Morrow;
    // Every other relation's word begins so, and is longer: most words are none.
    if (key.size() < 5 || std::string_view("cfnopqsu").find(key.front()) == std::string_view::npos)
        return std::nullopt;
    const std::string stem = StemAt(words, i, i);
    // in natale sancti Mathei: a saint's feast as his birthday into heaven
    if (stem == "natal")
        return FeastRelation::On;
    // (festivitate: its stem, as names fold ti before a vowel and c before i, is "fesiuitat")
    if (IsOneOf(stem, {"fest", "fesiuitat", "solemnitat", "solempnitat"}))
        return FeastRelation::On;
    // profesto: the eve; pridie Pentecostes, the day before as the humanists write it
    // (and "prefesto", as Danish scribes wrote it)
    if (stem == "uigili" || stem == "profest" || stem == "prefest" || key == "pridie")
        return FeastRelation::Eve;
    // postridie Corporis Christi; postera die sancti Iacobi, the humanists' morrow
    if (stem == "crastin" || stem == "postridi" || key == "postera" || key == "postero")
        return FeastRelation::Morrow;
    // sequenti die beati Luce, sequenti purificacionis: the day after, as the Hanse's towns
    // wrote it (before "die" or a feast alone: "anno sequenti" is the next year)
    if (IsOneOf(key, {"sequenti", "sequente", "subsequenti"}) && i + 1 < words.size() &&
        !words.parted(i + 1) &&
        (IsOneOf(words[i + 1].key, {"die", "diei"}) || words.mayBeginFeast(i + 1)))
        return FeastRelation::Morrow;
    if ((stem == "octau" || stem == "octab") && !OctavoMayEndAYear(words, i))
        return FeastRelation::Octave;
    // in quindena Pasche, quinzena sancti Michaelis: the fifteenth day counting the feast's
    // own, as the English courts set their terms
    if (stem == "quinden" || stem == "quinzen")
        return FeastRelation::Quindene;
    return std::nullopt;
}

bool IsBetween(std::string_view stem) {
    // (prox.: proxima, cut short as regests cut it)
    return IsOneOf(stem,
                   {"proxim", "proxime", "prox", "predict", "inmediat", "imediat", "sequent",
                    "fest", "fesiuitat", "solemnitat", "solempnitat", "di", "die", "diem", "dict",
                    // hyemale festum sancti Nicolai: the winter feast, the one in December
                    "iemal", "hiemal",
                    // feria secunda videlicet ante festum: "namely" (videlicet and
                    // scilicet, as names fold c before e and i)
                    "uideliset", "siliset"});
}

bool IsSunday(int feast) {
    const Feast &f = Feasts()[static_cast<std::size_t>(feast)];
    return f.anchor == FeastAnchor::Advent ||
           (f.anchor == FeastAnchor::Easter && f.offset % 7 == 0);
}

bool IsDayByItsName(int feast) {
    const Feast &f = Feasts()[static_cast<std::size_t>(feast)];
    if (f.movable())
        return true;
    const std::string first = NameStem(f.latin.substr(0, f.latin.find(' ')));
    for (const std::string_view event :
         {"epiphaniae", "circumcisionis", "purificationis", "assumptionis", "annuntiationis",
          "nativitatis", "natalis"})
        if (first == NameStem(event))
            return true;
    return false;
}

std::size_t SundayOfLent(int n) {
    return MovableFromEaster(-42 + 7 * (n - 1));
}

int WeekdayOfMovable(const Feast &f) {
    return f.anchor == FeastAnchor::Easter ? (f.offset % 7 + 7) % 7 : -1;
}

bool IsSpanOfDays(int feast) {
    return DaysOfFeast(Feasts()[static_cast<std::size_t>(feast)]) > 1;
}

bool IsWeekOf(int feast) {
    const Feast &f = Feasts()[static_cast<std::size_t>(feast)];
    return f.anchor == FeastAnchor::Easter && (f.offset == 0 || f.offset == 49);
}

std::optional<FeastNamed> FeastFrom(const Words &words, std::size_t at) {
    // "estivale festum beati Martini", "festo hyemali beati Nicholai": the season of a saint's
    // feast said before his name, where the table says it after (Martini aestivalis)
    const auto seasonAt = [&words](std::size_t k) -> std::string_view {
        if (k >= words.size() || words[k].gloss)
            return {};
        const std::string_view key = words[k].key;
        if (key.starts_with("estiual") || key.starts_with("aestiual"))
            return "aestiualis";
        if (key.starts_with("hiemal") || key.starts_with("hyemal") || key.starts_with("yemal"))
            return "hiemalis";
        return {};
    };
    std::string_view season = seasonAt(at);
    const std::size_t from = season.empty() || words.parted(at + 1) ? at : at + 1;
    if (!words.mayBeginFeast(from))
        return std::nullopt;
    std::size_t i = from;
    std::string stem = StemAt(words, i, from); // word i's, stemmed once
    const auto next = [&] { stem = StemAt(words, ++i, from); };
    int octave = 0;
    if ((stem == "octau" || stem == "octab") && !words.parted(i + 1) &&
        !OctavoMayEndAYear(words, i)) {
        octave = 7;
        next();
    }
    if (IsOneOf(stem, {"fest", "fesiuitat"})) {
        next();
        if (season.empty() && !(season = seasonAt(i)).empty() && !words.parted(i + 1))
            next();
    }
    if (!season.empty() && words.parted(i))
        return std::nullopt;
    bool sunday = false, sung = false;
    // dominicam, dominice: the Sunday; Dominici is St Dominic. "dom." too, before a Sunday's
    // name (dom. Quasimodo), as regests cut it.
    const bool dom = stem == "dom" && words[i].dotted;
    if ((stem == "dominic" || dom) && (DeclensionsOf(words[i].key) & 1u) != 0 &&
        !words.parted(i + 1)) {
        sunday = true;
        ++i;
        if (const std::size_t introit = IntroitAfter(words, i); introit > i) {
            i = introit;
            sung = true; // (the Introit may follow a colon: "qua cantatur: Oculi mei")
        } else if (i < words.size() && words[i].key == "in") {
            ++i;
        }
    }
    // "in die dominico": the Lord's day, a Sunday; the saint is named in the genitive
    if ((words.parted(i) && !(sung && i < words.size() && !words[i].gloss)) ||
        (!sunday && stem == "dominic" && words[i].key != "dominici"))
        return std::nullopt;
    // dominica Quadragesimae, dominica in Quadragesima: the first Sunday of Lent, Invocavit;
    // but a Sunday in Lent "qua cantatur Oculi" is the one whose Introit is named
    if (sunday && i < words.size() &&
        IsOneOf(words[i].key, {"quadragesime", "quadragesimae", "quadragesima"})) {
        const std::size_t introit = IntroitAfter(words, i + 1);
        if (introit == i + 1)
            return FeastNamed{static_cast<int>(SundayOfLent(1)), i + 1, octave};
        const std::optional<FeastRead> named = FeastAt(words, introit, {});
        if (!named || named->feast < 0 || !IsSunday(named->feast))
            return std::nullopt;
        const Feast &lent = Feasts()[static_cast<std::size_t>(named->feast)];
        if (lent.anchor != FeastAnchor::Easter || lent.offset < -42 || lent.offset > -7)
            return std::nullopt; // (a Sunday of Lent's, from Invocavit to Palm Sunday)
        return FeastNamed{named->feast, named->end, octave};
    }
    // dominica passionis, dominica in (de) passione Domini: Iudica, the fifth Sunday of Lent.
    // (Not without "dominica": the Lord's Passion alone may be Good Friday's.)
    if (sunday && i + 1 < words.size() && words[i].key == "de" && !words.parted(i + 1) &&
        words[i + 1].key == "passione")
        ++i;
    if (sunday && i < words.size() && (words[i].key == "passionis" || words[i].key == "passione")) {
        const bool domini = i + 1 < words.size() && !words.parted(i + 1) &&
                            (words[i + 1].key == "domini" || words[i + 1].key == "dni");
        return FeastNamed{static_cast<int>(SundayOfLent(5)), i + (domini ? 2 : 1), octave};
    }
    const std::optional<FeastRead> feast = FeastAt(words, i, season);
    // dominica in ramis, in palmis, Osanna: Palm Sunday, where no longer name is read (the words
    // alone name no day: "in ramis" may be a wood's boughs)
    if (sunday && !feast && i < words.size() &&
        IsOneOf(words[i].key, {"ramis", "palmis", "osanna", "hosanna"}))
        return FeastNamed{static_cast<int>(SundayOfLent(6)), i + 1, octave};
    // dominica in media quadragesima: mid-Lent's Sunday, Laetare
    if (sunday && feast && feast->feast == static_cast<int>(MovableFromEaster(MidLent)))
        return FeastNamed{static_cast<int>(MovableFromEaster(Laetare)), feast->end, octave};
    // dominica rogationum, dominica in rogationibus: the Sunday before the Rogation days, Rogate
    if (sunday && feast && feast->feast >= 0 && IsSpanOfDays(feast->feast))
        return FeastNamed{static_cast<int>(MovableFromEaster(Rogate)), feast->end, octave};
    // "dominice Ascensionis": the Lord's Ascension, in the genitive, no Sunday
    const bool lords = sunday && IsOneOf(words[i - 1].key, {"dominice", "dominicae"}) && feast &&
                       feast->feast >= 0 &&
                       Feasts()[static_cast<std::size_t>(feast->feast)].movable();
    if (!feast || feast->feast < 0 || (sunday && !IsSunday(feast->feast) && !lords))
        return std::nullopt;
    return FeastNamed{feast->feast, feast->end, octave};
}

void AddChurchDay(const Words &words, Phrases &phrases, std::size_t begin, std::size_t end,
                  const ChurchDay &day) {
    // (a feast's name run on to another feast's phrase, "post Martinus festum assumptionis beate
    // Marie", "die Martinus martis post festum sancti Martini": which is the day's the words do
    // not say, and this one is not read; the other, where a rule reads it, is answered with a
    // warning that names these words as a day not read)
    if (end < words.size() && !words.parted(end) && RelationOf(words, end) &&
        FeastFrom(words, end + 1))
        return;
    if (end < words.size() && !words.parted(end) &&
        (words.is(end, Kind::DayName) || words.is(end, Kind::Weekday) ||
         words.is(end, Kind::Feria)))
        for (std::size_t j = end + 1; j < words.size() && j <= end + 3 && !words.parted(j); ++j)
            if (words[j].key == "post" || words[j].key == "ante")
                return;
    // The Rogation days are read alone, as the three days, or one of them by its weekday, or
    // counted back from their Monday: counted on from them, the words do not say from which.
    if (day.feast >= 0 && IsSpanOfDays(day.feast) && day.relation != FeastRelation::On &&
        day.relation != FeastRelation::DayOfTheFeast &&
        day.relation != FeastRelation::WeekdayBefore)
        return;
    // Mid-Lent without its Sunday is the Wednesday before Laetare, or Laetare: both are read,
    // and disagree (Paris's cartularies date "post mediam quadragesimam" by either)
    if (day.feast == static_cast<int>(MovableFromEaster(MidLent))) {
        ChurchDay laetare = day;
        laetare.feast = static_cast<std::int16_t>(MovableFromEaster(Laetare));
        phrases.push_back(ChurchPhrase(begin, end, laetare));
    }
    Phrase p = ChurchPhrase(begin, end, day);
    if (IsATerm(words, end, day)) {
        p.kind = PhraseKind::Skip;
        p.date = {};
    }
    phrases.push_back(p);
}

ChurchDay DayOf(const FeastNamed &feast, FeastRelation relation) {
    ChurchDay day;
    day.feast = static_cast<std::int16_t>(feast.feast);
    day.octave = static_cast<std::int8_t>(feast.octave);
    day.relation = relation;
    return day;
}

} // namespace tempidex
