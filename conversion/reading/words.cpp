#include "words.h"

#include "word_memo.h"

#include "letters_apart.h"
#include "month_names.h"
#include "number_phrases.h"
#include "numbers.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace tempidex {
namespace {

std::string AsKey(std::string_view word) {
    std::string key(word);
    for (char &c : key)
        c = c == 'v' ? 'u' : c;
    return key;
}

// The words of the tables, each with all it can be, in a table of twice as many slots found by
// a hash of the word's letters: most words are looked up in one slot, and a word that is none
// of them in one or two. `Value`: what a word is (WordClass), or what letters spell (an era's).
template <typename Value> class WordIndex {
public:
    explicit WordIndex(const std::map<std::string, Value> &words) {
        std::size_t size = 64;
        while (size < 2 * words.size())
            size *= 2;
        m_slots.resize(size);
        for (const auto &[key, word] : words) {
            const std::uint32_t hash = HashOf(key);
            std::size_t at = hash & (size - 1);
            while (m_slots[at].used)
                at = (at + 1) & (size - 1);
            m_slots[at] = {key, word, hash, true};
        }
    }

    Value find(std::string_view key) const {
        const std::size_t mask = m_slots.size() - 1;
        const std::uint32_t hash = HashOf(key);
        for (std::size_t at = hash & mask; m_slots[at].used; at = (at + 1) & mask)
            if (m_slots[at].hash == hash && m_slots[at].key == key)
                return m_slots[at].word;
        return {};
    }

private:
    // FNV-1a, over the word's bytes.
    static std::uint32_t HashOf(std::string_view key) {
        std::uint32_t hash = 2166136261u;
        for (const char c : key)
            hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
        return hash;
    }

    struct Slot {
        std::string key;
        Value word;
        std::uint32_t hash = 0; // compared first: most words are in no table
        bool used = false;
    };
    std::vector<Slot> m_slots;
};

// The cardinals, which no rule reads: beside a year ("mille duo") they are part of it, so a
// line with one is refused rather than read without it.
constexpr auto Cardinals = std::to_array<std::string_view>(
    {"duo",          "duobus",    "duorum",       "tres",      "tribus",    "quattuor",
     "quatuor",      "quinque",   "sex",          "septem",    "octo",      "nouem",
     "decem",        "undecim",   "duodecim",     "uiginti",   "triginta",  "quadraginta",
     "quinquaginta", "sexaginta", "septuaginta",  "octoginta", "nonaginta", "centum",
     "ducenti",      "trecenti",  "quadringenti", "quingenti"});

// Calls `add(form, value)` with every ordinal as read (V as U): each stem with each ending, and
// a unit and a ten run together in one word as charters write them (septimodecimo,
// decimoseptimo, vicesimoprimo).
template <typename Add> void ForEachOrdinalForm(Add &&add) {
    for (const Ordinal &o : Ordinals)
        for (const std::string_view ending : OrdinalEndings)
            add(AsKey(std::string(o.stem) + std::string(ending)), o.value);
    for (const Ordinal &unit : Ordinals) {
        if (unit.value > 9)
            continue;
        for (const Ordinal &ten : Ordinals) {
            const bool teen = ten.value == 10 && unit.value >= 3;
            if (!teen && ten.value != 20 && !(ten.value == 30 && unit.value == 1))
                continue;
            for (const std::string_view e : OrdinalEndings) {
                const std::string u = std::string(unit.stem) + std::string(e),
                                  t = std::string(ten.stem) + std::string(e);
                add(AsKey(t + u), ten.value + unit.value);
                if (teen)
                    add(AsKey(u + t), ten.value + unit.value);
            }
        }
    }
}

// Every word the tables above name, with all it can be, gathered once: the keywords, the forms
// of the months, and the ordinals with their endings, alone and run together in one word as
// charters write them (septimodecimo, decimoseptimo, vicesimoprimo).
WordIndex<WordClass> BuildIndex() {
    std::map<std::string, WordClass> index;
    for (const Keyword &k : AllKeywords()) {
        WordClass &c = index[AsKey(k.word)];
        c.kinds |= std::uint64_t{1} << static_cast<unsigned>(k.kind);
        if (k.kind == Kind::Reference)
            c.reference = k.value;
        if (k.kind == Kind::Weekday || k.kind == Kind::DayName)
            c.weekday = k.value;
        if (k.kind == Kind::Formula && k.value != 0)
            c.formula = static_cast<YearCount>(k.value);
    }
    for (const std::string_view cardinal : Cardinals)
        index[std::string(cardinal)].cardinal = true;
    for (const std::string_view beginning : EraBeginnings())
        index[std::string(beginning)].kinds |= std::uint64_t{1}
                                               << static_cast<unsigned>(Kind::EraStart);
    ForEachMonthForm([&index](const std::string &form, int month, bool whole) {
        WordClass &c = index[form];
        c.month = static_cast<std::int8_t>(month);
        c.wholeMonth = c.wholeMonth || whole;
    });
    ForEachOrdinalForm([&index](const std::string &form, int value) {
        WordClass &c = index[form];
        if (c.reference < 0) // nonae, nonas are the Nones
            c.ordinal = static_cast<std::int16_t>(value);
    });
    return WordIndex<WordClass>(index);
}

// Latin words written with the numerals' letters alone: read as numbers only where a rule
// finds a date in them.
bool IsLatinWord(std::string_view text) {
    return text == "di" || text == "dii" || text == "mi" || text == "vi";
}

// Latin words written as a numeral with an ordinal's ending (cum, dum, modo, die: with, while,
// only, day): never numerals. "die" left alone, as in "in die sancto", was DI and an ending.
bool IsWordLikeAMarkedNumeral(std::string_view text) {
    return text == "cum" || text == "dum" || text == "modo" || text == "die";
}

// What a word's letters say it may be, read once: how many of its first letters are the
// numerals' (i, v, x, l, c, d, m), and whether it holds a digit.
struct Spelling {
    std::size_t numeralLetters = 0;
    bool digit = false;
};

Spelling SpellingOf(std::string_view text) {
    Spelling spelling;
    while (spelling.numeralLetters < text.size() &&
           HasNumeralLettersOnly(text.substr(spelling.numeralLetters, 1)))
        ++spelling.numeralLetters;
    spelling.digit = HasDigit(text.substr(spelling.numeralLetters));
    return spelling;
}

// Whether a word is surely a number, one the clause must account for; `digit`, whether it
// holds one; `numeral`, its value as a Roman numeral written with no ordinal ending, and
// `marked`, with one (xiio, IIIIto).
bool IsNumber(const Token &t, const WordClass &c, bool digit, int numeral, int marked) {
    if (c.cardinal || digit)
        return true;
    if (c.ordinal > 0)
        return t.text != "secundum"; // also "according to"
    if (numeral > 0)
        return t.marked || (t.text.size() == 1 ? t.capital : t.capitals || !IsLatinWord(t.text));
    if (marked > 0) // but "do", "mo": a word, or a letter and its ending
        return t.capital || t.text.size() >= 3;
    // A count of days written wrong, a capital in it (IIX, XVX, IIIII, VIllI): never a word.
    return t.capital && t.text.size() >= 2 && t.text.find_first_not_of("ivxl") == std::string::npos;
}

// The ordinals' stems as words are read (V as U).
const std::vector<std::pair<std::string, int>> &OrdinalStems() {
    static const std::vector<std::pair<std::string, int>> stems = [] {
        std::vector<std::pair<std::string, int>> all;
        for (const Ordinal &o : Ordinals)
            all.emplace_back(AsKey(o.stem), o.value);
        return all;
    }();
    return stems;
}

// The ordinals of a number written in words run together, as charters write a year
// (septuagesimoprimo, millesimoquadringentesimosexagesimo, quingentesimodecimo): each part a
// stem with its ending, each smaller than the place of the one before; 0 for any other word.
int OrdinalsRunTogether(std::string_view key) {
    int total = 0, place = 1 << 20;
    while (!key.empty()) {
        int value = 0;
        std::size_t used = 0;
        for (const auto &[stem, stemValue] : OrdinalStems()) {
            if (stem[0] != key[0] || stem.size() <= used || !key.starts_with(stem))
                continue;
            for (const std::string_view ending : OrdinalEndings)
                if (key.substr(stem.size()).starts_with(ending) &&
                    stem.size() + ending.size() > used) {
                    value = stemValue;
                    used = stem.size() + ending.size();
                }
        }
        if (value == 0 || value >= place)
            return 0;
        total += value;
        place = value >= 1000 ? 1000 : value >= 100 ? 100 : value >= 10 ? 10 : 1;
        key.remove_prefix(used);
    }
    return total;
}

// An ordinal cut short and marked as one (millº, ducº, nonagº, septuagº): the value of the
// ordinals whose stems begin so, where they all have one; 0 for none, -1 for several (quinº:
// quintus, quinquagesimus, quingentesimus). `key` as ClassOf's.
int ShortenedOrdinal(std::string_view key) {
    if (key.size() < 3)
        return 0;
    int found = 0;
    for (const auto &[stem, value] : OrdinalStems()) {
        if (!std::string_view(stem).starts_with(key))
            continue;
        if (found != 0 && found != value)
            return -1;
        found = value;
    }
    return found;
}

// The value of a number written as one word of parts run together, each numeral with the
// ending scribes wrote after it and the last part perhaps in words: mocccc (M° CCCC),
// moccccmolmo, mocdosecundo, mcdxxxprimo, lxxoprimo, modv. Two parts at least, each below the
// place of the one before, and an ending or a last part in words to tell them apart ("dixi"
// and "civi" are words, "diuo" and "lido" one numeral and an ending); -1 for any other word.
// `text` as folded, V kept; `parts` read before it, the last of them below `place`.
int PartsRunTogether(std::string_view text, int place = 1 << 20, int parts = 0, bool told = false) {
    if (text.empty())
        return told && parts >= 2 ? 0 : -1;
    if (parts > 0) { // the last part in words: primo, decimoseptimo
        const int ordinal =
            ClassOf(text.find('v') == std::string_view::npos ? text : AsKey(text)).ordinal;
        if (ordinal > 0 && ordinal < place)
            return ordinal;
    }
    static constexpr std::array<std::string_view, 7> endings{"mo", "no", "to", "do", "uo", "o", ""};
    std::size_t letters = 0;
    while (letters < text.size() && HasNumeralLettersOnly(text.substr(letters, 1)))
        ++letters;
    for (std::size_t n = letters; n > 0; --n) {
        const int value = RomanValue(text.substr(0, n));
        if (value == 0 || value >= place)
            continue;
        const int next = value >= 1000 ? 1000 : value >= 100 ? 100 : value >= 10 ? 10 : 1;
        for (const std::string_view ending : endings) {
            if (!text.substr(n).starts_with(ending) || (ending.empty() && n < letters))
                continue;
            const int rest = PartsRunTogether(text.substr(n + ending.size()), next, parts + 1,
                                              told || !ending.empty());
            if (rest >= 0)
                return value + rest;
        }
    }
    return -1;
}

// Whether a word's last four letters end some ordinal's form (-rtio, -simo): a word that ends
// otherwise ends with no ordinal, and its endings need not be looked up one by one.
bool MayEndAsAnOrdinal(std::string_view key) {
    static const std::vector<std::string> tails = [] {
        std::vector<std::string> all;
        ForEachOrdinalForm([&all](const std::string &form, int) {
            if (form.size() >= 4)
                all.push_back(form.substr(form.size() - 4));
        });
        std::sort(all.begin(), all.end());
        all.erase(std::unique(all.begin(), all.end()), all.end());
        return all;
    }();
    return key.size() >= 4 &&
           std::binary_search(tails.begin(), tails.end(), key.substr(key.size() - 4));
}

// EraOfLetters, looked up: every beginning of every era's spelling, each with what it spells.
// Each date with "a. d." tries three or four of them.
EraLetters EraOfLettersRead(std::string_view letters) {
    static const WordIndex<EraLetters> beginnings = [] {
        std::map<std::string, EraLetters> all;
        for (const EraSpelling &s : EraSpellings)
            for (std::size_t size = 1; size <= s.letters.size(); ++size)
                all.emplace(s.letters.substr(0, size), EraOfLetters(s.letters.substr(0, size)));
        return WordIndex<EraLetters>(all);
    }();
    return beginnings.find(letters);
}

// Whether a word looks like part of an ordinal: -esim-, -decim-.
bool LooksLikeAnOrdinal(std::string_view key) {
    return key.find("esim") != std::string_view::npos ||
           key.find("decim") != std::string_view::npos;
}

} // namespace

