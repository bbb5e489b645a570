// The reader of a dating clause (dating_clause.h), in three files by what each reads: the
// date (clause_date.cpp), the year and the numbers around it (clause_years.cpp), and the
// clause as a whole (dating_clause.cpp). For those three files alone.
#pragma once

#include "clause_keywords.h"
#include "clause_words.h"
#include "latin_date.h"
#include "latin_names.h"
#include "years.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <utility>

namespace tempidex::clause_reading {

using Index = std::size_t;

// No named day is counted to from further back than this: a. d. XIX Kal.
inline constexpr int MostDaysCounted = 19;

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

class Reader {
public:
    explicit Reader(const ClauseWords &words)
        : w(words)
        , m_size(words.size()) {
        for (Index i = 0; i < m_size; ++i) {
            m_kinds[i] = Classify(w[i].text);
            m_present |= m_kinds[i].keys;
            m_months[i] = -1;
            m_state[i] = w[i].gloss ? Gloss : 0;
        }
    }
    // Whether the clause holds a date; `reading` then says what is read.
    bool read(LatinReading &reading);

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
        int year;
        YearCount count;
        std::optional<int> later;
        Index from, to; // the words that wrote it
    };

    bool free(Index i) const { return i < m_size && m_state[i] == 0; }
    bool used(Index i) const { return (m_state[i] & Used) != 0; }
    bool gloss(Index i) const { return (m_state[i] & Gloss) != 0; }
    std::string_view text(Index i) const { return i < m_size ? w[i].text : std::string_view{}; }
    // Whether word i is there and is that keyword (a gloss too: free() says whether to read it).
    bool is(Index i, Key key) const { return i < m_size && m_kinds[i].is(key); }
    // Whether any word of the clause is that keyword: most passes have nothing to look for.
    bool anyIs(Key key) const { return WordKind{m_present, -1, -1, {}}.is(key); }
    const WordKind &kind(Index i) const { return m_kinds[i]; }
    // The month a word names, looked up the first time it is asked: only the words after a
    // reference day or "die" ever are.
    int monthOf(Index i) const {
        if (m_months[i] < 0)
            m_months[i] = static_cast<std::int8_t>(is(i, Key::Month) ? MonthOf(w[i].text) : 0);
        return m_months[i];
    }
    bool isFormula(Index i) const { // a word that names an era: not "a", "ab"
        return is(i, Key::Formula) && kind(i).formula != YearCount::Unmarked;
    }
    void use(Index from, Index to) {
        for (Index i = from; i < to && i < m_size; ++i)
            m_state[i] |= Used;
    }

    // Each writes the date it finds into `core` (and may write there when it finds none).
    bool romanCoreAt(Index reference, Core &core) const;
    bool dayOfMonthCoreAt(Index die, Core &core) const;
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
    // `zero`: written 0, which no year counts so.
    void addYear(int year, YearCount count, std::optional<int> later, Index from, Index to,
                 bool zero = false);

    const ClauseWords &w;
    const Index m_size;
    std::array<WordKind, ClauseWords::MostWords> m_kinds;
    std::uint32_t m_present = 0; // the keys of every word together
    mutable std::array<std::int8_t, ClauseWords::MostWords> m_months;
    // Whether each word is read already as part of something, or is an editor's gloss.
    static constexpr std::uint8_t Used = 1, Gloss = 2;
    std::array<std::uint8_t, ClauseWords::MostWords> m_state;
    std::optional<Year> m_year;
    std::optional<Year> m_otherYear;
    std::optional<Index> m_wrongYear; // a number that is no year, or a lone letter
    std::optional<std::pair<Index, Index>> m_wrongDesignation; // its first and last words
    bool m_consuls = false;
    std::int8_t m_weekday = -1, m_indiction = 0; // named in the clause: see ClauseNotes
};

} // namespace tempidex::clause_reading
