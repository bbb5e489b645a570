// The words of a line read beside one another, once each is classified alone (word_alone.cpp):
// a thousand in small letters, the colon of an abbreviation, "non" that is no Nones, an
// ordinal's mark run on to the next numeral, a number split in two, the eras spelt in letters.
// (The words no table knows, read where a number may stand: unknown_words.cpp.)
#include "words.h"

#include "word_memo.h"

#include "misread_numbers.h"
#include "month_names.h"
#include "numbers.h"
#include "unknown_numbers.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace tempidex {
namespace {

// The value of numerals each closed by its ordinal mark written as an "o", run together: "loiiij"
// (l.º iiij) is 54, "xxoiio" 22; 0 where a part is no numeral, or the parts are out of order.
int MarkedRunsValue(std::string_view letters) {
    std::array<char, 24> numeral{};
    std::size_t used = 0;
    int sum = 0;
    for (std::size_t from = 0; from < letters.size();) {
        const std::size_t mark = std::min(letters.find('o', from), letters.size());
        const std::string_view run = letters.substr(from, mark - from);
        const int value = RomanValue(run);
        if (value == 0 || used + run.size() > numeral.size())
            return 0;
        std::copy(run.begin(), run.end(), numeral.begin() + static_cast<std::ptrdiff_t>(used));
        used += run.size();
        sum += value;
        from = mark + 1;
    }
    // (the parts in order, as one numeral: "ioxx" is no number)
    const int whole = RomanValue({numeral.data(), used});
    return whole == sum ? whole : 0;
}

} // namespace

