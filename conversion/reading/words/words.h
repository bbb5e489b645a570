// The words of a line, each split and folded once (tokens.h) and classified once: which
// keywords it is, the month it names (word_table.h), the value it has as a numeral, in digits
// or as an ordinal (numbers.h, unknown_numbers.h). The grammar's rules (rules.h) read the line
// through this and nothing else.
#pragma once

#include "eras.h"
#include "keywords.h"
#include "tokens.h"
#include "word_table.h"

#include <cstdint>
#include <memory_resource>
#include <optional>
#include <string_view>
#include <vector>

namespace tempidex {

class WordMemo;

class Words {
public:
    // `memo`: the words of lines read before, where the caller keeps them (word_memo.h).
    Words(std::string_view line, std::pmr::memory_resource *memory, WordMemo *memo = nullptr);

    bool tooMany() const { return m_tokens.tooMany(); }
    bool sic() const { return m_tokens.sic(); } // the editor's [sic] or (!)
    std::size_t size() const { return m_tokens.size(); }
    const Token &operator[](std::size_t i) const { return m_tokens[i]; }
    const WordClass &classOf(std::size_t i) const { return m_words[i].word; }
    // Whether word i is there, is no editor's gloss, and is that keyword.
    bool is(std::size_t i, Kind kind) const {
        return i < size() && !m_tokens[i].gloss && m_words[i].word.is(kind);
    }
    int monthOf(std::size_t i) const {
        return i < size() && !m_tokens[i].gloss ? m_words[i].word.month : 0;
    }
    int ordinalOf(std::size_t i) const {
        return i < size() && !m_tokens[i].gloss ? m_words[i].word.ordinal : 0;
    }
    // A numeral's value: XIX, xiio, MCCC (with its ordinal mark, M°); digits: 1524. 0 for none.
    int numeralOf(std::size_t i) const { return i < size() ? m_words[i].numeral : 0; }
    int digitsOf(std::size_t i) const { return i < size() ? m_words[i].digits : 0; }
    // Whether a comma, a semicolon or a colon stands before word i: a phrase does not go on
    // past it.
    bool parted(std::size_t i) const { return i < size() && m_tokens[i].pause; }
    // Words `from` to `to` (not included) as the line writes them.
    std::string_view written(std::size_t from, std::size_t to) const {
        return m_tokens.written(from, to);
    }
    // What the line writes between word i and the next: spaces, stops, strokes, marks. Nothing
    // after the last.
    std::string_view marksAfter(std::size_t i) const {
        if (i + 1 >= size())
            return {};
        const std::string_view word = m_tokens[i].written, next = m_tokens[i + 1].written;
        const char *const end = word.data() + word.size();
        return {end, static_cast<std::size_t>(next.data() - end)};
    }
    // Whether the word is surely a number, one the clause must account for: digits, a numeral
    // in capitals or of two letters and more, an ordinal, a numeral marked as one (M°).
    bool isNumber(std::size_t i) const { return i < size() && m_words[i].number; }
    // Whether it may be any number at all: a number, a numeral in lower case, an ordinal.
    bool mayBeNumber(std::size_t i) const { return i < size() && m_words[i].mayBeNumber; }
    // Whether it is written as a name or a place is: a capital, and no keyword or month.
    bool nameLike(std::size_t i) const {
        return i < size() && m_tokens[i].capital && m_words[i].word.kinds == 0 && monthOf(i) == 0;
    }
    // Whether it is a word no table knows: no keyword, month or number; a name, a place, a verb.
    bool plain(std::size_t i) const {
        return i < size() && m_words[i].word.kinds == 0 && monthOf(i) == 0 &&
               !m_words[i].mayBeNumber && m_words[i].numeral == 0;
    }
    // Whether a feast's name, or the words before one, may begin with it (feast_names.h): no
    // only where a batch's table of words worked it out.
    bool mayBeginFeast(std::size_t i) const { return i < size() && m_words[i].feast; }
    // Whether it names things a sum or a number counts: florenos, libras, militibus, testes.
    bool countsThings(std::size_t i) const { return i < size() && m_words[i].countsThings; }
    // Whether its letters begin a count cut short: sept, terc, dec (cut_counts.cpp).
    bool beginsACount(std::size_t i) const { return i < size() && m_words[i].beginsACount; }
    // Whether its ordinal was read from a word misspelt by a letter (octano, quatodecimo).
    bool misspeltOrdinal(std::size_t i) const { return i < size() && m_words[i].nearOrdinal; }
    // A numeral no rule reads, written with U for V or wrong (xuiii, xil): Anywhere where it
    // is surely no word, Beside where it must be read as a numeral must.
    enum class Unreadable : std::uint8_t { No, Beside, Anywhere };
    Unreadable unreadableNumeral(std::size_t i) const {
        return i < size() ? m_words[i].unreadable : Unreadable::No;
    }
    // A numeral with one letter of no numeral among its own, which left out leaves a numeral
    // (pxii, xxrii, FIII): a slip no rule reads.
    bool garbledNumeral(std::size_t i) const { return i < size() && m_words[i].garbled; }
    // A word with a number or a named day run on to it, the space lost (annomcccc, dominimccci,
    // MDXXIIIIRagusii, TragurioKal): never passed over as a name.
    bool runOn(std::size_t i) const { return i < size() && m_words[i].runOn; }
    // What a word no table knows may have run on to its end or its start, to be looked at
    // where its neighbours make it matter (misread_numbers.h): worked out once for the word.
    enum RunOnPart : std::uint8_t {
        CountAtEnd = 1,           // Lateraniiii, Capuaeiv, Perusiipridie
        FeminineOrdinalAtEnd = 2, // intercia
        OrdinalAtEnd = 4,         // Datatertio
        NumberAtStart = 8,        // sextopontificatus, ccclxxiidoindictione
        ViAtEnd = 16,             // Romevi, or a verb's perfect: notavi
        AnyRunOnPart = 31,
    };
    bool runOnPart(std::size_t i, RunOnPart part) const {
        return i < size() && (m_words[i].runOnParts & part) != 0;
    }
    // Every kind the word is, Kind::Number and Kind::Capital included: which rules it begins.
    std::uint64_t kindsOf(std::size_t i) const { return m_words[i].word.kinds; }
    // The era spelt by the words from word i (a. u. c., A.D., P. C. N.), the spelling of the
    // most words; nothing for none.
    std::optional<EraRead> eraAt(std::size_t i) const {
        return i < size() && m_words[i].eraEnd > 0
                   ? std::optional(EraRead{m_words[i].era, m_words[i].eraEnd})
                   : std::nullopt;
    }

private:
    friend class WordMemo;
    // What a word no table knows would be, where a number may stand: an ordinal run together
    // (septuagesimoprimo) or misspelt by a letter (octano), or a word written as an ordinal is
    // (cdxxtercio). It depends on the word alone: worked out once for a word a batch keeps
    // (word_memo.h), else where a number may stand.
    struct Unknown {
        bool read = false; // worked out
        std::int16_t ordinal = 0;
        bool near = false;         // the ordinal read from a misspelling
        bool looksLikeOne = false; // -esim-, -decim-
        bool endsAsOrdinal = false;
        bool nearOne = false; // a letter apart from an ordinal, its first letter included
    };
    static Unknown UnknownOf(std::string_view key);
    // What each word is, worked out once.
    struct Word {
        WordClass word;
        int numeral = 0;
        int digits = 0;
        bool number = false;
        bool mayBeNumber = false;
        bool nearOrdinal = false;
        Unreadable unreadable = Unreadable::No;
        bool garbled = false;
        bool runOn = false;
        std::uint8_t runOnParts = 0; // RunOnPart
        Era era = Era::Christian;
        std::uint8_t eraEnd = 0; // where the era that begins here ends; 0 for none
        Unknown unknown;
        // As a count cut short (terc., sept.): the one count its letters begin, and whether
        // they begin any (cut_counts.cpp)
        std::int8_t cutCount = 0;
        bool beginsACount = false;
        bool countsThings = false; // florenos, libras, testes
        // May begin a feast's name: worked out where words are kept (word_memo.h), since its
        // table costs a millisecond to build that only many lines repay; true elsewhere, and
        // the name is looked for.
        bool feast = true;
    };
    // What a word is by itself: all but its era and an ordinal read from its neighbours.
    static Word Classify(const Token &t);
    void readEra(std::size_t begin);
    // Counts cut short before a named day: "terc. non.", "dec. oct. kal."
    void readCutCounts();
    // "secundum" after a year: "according to" before its noun, else neither read nor passed over
    void readSecundum();
    // true where the word was left for want of a number beside it
    bool readOrdinalNoTableKnows(std::size_t i);
    // Whether words i and i + 1 are one word split in two, that names a count or a day.
    bool splitFromADateWord(std::size_t i) const;
    Tokens m_tokens;
    std::pmr::vector<Word> m_words;
};

} // namespace tempidex
