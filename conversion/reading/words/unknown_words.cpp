// The words of a line that no table knows, where a number may stand: two words a scan or a
// copyist split in two from an ordinal, pridie or a named day (p rimo, pri die, Terc io), and a
// word read as an ordinal misspelt or run together (octano, quatodecimo, septuagesimoprimo).
#include "words.h"

#include "misread_numbers.h"
#include "numbers.h"
#include "unknown_numbers.h"
#include "word_table.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace tempidex {
namespace {

// Whether a word of small letters may begin as a word split in two is looked for: an ordinal,
// alone or run together with others, pridie, postridie, a named day or the month's last. Two
// words side by side rarely begin so ("in domo", "Romae apud"), and their first two letters
// tell most of them apart before the two are joined and looked up. `key` as ClassOf's, of four
// letters and more, as two words joined are.
bool MayBeginADateWord(std::string_view key) {
    static const std::array<bool, 26 * 26> heads = [] {
        std::array<bool, 26 * 26> all{};
        const auto add = [&all](std::string_view word) {
            if (word.size() >= 2 && word[0] >= 'a' && word[0] <= 'z' && word[1] >= 'a' &&
                word[1] <= 'z')
                all[static_cast<std::size_t>((word[0] - 'a') * 26 + (word[1] - 'a'))] = true;
        };
        for (const Ordinal &o : Ordinals) { // the first part of ordinals run together
            if (o.stem.size() < 2)
                all.fill(true);
            add(AsKey(o.stem));
        }
        // (a shorter word, K or kl, is never two words joined)
        ForEachOrdinalForm([&add](const std::string &form, int) { add(form); });
        for (const Keyword &k : AllKeywords())
            if (k.kind == Kind::Pridie || k.kind == Kind::Postridie || k.kind == Kind::Reference ||
                k.kind == Kind::Last)
                add(AsKey(k.word));
        return all;
    }();
    return heads[static_cast<std::size_t>((key[0] - 'a') * 26 + (key[1] - 'a'))];
}

} // namespace

bool Words::splitFromADateWord(std::size_t i) const {
    const Token &a = m_tokens[i], &b = m_tokens[i + 1];
    const auto unknown = [this](std::size_t j) {
        return m_words[j].word.kinds == 0 && m_words[j].word.month == 0 &&
               !m_words[j].mayBeNumber && m_words[j].numeral == 0;
    };
    if (b.pause || a.gloss || b.gloss || a.dotted || a.marked || (!unknown(i) && !unknown(i + 1)) ||
        a.key.size() + b.key.size() > 16 || a.key.size() + b.key.size() < 4)
        return false;
    // (the letters alone: no digit, no mark, written side by side)
    const auto letters = [](std::string_view key) {
        return std::all_of(key.begin(), key.end(), [](char c) { return c >= 'a' && c <= 'z'; });
    };
    if (!letters(a.key) || !letters(b.key))
        return false;
    std::array<char, 16> joined{};
    std::copy(a.key.begin(), a.key.end(), joined.begin());
    std::copy(b.key.begin(), b.key.end(),
              joined.begin() + static_cast<std::ptrdiff_t>(a.key.size()));
    const std::string_view word(joined.data(), a.key.size() + b.key.size());
    if (!MayBeginADateWord(word))
        return false;
    const WordClass whole = ClassOf(word);
    return whole.ordinal > 0 || whole.is(Kind::Pridie) || whole.is(Kind::Postridie) ||
           whole.is(Kind::Reference) || whole.is(Kind::Last) || OrdinalsRunTogether(word) > 0;
}

