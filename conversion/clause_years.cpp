#include "clause_reader.h"

#include "numerals.h"

#include <algorithm>

namespace tempidex::clause_reading {
namespace {

int YearOrdinalValue(std::string_view word) {
    const int value = OrdinalValueIn(YearOrdinals, word);
    return value > 0 ? value : OrdinalValue(word);
}

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

// The eras' spellings in a tree of their letters (V kept: a. v. c. is no a. u. c.), so that
// the words from a place are matched with all of them in one walk.
template <std::size_t N> struct EraTree {
    LetterTree<N> letters{Letters.letter};
    std::array<std::optional<Era>, N> era{};
};

template <std::size_t N> constexpr EraTree<N> GrowEraTree() {
    EraTree<N> tree;
    for (const EraSpelling &s : EraSpellings)
        tree.era[tree.letters.insert(s.letters, [](std::size_t, std::string_view) {})] = s.era;
    tree.letters.readAlike();
    return tree;
}

constexpr auto Eras = GrowEraTree<GrowEraTree<256>().letters.size>();

} // namespace

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
    if (is(at, Key::Roman) && !(free(at + 1) && is(at + 1, Key::Roman))) {
        number.value = RomanValue(first);
        number.end = number.value > 0 ? at + 1 : 0;
        number.lone = number.end > 0 && first.size() == 1;
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
        const int value = is(i, Key::Ordinal) ? YearOrdinalValue(text(i)) : 0;
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
    // The letters of the words run on through the tree; the spelling that takes the most words
    // is the era: "a u c" before "a".
    std::optional<Era> era;
    std::size_t node = 0;
    for (Index i = at; i < at + 4 && free(i); ++i) {
        for (const char c : text(i))
            if ((node = Eras.letters.next(node, c)) == Eras.letters.None)
                return era;
        if (Eras.era[node]) {
            era = Eras.era[node];
            end = i + 1;
        }
    }
    return era;
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

// The year's parts come apart, to be stored one by one: a year built whole and copied would
// wait for its own parts to be written.
void Reader::addYear(int year, YearCount count, std::optional<int> later, Index from, Index to,
                     bool zero) {
    if (year < FirstYear || year > LastYear || zero) {
        m_wrongYear = from;
        return;
    }
    if (m_year && m_year->year == year) {
        if (count != YearCount::Unmarked)
            m_year->count = count;
        return;
    }
    Year &stored = m_year ? m_otherYear.emplace() : m_year.emplace();
    stored.year = year;
    stored.count = count;
    stored.later = later;
    stored.from = from;
    stored.to = to;
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
    addYear(YearInEra(number.value, counted), count, number.later, i, end - 1, number.value == 0);
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
    addYear(YearInEra(number.value, *era), CountOf(*era), number.later, at, number.end - 1,
            number.value == 0);
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
    if (!era && !number.lone && at > 0 && is(at - 1, Key::A) && !used(at - 1)) {
        const int city = YearInEra(number.value, Era::City);
        bool glossed = false;
        for (Index i = 0; i < m_size; ++i)
            glossed = glossed || (gloss(i) && IsDigits(w[i].text) &&
                                  DigitsValue(w[i].text) == (city < 1 ? 1 - city : city));
        if (glossed) {
            addYear(city, YearCount::City, std::nullopt, at - 1, end - 1);
        } else {
            addYear(number.value, YearCount::Unmarked, std::nullopt, at - 1, end - 1);
            addYear(city, YearCount::City, std::nullopt, at - 1, end - 1);
        }
        return;
    }
    if (era || (nextToTheDate && !number.lone))
        addYear(YearInEra(number.value, era ? *era : Era::None),
                era ? CountOf(*era) : YearCount::Unmarked, number.later, at, end - 1,
                number.value == 0);
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

} // namespace tempidex::clause_reading