int OrdinalNear(std::string_view key) {
    // Every form, by its first letter and its length: a word is compared with those that begin
    // as it does and are a letter longer or shorter at most.
    constexpr std::size_t Longest = 40;
    using Forms = std::vector<std::pair<std::string, int>>;
    static const std::array<std::array<Forms, Longest + 2>, 26> forms = [] {
        std::array<std::array<Forms, Longest + 2>, 26> byLetter;
        ForEachOrdinalForm([&byLetter](const std::string &form, int value) {
            if (form[0] >= 'a' && form[0] <= 'z' && form.size() <= Longest)
                byLetter[static_cast<std::size_t>(form[0] - 'a')][form.size()].emplace_back(form,
                                                                                            value);
        });
        return byLetter;
    }();
    if (key.size() < 5 || key.size() > Longest || key[0] < 'a' || key[0] > 'z')
        return 0;
    int found = 0;
    const auto &byLength = forms[static_cast<std::size_t>(key[0] - 'a')];
    for (std::size_t length = key.size() - 1; length <= key.size() + 1; ++length)
        for (const auto &[form, value] : byLength[length]) {
            if (!OneLetterApart(form, key))
                continue;
            if (found != 0 && found != value)
                return 0;
            found = value;
        }
    return found;
}

WordClass ClassOf(std::string_view key) {
    static const WordIndex<WordClass> index = BuildIndex();
    return index.find(key);
}

