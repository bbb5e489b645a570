#include "latin_text.h"

#include "roman_date.h"
#include "vocabulary.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace tempidex {
namespace {

// --- Words ---------------------------------------------------------------------------------

// How each byte of a line reads: blanks, dots and brackets only separate words (0), so
// "a.d.XIX", "a. d. XIX" and "ad XIX" are the same designation and "(a. i.)" is the words
// "a" and "i"; letter case does not matter, and J is the same letter as I. Month names are
// also carved with V for U, so for them V reads as U. Spellings below are written as read.
struct Reading {
    std::array<char, 256> letter{};
    std::array<char, 256> monthLetter{};
};

constexpr Reading Read = [] {
    Reading read;
    for (int byte = 0; byte < 256; ++byte) {
        char c = static_cast<char>(byte);
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c == 'j')
            c = 'i';
        if (std::string_view(" \t\n\r\v\f.()").find(c) != std::string_view::npos)
            c = '\0';
        read.letter[static_cast<std::size_t>(byte)] = c;
        read.monthLetter[static_cast<std::size_t>(byte)] = c == 'v' ? 'u' : c;
    }
    return read;
}();

constexpr char Letter(char c) {
    return Read.letter[static_cast<unsigned char>(c)];
}

// Whether `typed` begins with `spelling`, its letters read through `as`.
constexpr bool Reads(std::string_view typed, std::string_view spelling,
                     const std::array<char, 256> &as = Read.letter) {
    if (typed.size() < spelling.size())
        return false;
    for (std::size_t i = 0; i < spelling.size(); ++i)
        if (as[static_cast<unsigned char>(typed[i])] != spelling[i])
            return false;
    return true;
}

// Whether the typed word is `spelling`.
constexpr bool Is(std::string_view typed, std::string_view spelling) {
    return typed.size() == spelling.size() && Reads(typed, spelling);
}

// The next word of `rest`, which moves past it; empty at the end.
constexpr std::string_view NextWord(std::string_view &rest) {
    std::size_t begin = 0;
    while (begin < rest.size() && Letter(rest[begin]) == '\0')
        ++begin;
    std::size_t end = begin;
    while (end < rest.size() && Letter(rest[end]) != '\0')
        ++end;
    const std::string_view word = rest.substr(begin, end - begin);
    rest.remove_prefix(end);
    return word;
}

// The first N words of a part of the date, and how many it had: a part with more words than
// any spelling of it has is wrong, however long.
template <std::size_t N> struct Words {
    std::array<std::string_view, N> word{};
    std::size_t count = 0;

    constexpr void add(std::string_view w) {
        if (count < N)
            word[count] = w;
        ++count;
    }
    constexpr bool fits() const { return count <= N; }
    constexpr std::string_view operator[](std::size_t i) const { return word[i]; }
};

template <std::size_t N> constexpr Words<N> Split(std::string_view text) {
    Words<N> words;
    for (std::string_view word = NextWord(text); !word.empty(); word = NextWord(text))
        words.add(word);
    return words;
}

// --- Designations ----------------------------------------------------------------------------

// Days counted inclusively: the named day is 1, pridie 2, a. d. XIX 19; the doubled sixth
// day of a leap year is 6, doubled. A number is only ever one the lists write with "a. d.",
// so "a. d. II" is not pridie. No days: no designation.
struct Count {
    int days = 0;
    bool doubled = false;
    bool anteDiem = false;
    constexpr bool operator==(const Count &) const = default;
};

// X, XX, ... then the units, written subtractively (IV, IX) or additively (IIII, VIIII).
// 0 for anything else.
constexpr int RomanNumeral(std::string_view numeral) {
    std::size_t at = 0;
    int value = 0;
    while (at < numeral.size() && Letter(numeral[at]) == 'x') {
        value += 10;
        ++at;
    }
    const std::string_view units = numeral.substr(at);
    if (Is(units, "iv") || Is(units, "ix"))
        return value + (Letter(units[1]) == 'v' ? 4 : 9);
    if (at < numeral.size() && Letter(numeral[at]) == 'v') {
        value += 5;
        ++at;
    }
    const std::size_t ones = numeral.size() - at;
    for (; at < numeral.size(); ++at)
        if (Letter(numeral[at]) != 'i')
            return 0;
    return ones > 4 ? 0 : value + static_cast<int>(ones);
}

