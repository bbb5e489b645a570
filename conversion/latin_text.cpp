#include "latin_text.h"

#include "vocabulary.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

namespace tempidex {
namespace {

// --- Characters and words --------------------------------------------------------------------

// How each byte of a line reads. Letters and digits make words, letter case aside, and J is
// the same letter as I; in names and ordinals, carved with V for U, V reads as U too. Every
// other ASCII byte, the dot included, only separates words ('\0'). A byte of a UTF-8 sequence
// is part of a word unless the character is one of the separators below.
struct Reading {
    std::array<char, 256> letter{};
    std::array<char, 256> nameLetter{};
};

constexpr Reading Read = [] {
    Reading read;
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

constexpr char Letter(char c) {
    return Read.letter[static_cast<unsigned char>(c)];
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

// Spaces and punctuation: quotes of every kind, dashes, the ellipsis, the interpunct of
// inscriptions, CJK and full-width punctuation.
constexpr bool IsSeparator(char32_t c) {
    return IsSpace(c) || (c >= 0x80 && c <= 0xBF && c != 0xAA && c != 0xB5 && c != 0xBA) ||
           c == 0xD7 || c == 0xF7 || (c >= 0x2000 && c <= 0x206F) || (c >= 0x2E00 && c <= 0x2E7F) ||
           (c >= 0x3000 && c <= 0x303F) || (c >= 0xFE10 && c <= 0xFE1F) ||
           (c >= 0xFE30 && c <= 0xFE6F) || (c >= 0xFF01 && c <= 0xFF0F) ||
           (c >= 0xFF1A && c <= 0xFF20) || (c >= 0xFF3B && c <= 0xFF40) ||
           (c >= 0xFF5B && c <= 0xFF65);
}

// The length of the separator at `at`; 0 where a word goes on.
constexpr std::size_t SeparatorAt(std::string_view text, std::size_t at) {
    const auto byte = static_cast<unsigned char>(text[at]);
    if (byte < 0x80)
        return Read.letter[byte] == '\0' ? 1 : 0;
    const Character c = Decode(text, at);
    return c.length > 0 && IsSeparator(c.code) ? c.length : 0;
}

constexpr bool IsBlank(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        const Character c = Decode(text, at);
        if (c.length == 0 || !IsSpace(c.code))
            return false;
        at += c.length;
    }
    return true;
}

// Calls `add` with each word of `text`, in order. ASCII, nearly all there is, goes by the table
// alone.
template <typename Add> constexpr void ForEachWord(std::string_view text, Add &&add) {
    const std::size_t size = text.size();
    std::size_t begin = 0;
    bool inWord = false;
    for (std::size_t at = 0; at < size;) {
        const auto byte = static_cast<unsigned char>(text[at]);
        const std::size_t separator =
            byte < 0x80 ? (Read.letter[byte] == '\0' ? 1 : 0) : SeparatorAt(text, at);
        if (separator == 0) {
            begin = inWord ? begin : at;
            inWord = true;
            ++at;
            continue;
        }
        if (inWord)
            add(text.substr(begin, at - begin));
        inWord = false;
        at += separator;
    }
    if (inWord)
        add(text.substr(begin));
}

// Whether `typed` begins with `spelling`, both read through `as`.
constexpr bool Reads(std::string_view typed, std::string_view spelling,
                     const std::array<char, 256> &as = Read.letter) {
    if (typed.size() < spelling.size())
        return false;
    for (std::size_t i = 0; i < spelling.size(); ++i)
        if (as[static_cast<unsigned char>(typed[i])] != as[static_cast<unsigned char>(spelling[i])])
            return false;
    return true;
}

// Whether the typed word is `spelling`.
constexpr bool Is(std::string_view typed, std::string_view spelling,
                  const std::array<char, 256> &as = Read.letter) {
    return typed.size() == spelling.size() && Reads(typed, spelling, as);
}

template <std::size_t N>
constexpr bool IsAny(std::string_view typed, const std::array<std::string_view, N> &spellings) {
    return std::any_of(spellings.begin(), spellings.end(),
                       [typed](std::string_view s) { return Is(typed, s); });
}

// The first N words of a part of the date, how many it had, and where it stands in the line:
// a part with more words than any spelling of it has is wrong, however long.
template <std::size_t N> struct Words {
    // A word's place in the line. Left unset beyond `count`: clearing the whole array cost a
    // quarter of the time a line takes to read.
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

template <std::size_t N> constexpr Words<N> Split(std::string_view text) {
    Words<N> words{}; // cleared: constant evaluation copies no unset values
    ForEachWord(text, [&words](std::string_view word) { words.add(word); });
    return words;
}

// --- Numbers -----------------------------------------------------------------------------------

// Roman numerals: any number of M, then hundreds, tens and units, each written subtractively
// (CM, XC, IX) or additively with up to four strokes (CCCC, IIII, VIIII). 0 for anything else.
constexpr int RomanValue(std::string_view word) {
    constexpr std::size_t Longest = 32; // MMMDCCCLXXXVIII is 15
    if (word.empty() || word.size() > Longest)
        return 0;
    std::array<char, Longest + 2> letters{}; // ends in two zeros, so looking ahead is safe
    for (std::size_t i = 0; i < word.size(); ++i)
        letters[i] = Letter(word[i]);
    const char *at = letters.data();
    int value = 0;
    for (; *at == 'm'; ++at)
        value += 1000;
    struct Place {
        char one, five, ten;
        int unit;
    };
    constexpr std::array<Place, 3> places{
        {{'c', 'd', 'm', 100}, {'x', 'l', 'c', 10}, {'i', 'v', 'x', 1}}};
    for (const auto &[one, five, ten, unit] : places) {
        if (at[0] == one && (at[1] == five || at[1] == ten)) {
            value += (at[1] == ten ? 9 : 4) * unit;
            at += 2;
            continue;
        }
        if (*at == five) {
            value += 5 * unit;
            ++at;
        }
        for (int strokes = 0; strokes < 4 && *at == one; ++strokes, ++at)
            value += unit;
    }
    return *at == '\0' ? value : 0;
}

// A number in digits, of five at most; 0 for anything else.
constexpr int DigitsValue(std::string_view word) {
    if (word.empty() || word.size() > 5)
        return 0;
    int value = 0;
    for (const char c : word) {
        if (c < '0' || c > '9')
            return 0;
        value = value * 10 + (c - '0');
    }
    return value;
}

// --- Designations ------------------------------------------------------------------------------

// Days counted inclusively: the named day is 1, pridie 2, a. d. XIX 19; the doubled sixth day
// of a leap year is 6, doubled. A number is only ever one the lists write with "a. d.", so
// "a. d. II" is not pridie. No days: no designation.
struct Count {
    int days = 0;
    bool doubled = false;
    bool anteDiem = false;
    bool dayAfter = false; // postridie: the named day is 1, and the date the day after it
    constexpr bool operator==(const Count &) const = default;
};

// Ordinals by their stems, which take -um or -o; the first of each number is how it is written.
struct Ordinal {
    std::string_view stem;
    int value;
};

constexpr std::array<Ordinal, 17> Ordinals{{
    {"secund", 2},
    {"terti", 3},
    {"quart", 4},
    {"quint", 5},
    {"sext", 6},
    {"septim", 7},
    {"octav", 8},
    {"non", 9},
    {"decim", 10},
    {"undecim", 11},
    {"duodecim", 12},
    {"duodevicesim", 18},
    {"duodevigesim", 18},
    {"undevicesim", 19},
    {"undevigesim", 19},
    {"vicesim", 20},
    {"vigesim", 20},
}};
constexpr int Ten = 10;

constexpr int OrdinalValue(std::string_view word) {
    for (const Ordinal &o : Ordinals) {
        const std::string_view ending = word.substr(std::min(o.stem.size(), word.size()));
        if (Reads(word, o.stem, Read.nameLetter) &&
            (Is(ending, "um", Read.nameLetter) || Is(ending, "o", Read.nameLetter)))
            return o.value;
    }
    return 0;
}

// "tertium decimum" or "decimum tertium": thirteen to nineteen.
constexpr int CompoundOrdinalValue(std::string_view first, std::string_view second) {
    const int a = OrdinalValue(first), b = OrdinalValue(second);
    const int unit = a == Ten ? b : b == Ten ? a : 0;
    return unit >= 3 && unit <= 9 ? Ten + unit : 0;
}

constexpr std::array<std::string_view, 3> PridieSpellings{"pridie", "prid", "pr"};
constexpr std::array<std::string_view, 3> PostridieSpellings{"postridie", "postrid", "postr"};

constexpr Count DesignationCount(const Words<5> &w) {
    if (!w.fits())
        return {};
    if (w.count == 0)
        return Count{1};
    if (w.count == 1 && IsAny(w[0], PridieSpellings))
        return Count{2};
    if (w.count == 1 && IsAny(w[0], PostridieSpellings))
        return Count{1, false, false, true};
    // ante diem, in any of its abbreviations, or a bare numeral; then the number of days
    std::size_t at = 0;
    if (Is(w[0], "ad"))
        at = 1;
    else if (w.count >= 2 &&
             ((Is(w[0], "a") && Is(w[1], "d")) || (Is(w[0], "ante") && Is(w[1], "diem"))))
        at = 2;
    const bool anteDiem = at > 0;
    const bool doubled = at < w.count && Is(w[at], "bis");
    at += doubled ? 1 : 0;
    int days = 0;
    if (w.count == at + 1) {
        days = RomanValue(w[at]);
        if (days == 0 && (anteDiem || doubled)) // bis sextum needs no ante diem
            days = OrdinalValue(w[at]);
    } else if (w.count == at + 2 && anteDiem) {
        days = CompoundOrdinalValue(w[at], w[at + 1]);
    }
    if (days == 0 || (doubled && days != 6))
        return {};
    return Count{days, doubled, true};
}

// What each entry of the designation list counts, read by the same rules as typed text.
constexpr auto DesignationCounts = [] {
    std::array<Count, Designations.size()> counts{};
    for (std::size_t i = 0; i < Designations.size(); ++i)
        counts[i] = DesignationCount(Split<5>(Designations[i]));
    return counts;
}();

// --- Reference days ----------------------------------------------------------------------------

struct ReferenceSpelling {
    std::string_view word;
    Reference reference;
};

constexpr std::array<ReferenceSpelling, 20> ReferenceSpellings{{
    {"k", Reference::Calends},        {"kal", Reference::Calends},
    {"kl", Reference::Calends},       {"kalendae", Reference::Calends},
    {"kalendas", Reference::Calends}, {"kalendis", Reference::Calends},
    {"cal", Reference::Calends},      {"calendae", Reference::Calends},
    {"calendas", Reference::Calends}, {"calendis", Reference::Calends},
    {"non", Reference::Nones},        {"nonae", Reference::Nones},
    {"nonas", Reference::Nones},      {"nonis", Reference::Nones},
    {"id", Reference::Ides},          {"eid", Reference::Ides},
    {"idus", Reference::Ides},        {"eidus", Reference::Ides},
    {"idibus", Reference::Ides},      {"eidibus", Reference::Ides},
}};

// How the long form writes them: after "ante diem" and pridie, and on the day itself.
constexpr std::array<std::string_view, 3> ReferenceAccusative{"Kalendas", "Nonas", "Idus"};
constexpr std::array<std::string_view, 3> ReferenceAblative{"Kalendis", "Nonis", "Idibus"};

constexpr std::optional<Reference> ReferenceOf(std::string_view typed) {
    // Most words of a date are no reference day: let them go at their first letter.
    const char first = typed.empty() ? '\0' : Letter(typed[0]);
    if (first != 'k' && first != 'c' && first != 'n' && first != 'i' && first != 'e')
        return std::nullopt;
    for (const ReferenceSpelling &s : ReferenceSpellings)
        if (s.word[0] == first && Is(typed, s.word))
            return s.reference;
    return std::nullopt;
}

constexpr auto ReferenceMeanings = [] {
    std::array<std::optional<Reference>, ReferenceDays.size()> meanings{};
    for (std::size_t i = 0; i < ReferenceDays.size(); ++i)
        meanings[i] = ReferenceOf(Split<1>(ReferenceDays[i])[0]);
    return meanings;
}();

// --- Months and years --------------------------------------------------------------------------

// Each month's Latin name, the stem its other cases are built on, and the declension that
// ends them (the third: Apriles, Aprilibus; else Ianuarias, Ianuariis). After the twelve come
// July's and August's names from before Caesar and Augustus, read but never written.
struct MonthName {
    std::string_view nominative, stem;
    int month;
    bool thirdDeclension;
};

constexpr std::array<MonthName, 15> MonthNames{{
    {"Ianuarius", "Ianuari", 1, false},
    {"Februarius", "Februari", 2, false},
    {"Martius", "Marti", 3, false},
    {"Aprilis", "April", 4, true},
    {"Maius", "Mai", 5, false},
    {"Iunius", "Iuni", 6, false},
    {"Iulius", "Iuli", 7, false},
    {"Augustus", "August", 8, false},
    {"September", "Septembr", 9, true},
    {"October", "Octobr", 10, true},
    {"November", "Novembr", 11, true},
    {"December", "Decembr", 12, true},
    {"Quintilis", "Quintil", 7, true},
    {"Quinctilis", "Quinctil", 7, true},
    {"Sextilis", "Sextil", 8, true},
}};

constexpr std::array<std::string_view, 17> CaseEndings{"a",  "ae",   "am", "arum", "as", "e",
                                                       "em", "es",   "i",  "ibus", "is", "ium",
                                                       "o",  "orum", "os", "um",   "us"};

// The month a word names: three letters or more of its name or stem (an abbreviation), or
// the stem with a case ending. 0 when it names none.
// The names and stems as read: lower case, J as I and V as U, ready to compare with what is typed.
struct ReadName {
    std::array<char, 12> letters{};
    std::size_t size = 0;
    constexpr std::string_view view() const { return {letters.data(), size}; }
};

constexpr ReadName AsRead(std::string_view name) {
    ReadName read;
    for (const char c : name)
        read.letters[read.size++] = Read.nameLetter[static_cast<unsigned char>(c)];
    return read;
}

constexpr auto ReadNames = [] {
    std::array<std::pair<ReadName, ReadName>, MonthNames.size()> names{};
    for (std::size_t i = 0; i < MonthNames.size(); ++i)
        names[i] = {AsRead(MonthNames[i].nominative), AsRead(MonthNames[i].stem)};
    return names;
}();

// The names that begin with each letter, so that a word is compared with two or three at most.
constexpr auto NamesByLetter = [] {
    std::array<std::array<std::uint8_t, 4>, 26> byLetter{};
    for (auto &names : byLetter)
        names.fill(UINT8_MAX);
    for (std::size_t i = 0; i < MonthNames.size(); ++i) {
        auto &names = byLetter[static_cast<std::size_t>(ReadNames[i].first.letters[0] - 'a')];
        *std::find(names.begin(), names.end(), UINT8_MAX) = static_cast<std::uint8_t>(i);
    }
    return byLetter;
}();

constexpr int MonthOf(std::string_view typed) {
    const char first = typed.empty() ? '\0' : Read.nameLetter[static_cast<unsigned char>(typed[0])];
    if (typed.size() < 3 || first < 'a' || first > 'z')
        return 0;
    for (const std::uint8_t i : NamesByLetter[static_cast<std::size_t>(first - 'a')]) {
        if (i == UINT8_MAX)
            break;
        const std::string_view nominative = ReadNames[i].first.view();
        const std::string_view stem = ReadNames[i].second.view();
        const auto abbreviates = [&](std::string_view full) {
            return typed.size() <= full.size() &&
                   Reads(typed, full.substr(0, typed.size()), Read.nameLetter);
        };
        const auto endsAsACase = [&](std::string_view ending) {
            return typed.size() == stem.size() + ending.size() &&
                   Reads(typed.substr(stem.size()), ending, Read.nameLetter);
        };
        if (abbreviates(nominative) || abbreviates(stem) ||
            (Reads(typed, stem, Read.nameLetter) &&
             std::any_of(CaseEndings.begin(), CaseEndings.end(), endsAsACase)))
            return MonthNames[i].month;
    }
    return 0;
}

enum class Era : std::uint8_t { None, Christian, BeforeChrist, City };

// The eras by their letters, the words run together: "a. u. c.", "a.u.c." and "AUC" alike.
struct EraSpelling {
    std::string_view letters;
    Era era;
};

constexpr std::array<EraSpelling, 19> EraSpellings{{
    {"ad", Era::Christian},
    {"domini", Era::Christian}, // after anno
    {"annodomini", Era::Christian},
    {"dc", Era::Christian}, // dopo Cristo
    {"auc", Era::City},
    {"uc", Era::City},
    {"aburbecondita", Era::City},
    {"urbisconditae", Era::City},
    {"annourbisconditae", Era::City},
    {"ac", Era::BeforeChrist}, // avanti Cristo
    {"acn", Era::BeforeChrist},
    {"avc", Era::BeforeChrist},
    {"bc", Era::BeforeChrist},
    {"bce", Era::BeforeChrist},
    {"achr", Era::BeforeChrist},
    {"achrn", Era::BeforeChrist},
    {"antechristum", Era::BeforeChrist},
    {"antechristumnatum", Era::BeforeChrist},
    {"aec", Era::BeforeChrist}, // ante aeram Christianam
}};

// The era that words `from` to `to` spell, run together; Era::None for none, nothing for words
// that are no era.
template <std::size_t N>
constexpr std::optional<Era> EraOf(const Words<N> &w, std::size_t from, std::size_t to) {
    if (from == to)
        return Era::None;
    std::array<char, 24> letters{};
    std::size_t size = 0;
    for (std::size_t i = from; i < to; ++i)
        for (const char c : w[i]) {
            if (size == letters.size())
                return std::nullopt;
            letters[size++] = Letter(c);
        }
    const std::string_view spelt(letters.data(), size);
    for (const EraSpelling &s : EraSpellings)
        if (s.letters == spelt)
            return s.era;
    return std::nullopt;
}

template <std::size_t N> constexpr int NumberAt(const Words<N> &w, std::size_t at) {
    const char first = w[at][0];
    return first >= '0' && first <= '9' ? DigitsValue(w[at]) : RomanValue(w[at]);
}

// The letters that numbers are written with, in digits or in Roman numerals.
constexpr auto NumberLetters = [] {
    std::array<bool, 256> is{};
    for (const char c : std::string_view("0123456789IVXLCDMivxlcdmJj"))
        is[static_cast<unsigned char>(c)] = true;
    return is;
}();

constexpr bool LooksLikeANumber(std::string_view word) {
    return std::all_of(word.begin(), word.end(),
                       [](char c) { return NumberLetters[static_cast<unsigned char>(c)]; });
}

// Whether the words from w[at] set out to be a year: a number among them, or "anno".
template <std::size_t N> constexpr bool StartsAYear(const Words<N> &w, std::size_t at) {
    for (std::size_t i = at; i < std::min(w.count, N); ++i)
        if (LooksLikeANumber(w[i]) || Is(w[i], "anno"))
            return true;
    return false;
}

// [anno] [era] number [era], one era at most; the astronomical year, or nothing.
template <std::size_t N> constexpr std::optional<int> YearOf(const Words<N> &w, std::size_t at) {
    if (!w.fits())
        return std::nullopt;
    at += at < w.count && Is(w[at], "anno") ? 1 : 0;
    // The number is the first word that makes the words before it an era, or none, and those
    // after it the same: in "A. D. 1524" the D is no number.
    for (std::size_t number = at; number < w.count; ++number) {
        if (!LooksLikeANumber(w[number]))
            continue;
        const std::optional<Era> before = EraOf(w, at, number);
        const std::optional<Era> after = EraOf(w, number + 1, w.count);
        if (!before || !after || (*before != Era::None && *after != Era::None))
            continue;
        const int value = NumberAt(w, number);
        if (value == 0)
            return std::nullopt;
        const Era era = *before != Era::None ? *before : *after;
        const int year = era == Era::BeforeChrist ? 1 - value
                         : era == Era::City       ? value - (YearsOfTheCityAtAD1 - 1)
                                                  : value;
        if (year < FirstYear || year > LastYear)
            return std::nullopt;
        return year;
    }
    return std::nullopt;
}

// What follows the reference day: the month, "(a. i.)", a year.
struct MonthChoice {
    int month = 0;         // 1 to 12; 0: no month
    bool leapYear = false; // "(a. i.)" after the month
    constexpr bool operator==(const MonthChoice &) const = default;
};

struct Tail {
    MonthChoice choice;
    std::size_t yearFrom = 0; // the words from here on are the year; 0: none
    YearReading year = YearReading::None;
    int yearValue = 0;
};

constexpr Tail TailOf(const Words<12> &w) {
    Tail tail;
    const int month = w.count > 0 ? MonthOf(w[0]) : 0;
    if (month == 0)
        return tail;
    std::size_t at = 1;
    const bool annoIntercalari =
        (w.count >= 3 && Is(w[1], "a") && Is(w[2], "i")) || (w.count >= 2 && Is(w[1], "ai"));
    at += annoIntercalari ? (Is(w[1], "ai") ? 1 : 2) : 0;
    if (at < w.count && !StartsAYear(w, at))
        return tail; // words that are no part of a date: the month is what is wrong
    tail.choice = {month, annoIntercalari};
    if (at == w.count)
        return tail;
    tail.yearFrom = at;
    const std::optional<int> year = YearOf(w, at);
    tail.year = year ? YearReading::Read : YearReading::Wrong;
    tail.yearValue = year.value_or(0);
    return tail;
}

constexpr auto MonthChoices = [] {
    std::array<MonthChoice, MonthEntries.size()> choices{};
    for (std::size_t i = 0; i < MonthEntries.size(); ++i)
        choices[i] = TailOf(Split<12>(MonthEntries[i])).choice;
    return choices;
}();

// --- The list texts ----------------------------------------------------------------------------

// Every entry of every list reads as a meaning of its own, never as none, so a typed text
// finds at most one entry, and a text that means nothing finds none.
template <typename T, std::size_t N> constexpr bool AllDistinct(const std::array<T, N> &m) {
    for (std::size_t i = 0; i < N; ++i)
        for (std::size_t j = 0; j < i; ++j)
            if (m[i] == m[j])
                return false;
    return true;
}
static_assert(AllDistinct(DesignationCounts) &&
              std::none_of(DesignationCounts.begin(), DesignationCounts.end(),
                           [](Count c) { return c.days == 0; }));
static_assert(AllDistinct(ReferenceMeanings) &&
              std::all_of(ReferenceMeanings.begin(), ReferenceMeanings.end(),
                          [](std::optional<Reference> r) { return r.has_value(); }));
static_assert(AllDistinct(MonthChoices) &&
              std::none_of(MonthChoices.begin(), MonthChoices.end(),
                           [](MonthChoice c) { return c.month == 0; }));

// The first twelve rows of the month table are the months in calendar order, so that row
// m - 1 names month m, and so are the first twelve names.
constexpr bool MonthsInCalendarOrder() {
    for (std::size_t i = 0; i < CalendarMonths; ++i)
        if (MonthChoices[i] != MonthChoice{static_cast<int>(i) + 1} ||
            MonthNames[i].month != static_cast<int>(i) + 1)
            return false;
    return true;
}
static_assert(MonthsInCalendarOrder());

// Where the list's entry that means what was typed stands; NotListed for none.
template <typename T, std::size_t N>
constexpr std::size_t EntryIndex(const std::array<T, N> &meanings, const T &typed) {
    const auto found = static_cast<std::size_t>(std::find(meanings.begin(), meanings.end(), typed) -
                                                meanings.begin());
    return found < N ? found : NotListed;
}

// The designation entry of a count, looked up rather than searched: every line has one.
constexpr std::size_t MostDays = 31;
constexpr auto DesignationIndex = [] {
    std::array<std::size_t, (MostDays + 1) * 4> index{};
    index.fill(NotListed);
    for (std::size_t i = 0; i < DesignationCounts.size(); ++i) {
        const Count c = DesignationCounts[i];
        index[static_cast<std::size_t>(c.days) * 4 + (c.doubled ? 2 : 0) + (c.anteDiem ? 1 : 0)] =
            i;
    }
    return index;
}();
static_assert(std::all_of(DesignationCounts.begin(), DesignationCounts.end(),
                          [](Count c) { return c.days <= static_cast<int>(MostDays); }));

constexpr std::size_t DesignationIndexOf(const Count &c) {
    if (c.days < 1 || c.days > static_cast<int>(MostDays) || c.dayAfter)
        return NotListed;
    return DesignationIndex[static_cast<std::size_t>(c.days) * 4 + (c.doubled ? 2 : 0) +
                            (c.anteDiem ? 1 : 0)];
}

template <std::size_t N>
constexpr std::string_view EntryText(const std::array<std::string_view, N> &entries,
                                     std::size_t index) {
    return index < N ? entries[index] : std::string_view{};
}

constexpr std::size_t LeapMarchRow = [] {
    std::size_t row = 0;
    while (MonthTable[row].kind != MonthKind::LeapMarch)
        ++row;
    return row;
}();

// --- Writing -----------------------------------------------------------------------------------

std::string OrdinalWord(int value) {
    const auto stem = [](int v) {
        return std::find_if(Ordinals.begin(), Ordinals.end(),
                            [v](const Ordinal &o) { return o.value == v; })
            ->stem;
    };
    if (value > Ten + 2 && value < Ten + 8) // tertium decimum .. septimum decimum
        return std::string(stem(value - Ten)).append("um ").append(stem(Ten)).append("um");
    return std::string(stem(value)).append("um");
}

std::string MonthAdjective(int month, bool ablative) {
    const MonthName &name = MonthNames[static_cast<std::size_t>(month - 1)];
    const std::string_view ending =
        name.thirdDeclension ? (ablative ? "ibus" : "es") : (ablative ? "is" : "as");
    return std::string(name.stem).append(ending);
}

std::string YearInLatin(int year, bool longForm) {
    if (year >= 1)
        return longForm ? "anno Domini " + RomanNumeral(year) : RomanNumeral(year);
    const std::string city = RomanNumeral(year + YearsOfTheCityAtAD1 - 1);
    return longForm ? "anno " + city + " ab urbe condita" : city + " a.u.c.";
}

} // namespace

LatinDate ReadLatinDate(std::string_view text) {
    if (text.size() > LongestLine) {
        LatinDate date;
        date.tooLong = true;
        return date;
    }
    // The reference day divides the date: the designation before it, the month after it.
    Words<5> before;
    Words<12> after;
    std::optional<Reference> reference;
    std::string_view referencePart;
    ForEachWord(text, [&](std::string_view word) {
        if (reference) {
            after.add(word);
        } else if ((reference = ReferenceOf(word))) {
            referencePart = word;
        } else {
            before.add(word);
        }
    });
    if (before.count == 0 && !reference && after.count == 0 && IsBlank(text)) {
        LatinDate date;
        date.blank = true;
        return date;
    }
    Count count = DesignationCount(before);
    const bool dayAfter = count.dayAfter;
    if (dayAfter)
        count = Count{1};
    Tail tail = TailOf(after);
    // The doubled sixth day before the March Calends is a leap year's, said or not.
    if (count.doubled && reference == Reference::Calends && tail.choice.month == 3 &&
        tail.year == YearReading::None)
        tail.choice.leapYear = true;
    const ListIndices entries{DesignationIndexOf(count), EntryIndex(ReferenceMeanings, reference),
                              EntryIndex(MonthChoices, tail.choice)};
    // Every field set once, here: a date cleared first and filled after costs a tenth of a
    // batch's time.
    return LatinDate{.texts = {EntryText(Designations, entries.designation),
                               EntryText(ReferenceDays, entries.reference),
                               EntryText(MonthEntries, entries.month)},
                     .entries = entries,
                     .dayAfter = dayAfter,
                     .yearReading = tail.year,
                     .year = tail.yearValue,
                     .blank = false,
                     .tooLong = false,
                     .designationPart = before.span(),
                     .referencePart = referencePart,
                     .monthPart = after.span(0, tail.yearFrom > 0 ? tail.yearFrom : after.count),
                     .yearPart =
                         tail.yearFrom > 0 ? after.span(tail.yearFrom) : std::string_view{}};
}

bool IsBlankLine(std::string_view text) {
    return IsBlank(text);
}

std::optional<ListMeaning> MeaningOf(const ListTexts &texts) {
    const auto designation = IndexOf(Designations, texts.designation);
    const auto reference = IndexOf(ReferenceDays, texts.reference);
    const auto month = IndexOf(MonthEntries, texts.month);
    if (!designation || !reference || !month)
        return std::nullopt;
    return MeaningOf(ListIndices{*designation, *reference, *month});
}

ListMeaning MeaningOf(const ListIndices &entries) {
    const Count count = DesignationCounts[entries.designation];
    const MonthChoice choice = MonthChoices[entries.month];
    return {{count.days, count.doubled, false, *ReferenceMeanings[entries.reference], choice.month},
            choice.leapYear};
}

std::string WriteLatinDate(const RomanDay &day, bool leapYear, std::optional<int> year,
                           bool longForm) {
    const auto reference = static_cast<std::size_t>(day.reference);
    std::string latin;
    if (longForm) {
        if (day.count == 1) {
            latin.append(ReferenceAblative[reference]).append(" ");
            latin.append(MonthAdjective(day.month, true));
        } else {
            latin.append(day.count == 2 ? "pridie "
                         : day.doubled  ? "ante diem bis " + OrdinalWord(day.count) + " "
                                        : "ante diem " + OrdinalWord(day.count) + " ");
            latin.append(ReferenceAccusative[reference]).append(" ");
            latin.append(MonthAdjective(day.month, false));
        }
        if (leapYear)
            latin.append(" (a. i.)");
    } else {
        const Count count{day.count, day.doubled, day.count > 2};
        if (day.count != 1)
            latin.append(Designations[DesignationIndexOf(count)]).append(" ");
        latin.append(ReferenceDays[reference]).append(" ");
        latin.append(
            MonthEntries[leapYear ? LeapMarchRow : static_cast<std::size_t>(day.month - 1)]);
    }
    if (year)
        latin.append(" ").append(YearInLatin(*year, longForm));
    return latin;
}

std::optional<int> ReadYear(std::string_view text) {
    const Words<12> words = Split<12>(text);
    if (words.count == 0 || !StartsAYear(words, 0))
        return std::nullopt;
    return YearOf(words, 0);
}

std::string RomanNumeral(int value) {
    struct Symbol {
        int value;
        std::string_view text;
    };
    constexpr std::array<Symbol, 13> symbols{{{1000, "M"},
                                              {900, "CM"},
                                              {500, "D"},
                                              {400, "CD"},
                                              {100, "C"},
                                              {90, "XC"},
                                              {50, "L"},
                                              {40, "XL"},
                                              {10, "X"},
                                              {9, "IX"},
                                              {5, "V"},
                                              {4, "IV"},
                                              {1, "I"}}};
    std::string numeral;
    for (const Symbol &symbol : symbols)
        for (; value >= symbol.value; value -= symbol.value)
            numeral.append(symbol.text);
    return numeral;
}

} // namespace tempidex