Words::Word Words::Classify(const Token &t) {
    Word w;
    w.word = ClassOf(t.key);
    // Most words begin with no numeral's letter and hold no digit: they are no number.
    const Spelling spelling = SpellingOf(t.text);
    const bool numeralLetters = spelling.numeralLetters > 0;
    const int numeral = spelling.numeralLetters == t.text.size() ? RomanValue(t.text) : 0;
    const bool word = IsWordLikeAMarkedNumeral(t.text);
    w.numeral = numeral > 0 || t.text.size() < 2 || word || !numeralLetters
                    ? numeral
                    : MarkedRomanValue(t.text);
    // mocdosecundo, mcdxxxprimo: a number no table knows, in parts run together
    const bool runTogether = w.numeral == 0 && !word && w.word.kinds == 0 && w.word.month == 0 &&
                             w.word.ordinal == 0 && t.text.size() >= 4 && numeralLetters;
    if (runTogether)
        w.numeral = std::max(PartsRunTogether(t.text), 0);
    const int shortened =
        t.marked && w.numeral == 0 && w.word.kinds == 0 && w.word.ordinal == 0 && !spelling.digit
            ? ShortenedOrdinal(t.key)
            : 0;
    if (shortened > 0)
        w.word.ordinal = static_cast<std::int16_t>(shortened);
    if (spelling.digit) {
        w.digits = DigitsValue(t.text);
        if (w.digits == 0)
            w.digits = MarkedDigitsValue(t.text);
    }
    // a shortened ordinal that could be several is still a number to account for
    w.number =
        IsNumber(t, w.word, spelling.digit, numeral, numeral > 0 ? 0 : w.numeral) || shortened < 0;
    // A letter alone in lower case (a. d., i) begins no number; within one, it goes on.
    w.mayBeNumber =
        w.number || w.digits > 0 || w.word.ordinal > 0 || (w.numeral > 0 && t.text.size() > 1);
    if (w.mayBeNumber)
        w.word.kinds |= std::uint64_t{1} << static_cast<unsigned>(Kind::Number);
    if (t.text.size() == 1 && t.capital)
        w.word.kinds |= std::uint64_t{1} << static_cast<unsigned>(Kind::Capital);
    return w;
}