constexpr Count DesignationCount(const Words<4> &w) {
    if (!w.fits())
        return {};
    if (w.count == 0 || (w.count == 1 && Is(w[0], "---")))
        return Count{1};
    if (w.count == 1 && (Is(w[0], "pridie") || Is(w[0], "prid") || Is(w[0], "pr")))
        return Count{2};
    // ante diem, in any of its abbreviations, then the number of days
    std::size_t number = 0;
    if (Is(w[0], "ad"))
        number = 1;
    else if (w.count >= 2 &&
             ((Is(w[0], "a") && Is(w[1], "d")) || (Is(w[0], "ante") && Is(w[1], "diem"))))
        number = 2;
    const bool doubled = number > 0 && w.count == number + 2 && Is(w[number], "bis");
    if (number == 0 || w.count != number + (doubled ? 2 : 1))
        return {};
    return Count{RomanNumeral(w[w.count - 1]), doubled, true};
}

// What each entry of the designation list counts, read by the same rules as typed text.
constexpr auto DesignationCounts = [] {
    std::array<Count, Designations.size()> counts{};
    for (std::size_t i = 0; i < Designations.size(); ++i)
        counts[i] = DesignationCount(Split<4>(Designations[i]));
    return counts;
}();

// --- Reference days --------------------------------------------------------------------------

enum class Reference { None, Calends, Nones, Ides };

struct ReferenceSpelling {
    std::string_view word;
    Reference reference;
};

constexpr std::array<ReferenceSpelling, 19> ReferenceSpellings{{
    {"k", Reference::Calends},        {"kal", Reference::Calends},
    {"kalendae", Reference::Calends}, {"kalendas", Reference::Calends},
    {"kalendis", Reference::Calends}, {"cal", Reference::Calends},
    {"calendae", Reference::Calends}, {"calendas", Reference::Calends},
    {"calendis", Reference::Calends}, {"non", Reference::Nones},
    {"nonae", Reference::Nones},      {"nonas", Reference::Nones},
    {"nonis", Reference::Nones},      {"id", Reference::Ides},
    {"eid", Reference::Ides},         {"idus", Reference::Ides},
    {"eidus", Reference::Ides},       {"idibus", Reference::Ides},
    {"eidibus", Reference::Ides},
}};

constexpr Reference ReferenceOf(std::string_view typed) {
    // Most words of a date are no reference day: let them go at their first letter.
    const char first = typed.empty() ? '\0' : Letter(typed[0]);
    if (first != 'k' && first != 'c' && first != 'n' && first != 'i' && first != 'e')
        return Reference::None;
    for (const ReferenceSpelling &s : ReferenceSpellings)
        if (Is(typed, s.word))
            return s.reference;
    return Reference::None;
}

constexpr auto ReferenceMeanings = [] {
    std::array<Reference, ReferenceDays.size()> meanings{};
    for (std::size_t i = 0; i < ReferenceDays.size(); ++i)
        meanings[i] = ReferenceOf(Split<1>(ReferenceDays[i])[0]);
    return meanings;
}();

// --- Months ----------------------------------------------------------------------------------

// Each month's Latin name, and the stem its other cases are built on.
struct MonthName {
    std::string_view nominative;
    std::string_view stem;
};

constexpr std::array<MonthName, 12> MonthNames{{
    {"ianuarius", "ianuari"},
    {"februarius", "februari"},
    {"martius", "marti"},
    {"aprilis", "april"},
    {"maius", "mai"},
    {"iunius", "iuni"},
    {"iulius", "iuli"},
    {"augustus", "august"},
    {"september", "septembr"},
    {"october", "octobr"},
    {"nouember", "nouembr"},
    {"december", "decembr"},
}};

constexpr std::array<std::string_view, 17> CaseEndings{"a",  "ae",   "am", "arum", "as", "e",
                                                       "em", "es",   "i",  "ibus", "is", "ium",
                                                       "o",  "orum", "os", "um",   "us"};

// The month a word names: three letters or more of its name or stem (an abbreviation), or
// the stem with a case ending. -1 when it names none.
constexpr int MonthOf(std::string_view typed) {
    if (typed.size() < 3)
        return -1;
    const auto &as = Read.monthLetter;
    for (std::size_t m = 0; m < MonthNames.size(); ++m) {
        const std::string_view nominative = MonthNames[m].nominative, stem = MonthNames[m].stem;
        if (as[static_cast<unsigned char>(typed[0])] != nominative[0])
            continue;
        const auto abbreviates = [&](std::string_view name) {
            return typed.size() <= name.size() && Reads(typed, name.substr(0, typed.size()), as);
        };
        const auto endsAsACase = [&](std::string_view ending) {
            return typed.size() == stem.size() + ending.size() &&
                   Reads(typed.substr(stem.size()), ending, as);
        };
        if (abbreviates(nominative) || abbreviates(stem) ||
            (Reads(typed, stem, as) &&
             std::any_of(CaseEndings.begin(), CaseEndings.end(), endsAsACase)))
            return static_cast<int>(m);
    }
    return -1;
}

