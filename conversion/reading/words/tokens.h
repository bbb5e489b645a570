// A line of Latin split into its words once, each folded for reading: lower case, J as I,
// letters with accents, macrons or a caudata as their base letter (Īdibus, dominicę), æ and œ
// as two letters, the long s as s, and the brackets of the epigraphers' notation dropped inside
// a word (K(alendas) [S]ept(embres)). Every word keeps where it stands in the line, to be
// quoted, and what the line says around it: a capital, a comma before it, an ordinal mark
// after it (M°, XIIº), a minus sign before a number, a bracket of an editor's gloss around it.
//
// Letters and digits make words; every other ASCII byte, the full stop included, and every
// Unicode space or punctuation mark only separates them, but for three dots or dashes and
// more, or an ellipsis: a gap in the text, a word of its own ("..."). A byte that starts no UTF-8
// character is part of a word.
#pragma once

#include <cassert>
#include <cstddef>
#include <memory_resource>
#include <string>
#include <string_view>
#include <vector>

namespace tempidex {

struct Token {
    std::string_view text;     // folded
    std::string_view key;      // folded, and V as U: how names and keywords are looked up
    std::string_view written;  // as the line writes it
    bool capital = false;      // begins with a capital: a name, an initial, a numeral
    bool capitals = false;     // every letter a capital: MDXX, not mdxx
    bool innerCapital = false; // a capital after its first letter or digit: MCMLXlII, 1I
    bool pause = false;        // a comma, semicolon or colon before it
    bool dotted = false;       // a full stop right after it: K. Mai., 14.
    bool marked = false;       // an ordinal mark right after it: M°, XIIº, 3ª
    bool gloss = false;        // inside an editor's bracket that holds a digit: (1249 mart. 3)
    bool minus = false;        // a number written with a minus sign: -44
    bool joined = false;       // a number joined to the one before by "-" or "/": 1195-6
    bool gap = false;          // an editor's mark of words lost or left out: ..., …, [---]
};

// A word folded as a token's key is: V as U. How the tables' words are kept.
inline std::string AsKey(std::string_view word) {
    std::string key(word);
    for (char &c : key)
        c = c == 'v' ? 'u' : c;
    return key;
}

class Tokens {
public:
    // More words than this make no dating clause.
    static constexpr std::size_t MostWords = 160;

    // `memory`: where the words are kept, for as long as they are read.
    Tokens(std::string_view line, std::pmr::memory_resource *memory);

    bool tooMany() const { return m_tooMany; }
    // Whether the editor marks the text "[sic]" or "(!)": as the document has it.
    bool sic() const { return m_sic; }
    std::size_t size() const { return m_tokens.size(); }
    const Token &operator[](std::size_t i) const {
        assert(i < m_tokens.size()); // a rule that looks past the line's last word
        return m_tokens[i];
    }
    // Words `from` to `to` (not included) as the line writes them.
    std::string_view written(std::size_t from, std::size_t to) const;
    // Reads word i as not parted from the one before: the colon before it was the mark of an
    // abbreviation (Kal: Maij).
    void join(std::size_t i) { m_tokens[i].pause = false; }

private:
    std::pmr::string m_text, m_key; // the words' texts and keys, one after another
    std::pmr::vector<Token> m_tokens;
    bool m_tooMany = false;
    bool m_sic = false;
};

} // namespace tempidex
