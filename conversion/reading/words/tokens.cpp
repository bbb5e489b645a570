#include "tokens.h"

#include "characters.h"
#include "editors_marks.h"
#include "letter_folding.h"
#include "numbers.h"
#include "run_on_words.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace tempidex {
namespace {

// What each ASCII byte does in a line, and how a letter of a word reads: lower case, J as I.
enum class Byte : std::uint8_t { Letter, Separator, Pause, Dot, Bracket, Beyond };

struct ByteReading {
    Byte kind;
    char letter;  // for a letter or a digit
    bool capital; // a capital letter
};

constexpr std::array<ByteReading, 256> Bytes = [] {
    std::array<ByteReading, 256> bytes{};
    for (std::size_t b = 0; b < bytes.size(); ++b) {
        const char c = static_cast<char>(b);
        ByteReading &r = bytes[b];
        r.kind = Byte::Separator;
        if (b >= 0x80) {
            r.kind = Byte::Beyond;
        } else if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) {
            r = {Byte::Letter, c == 'j' ? 'i' : c, false};
        } else if (c >= 'A' && c <= 'Z') {
            r = {Byte::Letter, c == 'J' ? 'i' : static_cast<char>(c - 'A' + 'a'), true};
        } else if (c == ',' || c == ';' || c == ':') {
            r.kind = Byte::Pause;
        } else if (c == '.') {
            r.kind = Byte::Dot;
        } else if (c == '(' || c == ')' || c == '[' || c == ']' || c == '<' || c == '>' ||
                   c == '{' || c == '}') {
            r.kind = Byte::Bracket;
        }
    }
    return bytes;
}();

// Each ASCII letter and digit as a word reads it, '\0' for every other byte: the table of the
// loop over a word's letters, which is most of splitting a line.
constexpr std::array<char, 256> Letters = [] {
    std::array<char, 256> letters{};
    for (std::size_t b = 0; b < letters.size(); ++b)
        if (Bytes[b].kind == Byte::Letter)
            letters[b] = Bytes[b].letter;
    return letters;
}();

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Whether the capitals from `at` to the end of the word are a numeral run on, without a space,
// from the lower-case word before it: "LateranisXIII kal. Mai.", "RomaeVI id.". The copyist or
// the scan lost the space; read as one word, the count would be lost with it, and the date
// read as the Calends themselves.
bool IsNumeralRunOn(std::string_view line, std::size_t at) {
    std::size_t end = at;
    while (end < line.size() && Bytes[static_cast<unsigned char>(line[end])].kind == Byte::Letter)
        ++end;
    const std::string_view run = line.substr(at, end - at);
    return HasNumeralLettersOnly(run) &&
           std::all_of(run.begin(), run.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
}

// Where a hyphen and an ordinal's ending (-a, -o, -um...) after a number in digits end, when
// they follow it at `at`: "26-a Februarii"; or a colon and the ending after a number in digits
// or a numeral, as the Swedish diplomatarium prints them: "xx:a die", "ccccv:to". `at` itself
// where they do not.
std::size_t EndingAfterMark(std::string_view line, std::size_t at, const Token *word,
                            const char *text, std::size_t size) {
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    const bool hyphen =
        at < line.size() && line[at] == '-' && std::all_of(text, text + size, digit);
    const bool colon = at < line.size() && line[at] == ':' &&
                       (std::all_of(text, text + size, digit) ||
                        HasNumeralLettersOnly(std::string_view(text, size)));
    if (word == nullptr || size == 0 || at + 1 >= line.size() || (!hyphen && !colon))
        return at;
    std::size_t end = at + 1;
    while (end < line.size() && line[end] >= 'a' && line[end] <= 'z' && end - at <= 3)
        ++end;
    const std::string_view ending = line.substr(at + 1, end - at - 1);
    const bool letterFollows =
        end < line.size() && Bytes[static_cast<unsigned char>(line[end])].kind == Byte::Letter;
    // (and "3-tia", "8-va", "9-na", "1-ma": tertia, octava, nona, prima)
    for (const std::string_view e : {"a", "o", "e", "us", "um", "mo", "ma", "ta", "to", "da", "do",
                                     "tia", "tio", "va", "vo", "na", "no"})
        if (ending == e && !letterFollows)
            return end;
    return at;
}

// The sign written right before `at`, and its length: "-", "/", "−" (U+2212), "–" (U+2013).
struct Sign {
    std::size_t length = 0;
    bool minus = false;
};

Sign SignBefore(std::string_view line, std::size_t at) {
    if (at >= 1 && (line[at - 1] == '-' || line[at - 1] == '/'))
        return {1, line[at - 1] == '-'};
    if (at >= 3 && line.substr(at - 3, 3) == "\u2212")
        return {3, true};
    if (at >= 3 && line.substr(at - 3, 3) == "\u2013")
        return {3, false};
    return {};
}

// Where a word broken at the end of a printed line goes on, when its hyphen is at `at`:
// "Novem- bris", "mart-is", "Octo¬ bris" (the mark of scans of German editions). The rest
// begins with a small letter: "Omnium-Sanctorum" is two words; and after a numeral it is more
// than an ordinal's ending: "XII-o" is the twelfth. `at` itself where no word is broken there.
std::size_t BrokenWordRest(std::string_view line, std::size_t at, bool numeral) {
    std::size_t next = at;
    for (const std::string_view hyphen : {"-", "\u00AC", "\u2010"})
        if (line.substr(at, hyphen.size()) == hyphen)
            next = at + hyphen.size();
    if (next == at)
        return at;
    while (next < line.size() && line[next] == ' ')
        ++next;
    std::size_t end = next;
    while (end < line.size() && line[end] >= 'a' && line[end] <= 'z')
        ++end;
    return end > next && (!numeral || end - next > 2) ? next : at;
}

} // namespace