Words::Unknown Words::UnknownOf(std::string_view key) {
    Unknown u;
    u.read = true;
    u.looksLikeOne = LooksLikeAnOrdinal(key);
    int value = OrdinalsRunTogether(key);
    u.near = value == 0;
    if (value == 0)
        value = OrdinalNear(key);
    u.near = u.near && value > 0;
    u.ordinal = static_cast<std::int16_t>(value);
    if (value == 0 && MayEndAsAnOrdinal(key))
        for (std::size_t size = 4; size < key.size() && size <= 16; ++size)
            u.endsAsOrdinal = u.endsAsOrdinal || ClassOf(key.substr(key.size() - size)).ordinal > 0;
    return u;
}

Words::Words(std::string_view line, std::pmr::memory_resource *memory, WordMemo *memo)
    : m_tokens(line, memory)
    , m_words(m_tokens.size(), memory) {
    for (std::size_t i = 0; i < m_tokens.size(); ++i) {
        if (memo != nullptr)
            m_words[i] = memo->classOf(m_tokens[i]);
        else
            m_words[i] = Classify(m_tokens[i]);
    }
    for (std::size_t i = 0; i < m_tokens.size(); ++i) {
        if (is(i, Kind::EraStart))
            readEra(i);
        readOrdinalNoTableKnows(i);
    }
}