// A word no table knows, where a number may stand (beside another number, or a named day) or
// that looks like part of one (-esim-, -decim-): a number in words run together
// (septuagesimoprimo), or an ordinal misspelt by a letter (octano, quatodecimo). Either is a
// number to account for.
bool Words::readOrdinalNoTableKnows(std::size_t i) {
    Word &w = m_words[i];
    const Token &t = m_tokens[i];
    // (a count cut short that names no one count is refused, not read as a misspelling: MCC
    // nonag. is no nono)
    // (nor "septimane", the week: feria tercia maioris septimane)
    if (w.word.kinds != 0 || w.word.month != 0 || t.gloss || t.key.size() < 4 || w.digits > 0 ||
        w.unreadable == Unreadable::Anywhere || t.key.starts_with("septiman"))
        return false;
    const auto numberAt = [this](std::size_t j) {
        return j < size() && !m_tokens[j].gloss &&
               (m_words[j].mayBeNumber || is(j, Kind::Reference) || m_words[j].numeral > 0 ||
                is(j, Kind::Thousand)); // millº, the thousand cut short
    };
    // the words a number follows: anno qninto, indictione tercia; the ordinal mark of the number
    // before, written as a word (ccc. o nono); a named day and its month, where the count
    // follows them (kalendas nouembris nono)
    const auto before = [&](std::size_t j) {
        return is(j, Kind::Anno) || is(j, Kind::Indiction) || is(j, Kind::Feria) ||
               is(j, Kind::Hour) || is(j, Kind::Reign) || is(j, Kind::Die) ||
               (j >= 1 && m_tokens[j].text == "o" && !m_tokens[j].pause && numberAt(j - 1)) ||
               (j >= 1 && monthOf(j) != 0 && !m_tokens[j].pause && is(j - 1, Kind::Reference));
    };
    // (and before a Sunday or a feria they count: in tercia dominica adventus)
    const bool between = (i >= 1 && !t.pause && (numberAt(i - 1) || before(i - 1))) ||
                         (i + 1 < size() && !m_tokens[i + 1].pause &&
                          (numberAt(i + 1) || is(i + 1, Kind::Weekday) || is(i + 1, Kind::Feria)));
    const bool looksLikeOne = w.unknown.read ? w.unknown.looksLikeOne : LooksLikeAnOrdinal(t.key);
    // An ordinal alone before a comma counts the named day after it (tertio, nonas): a word in
    // small letters there, a letter apart from one and ending as an ordinal does, may be its
    // count misspelt (teraio, nonas), and is never passed over; nor is it read as the count.
    // (testium, Sixti, secondum, quare are words and names there.)
    const bool beforeADay = !between && i + 1 < size() && m_tokens[i + 1].pause &&
                            is(i + 1, Kind::Reference) && !t.capital &&
                            std::string_view("aeiou").find(t.key.back()) != std::string_view::npos;
    if (!between && !looksLikeOne && !beforeADay)
        return true;
    const Unknown unknown = w.unknown.read ? w.unknown : UnknownOf(t.key);
    if (!between && !looksLikeOne) {
        w.number = unknown.nearOne || unknown.ordinal > 0 || unknown.endsAsOrdinal;
        return false;
    }
    w.nearOrdinal = unknown.near;
    w.word.ordinal = unknown.ordinal;
    if (unknown.ordinal > 0) {
        w.number = true;
        w.mayBeNumber = true;
        w.word.kinds |= std::uint64_t{1} << static_cast<unsigned>(Kind::Number);
        return false;
    }
    // Written as an ordinal is (uicesimoni, cdxxtercio, onono), or a letter apart from one
    // beside a number (Mº CCº XLº decundo, hexto Idus): a number no rule can read, never
    // skipped for the date without it.
    // So too a word beside a number that begins as an ordinal does and ends in its -o
    // (nonagimo, quadragmo): the rest of the year, or a count, that no rule can read.
    const bool beginsAsOne = t.key.size() >= 5 && t.key.back() == 'o' && MayBeginAsAnOrdinal(t.key);
    if (((looksLikeOne || unknown.nearOne || beginsAsOne) && between) || unknown.endsAsOrdinal)
        w.number = true;
    // (worked out only here, beside a number, and for words no longer than scribes' numbers
    // run together: it tries every letter of the word, and a long numeral costs the most)
    else if (between && t.key.size() >= 8 && t.key.size() <= 24 &&
             (MayBeginAsAnOrdinal(t.key) ||
              (HasNumeralLettersOnly(t.text.substr(0, 2)) && t.key.size() <= 12)) &&
             IsGarbledRunTogether(t.key, t.text))
        w.number = true;
    return false;
}

} // namespace tempidex
