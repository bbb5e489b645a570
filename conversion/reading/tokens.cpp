#include "tokens.h"

#include "characters.h"

#include <array>
#include <cstdint>

namespace tempidex {
namespace {

// What each ASCII byte does in a line.
enum class Byte : std::uint8_t { Letter, Separator, Pause, Dot, Bracket, Sign };

constexpr std::array<Byte, 128> AsciiBytes = [] {
    std::array<Byte, 128> bytes{};
    for (std::size_t b = 0; b < bytes.size(); ++b) {
        const char c = static_cast<char>(b);
        const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        bytes[b] = letter                                       ? Byte::Letter
                   : c == ',' || c == ';' || c == ':'           ? Byte::Pause
                   : c == '.'                                   ? Byte::Dot
                   : c == '(' || c == ')' || c == '[' || c == ']' ||
                           c == '<' || c == '>' || c == '{' || c == '}'
                       ? Byte::Bracket
                   : c == '-' || c == '/' ? Byte::Sign
                                          : Byte::Separator;
    }
    return bytes;
}();

// A letter as it is read: lower case, J as I.
constexpr char Folded(char c) {
    if (c >= 'A' && c <= 'Z')
        c = static_cast<char>(c - 'A' + 'a');
    return c == 'j' ? 'i' : c;
}

// The base letters of Latin-1's letters, U+00C0 to U+00FF, and of Latin Extended-A, U+0100 to
// U+017F (ā ă ą ... ē ... ī ... ō ... ū ..., ſ); '*' for æ, '#' for œ, '\0' for × and ÷.
constexpr std::string_view Latin1Bases{"AAAAAA*CEEEEIIIIDNOOOOO\0OUUUUYPs"
                                       "aaaaaa*ceeeeiiiidnooooo\0ouuuuypy",
                                       64};
constexpr std::string_view ExtendedBases{
    "AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGgGgGgHhHhIiIiIiIiIiIiJjKkkLlLlLlLlLlNnNnNnnNnOoOoOo##RrRrRrSsSs"
    "SsSsTtTtTtUuUuUuUuUuUuWwYyYZzZzZzs"};
static_assert(Latin1Bases.size() == 64 && ExtendedBases.size() == 128);

// The base letter of a letter beyond ASCII, written as it is ('A', 'a', '*' for Æ or æ);
// '\0' for any other character.
constexpr char BaseLetter(char32_t c) {
    if (c >= 0xC0 && c <= 0xFF)
        return Latin1Bases[c - 0xC0];
    if (c >= 0x100 && c <= 0x17F)
        return ExtendedBases[c - 0x100];
    if (c == 0x232 || c == 0x233) // ȳ
        return c == 0x232 ? 'Y' : 'y';
    return '\0';
}

// Marks read as nothing at all: combining accents, macrons and overlines (IIĪ written as I and
// U+0304), and the half brackets and white brackets of the epigraphers.
constexpr bool IsTransparent(char32_t c) {
    return (c >= 0x300 && c <= 0x36F) || (c >= 0x20D0 && c <= 0x20FF) ||
           (c >= 0x2E22 && c <= 0x2E25) || (c >= 0x27E6 && c <= 0x27E9);
}

// The ordinal marks: º, ª, the degree sign as scribes' editors type it, a superscript o.
constexpr bool IsOrdinalMark(char32_t c) {
    return c == 0xBA || c == 0xAA || c == 0xB0 || c == 0x1D52;
}

// Where an editor's gloss opened at `open` ends: a bracket that holds a digit, "(412 mart. 3)",
// "(47)", "[a. 1195]". 0 where it is no gloss: "(a. i.)", "K(alendis)".
std::size_t GlossEnd(std::string_view line, std::size_t open) {
    const char closing = line[open] == '(' ? ')' : ']';
    bool digit = false;
    for (std::size_t at = open + 1; at < line.size(); ++at) {
        const char c = line[at];
        if (c == closing)
            return digit ? at + 1 : 0;
        if (c == '(' || c == '[')
            return 0;
        digit = digit || (c >= '0' && c <= '9');
    }
    return 0;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

Tokens::Tokens(std::string_view line) {
    // Each word's text, then its key; neither is longer than the line.
    m_folded.reserve(2 * line.size());
    m_tokens.reserve(24);
    Token token;
    std::size_t begin = 0, end = 0, textStart = 0, glossEnd = 0;
    bool inWord = false, pause = false, letters = false, lowerLetter = false;

    const auto finish = [&] {
        if (!inWord)
            return;
        inWord = false;
        const std::size_t textEnd = m_folded.size();
        for (std::size_t i = textStart; i < textEnd; ++i)
            m_folded.push_back(m_folded[i] == 'v' ? 'u' : m_folded[i]);
        token.capitals = token.capital && letters && !lowerLetter;
        token.written = line.substr(begin, end - begin);
        // The views are set once the whole line is folded: the text may still grow.
        token.text = {nullptr, textStart};
        token.key = {nullptr, textEnd - textStart};
        m_tokens.push_back(token);
    };
    const auto start = [&](std::size_t at, bool capital) {
        if (m_tokens.size() == MostWords) {
            m_tooMany = true;
            return false;
        }
        token = Token{};
        token.capital = capital;
        token.pause = pause;
        token.gloss = at < glossEnd;
        pause = letters = lowerLetter = false;
        begin = at;
        textStart = m_folded.size();
        inWord = true;
        return true;
    };
    const auto add = [&](char letter) {
        const char folded = Folded(letter);
        if (folded >= 'a' && folded <= 'z') {
            letters = true;
            lowerLetter = lowerLetter || (letter >= 'a' && letter <= 'z');
        }
        m_folded.push_back(folded);
    };
    // A number right after "-", "/", "−" or "–": joined to a number just before it, or signed.
    const auto signBefore = [&](std::size_t at) {
        for (const std::string_view sign : {"-", "/", "\u2212", "\u2013"}) {
            if (at < sign.size() || line.substr(at - sign.size(), sign.size()) != sign)
                continue;
            const std::size_t signAt = at - sign.size();
            const bool afterNumber = !m_tokens.empty() && !m_tokens.back().written.empty() &&
                                     IsDigit(m_tokens.back().written.back()) &&
                                     m_tokens.back().written.data() +
                                             m_tokens.back().written.size() ==
                                         line.data() + signAt;
            token.joined = afterNumber;
            token.minus = !afterNumber && (sign == "-" || sign == "\u2212");
            if (token.minus)
                begin = signAt; // quoted with its sign
        }
    };

    for (std::size_t at = 0; at < line.size();) {
        const char c = line[at];
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            switch (AsciiBytes[byte]) {
            case Byte::Letter:
                if (!inWord) {
                    if (!start(at, c >= 'A' && c <= 'Z'))
                        return;
                    if (IsDigit(c))
                        signBefore(at);
                }
                add(c);
                end = ++at;
                continue;
            case Byte::Bracket:
                if (inWord) {
                    end = at + 1; // quoted with the word: K(alendis)
                } else if ((c == '(' || c == '[') && at >= glossEnd) {
                    glossEnd = GlossEnd(line, at);
                }
                ++at;
                continue;
            case Byte::Dot:
                if (inWord)
                    token.dotted = true;
                finish();
                ++at;
                continue;
            case Byte::Pause:
                finish();
                pause = true;
                ++at;
                continue;
            case Byte::Sign:
            case Byte::Separator:
                finish();
                ++at;
                continue;
            }
        }
        const Character character = Decode(line, at);
        const std::size_t length = character.length > 0 ? character.length : 1;
        if (character.length > 0 && IsTransparent(character.code)) {
            end = inWord ? at + length : end;
        } else if (character.length > 0 && IsOrdinalMark(character.code)) {
            if (inWord)
                token.marked = true;
            finish();
        } else if (character.length > 0 && IsSeparator(character.code)) {
            finish();
        } else {
            const char base = character.length > 0 ? BaseLetter(character.code) : '\0';
            const bool capital = (base >= 'A' && base <= 'Z') || character.code == 0xC6 ||
                                 character.code == 0x152;
            if (!inWord && !start(at, capital))
                return;
            if (base == '*' || base == '#') {
                add(capital ? (base == '*' ? 'A' : 'O') : (base == '*' ? 'a' : 'o'));
                add(capital ? 'E' : 'e');
            } else if (base != '\0') {
                add(base);
            } else {
                m_folded.append(line.substr(at, length)); // kept as it is: no letter of ours
            }
            end = at + length;
        }
        at += length;
    }
    finish();
    for (Token &t : m_tokens) {
        const std::size_t textStart = t.text.size(), size = t.key.size();
        t.text = {m_folded.data() + textStart, size};
        t.key = {m_folded.data() + textStart + size, size};
    }
}

std::string_view Tokens::written(std::size_t from, std::size_t to) const {
    if (from >= to)
        return {};
    const std::string_view first = m_tokens[from].written, last = m_tokens[to - 1].written;
    return {first.data(), static_cast<std::size_t>(last.data() + last.size() - first.data())};
}

} // namespace tempidex
