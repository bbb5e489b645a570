#include "readings.h"

#include "assembled_reading.h"
#include "feast_phrases.h"
#include "must_read.h"
#include "reading/words/month_names.h"
#include "reading/words/name_words.h"
#include "reading/words/numbers.h"
#include "reading/words/word_table.h"
#include "rules.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>

namespace tempidex {
namespace {

constexpr std::size_t MostChoices = 4096;     // ways to read one group of overlapping phrases
constexpr std::size_t MostCombinations = 256; // ways to read the whole line

constexpr std::size_t MostInAGroup = 64; // phrases that overlap one another

// The phrases of one group that a reading takes: bit k for the group's k-th phrase.
using Choice = std::uint64_t;
using Choices = std::pmr::vector<Choice>;
// Words of a line, a bit each. A phrase's words are set a machine word at a time: set a bit at a
// time, each bit waits for the one before it to be stored (std::bitset's shifts loop as well).
class Coverage {
public:
    void add(std::size_t begin, std::size_t end) {
        for (std::size_t w = begin / 64; w * 64 < end; ++w) {
            const std::size_t from = std::max(begin, w * 64) - w * 64;
            const std::size_t to = std::min(end, w * 64 + 64) - w * 64;
            const std::uint64_t below = to == 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << to) - 1;
            m_bits[w] |= below & ~((std::uint64_t{1} << from) - 1);
        }
    }
    bool operator[](std::size_t i) const { return (m_bits[i / 64] >> (i % 64) & 1) != 0; }
    // Whether every word of `other` is one of these.
    bool holds(const Coverage &other) const {
        for (std::size_t w = 0; w < m_bits.size(); ++w)
            if ((other.m_bits[w] & ~m_bits[w]) != 0)
                return false;
        return true;
    }
    bool operator==(const Coverage &) const = default;

private:
    std::array<std::uint64_t, (Tokens::MostWords + 63) / 64> m_bits{};
};

// A group of phrases that overlap one another, [first, last) of the phrases in word order, over
// the words [begin, end); and the ways of reading it.
struct Group {
    std::size_t first, last, begin, end;
    Choices choices;
    const Phrase *passedOver; // a date or year a choice was dropped for passing over
};

// What keeps a line from being read, and the words at fault. A line's reading is large (four
// readings of a date and all they say) and is written once, where the line is read, not copied
// from each place that finds a fault.
struct Fault {
    LineFault fault;
    std::string_view text;
};

// The words of a day named by a feast, [begin, end), and the word that makes them one: from
// "festo", "vigilia", "crastino", "in natali", "die" before a saint's title, or a weekday before
// "post" or "ante" (that word the one that counts), to a comma, a year, a number or the
// sentence's end.
struct FeastWords {
    std::size_t begin = 0, counts = 0, end = 0;
};

// The words of a day named by a feast that begin at word i; nothing where none begins there.
std::optional<FeastWords> FeastWordsAt(const Words &words, std::size_t i) {
    // (most words are none of these kinds: one test of the word's kinds passes them by)
    constexpr std::uint64_t begins =
        KindsOf({Kind::Church, Kind::Die, Kind::Weekday, Kind::Feria, Kind::DayName});
    std::optional<std::size_t> counts;
    if ((words.kindsOf(i) & begins) == 0) {
        // natali, festivitate, sollempnitate, profesto, postridie: the relation's other words
        // (only these beginnings are looked up: most words are none)
        const std::string_view key = words[i].key;
        if ((key.starts_with("nat") || key.starts_with("fes") || key.starts_with("sol") ||
             key.starts_with("pro") || key.starts_with("pos")) &&
            RelationOf(words, i))
            counts = i;
    } else if (words.is(i, Kind::Church) ||
               (words.is(i, Kind::Die) && !words.parted(i + 1) && i + 1 < words.size() &&
                IsOneOf(words[i + 1].key, {"sancti", "sancte", "sanctae", "sanctorum", "beati",
                                           "beate", "beatae", "beatorum", "s"}))) {
        counts = i;
    } else if (words.is(i, Kind::Die) && i + 1 < words.size() && !words.parted(i + 1) &&
               (words[i + 1].key == "post" || words[i + 1].key == "ante")) {
        counts = i + 1; // die post sabbatum in albis: the day after the day named
    } else if (words.is(i, Kind::Weekday) || words.is(i, Kind::Feria) ||
               words.is(i, Kind::DayName)) {
        for (std::size_t j = i + 1; j < words.size() && j <= i + 3 && !words.parted(j) && !counts;
             ++j)
            if (IsOneOf(words[j].key, {"post", "ante", "in", "infra", "intra"}))
                counts = j;
    }
    if (!counts)
        return std::nullopt;
    // (the number right after "feria" is its own: feria IV. post festum; an editor's gloss is
    // passed over)
    const auto own = [&](std::size_t end) { return end == i + 1 && words.is(i, Kind::Feria); };
    std::size_t end = i + 1;
    while (end < words.size() && end < i + 7 && !words.parted(end) && !words.is(end, Kind::Anno) &&
           (!words.mayBeNumber(end) || own(end) || words[end].gloss) &&
           !(words[end].capital && SentenceEndsBefore(words, end)))
        ++end;
    return FeastWords{i, *counts, std::max(end, *counts + 1)};
}

// Whether a feast the reader knows is named in the words [begin, end).
bool KnowsAFeast(const Words &words, std::size_t begin, std::size_t end) {
    for (std::size_t at = begin; at < end; ++at)
        if (FeastFrom(words, at))
            return true;
    return false;
}

// The words of a day named by a feast that no phrase reads, beside a date that is read: "in
// festo beati Germani. Nulli ergo ... Data III Idus Februarii". Nothing where every such day
// is read. `holdsADate`: whether a date read begins among them, the day they count from ("in
// crastino sabbati in albis"): then the date read is not the day the line names.
std::string_view UnreadFeast(const Words &words, const Phrases &phrases, bool &holdsADate) {
    Coverage taken;
    for (const Phrase &p : phrases)
        taken.add(p.begin, p.end);
    // (a weekday may be read as a weekday, and the feast it is counted from not: "feria II post
    // Ignotum")
    for (std::size_t i = 0; i < words.size(); ++i)
        if (const std::optional<FeastWords> feast = FeastWordsAt(words, i);
            feast && !taken[feast->counts]) {
            holdsADate = std::any_of(phrases.begin(), phrases.end(), [&](const Phrase &p) {
                return (p.kind == PhraseKind::Date || p.kind == PhraseKind::Weekday) &&
                       p.begin > feast->counts && p.begin < feast->end;
            });
            return words.written(feast->begin, feast->end);
        }
    return {};
}

// The first word that no phrase takes and that must be read, as the fault it makes: a named
// day without its month, no date at all, a count before a date that names no day, a lone
// "anno", a number read as nothing.
std::optional<Fault> Unread(const Words &words, const Phrases &phrases) {
    Coverage taken;
    bool date = false;
    for (const Phrase &p : phrases) {
        taken.add(p.begin, p.end);
        date = date || p.kind == PhraseKind::Date;
    }
    for (std::size_t i = 0; i < words.size(); ++i)
        if (!taken[i] && words.is(i, Kind::Reference)) {
            const bool month = i + 1 < words.size() && !words[i + 1].pause;
            // A date alone, as the window's lists write it, has its month at fault; among other
            // words, it is the date that is not read.
            bool alone = true;
            for (std::size_t w = 0; w < i && alone; ++w)
                alone = words.mayBeNumber(w) || words.numeralOf(w) > 0 || words.is(w, Kind::A) ||
                        words.is(w, Kind::D) || words.is(w, Kind::AD) || words.is(w, Kind::Ante) ||
                        words.is(w, Kind::Diem) || words.is(w, Kind::Bis) ||
                        words.is(w, Kind::Pridie) || words.is(w, Kind::Postridie);
            return Fault{alone ? LineFault::Month : LineFault::ClauseMonth,
                         month ? words[i + 1].written : std::string_view{}};
        }
    if (!date) {
        // "xxv Jannuarij": no date, but a count of days before a word a letter from a month's
        // name, which is read as one only where a month must stand; that word is at fault.
        for (std::size_t i = 1; i < words.size(); ++i)
            if (!words.parted(i) && words.classOf(i).kinds == 0 && words.monthOf(i) == 0 &&
                !words.mayBeNumber(i) && words.mayBeNumber(i - 1) && !words[i - 1].gloss &&
                words[i].key.size() >= 5 && MonthNear(words[i].key) != 0)
                return Fault{LineFault::ClauseMonth, words.written(i, i + 1)};
        // A day by a feast whose name is not read: "in festo beati Germani confessoris", "die
        // mercurii post Rexurrectionem Domini". Its words, to a comma or a year, are at fault.
        // (Where they name a feast the reader knows, it is how the day is counted from it that
        // is not read: no date.)
        for (std::size_t i = 0; i < words.size(); ++i)
            if (const std::optional<FeastWords> feast = FeastWordsAt(words, i))
                return KnowsAFeast(words, feast->begin, feast->end)
                           ? Fault{LineFault::NoDate, {}}
                           : Fault{LineFault::Feast, words.written(feast->begin, feast->end)};
        return Fault{LineFault::NoDate, {}};
    }
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (taken[i] || !MustRead(words, i))
            continue;
        if (words.is(i, Kind::Anno)) {
            // "anno domini MDIIC": the numeral after it, and its formula, is what is not read
            std::size_t year = i + 1;
            while (year < words.size() && !taken[year] && !words.parted(year) &&
                   words.is(year, Kind::Formula))
                ++year;
            if (year < words.size() && !taken[year] && !words.parted(year) &&
                MustRead(words, year) && !words.is(year, Kind::Anno))
                return Fault{LineFault::Year, words.written(year, year + 1)};
            return Fault{LineFault::Anno, words.written(i, i + 1)};
        }
        if (const std::size_t other = MonthBeside(words, i); other < words.size())
            return Fault{LineFault::ClauseMonth,
                         words.written(std::min(i, other), std::max(i, other) + 1)};
        // A count that names no day, right before a date: a. d. IIIII Kal. Ian.; or a word
        // before it that no date puts there: "terc. quidem non. Jun."
        std::size_t end = i + 1;
        while (end < words.size() && !taken[end] && MustRead(words, end))
            ++end;
        const bool apart = end + 1 < words.size() && !taken[end] && !words.parted(end) &&
                           !words.parted(end + 1) && words.is(end + 1, Kind::Reference);
        for (const Phrase &p : phrases)
            if (p.kind == PhraseKind::Date && (p.begin == end || (apart && p.begin == end + 1)) &&
                (words.is(p.begin, Kind::Reference) ||
                 (words.is(p.begin, Kind::Die) && words.is(p.begin + 1, Kind::Reference)))) {
                end = p.begin;
                std::size_t begin = i;
                if (begin >= 2 && words.is(begin - 2, Kind::A) && words.is(begin - 1, Kind::D))
                    begin -= 2;
                else if (i + 2 < end && words.is(i, Kind::A) && words.is(i + 1, Kind::D))
                    begin = i;
                return Fault{LineFault::Designation, words.written(begin, end)};
            }
        // a count parted by a space, or cut short with its ending apart, right before its named
        // day: "x v kal.", "p'mo kal."
        const bool countApart = i + 2 < words.size() && words[i].key.size() <= 3 &&
                                !words[i].dotted && !words.parted(i + 1) && !words[i + 1].dotted &&
                                !words.parted(i + 2) && words.is(i + 2, Kind::Reference) &&
                                ((words.numeralOf(i + 1) >= 1 && words.numeralOf(i + 1) <= 19) ||
                                 IsAnOrdinalEndingApart(words[i + 1].key));
        if (countApart)
            return Fault{LineFault::Designation, words.written(i, i + 2)};
        return Fault{LineFault::Number, words.written(i, i + 1)};
    }
    return std::nullopt;
}

