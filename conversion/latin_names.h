// The Latin names of the named days and of the months: every spelling that is read (Kal., K.,
// Kalendas, Eidibus...; Ian., Sept., Quinct., Ianuarias, Octobribus), and the cases in which a
// date is written in full (Kalendas/Kalendis, Ianuarias/Ianuariis).
#pragma once

#include "roman_day.h"
#include "words.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tempidex {

struct ReferenceSpelling {
    std::string_view word;
    Reference reference;
};

inline constexpr std::array<ReferenceSpelling, 34> ReferenceSpellings{{
    {"k", Reference::Calends},
    {"kal", Reference::Calends},
    {"kl", Reference::Calends},
    {"kalendae", Reference::Calends},
    {"kalendas", Reference::Calends},
    {"kalendis", Reference::Calends},
    {"cal", Reference::Calends},
    {"calendae", Reference::Calends},
    {"calendas", Reference::Calends},
    {"calendis", Reference::Calends},
    {"non", Reference::Nones},
    {"nonae", Reference::Nones},
    {"nonas", Reference::Nones},
    {"nonis", Reference::Nones},
    {"id", Reference::Ides},
    {"eid", Reference::Ides},
    {"idus", Reference::Ides},
    {"eidus", Reference::Ides},
    {"idibus", Reference::Ides},
    {"eidibus", Reference::Ides},
    // the genitive (pridie Kalendarum, Iduum), and the abbreviations of charters and
    // chronicles, with their y for i
    {"kalendarum", Reference::Calends},
    {"calendarum", Reference::Calends},
    {"kalend", Reference::Calends},
    {"calend", Reference::Calends},
    {"kalen", Reference::Calends},
    {"kales", Reference::Calends},
    {"kals", Reference::Calends},
    {"nonarum", Reference::Nones},
    {"iduum", Reference::Ides},
    {"eiduum", Reference::Ides},
    {"yd", Reference::Ides},
    {"ydus", Reference::Ides},
    {"ydibus", Reference::Ides},
    {"yduum", Reference::Ides},
}};

// As a date in full writes them: after "ante diem" and pridie, and on the day itself.
inline constexpr std::array<std::string_view, 3> ReferenceAccusative{"Kalendas", "Nonas", "Idus"};
inline constexpr std::array<std::string_view, 3> ReferenceAblative{"Kalendis", "Nonis", "Idibus"};

// The spellings by their first letter, so that a word is compared with a dozen at most.
inline constexpr auto ReferenceSpellingsByLetter =
    IndexByFirstLetter<16>(ReferenceSpellings, [](const ReferenceSpelling &s) { return s.word; });

// The named day a word spells; nothing for any other word.
constexpr std::optional<Reference> ReferenceOf(std::string_view typed) {
    // Most words of a date are no reference day: let them go at their first letter.
    const char first = typed.empty() ? '\0' : LetterOf(typed[0]);
    if (first < 'a' || first > 'z')
        return std::nullopt;
    for (const std::uint8_t i : ReferenceSpellingsByLetter[static_cast<std::size_t>(first - 'a')]) {
        if (i == UINT8_MAX)
            break;
        if (Is(typed, ReferenceSpellings[i].word, Letters.nameLetter)) // EIDIBVS, as carved
            return ReferenceSpellings[i].reference;
    }
    return std::nullopt;
}

// Each month's Latin name, the stem its other cases are built on, and the declension that
// ends them (the third: Apriles, Aprilibus; else Ianuarias, Ianuariis). After the twelve come
// July's and August's names from before Caesar and Augustus, and March as the Middle Ages
// spelt it, read but never written.
struct MonthName {
    std::string_view nominative, stem;
    int month;
    bool thirdDeclension;
};

inline constexpr std::array<MonthName, 16> MonthNames{{
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
    {"Marcius", "Marci", 3, false}, // the medieval spelling: Kalendas Marcii
}};

// "s" alone: the contracted ablative of inscriptions, Mais, Martis (for Maiis, Martiis).
inline constexpr std::array<std::string_view, 18> CaseEndings{
    "a",    "ae", "am",  "arum", "as",   "e",  "em", "es", "i",
    "ibus", "is", "ium", "o",    "orum", "os", "s",  "um", "us"};

// The month, 1 to 12, that a word names: three letters or more of its name or stem (an
// abbreviation), or the stem with a case ending. 0 when it names none.
namespace detail {

// The names and stems as read: lower case, J as I and V as U, ready to compare with what is
// typed.
struct ReadName {
    std::array<char, 12> letters{};
    std::size_t size = 0;
    constexpr std::string_view view() const { return {letters.data(), size}; }
};

constexpr ReadName AsRead(std::string_view name) {
    ReadName read;
    for (const char c : name)
        read.letters[read.size++] = NameLetterOf(c);
    return read;
}

inline constexpr auto ReadNames = [] {
    std::array<std::pair<ReadName, ReadName>, MonthNames.size()> names{};
    for (std::size_t i = 0; i < MonthNames.size(); ++i)
        names[i] = {AsRead(MonthNames[i].nominative), AsRead(MonthNames[i].stem)};
    return names;
}();

// The names that begin with each letter, so that a word is compared with two or three at most.
inline constexpr auto NamesByLetter =
    IndexByFirstLetter<4>(ReadNames, [](const auto &names) { return names.first.view(); });

} // namespace detail

constexpr int MonthOf(std::string_view typed) {
    const char first = typed.empty() ? '\0' : NameLetterOf(typed[0]);
    if (typed.size() < 3 || first < 'a' || first > 'z')
        return 0;
    for (const std::uint8_t i : detail::NamesByLetter[static_cast<std::size_t>(first - 'a')]) {
        if (i == UINT8_MAX)
            break;
        const std::string_view nominative = detail::ReadNames[i].first.view();
        const std::string_view stem = detail::ReadNames[i].second.view();
        const auto abbreviates = [&](std::string_view full) {
            return typed.size() <= full.size() &&
                   BeginsWith(typed, full.substr(0, typed.size()), Letters.nameLetter);
        };
        const auto endsAsACase = [&](std::string_view ending) {
            return typed.size() == stem.size() + ending.size() &&
                   BeginsWith(typed.substr(stem.size()), ending, Letters.nameLetter);
        };
        if (abbreviates(nominative) || abbreviates(stem) ||
            (BeginsWith(typed, stem, Letters.nameLetter) &&
             std::any_of(CaseEndings.begin(), CaseEndings.end(), endsAsACase)))
            return MonthNames[i].month;
    }
    return 0;
}

// The month's name as an adjective agreeing with Kalendas, Nonas, Idus (accusative) or
// Kalendis, Nonis, Idibus (ablative): "Ianuarias", "Octobribus".
std::string MonthAdjective(int month, bool ablative);

} // namespace tempidex
