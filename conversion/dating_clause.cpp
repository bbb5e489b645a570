#include "dating_clause.h"

#include "clause_keywords.h"
#include "clause_words.h"
#include "latin_names.h"
#include "numerals.h"
#include "window_lists.h"
#include "years.h"

#include <algorithm>
#include <array>
#include <utility>

namespace tempidex {
namespace {

using Index = std::size_t;

// A day's number as a numeral: XIX, 19, XIIo (with its ordinal mark); 0 for anything else.
int NumeralValue(std::string_view word) {
    const int value = NumberValue(word);
    if (value == 0 && word.size() >= 2 && word.back() == 'o')
        return NumberValue(word.substr(0, word.size() - 1));
    return value;
}

bool IsDigits(std::string_view word) {
    return !word.empty() &&
           std::all_of(word.begin(), word.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Years written in words, as charters write them: the ordinals of the hundreds and the tens
// that the days never need.
constexpr std::array<Ordinal, 21> YearOrdinals{{
    {"millesim", 1000},   {"bismillesim", 2000},    {"centesim", 100},      {"ducentesim", 200},
    {"trecentesim", 300}, {"quadringentesim", 400}, {"quingentesim", 500},  {"sexcentesim", 600},
    {"sescentesim", 600}, {"septingentesim", 700},  {"octingentesim", 800}, {"nongentesim", 900},
    {"quadragesim", 40},  {"quinquagesim", 50},     {"sexagesim", 60},      {"septuagesim", 70},
    {"octogesim", 80},    {"nonagesim", 90},        {"tricesim", 30},       {"trigesim", 30},
    {"octuagesim", 80}, // as the Curia wrote it in 1581
}};

int YearOrdinalValue(std::string_view word) {
    const int value = OrdinalValueIn(YearOrdinals, word);
    return value > 0 ? value : OrdinalValue(word);
}

// A number where a year may stand: digits (with the later year of a double year, 1195-6),
// a Roman numeral however dotted or spaced (M. D. XXX., . M. cccc. lxxij.), or, where
// `inWords`, ordinals (millesimo quadringentesimo septuagesimo secundo).
struct Number {
    int value = 0;
    Index end = 0;
    bool lone = false;  // one letter alone: L, C, M
    bool minus = false; // -44
    bool inWords = false;
    std::optional<int> later;
};

// The year a double year's second number names: 1195-6 is 1196, 1620/21 is 1621; nothing
// unless it is the year after.
std::optional<int> LaterYear(int first, std::string_view second) {
    if (second.size() > 4)
        return std::nullopt;
    int power = 1;
    for (std::size_t i = 0; i < second.size(); ++i)
        power *= 10;
    int later = first - first % power + DigitsValue(second);
    if (later <= first)
        later += power;
    return later == first + 1 ? std::optional(later) : std::nullopt;
}

// No named day is counted to from further back than this: a. d. XIX Kal.
constexpr int MostDaysCounted = 19;

class Reader {
public:
    explicit Reader(const ClauseWords &words)
        : w(words) {
        for (Index i = 0; i < w.size(); ++i) {
            m_kinds[i] = Classify(w[i].text);
            m_months[i] = -1;
        }
    }
    std::optional<LatinReading> read();

private:
    struct Core {
        Index begin = 0, end = 0;
        RomanDay day;
        bool leap = false;
        int dayOfMonth = 0;
        bool pridieAsII = false;
        LatinPart fault = LatinPart::None;
        std::string_view faultText;
    };
    struct Year {
        int year = 0;
        YearCount count = YearCount::Unmarked;
        std::optional<int> later;
        Index from = 0, to = 0; // the words that wrote it
        bool zero = false;      // written 0: no year counts so
    };

    bool free(Index i) const { return i < w.size() && !used[i] && !w[i].gloss; }
    std::string_view text(Index i) const { return i < w.size() ? w[i].text : std::string_view{}; }
    // Whether word i is there, is no gloss, and is that keyword.
    bool is(Index i, Key key) const { return i < w.size() && m_kinds[i].is(key); }
    const WordKind &kind(Index i) const { return m_kinds[i]; }
    // The month a word names, looked up the first time it is asked: only the words after a
    // reference day or "die" ever are.
    int monthOf(Index i) const {
        if (m_months[i] < 0)
            m_months[i] = static_cast<std::int8_t>(MonthOf(w[i].text));
        return m_months[i];
    }
    bool isFormula(Index i) const { // a word that names an era: not "a", "ab"
        return is(i, Key::Formula) && kind(i).formula != YearCount::Unmarked;
    }
    void use(Index from, Index to) {
        for (Index i = from; i < to && i < w.size(); ++i)
            used[i] = true;
    }

    std::optional<Core> romanCoreAt(Index reference) const;
    std::optional<Core> dayOfMonthCoreAt(Index die) const;
    int dayNumberAt(Index at, Index &end) const;
    int dayNumberBefore(Index at, Index &begin) const;
    bool saysAnteDiem(Index number) const;
    int designationBefore(Index reference, Index &begin) const;
    int dayNumberBeforeAnything(Index at, Index &begin) const;
    Number numberAt(Index at, bool inWords) const;
    std::optional<Era> eraAt(Index at, Index &end) const;

    void readYearPhrase(Index at);
    void readEraBefore(Index at);
    void readBareNumber(Index at, const Core &core);
    void readFollowing(Index at, int most, int lowest, int highest, std::int8_t *into);
    void addYear(const Year &year);

    const ClauseWords &w;
    std::array<WordKind, ClauseWords::MostWords> m_kinds;
    mutable std::array<std::int8_t, ClauseWords::MostWords> m_months;
    std::array<bool, ClauseWords::MostWords> used{};
    std::optional<Year> m_year;
    std::optional<Year> m_otherYear;
    std::optional<Index> m_wrongYear; // a number that is no year, or a lone letter
    std::optional<std::pair<Index, Index>> m_wrongDesignation; // its first and last words
    bool m_consuls = false;
    ClauseNotes m_notes;
};

// Whether "ante diem", "a. d." or "ad" stands before the number at `number`.
bool Reader::saysAnteDiem(Index number) const {
    return (number >= 1 && free(number - 1) && is(number - 1, Key::AD)) ||
           (number >= 2 && free(number - 2) && free(number - 1) &&
            ((is(number - 2, Key::A) && is(number - 1, Key::D)) ||
             (is(number - 2, Key::Ante) && is(number - 1, Key::Diem))));
}

// The number of days a designation counts, ending before `reference`: a number past 19 is
// a year's (M. D. XXIX. Calendis Aprilis) unless "ante diem" says it is meant as a count.
int Reader::designationBefore(Index reference, Index &begin) const {
    Index first = reference;
    const int counted = dayNumberBefore(reference, first);
    if (counted == 0 || (counted > MostDaysCounted && !saysAnteDiem(first)))
        return 0;
    begin = first;
    return counted;
}

// The designation before the reference day at `reference`, and the month after it.
std::optional<Reader::Core> Reader::romanCoreAt(Index reference) const {
    if (!free(reference) || kind(reference).reference < 0 || !free(reference + 1))
        return std::nullopt;
    const auto named = static_cast<Reference>(kind(reference).reference);
    const int month = monthOf(reference + 1);
    if (month == 0)
        return std::nullopt;
    Core core;
    core.end = reference + 2;
    if (free(core.end) && free(core.end + 1) && is(core.end, Key::A) && is(core.end + 1, Key::I)) {
        core.leap = true;
        core.end += 2;
    } else if (free(core.end) && is(core.end, Key::AI)) {
        core.leap = true;
        core.end += 1;
    }
    if (free(core.end) && monthOf(core.end) != 0) { // Kal. Ianuarius Maius
        core.fault = LatinPart::Month;
        core.faultText = w.written(reference + 1, core.end);
        return core;
    }
    int days = 1;
    bool doubled = false, dayAfter = false;
    Index begin = reference;
    if (w[reference].pause) {
        // "feria tertia, Kal. Ian.": the number before the comma is another day's
    } else if (reference > 0 && free(reference - 1) && is(reference - 1, Key::Pridie)) {
        days = 2;
        begin = reference - 1;
    } else if (reference > 0 && free(reference - 1) && is(reference - 1, Key::Postridie)) {
        dayAfter = true;
        begin = reference - 1;
    } else if (const int counted = designationBefore(reference, begin); counted > 0) {
        days = counted;
        doubled = begin > 0 && free(begin - 1) && is(begin - 1, Key::Bis);
        begin -= doubled ? 1 : 0;
        if (begin >= 2 && free(begin - 2) &&
            ((is(begin - 2, Key::A) && is(begin - 1, Key::D)) ||
             (is(begin - 2, Key::Ante) && is(begin - 1, Key::Diem))))
            begin -= 2;
        else if (begin >= 1 && free(begin - 1) && is(begin - 1, Key::AD))
            begin -= 1;
        // a. d. II, as manuscripts write the day before
        core.pridieAsII = days == 2 && !doubled;
    }
    if (begin > 0 && free(begin - 1) && is(begin - 1, Key::Die))
        begin -= begin > 1 && free(begin - 2) && is(begin - 2, Key::Sub) ? 2 : 1;
    core.begin = begin;
    core.day = {days, doubled, dayAfter, named, month};
    if (core.leap && month != 3) { // "(a. i.)" belongs to March alone
        core.fault = LatinPart::Month;
        core.faultText = w.written(reference + 1, core.end - 1);
        return core;
    }
    const bool listed = days <= 2 ? !doubled
                                  : (!doubled || days == 6) &&
                                        EntryOf(DesignationMeaning{days, doubled}) != NotListed;
    if (!listed) {
        core.fault = LatinPart::Designation;
        core.faultText = w.written(begin, reference - 1);
    }
    return core;
}

// A day's number at `at`, in a numeral or ordinals (one word or two): its value, and where it
// ends. 0 for none.
int Reader::dayNumberAt(Index at, Index &end) const {
    if (!free(at))
        return 0;
    if (const int value = NumeralValue(text(at)); value > 0) {
        end = at + 1;
        return value;
    }
    if (free(at + 1))
        if (const int value = DayOrdinalValue(text(at), text(at + 1)); value > 0) {
            end = at + 2;
            return value;
        }
    end = at + 1;
    return DayOrdinalValue(text(at));
}

// The same, ending just before `at`: where it begins. A number above 31 is no day's: a year;
// nor is the number of a weekday, an hour, an indiction or a year of a reign.
int Reader::dayNumberBefore(Index at, Index &begin) const {
    const auto countsAnother = [this](Index number) {
        if (number == 0)
            return false;
        const WordKind &before = kind(number - 1);
        return before.is(Key::Feria) || before.is(Key::Hour) || before.is(Key::Indiction) ||
               before.is(Key::Anno) || before.is(Key::Reign);
    };
    Index first = at;
    const int value = dayNumberBeforeAnything(at, first);
    if (value == 0 || countsAnother(first))
        return 0;
    begin = first;
    return value;
}

int Reader::dayNumberBeforeAnything(Index at, Index &begin) const {
    if (at == 0 || !free(at - 1))
        return 0;
    if (const int value = NumeralValue(text(at - 1)); value > 0) {
        begin = at - 1;
        return value <= 31 ? value : 0;
    }
    if (at >= 2 && free(at - 2))
        if (const int value = DayOrdinalValue(text(at - 2), text(at - 1)); value > 0) {
            begin = at - 2;
            return value;
        }
    begin = at - 1;
    return DayOrdinalValue(text(at - 1));
}

// "die XX mensis Maii", "die quinta Iunii", "sexto die mensis Iulii", "die primo Octobris",
// "die Lunae XXV mensis Augusti".
std::optional<Reader::Core> Reader::dayOfMonthCoreAt(Index die) const {
    Core core;
    if (is(die, Key::Mensis)) {
        const int day = dayNumberBefore(die, core.begin);
        const int month = free(die + 1) ? monthOf(die + 1) : 0;
        if (day == 0 || day > 31 || month == 0)
            return std::nullopt;
        core.end = die + 2;
        core.dayOfMonth = day;
        core.day = {1, false, false, Reference::Calends, month};
        return core;
    }
    if (!is(die, Key::Die))
        return std::nullopt;
    Index after = die + 1, end = 0;
    int day = dayNumberAt(after, end);
    if (day > 0) {
        core.begin = die;
        after = end;
    } else if ((day = dayNumberBefore(die, core.begin)) == 0) {
        return std::nullopt;
    }
    after += free(after) && is(after, Key::Mensis) ? 1 : 0;
    const int month = free(after) ? monthOf(after) : 0;
    if (month == 0 || day > 31)
        return std::nullopt;
    core.end = after + 1;
    core.dayOfMonth = day;
    core.day = {1, false, false, Reference::Calends, month};
    return core;
}

Number Reader::numberAt(Index at, bool inWords) const {
    Number number;
    if (!free(at))
        return number;
    const std::string_view first = text(at);
    if (is(at, Key::Digits)) {
        number.value = DigitsValue(first);
        number.end = at + 1;
        number.minus = w[at].minus;
        if (free(at + 1) && w[at + 1].joined)
            if ((number.later = LaterYear(number.value, text(at + 1))))
                number.end = at + 2;
        return number;
    }
    if (is(at, Key::Roman)) {
        // The longest run of words that makes one numeral: M. D. XXX.
        std::array<char, 48> letters{};
        std::size_t size = 0;
        for (Index i = at; free(i) && is(i, Key::Roman) && size + text(i).size() <= 40; ++i) {
            std::copy(text(i).begin(), text(i).end(),
                      letters.begin() + static_cast<std::ptrdiff_t>(size));
            size += text(i).size();
            if (const int value = RomanValue({letters.data(), size}); value > 0) {
                number.value = value;
                number.end = i + 1;
            }
        }
        number.lone = number.end == at + 1 && first.size() == 1;
        return number;
    }
    if (!inWords)
        return number;
    for (Index i = at; free(i); ++i) {
        if (is(i, Key::Et) || is(i, Key::Bis))
            continue;
        const int value = YearOrdinalValue(text(i));
        if (value == 0)
            break;
        number.value += i > at && is(i - 1, Key::Bis) ? 2 * value : value;
        number.end = i + 1;
        number.inWords = true;
    }
    return number;
}

// An era written in up to four words from `at` (A. D., a. u. c., post Christum natum, B.C.).
std::optional<Era> Reader::eraAt(Index at, Index &end) const {
    if (!is(at, Key::EraStart))
        return std::nullopt;
    // The letters of up to four words run together, and where each word ends among them.
    std::array<char, 24> letters{};
    std::array<std::size_t, 5> ends{};
    Index words = 0;
    for (std::size_t size = 0; words < 4 && free(at + words); ++words) {
        const std::string_view word = text(at + words);
        if (size + word.size() > letters.size())
            break;
        std::copy(word.begin(), word.end(), letters.begin() + static_cast<std::ptrdiff_t>(size));
        size += word.size();
        ends[words + 1] = size;
    }
    for (; words >= 1; --words) // the longest spelling first: "a u c" before "a"
        for (const EraSpelling &s : EraSpellings)
            if (s.letters.size() == ends[words] &&
                s.letters == std::string_view(letters.data(), ends[words])) {
                end = at + words;
                return s.era;
            }
    return std::nullopt;
}

constexpr YearCount CountOf(Era era) {
    switch (era) {
    case Era::Christian:
        return YearCount::Christian;
    case Era::BeforeChrist:
        return YearCount::BeforeChrist;
    case Era::City:
        return YearCount::City;
    case Era::None:
        break;
    }
    return YearCount::Unmarked;
}

void Reader::addYear(const Year &year) {
    if (year.year < FirstYear || year.year > LastYear || year.zero) {
        m_wrongYear = year.from;
        return;
    }
    if (!m_year)
        m_year = year;
    else if (m_year->year != year.year)
        m_otherYear = year;
    else if (year.count != YearCount::Unmarked)
        m_year->count = year.count;
}

// anno [formula] number [era], or a formula then anno: "anno ab incarnatione Domini MCC",
// "dominicae incarnationis anno 1130", "anno salutis MDXXX", "anno pontificatus nostri quarto".
void Reader::readYearPhrase(Index at) {
    Index i = at;
    YearCount count = YearCount::Unmarked;
    bool anno = false, reign = false;
    for (; free(i) && i < at + 8; ++i) {
        if (is(i, Key::Anno)) {
            anno = true;
        } else if (is(i, Key::Reign)) {
            reign = true;
        } else if (is(i, Key::Formula)) {
            const YearCount named = kind(i).formula;
            if (named != YearCount::Unmarked &&
                (count == YearCount::Unmarked || count == YearCount::Christian))
                count = named;
        } else {
            break;
        }
    }
    if (!anno)
        return;
    use(at, i);
    Number number = numberAt(i, true);
    if (number.end == 0) {
        m_wrongYear = at; // "anno" and no year that can be read
        return;
    }
    Index end = number.end;
    std::optional<Era> era = eraAt(end, end);
    reign = reign || (free(end) && !w[end].pause && is(end, Key::Reign));
    use(i, end);
    if (reign || (number.inWords && number.value < 100))
        return; // the year of a reign, or of an office
    if (number.minus) {
        m_wrongYear = i;
        return;
    }
    if (era)
        count = CountOf(*era);
    const Era counted = era ? *era : count == YearCount::City ? Era::City : Era::None;
    addYear({YearInEra(number.value, counted), count, number.later, i, end - 1, number.value == 0});
}

// An era, then the number: A. D. 1524.
void Reader::readEraBefore(Index at) {
    Index end = at;
    const std::optional<Era> era = eraAt(at, end);
    if (!era)
        return;
    const Number number = numberAt(end, false);
    if (number.end == 0 || number.minus)
        return;
    Index after = number.end;
    // "a. d. VI bis Kal.": a designation gone wrong, not the year AD 6
    if (*era == Era::Christian && number.value <= MostDaysCounted && free(after) &&
        (is(after, Key::Bis) || kind(after).reference >= 0)) {
        m_wrongDesignation = {at, after - 1};
        return;
    }
    use(at, number.end);
    if (eraAt(after, after)) { // A.D. 1524 a.C.
        m_wrongYear = at;
        return;
    }
    addYear({YearInEra(number.value, *era), CountOf(*era), number.later, at, number.end - 1,
             number.value == 0});
}

// A number in no formula: a year right after the date or right before it, with an era or
// without; an editor's "a. 707"; anything else is no year.
void Reader::readBareNumber(Index at, const Core &core) {
    const Number number = numberAt(at, false);
    if (number.end == 0)
        return;
    Index end = number.end;
    const std::optional<Era> era = eraAt(end, end);
    Index after = end;
    use(at, end);
    if (number.minus || (era && eraAt(after, after))) { // -44; 1524 a.C. AD
        m_wrongYear = at;
        return;
    }
    const bool nextToTheDate = at == core.end || number.end == core.begin;
    if (!era && !nextToTheDate && m_consuls)
        return; // Honorio VIII, Theodosio A. VII: the consuls' numbers
    // "a. 707": the year of the city, or AD 707, unless the editor's gloss says which.
    if (!era && !number.lone && at > 0 && is(at - 1, Key::A) && !used[at - 1]) {
        const int city = YearInEra(number.value, Era::City);
        bool glossed = false;
        for (Index i = 0; i < w.size(); ++i)
            glossed = glossed || (w[i].gloss && IsDigits(w[i].text) &&
                                  DigitsValue(w[i].text) == (city < 1 ? 1 - city : city));
        if (glossed) {
            addYear({city, YearCount::City, std::nullopt, at - 1, end - 1});
        } else {
            addYear({number.value, YearCount::Unmarked, std::nullopt, at - 1, end - 1});
            addYear({city, YearCount::City, std::nullopt, at - 1, end - 1});
        }
        return;
    }
    if (era || (nextToTheDate && !number.lone))
        addYear({YearInEra(number.value, era ? *era : Era::None),
                 era ? CountOf(*era) : YearCount::Unmarked, number.later, at, end - 1,
                 number.value == 0});
    else if (!m_consuls)
        m_wrongYear = m_wrongYear ? m_wrongYear : at;
}

// The number after a word such as "indictione" or "feria": kept in `into` where it is from
// `lowest` to `highest`; skipped either way.
void Reader::readFollowing(Index at, int most, int lowest, int highest, std::int8_t *into) {
    Index i = at + 1;
    while (i < at + static_cast<Index>(most) && free(i) &&
           (is(i, Key::Diei) || is(i, Key::Noctis) || is(i, Key::Die)))
        ++i;
    Index end = 0;
    const int value = dayNumberAt(i, end);
    if (value == 0) {
        use(at, at + 1);
        return;
    }
    use(at, end);
    if (into && value >= lowest && value <= highest)
        *into = static_cast<std::int8_t>(value);
}

std::optional<LatinReading> Reader::read() {
    // The date: a reference day and its month, or a day of the month.
    std::optional<Core> core;
    for (Index i = 0; i < w.size(); ++i) {
        std::optional<Core> found = romanCoreAt(i);
        if (!found && !w[i].gloss)
            found = dayOfMonthCoreAt(i);
        if (!found)
            continue;
        if (core && (found->day != core->day || found->dayOfMonth != core->dayOfMonth))
            return LatinReading::Unread(LatinPart::TwoDates,
                                        w.written(core->begin, found->end - 1));
        if (!core)
            core = found;
        i = found->end - 1;
    }
    if (!core)
        return std::nullopt;
    if (core->fault != LatinPart::None)
        return LatinReading::Unread(core->fault, core->faultText);
    use(core->begin, core->end);
    // A second mention of the same date is part of it too.
    for (Index i = core->end; i < w.size(); ++i)
        if (const std::optional<Core> again = romanCoreAt(i))
            use(again->begin, again->end);

    // Consuls name the year; their numbers (Honorio VIII et Theodosio III) are no years.
    for (Index i = 0; i < w.size(); ++i)
        if (free(i) && is(i, Key::Consul)) {
            m_consuls = true;
            use(i, i + 1);
        }
    // What only looks like a number: initials before a name (L. Pisone, C. Iulio), and "D."
    // for data before the date.
    for (Index i = 0; i < w.size(); ++i) {
        if (!free(i) || text(i).size() != 1 || !is(i, Key::Roman))
            continue;
        Index eraEnd = 0;
        const bool inEra = eraAt(i, eraEnd) || (i > 0 && eraAt(i - 1, eraEnd) && eraEnd > i);
        const bool initial = free(i + 1) && w[i + 1].capital && !is(i + 1, Key::Roman) &&
                             !is(i + 1, Key::Anno) && !inEra;
        const bool data = is(i, Key::D) && (i == 0 || i + 1 == core->begin);
        if (initial || data)
            use(i, i + 1);
    }
    for (Index i = 0; i < w.size(); ++i) {
        if (!free(i))
            continue;
        if (is(i, Key::Indiction)) {
            readFollowing(i, 2, 1, 15, &m_notes.indiction);
        } else if (is(i, Key::Hour)) {
            readFollowing(i, 3, 1, 24, nullptr);
        } else if (is(i, Key::Feria)) {
            std::int8_t feria = 0;
            readFollowing(i, 2, 2, 7, &feria);
            if (feria > 0)
                m_notes.weekday = static_cast<std::int8_t>(feria - 1);
        } else if (is(i, Key::Reign)) {
            // pontificatus nostri anno quarto: its number is no year; "anno Domini" after it
            // begins the year of the date
            Index end = i + 1;
            while (end < i + 4 && free(end) && numberAt(end, true).end == 0 &&
                   !(is(end, Key::Anno) && isFormula(end + 1)))
                ++end;
            const Number number = numberAt(end, true);
            use(i, number.end > 0 ? number.end : i + 1);
        } else if (is(i, Key::Anno) || isFormula(i)) {
            readYearPhrase(i);
        }
    }
    for (Index i = 0; i < w.size(); ++i) {
        if (!free(i))
            continue;
        if (is(i, Key::Weekday)) {
            m_notes.weekday = kind(i).weekday;
            use(i, i + 1);
        }
        readEraBefore(i);
    }
    for (Index i = 0; i < w.size(); ++i)
        if (free(i) && (is(i, Key::Digits) || is(i, Key::Roman)))
            readBareNumber(i, *core);
    // What is left and looks like a number, but is none: 15x4, IIX.
    for (Index i = 0; i < w.size() && !m_consuls; ++i) {
        const std::string_view word = text(i);
        const bool digit =
            std::any_of(word.begin(), word.end(), [](char c) { return c >= '0' && c <= '9'; });
        const bool capitals = std::all_of(w[i].written.begin(), w[i].written.end(),
                                          [](char c) { return c < 'a' || c > 'z'; });
        if (!free(i) ||
            !(digit || (is(i, Key::Roman) && (capitals || (i == core->end && word.size() > 2)))))
            continue;
        if (i + 1 == core->begin) // a. d. IIIII Kal.: the count is what is wrong
            m_wrongDesignation = {i > 1 && is(i - 2, Key::A) && is(i - 1, Key::D) ? i - 2 : i, i};
        else
            m_wrongYear = m_wrongYear ? m_wrongYear : i;
    }

    if (m_wrongDesignation)
        return LatinReading::Unread(LatinPart::Designation, w.written(m_wrongDesignation->first,
                                                                      m_wrongDesignation->second));
    if (m_wrongYear)
        return LatinReading::Unread(LatinPart::Year, w[*m_wrongYear].written);
    ClauseNotes notes = m_notes;
    notes.dayOfMonth = static_cast<std::int8_t>(core->dayOfMonth);
    notes.pridieAsII = core->pridieAsII;
    if (m_otherYear) {
        notes.otherYear = m_otherYear->year;
        LatinReading reading = LatinReading::Unread(
            LatinPart::AmbiguousYear, w.written(std::min(m_year->from, m_otherYear->from),
                                                std::max(m_year->to, m_otherYear->to)));
        reading.date.year = m_year->year;
        reading.notes = notes;
        return reading;
    }
    RomanDay day = core->day;
    bool leap = core->leap;
    if (day.doubled && day.reference == Reference::Calends && day.month == 3 && !m_year)
        leap = true;
    if (m_year) {
        notes.count = m_year->count;
        notes.laterYear = m_year->later;
    } else if (m_consuls) {
        notes.count = YearCount::Consuls;
    }
    return LatinReading::Of({day, leap, m_year ? std::optional(m_year->year) : std::nullopt},
                            notes);
}

} // namespace

std::optional<LatinReading> ReadDatingClause(std::string_view line) {
    const ClauseWords words(line);
    if (words.tooMany())
        return LatinReading::Unread(LatinPart::WholeLine, {});
    return Reader(words).read();
}

} // namespace tempidex