// The date or year a choice passes over, as if it were not written: its first or last word
// taken by no phrase of the choice. "die penultima mensis Maij" is words no reading must take
// one by one, and was left out for another date in the line; "vicesimo die Iunii" lost its month
// to the "mensis Augusti, vicesimo die" before it; "anno quoque DCCLXII ab incarnatione Domini"
// became a king's year, its formula left unread, beside another year. One whose ends other
// phrases of the choice read ("tertio die mensis februarii xix", tertio of a year) is only
// another reading of its words. Nothing where the choice passes over none.
const Phrase *PassedOver(const Phrases &phrases, const Group &group, Choice choice) {
    Coverage taken;
    for (std::size_t p = group.first; p < group.last; ++p)
        if (choice >> (p - group.first) & 1)
            taken.add(phrases[p].begin, phrases[p].end);
    for (std::size_t p = group.first; p < group.last; ++p) {
        if (phrases[p].kind != PhraseKind::Date && phrases[p].kind != PhraseKind::Year)
            continue;
        if (!taken[phrases[p].begin] || !taken[phrases[p].end - 1u])
            return &phrases[p];
    }
    return nullptr;
}

// Every choice of phrases of a group that reads its words from `at`: each word that must be
// read is taken by a phrase.
void Enumerate(const Words &words, const Phrases &phrases, Group &group, std::size_t at,
               Choice choice) {
    if (group.choices.size() > MostChoices)
        return;
    if (at >= group.end) {
        if (const Phrase *over = PassedOver(phrases, group, choice))
            group.passedOver = group.passedOver ? group.passedOver : over;
        else
            group.choices.push_back(choice);
        return;
    }
    if (!MustRead(words, at))
        Enumerate(words, phrases, group, at + 1, choice);
    for (std::size_t p = group.first; p < group.last; ++p)
        if (phrases[p].begin == at)
            Enumerate(words, phrases, group, phrases[p].end,
                      choice | Choice{1} << (p - group.first));
}

