// Words and separators of a line of Latin, as sources write it: letters and digits make words,
// in any letter case, with J read as I (and, in names and ordinals carved with V for U, V as U);
// every other ASCII byte, the dot included, and every Unicode space and punctuation mark only
// separates them. Text is UTF-8; a byte that starts no character is part of a word.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <type_traits>

namespace tempidex {

// How each byte reads: lower case, J as I; '\0' for a byte that only separates words.
struct LetterReadings {
    std::array<char, 256> letter{};
    std::array<char, 256> nameLetter{}; // the same, and V as U
};

inline constexpr LetterReadings Letters = [] {
    LetterReadings read;
    for (int byte = 0; byte < 256; ++byte) {
        char c = static_cast<char>(byte);
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c == 'j')
            c = 'i';
        const bool word = (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || byte >= 0x80;
        read.letter[static_cast<std::size_t>(byte)] = word ? c : '\0';
        read.nameLetter[static_cast<std::size_t>(byte)] = c == 'v' ? 'u' : word ? c : '\0';
    }
    return read;
}();

constexpr char LetterOf(char c) {
    return Letters.letter[static_cast<unsigned char>(c)];
}
constexpr char NameLetterOf(char c) {
    return Letters.nameLetter[static_cast<unsigned char>(c)];
}

// The character at `at` and its length in bytes; length 0 for a byte that starts none.
struct Character {
    char32_t code = 0;
    std::size_t length = 0;
};

constexpr Character Decode(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80)
        return {lead, 1};
    const std::size_t length = lead >= 0xF8   ? 0
                               : lead >= 0xF0 ? 4
                               : lead >= 0xE0 ? 3
                               : lead >= 0xC0 ? 2
                                              : 0;
    if (length == 0 || at + length > text.size())
        return {};
    char32_t code = lead & (0x7Fu >> length);
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[at + i]);
        if ((next & 0xC0) != 0x80)
            return {};
        code = code << 6 | (next & 0x3Fu);
    }
    return {code, length};
}

// Unicode's spaces, and the invisible marks that copying from a PDF or a Windows file leaves.
constexpr bool IsSpace(char32_t c) {
    return c == ' ' || (c >= '\t' && c <= '\r') || c == 0xA0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200B) || c == 0x2028 || c == 0x2029 || c == 0x202F ||
           c == 0x205F || c == 0x3000 || c == 0xFEFF;
}

// Spaces and punctuation: quotes of every kind, dashes, the minus sign, the ellipsis, the
// interpunct of inscriptions, CJK and full-width punctuation.
constexpr bool IsSeparator(char32_t c) {
    return IsSpace(c) || c == 0x2212 ||
           (c >= 0x80 && c <= 0xBF && c != 0xAA && c != 0xB5 && c != 0xBA) || c == 0xD7 ||
           c == 0xF7 || (c >= 0x2000 && c <= 0x206F) || (c >= 0x2E00 && c <= 0x2E7F) ||
           (c >= 0x3000 && c <= 0x303F) || (c >= 0xFE10 && c <= 0xFE1F) ||
           (c >= 0xFE30 && c <= 0xFE6F) || (c >= 0xFF01 && c <= 0xFF0F) ||
           (c >= 0xFF1A && c <= 0xFF20) || (c >= 0xFF3B && c <= 0xFF40) ||
           (c >= 0xFF5B && c <= 0xFF65);
}

// The length of the separator at `at`; 0 where a word goes on.
constexpr std::size_t SeparatorAt(std::string_view text, std::size_t at) {
    const auto byte = static_cast<unsigned char>(text[at]);
    if (byte < 0x80)
        return Letters.letter[byte] == '\0' ? 1 : 0;
    const Character c = Decode(text, at);
    return c.length > 0 && IsSeparator(c.code) ? c.length : 0;
}

// Whether `text` holds nothing but spaces, Unicode's included: a line with no date and no error.
constexpr bool IsBlankLine(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        const Character c = Decode(text, at);
        if (c.length == 0 || !IsSpace(c.code))
            return false;
        at += c.length;
    }
    return true;
}

// Calls `add` with each word of `text`, in order, while it returns true (or returns nothing).
// ASCII, nearly all there is, goes by the table alone.
template <typename Add> constexpr void ForEachWord(std::string_view text, Add &&add) {
    const auto more = [&add](std::string_view word) {
        if constexpr (std::is_same_v<decltype(add(word)), bool>)
            return add(word);
        add(word);
        return true;
    };
    const std::size_t size = text.size();
    for (std::size_t at = 0; at < size;) {
        if (const std::size_t separator = SeparatorAt(text, at); separator > 0) {
            at += separator;
            continue;
        }
        const std::size_t begin = at;
        for (++at; at < size; ++at) {
            const auto byte = static_cast<unsigned char>(text[at]);
            if (byte < 0x80 ? Letters.letter[byte] == '\0' : SeparatorAt(text, at) > 0)
                break;
        }
        if (!more(text.substr(begin, at - begin)))
            return;
    }
}

using LetterTable = std::array<char, 256>;

// Whether `typed` begins with `spelling`, both read through `as`.
constexpr bool BeginsWith(std::string_view typed, std::string_view spelling,
                          const LetterTable &as = Letters.letter) {
    if (typed.size() < spelling.size())
        return false;
    for (std::size_t i = 0; i < spelling.size(); ++i)
        if (as[static_cast<unsigned char>(typed[i])] != as[static_cast<unsigned char>(spelling[i])])
            return false;
    return true;
}

