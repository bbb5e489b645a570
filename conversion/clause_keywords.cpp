#include "clause_keywords.h"

#include "latin_names.h"
#include "numerals.h"
#include "words.h"
#include "years.h"

namespace tempidex {
namespace {

// How the keywords name a word, compared one by one: every keyword it is, or that it begins
// with where the keyword is a stem (incarnationis, pontificatus). An exact word of a formula
// ("nostri", "a") says more than a stem that begins it; a weekday (dominica) is Sunday, not
// the Lord's year. Compared under V as U, as words are. Whether it begins as an ordinal does
// is said too, so that only those words are ever read as one.
constexpr WordKind KeywordsOf(std::string_view word) {
    WordKind kind{0, -1, -1, YearCount::Unmarked};
    bool exactFormula = false;
    for (const Keyword &k : Keywords) {
        const bool exact = Is(word, k.word, Letters.nameLetter);
        if (!exact && !(k.stem && BeginsWith(word, k.word, Letters.nameLetter)))
            continue;
        kind.set(k.key);
        if (k.key == Key::Weekday)
            kind.weekday = k.value;
        if (k.key == Key::Formula && (exact || !exactFormula)) {
            kind.formula = static_cast<YearCount>(k.value);
            exactFormula = exactFormula || exact;
        }
    }
    if (kind.is(Key::Weekday))
        kind.keys &= ~(1u << static_cast<unsigned>(Key::Formula));
    const auto beginsWith = [word](const Ordinal &o) {
        return BeginsWith(word, o.stem, Letters.nameLetter);
    };
    if (std::any_of(Ordinals.begin(), Ordinals.end(), beginsWith) ||
        std::any_of(YearOrdinals.begin(), YearOrdinals.end(), beginsWith))
        kind.set(Key::Ordinal);
    if (const std::optional<Reference> reference = ReferenceOf(word))
        kind.reference = static_cast<std::int8_t>(*reference);
    return kind;
}

// Every keyword, reference day, era, ordinal and month in one tree of their letters (V read as U),
// with what a word is that ends at each node, and what a word is that goes on past it with letters
// no keyword has (only stems still name it). A word that ends where an era's spelling goes on may
// begin one: A. D., a. u. c., P. C. N.
template <std::size_t N> struct KeywordTree {
    LetterTree<N> letters{Letters.nameLetter};
    std::array<WordKind, N> ends{}, goesOn{};
};

template <std::size_t N> constexpr KeywordTree<N> GrowKeywordTree() {
    KeywordTree<N> tree;
    const auto made = [&tree](std::size_t node, std::string_view beginning) {
        std::array<char, 32> past{};
        std::copy(beginning.begin(), beginning.end(), past.begin());
        past[beginning.size()] = '#'; // no keyword has it
        tree.ends[node] = KeywordsOf(beginning);
        tree.goesOn[node] = KeywordsOf({past.data(), beginning.size() + 1});
    };
    for (const Keyword &k : Keywords)
        tree.letters.insert(k.word, made);
    for (const ReferenceSpelling &s : ReferenceSpellings)
        tree.letters.insert(s.word, made);
    for (const EraSpelling &s : EraSpellings)
        tree.letters.insert(s.letters, made);
    for (const Ordinal &o : Ordinals)
        tree.letters.insert(o.stem, made);
    for (const Ordinal &o : YearOrdinals)
        tree.letters.insert(o.stem, made);
    // A month is named by three letters of its name or more, with any ending after them
    // (latin_names.h): only the words that begin so are looked up. A node's parent is made
    // before it.
    std::array<bool, N> month{};
    for (const MonthName &m : MonthNames) {
        std::size_t node = tree.letters.insert(m.nominative, made);
        tree.letters.insert(m.stem, made);
        for (std::size_t depth = m.nominative.size(); depth > 3; --depth)
            node = tree.letters.parent(node);
        month[node] = true;
    }
    for (std::size_t node = 1; node < tree.letters.size; ++node)
        if ((month[node] = month[node] || month[tree.letters.parent(node)])) {
            tree.ends[node].set(Key::Month);
            tree.goesOn[node].set(Key::Month);
        }
    // No era's first word is longer than five letters (urbis, achrn): Domini begins one only
    // after anno.
    for (const EraSpelling &s : EraSpellings) {
        std::size_t node = 0;
        for (const char c : s.letters.substr(0, 5)) {
            node = tree.letters.next(node, c);
            tree.ends[node].set(Key::EraStart);
        }
    }
    tree.goesOn[0] = tree.ends[0] = KeywordsOf({});
    return tree;
}

constexpr auto Tree = GrowKeywordTree<GrowKeywordTree<1024>().letters.size>();
static_assert(Tree.letters.size < UINT16_MAX);

// Whether each byte may be part of a number in digits or in Roman numerals.
constexpr std::uint8_t DigitBit = 1, RomanBit = 2;
constexpr auto NumberBits = [] {
    std::array<std::uint8_t, 256> bits{};
    for (std::size_t byte = 0; byte < 256; ++byte)
        bits[byte] = byte >= '0' && byte <= '9' ? DigitBit : NumberLetters[byte] ? RomanBit : 0;
    return bits;
}();

} // namespace

WordKind Classify(std::string_view word) {
    // Most words leave the tree at their first or second letter.
    std::size_t node = 0, at = 0;
    for (; at < word.size(); ++at) {
        const std::size_t next = Tree.letters.next(node, word[at]);
        if (next == Tree.letters.None)
            break;
        node = next;
    }
    WordKind kind = at == word.size() ? Tree.ends[node] : Tree.goesOn[node];
    // Most words show at their first letter that they are no number.
    std::uint8_t number = word.empty() ? 0 : DigitBit | RomanBit;
    for (std::size_t i = 0; i < word.size() && number != 0; ++i)
        number &= NumberBits[static_cast<unsigned char>(word[i])];
    if (number & DigitBit)
        kind.set(Key::Digits);
    if (number & RomanBit)
        kind.set(Key::Roman);
    return kind;
}

} // namespace tempidex
