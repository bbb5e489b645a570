#include "word_table.h"

#include "month_names.h"
#include "numbers.h"
#include "tokens.h"

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace tempidex {
namespace {

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
    {"duo", "duobus", "duorum", "tres", "tribus", "quattuor", "quatuor", "quinque", "sex", "septem",
     "octo", "nouem", "decem", "undecim", "duodecim", "uiginti", "triginta", "quadraginta",
     "quinquaginta", "sexaginta", "septuaginta", "octoginta", "nonaginta", "centum", "ducenti",
     "trecenti", "quadringenti", "quingenti",
     // the hundreds as the humanists wrote a year: "mille quadringentis"
     "ducentis", "ducentos", "ducenta", "trecentis", "trecentos", "trecenta", "quadringentis",
     "quadringentos", "quadringenta", "quingentis", "quingentos", "quingenta", "sexcenti",
     "sexcentis", "sexcentos", "sexcenta", "septingenti", "septingentis", "octingenti",
     "octingentis", "nongenti", "nongentis"});

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
        if (k.kind == Kind::Calendar)
            c.calendar = static_cast<Calendar>(k.value);
        if (k.kind == Kind::Style)
            c.style = k.value;
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

} // namespace

WordClass ClassOf(std::string_view key) {
    static const WordIndex<WordClass> index = BuildIndex();
    return index.find(key);
}

EraLetters EraLettersOf(std::string_view letters) {
    static const WordIndex<EraLetters> beginnings = [] {
        std::map<std::string, EraLetters> all;
        for (const EraSpelling &s : EraSpellings)
            for (std::size_t size = 1; size <= s.letters.size(); ++size)
                all.emplace(s.letters.substr(0, size), EraOfLetters(s.letters.substr(0, size)));
        return WordIndex<EraLetters>(all);
    }();
    return beginnings.find(letters);
}

} // namespace tempidex