// Whether the typed word is `spelling`.
constexpr bool Is(std::string_view typed, std::string_view spelling,
                  const LetterTable &as = Letters.letter) {
    return typed.size() == spelling.size() && BeginsWith(typed, spelling, as);
}

template <std::size_t N>
constexpr bool IsAny(std::string_view typed, const std::array<std::string_view, N> &spellings) {
    return std::any_of(spellings.begin(), spellings.end(),
                       [typed](std::string_view s) { return Is(typed, s); });
}

// The first N words of a part of the date, how many it had, and where it stands in the line:
// a part with more words than any spelling of it has is wrong, however long.
template <std::size_t N> struct Words {
    // A word's place in the line; only the first `count` (at most N) are ever set or read.
    struct Piece {
        const char *data;
        std::size_t size;
    };
    std::array<Piece, N> word;
    std::size_t count = 0;
    Piece last{nullptr, 0};

    constexpr void add(std::string_view w) {
        if (count < N)
            word[count] = {w.data(), w.size()};
        ++count;
        last = {w.data(), w.size()};
    }
    constexpr bool fits() const { return count <= N; }
    // i < count, i < N
    constexpr std::string_view operator[](std::size_t i) const {
        return {word[i].data, word[i].size};
    }
    // The text from word `from` up to word `to` (not included), as written.
    constexpr std::string_view span(std::size_t from = 0, std::size_t to = SIZE_MAX) const {
        to = std::min(to, count);
        if (from >= to || from >= N || (to < count && to > N))
            return {};
        const Piece end = to == count ? last : word[to - 1];
        return {word[from].data, static_cast<std::size_t>(end.data + end.size - word[from].data)};
    }
};

// The places of a table's entries by the first letter of each (V read as U), so that a word is
// compared only with those that begin as it does; UINT8_MAX ends each letter's list.
template <std::size_t PerLetter, typename Table, typename WordOf>
constexpr auto IndexByFirstLetter(const Table &table, WordOf &&wordOf) {
    std::array<std::array<std::uint8_t, PerLetter>, 26> byLetter{};
    for (auto &entries : byLetter)
        entries.fill(UINT8_MAX);
    for (std::size_t i = 0; i < table.size(); ++i) {
        const std::string_view word = wordOf(table[i]);
        auto &entries = byLetter[static_cast<std::size_t>(NameLetterOf(word[0]) - 'a')];
        *std::find(entries.begin(), entries.end(), UINT8_MAX) = static_cast<std::uint8_t>(i);
    }
    return byLetter;
}

// Words in a tree of their letters, grown at compile time, so that a word is looked up among
// all of them in one walk over its own letters: each node is a beginning that some of them
// share, the root the empty one. Letters are read through a table (V as U or not).
template <std::size_t N> struct LetterTree {
    static constexpr std::size_t None = 0;       // the root is no letter's next node
    static constexpr std::uint8_t NoLetter = 26; // its column leads nowhere from any node
    std::array<std::uint8_t, 256> column{};      // each byte's letter, 0 to 25, or NoLetter
    std::array<std::array<std::uint16_t, NoLetter + 1>, N> nextNode{};
    std::array<std::uint16_t, N> parentNode{};
    std::size_t size = 1;

    constexpr explicit LetterTree(const LetterTable &as) {
        for (std::size_t byte = 0; byte < column.size(); ++byte)
            column[byte] = as[byte] >= 'a' && as[byte] <= 'z'
                               ? static_cast<std::uint8_t>(as[byte] - 'a')
                               : NoLetter;
    }

    // The node after `node` and the character `c`, of a word as words are folded (lower case,
    // J as I); None where no word goes on so. One load a letter: the walk waits on each.
    constexpr std::size_t next(std::size_t node, char c) const {
        const auto letter = static_cast<std::size_t>(static_cast<unsigned char>(c)) - 'a';
        return letter < NoLetter ? nextNode[node][letter] : None;
    }
    // Once every word is in: each letter leads where the letter it is read as does (V as U).
    constexpr void readAlike() {
        for (char c = 'a'; c <= 'z'; ++c) {
            const auto letter = static_cast<std::size_t>(c - 'a');
            const std::size_t readAs = column[static_cast<unsigned char>(c)];
            for (std::size_t node = 0; node < size && readAs != letter; ++node)
                nextNode[node][letter] = nextNode[node][readAs];
        }
    }
    constexpr std::size_t parent(std::size_t node) const { return parentNode[node]; }

    // Adds a word of letters, calling `made(node, beginning)` for each node it makes; returns
    // its node.
    template <typename Made> constexpr std::size_t insert(std::string_view word, Made &&made) {
        std::size_t node = 0;
        for (std::size_t i = 0; i < word.size(); ++i) {
            auto &next = nextNode[node][column[static_cast<unsigned char>(word[i])]];
            if (next == None) {
                parentNode[size] = static_cast<std::uint16_t>(node);
                next = static_cast<std::uint16_t>(size++);
                made(std::size_t{next}, word.substr(0, i + 1));
            }
            node = next;
        }
        return node;
    }
};

template <std::size_t N> constexpr Words<N> Split(std::string_view text) {
    Words<N> words{}; // cleared: constant evaluation copies no unset values
    ForEachWord(text, [&words](std::string_view word) { words.add(word); });
    return words;
}

} // namespace tempidex