Coverage CoverageOf(const Phrases &phrases, const Group &group, Choice choice) {
    Coverage words;
    for (std::size_t p = group.first; p < group.last; ++p)
        if (choice >> (p - group.first) & 1)
            words.add(phrases[p].begin, phrases[p].end);
    return words;
}

// Whether two choices of a group read its dates and years alike.
bool SameMeaning(const Phrases &phrases, const Group &group, Choice a, Choice b) {
    const auto next = [&](Choice &choice) -> const Phrase * {
        for (std::size_t p = group.first; p < group.last; ++p) {
            const Choice bit = Choice{1} << (p - group.first);
            if ((choice & bit) == 0)
                continue;
            choice &= ~bit;
            if (phrases[p].kind == PhraseKind::Date || phrases[p].kind == PhraseKind::Year)
                return &phrases[p];
        }
        return nullptr;
    };
    for (;;) {
        const Phrase *x = next(a), *y = next(b);
        if (!x || !y)
            return x == y;
        if (x->kind != y->kind || x->date != y->date || x->year != y->year || x->fault != y->fault)
            return false;
    }
}

// Keeps, of the choices that read the dates and years alike, those that no other covers more
// than: of "a. d. VI Kal. Mai.", the one with "a. d.". Choices that read them differently are
// all kept, to be told apart: "feria VI Kal. Ian." reads as a Friday on the Calends, and as
// the sixth day before them.
void KeepTheWidest(const Phrases &phrases, Group &group) {
    std::pmr::vector<Coverage> covered(group.choices.get_allocator());
    for (const Choice choice : group.choices)
        covered.push_back(CoverageOf(phrases, group, choice));
    Choices widest(group.choices.get_allocator());
    for (std::size_t i = 0; i < group.choices.size(); ++i) {
        bool narrower = false;
        for (std::size_t j = 0; j < group.choices.size() && !narrower; ++j)
            narrower = covered[j] != covered[i] && covered[j].holds(covered[i]) &&
                       SameMeaning(phrases, group, group.choices[i], group.choices[j]);
        if (!narrower)
            widest.push_back(group.choices[i]);
    }
    group.choices = std::move(widest);
}

