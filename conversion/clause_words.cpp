#include "clause_words.h"

#include "numerals.h"
#include "words.h"

namespace tempidex {
namespace {

// Ligatures, written out: æ and œ.
constexpr char AE = '*', OE = '#';

// The base letters of Latin-1's letters, U+00C0 to U+00FF; '\0' for × and ÷.
constexpr std::string_view Latin1Bases{"AAAAAA*CEEEEIIIIDNOOOOO\0OUUUUYPs"
                                       "aaaaaa*ceeeeiiiidnooooo\0ouuuuypy",
                                       64};
// The same for Latin Extended-A, U+0100 to U+017F: ā ă ą ... ē ĕ ... ī ĭ ... ō ŏ ... ū ŭ ...,
// and ſ, the long s of old prints.
constexpr std::string_view ExtendedBases{
    "AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGgGgGgHhHhIiIiIiIiIiIiJjKkkLlLlLlLlLlNnNnNnnNnOoOoOo##RrRrRrSsSs"
    "SsSsTtTtTtUuUuUuUuUuUuWwYyYZzZzZzs"};
static_assert(Latin1Bases.size() == 64 && ExtendedBases.size() == 128);

// How each ASCII byte reads in a word (Letters.letter); '\0' for the rest, and for every byte
// of a character beyond ASCII.
constexpr auto AsciiLetters = [] {
    std::array<char, 256> letters{};
    for (std::size_t byte = 0; byte < 0x80; ++byte)
        letters[byte] = Letters.letter[byte];
    return letters;
}();

// What each byte does between words: ASCII letters and digits, the separators, the
// punctuation that makes a pause, and the brackets read as nothing; None for the bytes of a
// character beyond ASCII.
enum class Ascii : std::uint8_t { None, Letter, Separator, Pause, Bracket };

constexpr bool IsBracket(char c) {
    return c == '(' || c == ')' || c == '[' || c == ']' || c == '<' || c == '>' || c == '{' ||
           c == '}';
}

constexpr auto AsciiClasses = [] {
    std::array<Ascii, 256> classes{};
    for (std::size_t byte = 0; byte < 0x80; ++byte) {
        const char c = static_cast<char>(byte);
        classes[byte] = Letters.letter[byte] != '\0'       ? Ascii::Letter
                        : IsBracket(c)                     ? Ascii::Bracket
                        : c == ',' || c == ';' || c == ':' ? Ascii::Pause
                                                           : Ascii::Separator;
    }
    return classes;
}();

struct Folded {
    std::array<char, 2> letters{};
    std::size_t size = 0;
    bool capital = false;
};

// A letter with a diacritic as its base letter; æ and œ as two; º and ª, the ordinal marks,
// as the letters they stand for (XIIº). Nothing for any other character.
constexpr Folded FoldLetter(char32_t c) {
    char base = '\0';
    if (c >= 0xC0 && c <= 0xFF)
        base = Latin1Bases[c - 0xC0];
    else if (c >= 0x100 && c <= 0x17F)
        base = ExtendedBases[c - 0x100];
    else if (c == 0xBA || c == 0xAA)
        base = c == 0xBA ? 'o' : 'a';
    else if (c == 0x233 || c == 0x232)
        base = c == 0x233 ? 'y' : 'Y';
    if (base == '\0')
        return {};
    if (base == AE || base == OE)
        return {{base == AE ? 'a' : 'o', 'e'}, 2, c == 0xC6 || c == 0x152};
    return {{base, '\0'}, 1, base >= 'A' && base <= 'Z'};
}

// Marks read as nothing at all: combining accents, macrons and overlines (IIĪ, Ī written as I
// and U+0304), and the half brackets and white brackets of the epigraphers.
constexpr bool IsTransparent(char32_t c) {
    return (c >= 0x300 && c <= 0x36F) || (c >= 0x20D0 && c <= 0x20FF) ||
           (c >= 0x2E22 && c <= 0x2E25) || (c >= 0x27E6 && c <= 0x27E9);
}

// Where an editor's gloss opened at `open` ends: a bracket that holds a digit, "(412 mart. 3)",
// "(47)", "[a. 1195]". 0 where it is no gloss: "(a. i.)", "K(alendis)".
constexpr std::size_t GlossEnd(std::string_view line, std::size_t open) {
    const char closing = line[open] == '(' ? ')' : ']';
    bool digit = false;
    for (std::size_t at = open + 1; at < line.size(); ++at) {
        const char c = line[at];
        if (c == closing)
            return digit ? at + 1 : 0;
        digit = digit || (c >= '0' && c <= '9');
    }
    return 0;
}

} // namespace

ClauseWords::ClauseWords(std::string_view line) {
    fold(line.substr(0, LongestLine));
}

std::string_view ClauseWords::written(std::size_t from, std::size_t to) const {
    const std::string_view first = m_words[from].word.written, last = m_words[to].word.written;
    return {first.data(), static_cast<std::size_t>(last.data() + last.size() - first.data())};
}

void ClauseWords::fold(std::string_view line) {
    // The word being read, in its slot: what is known of it as it begins is written there at
    // once, its text and where it is written as it ends (a word built apart and copied in
    // would wait for its own parts to be written).
    ClauseWord *word = nullptr;
    std::size_t begin = 0, end = 0, first = 0, used = 0, glossEnd = 0;
    bool pause = false;
    const auto finish = [&] {
        if (word == nullptr)
            return;
        word->text = {m_letters.data() + first, used - first};
        word->written = {line.data() + begin, end - begin};
        word = nullptr;
        ++m_count;
    };
    // A number right after "-" or "/": joined to a number just before it, or with a minus.
    const auto signBefore = [&](std::size_t at) {
        for (const std::string_view sign : {"-", "/", "\u2212", "\u2013"})
            if (at >= sign.size() && line.substr(at - sign.size(), sign.size()) == sign) {
                const ClauseWord *before = m_count > 0 ? &m_words[m_count - 1].word : nullptr;
                word->joined = before && IsDigits(before->text) &&
                               before->written.data() + before->written.size() ==
                                   line.data() + at - sign.size();
                word->minus = !word->joined && (sign == "-" || sign == "\u2212");
                begin -= word->minus ? sign.size() : 0; // quoted with its sign
            }
    };
    // Begins a word at `at`; false where the line has more words than any clause.
    const auto start = [&](std::size_t at, bool capital, bool digit) {
        if (m_count == MostWords) {
            m_tooMany = true;
            return false;
        }
        word = new (&m_words[m_count].word)
            ClauseWord{{}, {}, capital, at < glossEnd, false, false, pause};
        pause = false;
        begin = at;
        first = used;
        if (digit)
            signBefore(at);
        return true;
    };
    // The line is folded in place, in a copy that ends in a zero byte: no run of letters goes
    // past it, and the folded text is never longer than what it was folded from.
    std::copy(line.begin(), line.end(), m_letters.begin());
    m_letters[line.size()] = '\0';
    for (std::size_t at = 0; at < line.size();) {
        const char c = m_letters[at];
        switch (AsciiClasses[static_cast<unsigned char>(c)]) {
        case Ascii::Letter: {
            if (word == nullptr && !start(at, c >= 'A' && c <= 'Z', c >= '0' && c <= '9'))
                return;
            // The run of them at once.
            const char *from = m_letters.data() + at, *next = from;
            char *out = m_letters.data() + used;
            for (char letter; (letter = AsciiLetters[static_cast<unsigned char>(*next)]) != '\0';
                 ++next)
                *out++ = letter;
            used += static_cast<std::size_t>(next - from);
            at += static_cast<std::size_t>(next - from);
            end = at;
            continue;
        }
        case Ascii::Pause:
            pause = true;
            [[fallthrough]];
        case Ascii::Separator:
            finish();
            ++at;
            continue;
        case Ascii::Bracket:
            if (word != nullptr)
                end = at + 1; // quoted with the word: K(alendis)
            else if ((c == '(' || c == '[') && at >= glossEnd)
                glossEnd = GlossEnd(line, at);
            ++at;
            continue;
        case Ascii::None:
            break;
        }
        const Character character = Decode(line, at);
        const std::size_t length = character.length > 0 ? character.length : 1;
        const Folded folded = character.length > 0 ? FoldLetter(character.code) : Folded{};
        if (character.length > 0 && IsTransparent(character.code)) {
            end = word != nullptr ? at + length : end;
        } else if (character.length > 0 && IsSeparator(character.code)) {
            finish();
        } else {
            // A letter folded to its base, or a character kept as it is written (a byte that
            // starts none alone).
            const std::string_view letters =
                folded.size > 0 ? std::string_view(folded.letters.data(), folded.size)
                                : line.substr(at, length);
            if (word == nullptr && !start(at, folded.capital, false))
                return;
            for (const char l : letters)
                m_letters[used++] = LetterOf(l);
            end = at + length;
        }
        at += length;
    }
    finish();
}

} // namespace tempidex
