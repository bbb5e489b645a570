#include "words.h"

#include "month_names.h"
#include "numbers.h"

#include <string>
#include <unordered_map>

namespace tempidex {
namespace {

std::string AsKey(std::string_view word) {
    std::string key(word);
    for (char &c : key)
        c = c == 'v' ? 'u' : c;
    return key;
}

// Looked up by a view of the word, with no copy of it.
struct KeyHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view key) const { return std::hash<std::string_view>{}(key); }
};
using WordIndex = std::unordered_map<std::string, WordClass, KeyHash, std::equal_to<>>;

// Every word the tables above name, with all it can be, gathered once: the keywords, the forms
// of the months, and the ordinals with their endings, alone and run together in one word as
// charters write them (septimodecimo, decimoseptimo, vicesimoprimo).
WordIndex BuildIndex() {
    WordIndex index;
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
    ForEachMonthForm([&index](const std::string &form, int month) {
        index[form].month = static_cast<std::int8_t>(month);
    });
    const auto ordinal = [&index](const std::string &form, int value) {
        WordClass &c = index[AsKey(form)];
        if (c.reference < 0) // nonae, nonas are the Nones
            c.ordinal = static_cast<std::int16_t>(value);
    };
    for (const Ordinal &o : Ordinals)
        for (const std::string_view ending : OrdinalEndings)
            ordinal(std::string(o.stem) + std::string(ending), o.value);
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
                ordinal(t + u, ten.value + unit.value);
                if (teen)
                    ordinal(u + t, ten.value + unit.value);
            }
        }
    }
    return index;
}

// Latin words written with the numerals' letters alone: read as numbers only where a rule
// finds a date in them.
bool IsLatinWord(std::string_view text) {
    return text == "di" || text == "dii" || text == "mi" || text == "vi";
}

// Whether a word is surely a number, one the clause must account for.
bool IsNumber(const Token &t, const WordClass &c) {
    if (HasDigit(t.text))
        return true;
    if (c.ordinal > 0)
        return t.text != "secundum"; // also "according to"
    if (RomanValue(t.text) > 0)
        return t.marked || (t.text.size() == 1 ? t.capital : t.capitals || !IsLatinWord(t.text));
    // A numeral written wrong, in capitals, where only numerals are: IIX, XVX, IIIII.
    return t.capitals && t.text.size() >= 2 && t.text.find_first_not_of("ivx") == std::string::npos;
}

} // namespace

WordClass ClassOf(std::string_view key) {
    static const WordIndex index = BuildIndex();
    const auto found = index.find(key);
    return found == index.end() ? WordClass{} : found->second;
}

Words::Words(std::string_view line)
    : m_tokens(line)
    , m_words(m_tokens.size()) {
    for (std::size_t i = 0; i < m_tokens.size(); ++i) {
        const Token &t = m_tokens[i];
        Word &w = m_words[i];
        w.word = ClassOf(t.key);
        if (t.gloss)
            continue;
        w.numeral = RomanValue(t.text);
        if (w.numeral == 0 && t.text.size() >= 2)
            w.numeral = MarkedRomanValue(t.text);
        w.digits = DigitsValue(t.text);
        w.number = IsNumber(t, w.word);
        w.mayBeNumber = w.number || w.numeral > 0 || w.digits > 0 || w.word.ordinal > 0;
    }
}


} // namespace tempidex
