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
// the Lord's year. Compared under V as U, as words are.
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
    if (const std::optional<Reference> reference = ReferenceOf(word))
        kind.reference = static_cast<std::int8_t>(*reference);
    return kind;
}

// Every keyword, reference day, era, ordinal and month in one tree of their letters (V read
// as U): each node's letter, and whether a keyword or reference day, or a stem, ends there.
template <std::size_t N> struct KeywordTree {
    LetterTree<N> letters{Letters.nameLetter};
    std::array<char, N> letter{};
    std::array<bool, N> wordEnds{}, stemEnds{};
};

template <std::size_t N> constexpr KeywordTree<N> GrowKeywordTree() {
    KeywordTree<N> tree;
    const auto made = [&tree](std::size_t node, std::string_view beginning) {
        tree.letter[node] = NameLetterOf(beginning.back());
    };
    for (const Keyword &k : Keywords) {
        const std::size_t end = tree.letters.insert(k.word, made);
        tree.wordEnds[end] = true;
        tree.stemEnds[end] = tree.stemEnds[end] || k.stem;
    }
    for (const ReferenceSpelling &s : ReferenceSpellings)
        tree.wordEnds[tree.letters.insert(s.word, made)] = true;
    for (const Ordinal &o : Ordinals)
        tree.stemEnds[tree.letters.insert(o.stem, made)] = true;
    for (const Ordinal &o : YearOrdinals)
        tree.stemEnds[tree.letters.insert(o.stem, made)] = true;
    for (const EraSpelling &s : EraSpellings)
        tree.letters.insert(s.letters, made);
    for (const MonthName &m : MonthNames) {
        tree.letters.insert(m.nominative, made);
        tree.letters.insert(m.stem, made);
    }
    tree.letters.readAlike();
    return tree;
}

// Grown apart from what its words are, so that neither takes the compiler too long.
constexpr auto Tree = GrowKeywordTree<GrowKeywordTree<1024>().letters.size>();
constexpr std::size_t TreeNodes = Tree.letters.size;
static_assert(TreeNodes < UINT16_MAX);

// The letters from the root to a node, and one no keyword has after them ('#').
struct Beginning {
    std::array<char, 32> letters{};
    std::size_t size = 0;
    constexpr std::string_view word() const { return {letters.data(), size}; }
    constexpr std::string_view goingOn() const { return {letters.data(), size + 1}; }
};

constexpr Beginning BeginningOf(std::size_t node) {
    Beginning beginning;
    for (std::size_t up = node; up != 0; up = Tree.letters.parent(up))
        ++beginning.size;
    for (std::size_t up = node, at = beginning.size; up != 0; up = Tree.letters.parent(up))
        beginning.letters[--at] = Tree.letter[up];
    beginning.letters[beginning.size] = '#';
    return beginning;
}

// Whether each node lies where a word begins as a month does (three letters of its name or
// more, with any ending after them: latin_names.h), or as an ordinal does.
constexpr auto Beginnings = [] {
    std::array<std::uint32_t, TreeNodes> keys{};
    for (const MonthName &m : MonthNames) {
        std::size_t node = 0;
        for (const char c : m.nominative.substr(0, 3))
            node = Tree.letters.next(node, NameLetterOf(c));
        keys[node] |= 1u << static_cast<unsigned>(Key::Month);
    }
    for (const auto *ordinals : {&Ordinals, &YearOrdinals})
        for (const Ordinal &o : *ordinals) {
            std::size_t node = 0;
            for (const char c : o.stem)
                node = Tree.letters.next(node, NameLetterOf(c));
            keys[node] |= 1u << static_cast<unsigned>(Key::Ordinal);
        }
    for (std::size_t node = 1; node < TreeNodes; ++node) // a node's parent is made before it
        keys[node] |= keys[Tree.letters.parent(node)];
    return keys;
}();

// What a word is that goes on past each node with letters no keyword has: what one going on
// past its parent is, unless a stem ends there.
constexpr auto GoesOn = [] {
    std::array<WordKind, TreeNodes> kinds{};
    kinds[0] = KeywordsOf({});
    for (std::size_t node = 1; node < TreeNodes; ++node)
        kinds[node] = Tree.stemEnds[node] ? KeywordsOf(BeginningOf(node).goingOn())
                                          : kinds[Tree.letters.parent(node)];
    for (std::size_t node = 0; node < TreeNodes; ++node)
        kinds[node].keys |= Beginnings[node];
    return kinds;
}();

// What a word is that ends at each node: the same, unless a keyword ends there. A word that
// ends where an era's spelling goes on may begin one: A. D., a. u. c., P. C. N.
constexpr auto Ends = [] {
    std::array<WordKind, TreeNodes> kinds{};
    for (std::size_t node = 0; node < TreeNodes; ++node) {
        kinds[node] = Tree.wordEnds[node] ? KeywordsOf(BeginningOf(node).word()) : GoesOn[node];
        kinds[node].keys |= Beginnings[node];
    }
    // No era's first word is longer than five letters (urbis, achrn): Domini begins one only
    // after anno.
    for (const EraSpelling &s : EraSpellings) {
        std::size_t node = 0;
        for (const char c : s.letters.substr(0, 5)) {
            node = Tree.letters.next(node, c);
            kinds[node].set(Key::EraStart);
        }
    }
    return kinds;
}();

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
    WordKind kind = at == word.size() ? Ends[node] : GoesOn[node];
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