Words::Words(std::string_view line, std::pmr::memory_resource *memory, WordMemo *memo)
    : m_tokens(line, memory)
    , m_words(m_tokens.size(), memory) {
    for (std::size_t i = 0; i < m_tokens.size(); ++i) {
        if (memo != nullptr)
            m_words[i] = memo->classOf(m_tokens[i]);
        else
            m_words[i] = Classify(m_tokens[i]);
        // July's and August's names before Caesar and Augustus, cut short in small letters,
        // are months only after a named day (Kal. quint.): "decimo quint. die Februarii" is
        // quinto, "MCCCXXX quint." the year's units
        const Token &t = m_tokens[i];
        if ((t.key.starts_with("quin") || t.key.starts_with("sext")) && !t.capital &&
            !m_words[i].word.wholeMonth && !(i >= 1 && is(i - 1, Kind::Reference)))
            m_words[i].word.month = 0;
    }
    // "Decembris 19. Iulius Pogianus": a month's name in the nominative with a capital, before
    // another name, is a man's (Iulius, Martius, Augustus), as a letter's signature writes it;
    // a date names its month in the genitive or the ablative
    for (std::size_t i = 0; i + 1 < m_tokens.size(); ++i)
        if (m_words[i].word.month != 0 && m_tokens[i].capital && !m_tokens[i].capitals &&
            m_tokens[i].key.ends_with("us") && nameLike(i + 1) && !m_tokens[i + 1].pause)
            m_words[i].word.month = 0;
    readSecundum();
    readCutCounts();
    // "sexagesimo nouo", "nouo kalendas", "kalendas nouembris nouo": nono with its n a scan read
    // as u, beside a number or a named day; the new style only after its noun (stilo novo).
    // Never passed over.
    for (std::size_t i = 0; i < m_tokens.size(); ++i)
        if (m_tokens[i].key == "nouo" && !(i >= 1 && is(i - 1, Kind::Calendar)) &&
            ((i >= 1 && !m_tokens[i].pause && m_words[i - 1].mayBeNumber) ||
             (i >= 2 && !m_tokens[i].pause && m_words[i - 1].word.month != 0 &&
              is(i - 2, Kind::Reference)) ||
             (i + 1 < m_tokens.size() && !m_tokens[i + 1].pause && is(i + 1, Kind::Reference))))
            m_words[i].unreadable = Unreadable::Anywhere;
    std::array<bool, Tokens::MostWords> alone{}; // a word no table knows, no number beside it
    bool misspeltRead = false;                   // a word no table knows read as a number
    for (std::size_t i = 0; i < m_tokens.size(); ++i) {
        if (is(i, Kind::EraStart))
            readEra(i);
        const bool wasNumber = m_words[i].number;
        alone[i] = readOrdinalNoTableKnows(i);
        misspeltRead = misspeltRead || (!wasNumber && m_words[i].number);
        const std::string_view text = m_tokens[i].text;
        // "MCCCCLXXX m. v.": more veneto cut short after a year, the Venetian style, never
        // a second year in small letters (but before a named day the v counts its days)
        const bool moreVeneto =
            text == "m" && !m_tokens[i].capital && m_tokens[i].dotted && i >= 1 &&
            !m_tokens[i].pause && (m_words[i - 1].mayBeNumber || m_words[i - 1].numeral > 0) &&
            i + 1 < m_tokens.size() && m_tokens[i + 1].key == "u" && m_tokens[i + 1].dotted &&
            !m_tokens[i + 1].capital && !m_tokens[i + 1].pause &&
            !(i + 2 < m_tokens.size() && !m_tokens[i + 2].pause &&
              (m_words[i + 2].numeral > 0 || is(i + 2, Kind::Reference)));
        if (moreVeneto) {
            m_words[i].word.kinds |= std::uint64_t{1} << static_cast<unsigned>(Kind::Style);
            m_words[i].word.style = static_cast<std::int8_t>(YearStyle::Venetian);
        }
        // "d. VIII m. Septembris": "d." before a count is "die", where it follows no "a." (a. d.
        // VIII Kal.) and no number (XLIV d. C., and an epitaph's "annos XXV d. XV", days of
        // a life)
        if (text == "d" && m_tokens[i].dotted && !m_tokens[i].capital &&
            !(i >= 1 && !m_tokens[i].pause &&
              (is(i - 1, Kind::A) || m_words[i - 1].mayBeNumber || m_words[i - 1].numeral > 0)) &&
            i + 1 < m_tokens.size() && !m_tokens[i + 1].pause && m_words[i + 1].mayBeNumber)
            m_words[i].word.kinds |= std::uint64_t{1} << static_cast<unsigned>(Kind::Die);
        // "viij di Marcij", "primo di Marcii": "die" as the English chancery cut it, between a
        // count and a month; and "anno d. 1557", "Anno di. 1585": after "anno", "domini"
        if (text == "di" && !m_tokens[i].capital && i >= 1 && !m_tokens[i].pause &&
            m_words[i - 1].mayBeNumber && i + 1 < m_tokens.size() && !m_tokens[i + 1].pause &&
            m_words[i + 1].word.month != 0)
            m_words[i].word.kinds |= std::uint64_t{1} << static_cast<unsigned>(Kind::Die);
        // "A° 1586", "A° 84": "anno" cut to its first letter and the mark of its ending
        if (text == "a" && m_tokens[i].marked && i + 1 < m_tokens.size() &&
            !m_tokens[i + 1].pause && m_words[i + 1].mayBeNumber)
            m_words[i].word.kinds = std::uint64_t{1} << static_cast<unsigned>(Kind::Anno);
        // (before a year in digits or of a thousand: "anno d. VIII m. Septembris" may count a
        // day, and "Anno D. CCCC. LXXX." is 980, its D five hundred)
        if ((text == "d" || text == "di") && m_tokens[i].dotted && i >= 1 && !m_tokens[i].pause &&
            is(i - 1, Kind::Anno) && i + 1 < m_tokens.size() && !m_tokens[i + 1].pause &&
            (m_words[i + 1].digits >= 100 || m_words[i + 1].numeral >= 1000 ||
             m_tokens[i + 1].key.starts_with("mill"))) {
            m_words[i].word.kinds = std::uint64_t{1} << static_cast<unsigned>(Kind::Formula);
            m_words[i].word.formula = YearCount::Christian;
        }
        // "m. d. x.": a year in small letters, each a word. A numeral letter alone begins no
        // number, but "m" before another numeral is the thousand, and the letters after it
        // are the year's, to be read with it.
        // (and before a numeral garbled, which must be read with it: "m cca", the hundreds of
        // "m ccc" misread, is no M)
        if (text == "m" && !moreVeneto && !m_tokens[i].capital && i + 1 < m_tokens.size() &&
            !m_tokens[i + 1].pause && !m_tokens[i + 1].gloss &&
            (m_words[i + 1].numeral > 0 || m_words[i + 1].unreadable != Unreadable::No))
            for (std::size_t j = i; j < m_tokens.size() && (j == i || !m_tokens[j].pause) &&
                                    !m_tokens[j].gloss && m_words[j].numeral > 0;
                 ++j) {
                m_words[j].number = m_words[j].mayBeNumber = true;
                m_words[j].word.kinds |= std::uint64_t{1} << static_cast<unsigned>(Kind::Number);
            }
        // "x iulii 1453", "x. die Aprilis": a numeral of one small letter before a month's name
        // written out counts its day, as "xi iulii" does, and so before "die" and its month (a
        // letter alone elsewhere begins no number)
        const auto wholeMonth = [&](std::size_t j) {
            return j < m_tokens.size() && !m_tokens[j].pause && m_words[j].word.month != 0 &&
                   m_words[j].word.wholeMonth;
        };
        const bool dieBefore =
            i + 1 < m_tokens.size() && !m_tokens[i + 1].pause && m_tokens[i + 1].key == "die" &&
            (wholeMonth(i + 2) || (i + 2 < m_tokens.size() && m_tokens[i + 2].key == "mensis" &&
                                   !m_tokens[i + 2].pause && wholeMonth(i + 3)));
        if (text.size() == 1 && !m_tokens[i].capital && !m_tokens[i].gloss &&
            m_words[i].numeral > 0 && m_words[i].numeral <= 10 &&
            (wholeMonth(i + 1) || dieBefore)) {
            m_words[i].number = m_words[i].mayBeNumber = true;
            m_words[i].word.kinds |= std::uint64_t{1} << static_cast<unsigned>(Kind::Number);
        }
        // "Kal: Maij": a colon right after a named day marks its abbreviation, as a full stop
        // does, when its month follows
        if (is(i, Kind::Reference) && i + 1 < m_tokens.size() && m_tokens[i + 1].pause &&
            m_tokens[i].written.data()[m_tokens[i].written.size()] == ':' &&
            (m_words[i + 1].word.month != 0 || MonthNear(m_tokens[i + 1].key) != 0))
            m_tokens.join(i + 1);
        // and after a count before its named day: "x: Kal: Novembris"
        if (i + 1 < m_tokens.size() && m_tokens[i + 1].pause && !m_tokens[i].gloss &&
            (m_words[i].numeral > 0 || m_words[i].word.ordinal > 0) &&
            m_tokens[i].written.data()[m_tokens[i].written.size()] == ':' &&
            is(i + 1, Kind::Reference))
            m_tokens.join(i + 1);
        // "Mo. Ccco. Viiio.", a year in title case: a name's shape that a numeral of units and
        // an "o" make (Ivo, Vio) right after a year's numeral may be its units, or a man named
        // after the year; it is never passed over, and the line is read neither way
        const Token &t = m_tokens[i];
        if (i >= 1 && !t.pause && t.capital && !t.capitals && !t.innerCapital && !t.marked &&
            m_words[i].numeral == 0 && t.text.size() >= 3 && t.text.ends_with('o') &&
            HasNumeralLettersOnly(t.text.substr(0, t.text.size() - 1)) &&
            MarkedRomanValue(t.text) > 0 && MarkedRomanValue(t.text) < 10 &&
            (m_words[i - 1].numeral > 0 || m_words[i - 1].mayBeNumber))
            m_words[i].unreadable = Unreadable::Anywhere;
        // "non" with no full stop, no count or pridie before it and no month after it is the
        // word "not": "principes eius non dimiserunt". The Nones are "non. Mai." or "III non
        // Maii".
        if (text == "non" && !m_tokens[i].dotted && !m_tokens[i].capital &&
            !(i >= 1 && (m_words[i - 1].mayBeNumber || m_words[i - 1].numeral > 0 ||
                         is(i - 1, Kind::Pridie) || is(i - 1, Kind::Postridie))) &&
            !(i + 1 < m_tokens.size() &&
              (m_words[i + 1].word.month != 0 || MonthNear(m_tokens[i + 1].key) != 0)))
            m_words[i].word.kinds &= ~(std::uint64_t{1} << static_cast<unsigned>(Kind::Reference));
        // "m. o ccc. oxxx. o": the ordinal mark of the numeral before, run on to the next
        // numeral, which is read as its own: the year is MCCCXXX, never MCCC.
        // So too "occcmo" (the mark, and CCC with its own) and "onono" (the mark, and nono).
        // A numeral with a mark of its own has none to run on: "mº ocº" is a C misread.
        const auto unmarked = [&] {
            return i >= 1 &&
                   (ordinalOf(i - 1) >= 1000 || (numeralOf(i - 1) > 0 && !m_tokens[i - 1].marked &&
                                                 !m_tokens[i - 1].text.ends_with('o')));
        };
        // So too "oloiiij": the marks of CCC and of L run on with the units, MCCCLIIII.
        // (Not in a name with an "o" at both ends: "millesimo. Odo cancellarius" is no D°;
        // "Mccc. Olx" is MCCCLX.)
        const bool name = m_tokens[i].capital && !m_tokens[i].capitals && text.back() == 'o';
        if (text.size() >= 2 && text[0] == 'o' && !name && unmarked()) {
            // (the numeral's letters as written, V and all; the ordinal as the tables key it)
            const std::string_view rest = text.substr(1);
            // (the parts run on right before a named day: the last may be its count, "oloiij
            // kal. Maii" 1353 or III Kal. Mai. 1350, and the word is read neither way)
            const int whole = std::max(RomanValue(rest), MarkedRomanValue(rest));
            const bool runsBeforeADay = whole == 0 && i + 1 < m_tokens.size() &&
                                        !m_tokens[i + 1].pause && is(i + 1, Kind::Reference);
            const int value = runsBeforeADay ? 0 : std::max(whole, MarkedRunsValue(rest));
            const int ordinal = value > 0 ? 0 : ClassOf(m_tokens[i].key.substr(1)).ordinal;
            m_words[i].numeral = value > 0 ? value : m_words[i].numeral;
            m_words[i].word.ordinal =
                ordinal > 0 ? static_cast<std::int16_t>(ordinal) : m_words[i].word.ordinal;
            if (value > 0 || ordinal > 0) {
                m_words[i].number = m_words[i].mayBeNumber = true;
                m_words[i].word.kinds |= std::uint64_t{1} << static_cast<unsigned>(Kind::Number);
            } else if (std::all_of(rest.begin(), rest.end(), [](char c) {
                           return c == 'o' || HasNumeralLettersOnly(std::string_view(&c, 1));
                       })) {
                m_words[i].unreadable = Unreadable::Anywhere; // marks and numerals garbled
            }
        }
        // "secundum cursum Romane curie", "secundum stilum", "secundum consuetudinem": according
        // to, never the second year
        if (text == "secundum" && i + 1 < m_tokens.size() && !m_tokens[i + 1].pause &&
            IsGovernedBySecundum(m_tokens[i + 1].key)) {
            m_words[i].word.ordinal = 0;
            m_words[i].number = m_words[i].mayBeNumber = false;
            m_words[i].word.kinds &= ~(std::uint64_t{1} << static_cast<unsigned>(Kind::Number));
        }
        // ".x.ma", "ccc.mo": an ordinal's ending after a numeral and its full stop, with no
        // space, is the numeral's, not a thousand
        if (i >= 1 && m_tokens[i - 1].dotted && (numeralOf(i - 1) > 0 || ordinalOf(i - 1) > 0) &&
            (text == "ma" || text == "mo" || text == "us" || text == "um") &&
            m_tokens[i - 1].written.data() + m_tokens[i - 1].written.size() + 1 ==
                m_tokens[i].written.data()) {
            m_words[i].numeral = 0;
            m_words[i].number = m_words[i].mayBeNumber = false;
            m_words[i].word.kinds &= ~(std::uint64_t{1} << static_cast<unsigned>(Kind::Number));
        }
    }
    // A misspelt count before another (quito decibo kalendas): the second is known a number
    // only once read, from the end back.
    for (std::size_t i = m_tokens.size(); misspeltRead && i-- > 0;)
        if (alone[i])
            readOrdinalNoTableKnows(i);
    // A word a scan or a copyist split in two (p rimo, n ono, Terc io, se cundo, pri die, ult imo,
    // oc tuagesimoprimo): read
    // as two words, a count, a year's last part or pridie would be lost; the parts no table
    // knows are numbers run on, to be accounted for.
    for (std::size_t i = 0; i + 1 < m_tokens.size(); ++i)
        if (splitFromADateWord(i)) {
            for (const std::size_t part : {i, i + 1})
                if (m_words[part].word.kinds == 0 && m_words[part].word.month == 0 &&
                    !m_words[part].mayBeNumber)
                    m_words[part].runOn = true;
        }
}