struct MonthChoice {
    int month = -1;        // in MonthNames; -1: no month
    bool leapYear = false; // "(a. i.)" after the month
    constexpr bool operator==(const MonthChoice &) const = default;
};

constexpr MonthChoice MonthChoiceOf(const Words<3> &w) {
    const int month = w.fits() && w.count > 0 ? MonthOf(w[0]) : -1;
    if (month < 0 || w.count == 1)
        return MonthChoice{month};
    const bool annoIntercalari =
        (w.count == 3 && Is(w[1], "a") && Is(w[2], "i")) || (w.count == 2 && Is(w[1], "ai"));
    return annoIntercalari ? MonthChoice{month, true} : MonthChoice{};
}

constexpr auto MonthChoices = [] {
    std::array<MonthChoice, MonthEntries.size()> choices{};
    for (std::size_t i = 0; i < MonthEntries.size(); ++i)
        choices[i] = MonthChoiceOf(Split<3>(MonthEntries[i]));
    return choices;
}();

// --- The list texts --------------------------------------------------------------------------

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
              std::none_of(ReferenceMeanings.begin(), ReferenceMeanings.end(),
                           [](Reference r) { return r == Reference::None; }));
static_assert(AllDistinct(MonthChoices) && std::none_of(MonthChoices.begin(), MonthChoices.end(),
                                                        [](MonthChoice c) { return c.month < 0; }));

// The first twelve rows of the month table are the months in calendar order, so that row
// m - 1 names month m and the row after it counts back into it from its Calends.
constexpr bool MonthsInCalendarOrder() {
    for (std::size_t i = 0; i < MonthNames.size(); ++i)
        if (MonthChoices[i] != MonthChoice{static_cast<int>(i)})
            return false;
    return true;
}
static_assert(MonthsInCalendarOrder());

// The list's entry that means what was typed; empty for none.
template <typename T, std::size_t N>
std::string_view EntryMeaning(const std::array<T, N> &meanings,
                              const std::array<std::string_view, N> &entries, const T &typed) {
    const auto found = std::find(meanings.begin(), meanings.end(), typed);
    return found == meanings.end() ? std::string_view{} : entries[found - meanings.begin()];
}

constexpr std::size_t LeapMarchRow = [] {
    std::size_t row = 0;
    while (MonthTable[row].kind != MonthKind::LeapMarch)
        ++row;
    return row;
}();

} // namespace

ListTexts ReadLatinDate(std::string_view text) {
    // The reference day divides the date: the designation before it, the month after it.
    Words<4> before;
    Words<3> after;
    Reference reference = Reference::None;
    for (std::string_view word = NextWord(text); !word.empty(); word = NextWord(text)) {
        if (reference != Reference::None) {
            after.add(word);
            continue;
        }
        reference = ReferenceOf(word);
        if (reference == Reference::None)
            before.add(word);
    }
    return {EntryMeaning(DesignationCounts, Designations, DesignationCount(before)),
            EntryMeaning(ReferenceMeanings, ReferenceDays, reference),
            EntryMeaning(MonthChoices, MonthEntries, MonthChoiceOf(after))};
}

std::optional<std::string> WriteLatinDate(int day, int month, bool leapYear) {
    if (day < FirstDay || day > LastDay || month < 1 || month > 12)
        return std::nullopt;
    const MonthRow &current = MonthTable[static_cast<std::size_t>(month - 1)];
    const MonthRow &following =
        MonthTable[leapYear && month == 2 ? LeapMarchRow : static_cast<std::size_t>(month % 12)];
    // Named from its own month (the Calends, or before the Nones or Ides), or counted back
    // from the Calends of the next.
    const std::string own = DayLabel(day).append(current.currentName);
    const std::string countedBack = DayLabel(day).append(following.precedingName);
    for (const MonthRow *row : {&current, &following})
        for (std::string_view reference : ReferenceDays)
            for (std::string_view designation : Designations) {
                const std::string text = ConvertRomanDate(designation, reference, row->entry).text;
                if (text != own && text != countedBack)
                    continue;
                std::string latin;
                if (designation != Designations.front()) // the named day itself goes unsaid
                    latin.append(designation).append(" ");
                return latin.append(reference).append(" ").append(row->entry);
            }
    return std::nullopt;
}

} // namespace tempidex