// The readings of the line, into `readings`; or what keeps it from being read.
std::optional<Fault> Choose(const Words &words, const Phrases &given,
                            std::pmr::memory_resource *memory, Few<DateReading, 4> &readings) {
    if (std::optional<Fault> unread = Unread(words, given))
        return unread;
    const auto inOrder = [](const Phrase &a, const Phrase &b) {
        return a.begin < b.begin || (a.begin == b.begin && a.end > b.end);
    };
    // The rules find most in order: only the others are copied to be sorted.
    Phrases sorted(memory);
    if (!std::is_sorted(given.begin(), given.end(), inOrder)) {
        sorted = given;
        std::sort(sorted.begin(), sorted.end(), inOrder);
    }
    const Phrases &phrases = sorted.empty() ? given : sorted;
    // Groups of phrases that overlap one another, each read apart. A phrase alone in its group
    // is its only reading.
    std::pmr::vector<Group> groups(memory);
    for (std::size_t first = 0; first < phrases.size();) {
        Group group{first,           first + 1, phrases[first].begin, phrases[first].end,
                    Choices(memory), nullptr};
        for (; group.last < phrases.size() && phrases[group.last].begin < group.end; ++group.last)
            group.end = std::max<std::size_t>(group.end, phrases[group.last].end);
        if (group.last - group.first > MostInAGroup)
            return Fault{LineFault::TooComplex, words.written(group.begin, group.end)};
        if (group.last - group.first == 1) {
            group.choices.push_back(1);
        } else {
            Enumerate(words, phrases, group, group.begin, 0);
            if (group.choices.size() > MostChoices)
                return Fault{LineFault::TooComplex, words.written(group.begin, group.end)};
            // Every way of reading these words leaves one that must be read: a number two
            // phrases both want and neither can do without ("anno Domini Mº quinº", where
            // "Mº quinº" is also "mense Quintili")
            // (or every one passes over a date or a year: "a. d. XIX Ian." is a year, or a day
            // with "a. d." left unread, and no date whole)
            if (group.choices.empty())
                return Fault{!group.passedOver                            ? LineFault::Number
                             : group.passedOver->kind == PhraseKind::Year ? LineFault::Year
                                                                          : LineFault::NoDate,
                             words.written(group.begin, group.end)};
            KeepTheWidest(phrases, group);
        }
        first = group.last;
        groups.push_back(std::move(group));
    }
    std::size_t combinations = 1;
    for (const Group &group : groups) {
        combinations *= group.choices.size(); // never none: a group no choice reads is refused
        if (combinations > MostCombinations)
            return Fault{LineFault::TooComplex, words.written(0, words.size())};
    }
    std::optional<Fault> firstFault, writtenFault;
    std::pmr::vector<std::size_t> choice(memory); // the phrases of one reading, in word order
    choice.reserve(phrases.size());
    for (std::size_t n = 0; n < combinations; ++n) {
        choice.clear();
        for (std::size_t rest = n; const Group &group : groups) {
            const std::size_t ways = group.choices.size(); // most groups read one way: no division
            const Choice taken = group.choices[ways == 1 ? 0 : rest % ways];
            for (std::size_t p = group.first; p < group.last; ++p)
                if (taken >> (p - group.first) & 1)
                    choice.push_back(p);
            rest = ways == 1 ? rest : rest / ways;
        }
        Assembled made;
        Assemble(words, phrases, choice, made);
        if (made.fault != LineFault::None) {
            const Fault fault{made.fault, made.faultText};
            firstFault = firstFault ? firstFault : fault;
            if (made.written && !writtenFault)
                writtenFault = fault;
            continue;
        }
        if (std::none_of(readings.begin(), readings.end(),
                         [&](const DateReading &r) { return SameReading(r, made.reading); }))
            readings.push_back(made.reading);
    }
    // A phrase written wrong fails the line: it may be what the writer meant. A reading whose
    // phrases do not fit together is only no reading.
    if (writtenFault)
        return writtenFault;
    if (readings.empty() && firstFault)
        return firstFault;
    return std::nullopt;
}

} // namespace

LineReading ChooseReadings(const Words &words, const Phrases &phrases,
                           std::pmr::memory_resource *memory) {
    LineReading line;
    if (const std::optional<Fault> fault = Choose(words, phrases, memory, line.readings)) {
        line.fault = fault->fault;
        line.faultText = fault->text;
        line.readings = {};
    } else {
        bool holdsADate = false;
        const std::string_view feast = UnreadFeast(words, phrases, holdsADate);
        if (holdsADate) {
            line.fault = LineFault::Feast;
            line.faultText = feast;
            line.readings = {};
        } else if (!feast.empty()) {
            for (DateReading &reading : line.readings)
                reading.notes.unreadFeast = feast;
        }
    }
    return line;
}

} // namespace tempidex