void Words::readEra(std::size_t begin) {
    // The words' letters run on while some era's spelling goes on with them; the spelling of the
    // most words is the era: "a u c" before "a".
    std::array<char, 24> letters{};
    std::size_t used = 0;
    for (std::size_t i = begin; i < m_tokens.size() && i < begin + 4; ++i) {
        const std::string_view text = m_tokens[i].text;
        if (m_tokens[i].gloss || (i > begin && m_tokens[i].pause) ||
            used + text.size() > letters.size())
            return;
        std::copy(text.begin(), text.end(), letters.begin() + static_cast<std::ptrdiff_t>(used));
        used += text.size();
        const EraLetters read = EraLettersOf({letters.data(), used});
        // "ac" and "ad" are also words (and, to): an era only in capitals or in letters. "dc"
        // written as one word right after a numeral goes on with it: "m.dc.", "Mº DCº" are
        // MDC, no year 1000 "dopo Cristo".
        const bool word = i == begin && (text == "ac" || text == "ad");
        const bool numeralGoesOn = i == begin && text == "dc" && begin >= 1 &&
                                   !m_tokens[begin].pause && m_words[begin - 1].numeral > 0 &&
                                   m_words[begin - 1].digits == 0;
        if (read.whole && (!word || m_tokens[begin].capitals) && !numeralGoesOn) {
            m_words[begin].era = read.era;
            m_words[begin].eraEnd = static_cast<std::uint8_t>(i + 1);
        }
        if (!read.begins)
            return;
    }
}

