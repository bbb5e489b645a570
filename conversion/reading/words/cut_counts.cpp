// Counts cut short with a full stop, as scribes and registers cut them ("terc. non. Jun.",
// "dec. oct. kal. Sept.", "die ult. mensis Maii", "MCCXXX quar."): read where one count alone
// begins so and the words around say a count stands there, refused where the cut may be a
// month's or another count's, and never passed over.
#include "words.h"

#include "numbers.h"
#include "word_table.h"

#include <array>
#include <cstdint>

namespace tempidex {

void Words::readCutCounts() {
    // A word cut short that may be a count: not a named day, not already a number. Without its
    // full stop ("terc non Jun") only a cut of one count alone, and no keyword, is taken.
    // (its letters looked up once a word: the tables of ordinals are long, and most words are
    // asked about more than once)
    std::array<bool, Tokens::MostWords> mayBeCut{};
    for (std::size_t i = 0; i < m_tokens.size(); ++i) {
        const Token &t = m_tokens[i];
        if (t.gloss || t.key.size() < 3 || is(i, Kind::Reference) || m_words[i].number ||
            m_words[i].numeral != 0 || (!t.dotted && m_words[i].word.kinds != 0))
            continue;
        mayBeCut[i] = m_words[i].cutCount > 0 || (t.dotted && m_words[i].beginsACount);
    }
    // (one refused below stays refused)
    const auto cutShort = [this, &mayBeCut](std::size_t i) {
        return mayBeCut[i] && !m_words[i].number && m_words[i].numeral == 0 &&
               m_words[i].unreadable != Unreadable::Anywhere;
    };
    const auto read = [this](std::size_t from, std::size_t to) {
        for (std::size_t i = from; i < to; ++i) {
            Word &w = m_words[i];
            // without the stop it may be cut or a word: a count no reading passes over, and
            // none takes (oct id Sept is the 6th or the 13th)
            if (!m_tokens[i].dotted) {
                w.unreadable = Unreadable::Anywhere;
                w.word.month = 0;
                continue;
            }
            if (const int value = m_words[i].cutCount) {
                w.word.ordinal = value;
                w.word.month = 0; // "oct." before "id." is octavo, never October
                w.number = w.mayBeNumber = true;
                w.word.kinds |= std::uint64_t{1} << static_cast<unsigned>(Kind::Number);
            } else {
                w.unreadable = Unreadable::Anywhere; // a count no cut names: never passed over
            }
        }
    };
    // Where a month's name may stand (Sept., Oct., Nov., Dec.) but before a named day, it is
    // the month's: "die XX Sept." is the 20th of September.
    const auto countCut = [&](std::size_t j) {
        return m_tokens[j].dotted && cutShort(j) && m_words[j].word.month == 0;
    };
    const std::size_t size = m_tokens.size();
    for (std::size_t i = 0; i < size; ++i) {
        // before another count, or the Sunday or the feria it counts: "terc. decimo die", "in
        // ter. dominica adventus"
        const bool counted =
            (m_words[i].word.ordinal > 0 && m_words[i].numeral == 0 && m_words[i].digits == 0) ||
            (is(i, Kind::Weekday) && m_words[i].word.weekday == 0) || is(i, Kind::Feria);
        if (counted && i >= 1 && !m_tokens[i].pause && countCut(i - 1))
            read(i - 1, i);
        // (a month's name there may be the count's first part: "die dec. quarta mensis
        // Decembris" is the 14th or the 4th; but the month of a named day before it is that
        // day's: "XV Kal. Oct. quarto anno")
        else if (counted && i >= 1 && !m_tokens[i].pause && m_tokens[i - 1].dotted &&
                 cutShort(i - 1) && !(i >= 2 && is(i - 2, Kind::Reference))) {
            m_words[i - 1].unreadable = Unreadable::Anywhere;
            m_words[i - 1].word.month = 0;
        }
        // after a year's tens, its units: "M°CC°XL° quint.", "sexagesimo quar."; any other
        // count cut short after a number may be its units or its tens (MCC sex. is 1206 or
        // 1260), and is refused. ("sec." before "cursum", "stilum" is secundum, according to.)
        if (i + 1 < size && !m_tokens[i + 1].pause && !m_tokens[i].gloss && countCut(i + 1) &&
            !(i + 2 < size && IsGovernedBySecundum(m_tokens[i + 2].key))) {
            const int value = m_words[i].numeral > 0 ? m_words[i].numeral : m_words[i].word.ordinal;
            const int unit = CutUnit(m_tokens[i + 1].key);
            if (value > 0 && value % 10 == 0 && value % 100 != 0 && unit > 0) {
                Word &w = m_words[i + 1];
                w.word.ordinal = static_cast<std::int16_t>(unit);
                w.number = w.mayBeNumber = true;
                w.word.kinds |= std::uint64_t{1} << static_cast<unsigned>(Kind::Number);
            } else if (value > 0) {
                m_words[i + 1].unreadable = Unreadable::Anywhere;
            }
        }
        // before a named day: "terc. non. Jun.", "dec. oct. kal. Sept."; but a month after its
        // own named day is that month's ("Id. Dec. Kal. Ian." has two dates)
        if (is(i, Kind::Reference)) {
            // (and past a connective, as a count written out is read: "terc. autem non. Jun.";
            // past a word that no date puts there it may count the days, and is refused: "oct.
            // quidem id. Sept.", "oct. nostri id.")
            const bool apart = i >= 2 && !m_tokens[i].pause && !m_tokens[i - 1].pause &&
                               m_tokens[i - 2].dotted && cutShort(i - 2);
            const auto besideADate = [this, &cutShort](std::size_t j) {
                for (const Kind kind :
                     {Kind::Connective, Kind::Die, Kind::Diem, Kind::In, Kind::A, Kind::D, Kind::AD,
                      Kind::Ante, Kind::Bis, Kind::Pridie, Kind::Postridie, Kind::Reference})
                    if (is(j, kind))
                        return true;
                return m_words[j].mayBeNumber || m_words[j].numeral != 0 ||
                       m_words[j].word.month != 0 || cutShort(j); // (tert. deci. kal.)
            };
            if (apart && !besideADate(i - 1))
                m_words[i - 2].unreadable = Unreadable::Anywhere;
            const std::size_t last = apart && is(i - 1, Kind::Connective) ? i - 1 : i;
            std::size_t from = last;
            while (from >= 1 && !m_tokens[from].pause && cutShort(from - 1) &&
                   !(from >= 2 && !m_tokens[from - 1].pause && is(from - 2, Kind::Reference)))
                --from;
            read(from, last);
            // and one before them past a comma ("terc., non. Jun.", "dec., oct. kal. Sept."):
            // it may count their days, and is never passed over
            // (but the month of a named day before it is that day's: "Id. Dec., Kal. Ian.")
            if (from >= 1 && m_tokens[from].pause && cutShort(from - 1) &&
                !(from >= 2 && !m_tokens[from - 1].pause && is(from - 2, Kind::Reference)))
                m_words[from - 1].unreadable = Unreadable::Anywhere;
        }
        // after "die", before its month: "die terc. mensis Maii", "die oct. Maii"
        if (is(i, Kind::Die)) {
            std::size_t to = i + 1;
            while (to < size && !m_tokens[to].pause && cutShort(to))
                ++to;
            const bool month = to < size && !m_tokens[to].pause &&
                               (is(to, Kind::Mensis) || m_words[to].word.month != 0);
            if (to > i + 1 && month)
                read(i + 1, to);
            // "die non. mensis Maii" may be the ninth or the Nones: both are read, and disagree
            if (to == i + 1 && to + 1 < size && m_tokens[to].key == "non" && m_tokens[to].dotted &&
                !m_tokens[to].pause && !m_tokens[to + 1].pause &&
                (is(to + 1, Kind::Mensis) || m_words[to + 1].word.month != 0)) {
                m_words[to].word.ordinal = 9;
                m_words[to].number = m_words[to].mayBeNumber = true;
                m_words[to].word.kinds |= std::uint64_t{1} << static_cast<unsigned>(Kind::Number);
            }
        }
    }
}

} // namespace tempidex