Tokens::Tokens(std::string_view line, std::pmr::memory_resource *memory)
    : m_text(line.size(), '\0', memory)
    , m_key(line.size(), '\0', memory)
    , m_tokens(memory) {
    // Room for every word there can be: each takes a byte and a separator. The folded words are
    // never longer than they are written (æ is two bytes), so their views never move.
    m_tokens.reserve(std::min(line.size() / 2 + 1, MostWords));
    Token *word = nullptr; // the word being read
    std::size_t used = 0, textStart = 0, glossEnd = 0;
    bool pause = false, lower = false, inner = false; // small letters, capitals after the first

    // Written through pointers of their own: a char written through the strings could be
    // their own bookkeeping, for all the compiler knows, and each letter would read it again.
    char *const text = m_text.data(), *const key = m_key.data();
    const auto put = [&](char c) {
        text[used] = c;
        key[used++] = c == 'v' ? 'u' : c;
    };
    const auto finish = [&](std::size_t end) {
        if (word == nullptr)
            return;
        // "fferia", "ffesto": the double f scribes wrote for a capital F; no Latin word
        // begins with two
        const std::size_t from = textStart + (used - textStart > 2 && text[textStart] == 'f' &&
                                              text[textStart + 1] == 'f');
        word->text = {text + from, used - from};
        word->key = {key + from, used - from};
        word->written = line.substr(word->written.size(), end - word->written.size());
        word->capitals = word->capital && !lower;
        word->innerCapital = inner;
        // (xxiadie, martiasanno: two words, where the room kept for words allows one more)
        const std::size_t count = SecondWordStart(word->text, word->key, line, end);
        if (count > 0 && word->written.size() == word->text.size() &&
            m_tokens.size() < m_tokens.capacity()) {
            Token &next = m_tokens.emplace_back(*word);
            Token &first = m_tokens[m_tokens.size() - 2];
            next.text = first.text.substr(count);
            next.key = first.key.substr(count);
            next.written = first.written.substr(count);
            next.capital = next.capitals = next.pause = next.joined = next.minus = false;
            first.text = first.text.substr(0, count);
            first.key = first.key.substr(0, count);
            first.written = first.written.substr(0, count);
            first.dotted = false;
        }
        word = nullptr;
    };
    // Begins a word at `at`; false where the line has more words than any clause.
    const auto start = [&](std::size_t at, bool capital) {
        if (m_tokens.size() == MostWords) {
            m_tooMany = true;
            return false;
        }
        word = &m_tokens.emplace_back();
        word->capital = capital;
        word->pause = pause;
        word->gloss = at < glossEnd;
        word->written = {nullptr, at}; // where it begins, until it ends
        pause = lower = inner = false;
        textStart = used;
        return true;
    };

    std::size_t end = 0; // where the word being read ends, as written
    for (std::size_t at = 0; at < line.size();) {
        if (line[at] == ' ') { // the commonest byte between words, before the table's
            finish(end);
            ++at;
            continue;
        }
        const ByteReading byte = Bytes[static_cast<unsigned char>(line[at])];
        if (byte.kind == Byte::Letter) { // a word begins, or goes on after a mark or a bracket
            if (word == nullptr) {
                if (!start(at, byte.capital))
                    return;
                if (IsDigit(line[at])) { // -44 is signed; 1195-6 is a double year
                    const Sign sign = SignBefore(line, at);
                    const bool joined = sign.length > 0 && m_tokens.size() >= 2 &&
                                        end == at - sign.length && IsDigit(line[end - 1]);
                    word->joined = joined;
                    word->minus = sign.minus && !joined;
                    if (word->minus)
                        word->written = {nullptr, at - sign.length}; // quoted with its sign
                }
            }
            // The whole run of ASCII letters at once, counting in locals: the lambdas share
            // `used` and `lower`, and kept in memory they would be stored and read again at
            // every letter.
            std::size_t count = used;
            bool small = lower;
            for (; at < line.size(); ++at) {
                const char letter = Letters[static_cast<unsigned char>(line[at])];
                if (letter == '\0')
                    break;
                const auto byte = static_cast<unsigned char>(line[at]);
                if (byte >= 'A' && byte <= 'Z' && count > textStart) { // a capital inside: rare
                    // A numeral in capitals after a word's small letters is a word of its own,
                    // unless the small letters are a numeral too: "viI Idus" is VII Id.; or one
                    // letter, no word but a numeral's slip: "rII idus" is no "r" and II.
                    used = count;
                    lower = small;
                    if (small && !inner && used - textStart >= 2 && IsNumeralRunOn(line, at) &&
                        !HasNumeralLettersOnly({text + textStart, used - textStart})) {
                        finish(at);
                        if (!start(at, true))
                            return;
                    } else {
                        inner = true;
                    }
                    count = used;
                    small = lower;
                }
                small = small || (byte >= 'a' && byte <= 'z');
                text[count] = letter;
                key[count++] = letter == 'v' ? 'u' : letter;
            }
            used = count;
            lower = small;
            end = at;
            // "26-a Februarii", "2-o": a day in digits with its ordinal ending after a hyphen,
            // as humanists wrote it; a mark, like the º of "26º"
            if (const std::size_t ending =
                    EndingAfterMark(line, at, word, text + textStart, used - textStart);
                ending > at) {
                word->marked = true;
                finish(end = at = ending);
            }
            continue;
        }
        // Read whole, the broken word is what the writer wrote: its first part alone may be
        // another word ("mart- is" no Martha, "dec- imo" no count of ten).
        if (word != nullptr && used > textStart && text[used - 1] >= 'a' && text[used - 1] <= 'z')
            if (const std::size_t rest = BrokenWordRest(
                    line, at, HasNumeralLettersOnly({text + textStart, used - textStart}));
                rest > at) {
                at = rest;
                continue;
            }
        // A gap: a word of its own, "...". (Most full stops end an abbreviation, and begin none.)
        if (const std::size_t gap = MayBeginAGap(line, at) ? GapEnd(line, at) : at; gap > at) {
            if (word != nullptr)
                word->dotted = line[at] == '.';
            finish(end);
            if (!start(at, false))
                return;
            word->gap = true;
            put('.');
            put('.');
            put('.');
            finish(end = gap);
            at = gap;
            continue;
        }
        switch (byte.kind) {
        case Byte::Letter: // read above: never here
            continue;
        case Byte::Bracket: {
            // An edition's footnote mark, a small letter or a number of two digits at most
            // closed by its bracket: "ducentesimo a) quinquagesimo", "die 1) veneris". No word of
            // the clause: it is left out, and a comma before it goes to the word after it.
            if (const std::size_t begins = word != nullptr ? word->written.size() : 0;
                line[at] == ')' && word != nullptr && (begins == 0 || line[begins - 1] == ' ') &&
                at - begins == used - textStart &&
                ((at - begins == 1 && line[begins] >= 'a' && line[begins] <= 'z') ||
                 (at - begins <= 2 &&
                  std::all_of(line.begin() + static_cast<std::ptrdiff_t>(begins),
                              line.begin() + static_cast<std::ptrdiff_t>(at), IsDigit)))) {
                pause = word->pause;
                used = textStart;
                m_tokens.pop_back();
                word = nullptr;
                ++at;
                continue;
            }
            // A footnote mark in brackets between words, a small letter or a digit: "vi (a)
            // kalendas maii", "quinquagesimo (1) tertio", "Martini [1] estivalis": left out as
            // the mark with one bracket is. (Two digits stay an editor's gloss, "a. 705 (49)";
            // one within a word, the letters an editor supplies: "kalenda[s]", "X(l)".)
            if ((line[at] == '(' || line[at] == '[') && word == nullptr && at >= 1 &&
                line[at - 1] == ' ' && at + 2 < line.size() &&
                line[at + 2] == (line[at] == '(' ? ')' : ']') &&
                ((line[at + 1] >= 'a' && line[at + 1] <= 'z') || IsDigit(line[at + 1])) &&
                (at + 3 == line.size() ||
                 Bytes[static_cast<unsigned char>(line[at + 3])].kind != Byte::Letter)) {
                finish(end);
                at += 3;
                continue;
            }
            // The page of the source turning, "[fol. 3v]": between words, and no gloss that
            // parts them ("millesimo ducentesimo [fol. 3v] sexagesimo" is 1260)
            if (const std::size_t page = PageMarkEnd(line, at); page > at) {
                finish(end);
                at = page;
                continue;
            }
            // An editor's "[sic]", "(!)": a mark between words, never letters of one
            // ("Mcccclxxxiij,[sic]xi kal.": the count is xi, not sicxi)
            if (const std::size_t note = EditorsNoteEnd(line, at); note > at) {
                finish(end);
                m_sic = m_sic || line[at + 1] == 's' || line[at + 1] == '!';
                at = note;
                continue;
            }
            // An editor's gloss begins here, even right after a number: "a. 705(49)".
            const bool opens = (line[at] == '(' || line[at] == '[') && at >= glossEnd;
            const std::size_t gloss = opens ? GlossEnd(line, at) : 0;
            const bool afterNumber = word != nullptr && at >= 1 && IsDigit(line[at - 1]);
            if (gloss > 0 && (word == nullptr || afterNumber)) {
                finish(end);
                glossEnd = gloss;
            } else if (word != nullptr) {
                end = at + 1; // quoted with the word: K(alendis)
            }
            ++at;
            continue;
        }
        case Byte::Dot:
            if (word != nullptr)
                word->dotted = true;
            finish(end);
            ++at;
            continue;
        case Byte::Pause:
            finish(end);
            pause = true;
            ++at;
            continue;
        case Byte::Separator:
            finish(end);
            ++at;
            continue;
        case Byte::Beyond:
            break;
        }
        const Character character = Decode(line, at);
        const std::size_t length = character.length > 0 ? character.length : 1;
        if (character.length > 0 && IsTransparent(character.code)) {
            end = word != nullptr ? at + length : end;
        } else if (character.length > 0 && IsOrdinalMark(character.code)) {
            if (word != nullptr)
                word->marked = true;
            finish(end);
        } else if (character.length > 0 && IsSeparator(character.code)) {
            finish(end);
        } else if (character.length > 0 && IsReversedC(character.code) && word != nullptr &&
                   !lower && used > textStart && text[used - 1] == 'i') {
            // CIↃ and IↃ: the thousand and the five hundred of the apostrophus, read as M and D
            // (in capitals only: "cIↄ" would be a thousand in small letters beside capitals)
            const bool thousand = used - textStart >= 2 && text[used - 2] == 'c';
            used -= thousand ? 2 : 1;
            put(thousand ? 'm' : 'd');
            end = at + length;
        } else {
            const char base = character.length > 0 ? BaseLetter(character.code) : '\0';
            const std::string_view numeral =
                character.length > 0 ? NumeralLetters(character.code) : std::string_view{};
            const bool capital = (base >= 'A' && base <= 'Z') || character.code == 0xC6 ||
                                 character.code == 0x152 || character.code == 0x132 ||
                                 (character.code >= 0x2160 && character.code <= 0x216F);
            if (word == nullptr && !start(at, capital))
                return;
            if (capital && used > textStart)
                inner = true;       // MÌ, IÇ: a capital inside, as in MI and IC
            if (!numeral.empty()) { // Ⅻ: its letters, in the case it is written in
                for (const char c : numeral)
                    put(Bytes[static_cast<unsigned char>(c)].letter);
                lower = lower || !capital;
            } else if (base == '*' || base == '#') { // æ, œ
                put(base == '*' ? 'a' : 'o');
                put('e');
                lower = lower || !capital;
            } else if (base == '%') { // ĳ, read as i and j, the j as an i
                put('i');
                put('i');
                lower = lower || !capital;
            } else if (base != '\0') {
                put(Bytes[static_cast<unsigned char>(base)].letter);
                lower = lower || (base >= 'a' && base <= 'z');
            } else {
                for (std::size_t i = 0; i < length; ++i) // kept as it is: no letter of ours
                    put(line[at + i]);
            }
            end = at + length;
        }
        at += length;
    }
    finish(end);
}

std::string_view Tokens::written(std::size_t from, std::size_t to) const {
    if (from >= to)
        return {};
    const std::string_view first = m_tokens[from].written, last = m_tokens[to - 1].written;
    return {first.data(), static_cast<std::size_t>(last.data() + last.size() - first.data())};
}

} // namespace tempidex