// "MCCCX secundum Romanam curiam", "secundum consuetudinem": "secundum" before its noun is
// "according to", never the year's units (secundo); but scribes end a year so too, "mmo
// ccccmo xl secundum", 1442: after a number, before any other word, it is neither read nor
// passed over. (An editor's mark after it is skipped: "ante diem secundum (!) idus".)
void Words::readSecundum() {
    for (std::size_t i = 0; i + 1 < m_tokens.size(); ++i) {
        if (m_tokens[i].key != "secundum" || m_tokens[i + 1].pause)
            continue;
        std::size_t next = i + 1;
        while (next + 1 < m_tokens.size() && m_tokens[next].gloss)
            ++next;
        if (m_tokens[next].gloss || m_words[next].mayBeNumber || m_words[next].numeral != 0 ||
            m_words[next].word.is(Kind::Reference))
            continue;
        constexpr auto nouns = std::to_array<std::string_view>(
            {"anglic",  "calcul",    "calendar", "comput", "consuetudin", "curi",  "curs",
             "ecclesi", "florentin", "form",     "gallic", "mor",         "pisan", "roman",
             "senens",  "stil",      "styl",     "tenor",  "usum",        "uenet"});
        // (in the accusative, as "secundum" takes it: "secundum Romano imperio vacante", "MCCCC
        // secundum more Florentino" may be the scribe's secundo)
        const std::string_view key = m_tokens[next].key;
        const bool accusative =
            !key.ends_with("orum") && !key.ends_with("arum") &&
            (key.ends_with("am") || key.ends_with("um") || key.ends_with("em") ||
             key.ends_with("os") || key.ends_with("as") || key.ends_with("es"));
        if (accusative && std::any_of(nouns.begin(), nouns.end(), [key](std::string_view noun) {
                return key.starts_with(noun);
            })) {
            m_words[i].word.ordinal = 0;
            m_words[i].number = m_words[i].mayBeNumber = false;
        } else if (i >= 1 && !m_tokens[i].pause &&
                   (m_words[i - 1].mayBeNumber || m_words[i - 1].numeral != 0)) {
            m_words[i].word.ordinal = 0;
            m_words[i].number = m_words[i].mayBeNumber = false;
            m_words[i].unreadable = Unreadable::Anywhere;
        }
    }
}

} // namespace tempidex