// A word no table knows, where a number may stand (beside another number, or a named day) or
// that looks like part of one (-esim-, -decim-): a number in words run together
// (septuagesimoprimo), or an ordinal misspelt by a letter (octano, quatodecimo). Either is a
// number to account for.
void Words::readOrdinalNoTableKnows(std::size_t i) {
    Word &w = m_words[i];
    const Token &t = m_tokens[i];
    if (w.word.kinds != 0 || w.word.month != 0 || t.gloss || t.key.size() < 5 || w.digits > 0)
        return;
    const auto numberAt = [this](std::size_t j) {
        return j < size() && !m_tokens[j].gloss &&
               (m_words[j].mayBeNumber || is(j, Kind::Reference) || m_words[j].numeral > 0);
    };
    // the words a number follows: anno qninto, indictione tercia
    const auto before = [this](std::size_t j) {
        return is(j, Kind::Anno) || is(j, Kind::Indiction) || is(j, Kind::Feria) ||
               is(j, Kind::Hour) || is(j, Kind::Reign) || is(j, Kind::Die);
    };
    const bool between = (i >= 1 && !t.pause && (numberAt(i - 1) || before(i - 1))) ||
                         (i + 1 < size() && !m_tokens[i + 1].pause && numberAt(i + 1));
    const bool looksLikeOne = w.unknown.read ? w.unknown.looksLikeOne : LooksLikeAnOrdinal(t.key);
    if (!between && !looksLikeOne)
        return;
    const Unknown unknown = w.unknown.read ? w.unknown : UnknownOf(t.key);
    w.nearOrdinal = unknown.near;
    w.word.ordinal = unknown.ordinal;
    if (unknown.ordinal > 0) {
        w.number = true;
        w.mayBeNumber = true;
        w.word.kinds |= std::uint64_t{1} << static_cast<unsigned>(Kind::Number);
        return;
    }
    // Written as an ordinal is (uicesimoni, cdxxtercio, onono): a number no rule can read,
    // never skipped.
    if ((looksLikeOne && between) || unknown.endsAsOrdinal)
        w.number = true;
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
        const EraLetters read = EraOfLettersRead({letters.data(), used});
        // "ac" and "ad" are also words (and, to): an era only in capitals or in letters.
        const bool word = i == begin && (text == "ac" || text == "ad");
        if (read.whole && (!word || m_tokens[begin].capitals)) {
            m_words[begin].era = read.era;
            m_words[begin].eraEnd = static_cast<std::uint8_t>(i + 1);
        }
        if (!read.begins)
            return;
    }
}

} // namespace tempidex
