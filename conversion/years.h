// Years, read and written, for Latin and modern dates alike: a number in digits or Roman
// numerals with at most one era, before or after it (anno Domini MDXXIV, 1524 AD, DCCX a.u.c.,
// 44 a.C., anno urbis conditae DCCX), read as an astronomical year from 753 BC to AD 9999; and
// written as the program answers (1524, 44 a.C.) or in Latin (MDXXIV, DCCX a.u.c.).
#pragma once

#include "numerals.h"
#include "roman_calendar.h"
#include "words.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tempidex {

inline constexpr int YearsOfTheCityAtAD1 = 754; // AD 1 is the 754th year of the city

enum class Era : std::uint8_t { None, Christian, BeforeChrist, City };

// The eras by their letters, the words run together: "a. u. c.", "a.u.c." and "AUC" alike.
struct EraSpelling {
    std::string_view letters;
    Era era;
};

inline constexpr std::array<EraSpelling, 21> EraSpellings{{
    {"ad", Era::Christian},
    {"pcn", Era::Christian}, // post Christum natum
    {"postchristumnatum", Era::Christian},
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
            letters[size++] = LetterOf(c);
        }
    const std::string_view spelt(letters.data(), size);
    for (const EraSpelling &s : EraSpellings)
        if (s.letters == spelt)
            return s.era;
    return std::nullopt;
}

// Whether the words from w[at] set out to be a year: a number among them, or "anno".
template <std::size_t N> constexpr bool StartsAYear(const Words<N> &w, std::size_t at) {
    for (std::size_t i = at; i < std::min(w.count, N); ++i)
        if (LooksLikeANumber(w[i]) || Is(w[i], "anno"))
            return true;
    return false;
}

// The astronomical year of a number written in an era.
constexpr int YearInEra(int value, Era era) {
    return era == Era::BeforeChrist ? 1 - value
           : era == Era::City       ? value - (YearsOfTheCityAtAD1 - 1)
                                    : value;
}

// [anno] [era] number [era], one era at most, in the words from w[at] to the end: the
// astronomical year, or nothing; and the era it was written in. A lone letter (L, C, M) with
// neither "anno" nor an era is an initial as often as a year, and is read as neither.
template <std::size_t N>
constexpr std::optional<int> YearOf(const Words<N> &w, std::size_t at, Era *written = nullptr) {
    if (!w.fits())
        return std::nullopt;
    const bool anno = at < w.count && Is(w[at], "anno");
    at += anno ? 1 : 0;
    // The number is the first word that makes the words before it an era, or none, and those
    // after it the same: in "A. D. 1524" the D is no number.
    for (std::size_t number = at; number < w.count; ++number) {
        if (!LooksLikeANumber(w[number]))
            continue;
        const std::optional<Era> before = EraOf(w, at, number);
        const std::optional<Era> after = EraOf(w, number + 1, w.count);
        if (!before || !after || (*before != Era::None && *after != Era::None))
            continue;
        const int value = NumberValue(w[number]);
        if (value == 0)
            return std::nullopt;
        const Era era = *before != Era::None ? *before : *after;
        if (era == Era::None && !anno && w[number].size() == 1 && LetterOf(w[number][0]) > '9')
            return std::nullopt;
        const int year = YearInEra(value, era);
        if (year < FirstYear || year > LastYear)
            return std::nullopt;
        if (written)
            *written = era;
        return year;
    }
    return std::nullopt;
}

// A year written alone ("1524", "44 a.C.", "DCCX a.u.c."): the astronomical year, or nothing
// when it is no year from 753 BC to AD 9999.
std::optional<int> ReadYear(std::string_view text);

// Appends the year as the program's answers write it: "1524", "44 a.C.".
void AppendModernYear(std::string &out, int year);
std::string ModernYearText(int year);

// The year in Latin: AD in Roman numerals, years before Christ (or, asked, any year) as years
// of the city; short ("MDXXIV", "A.D. L", "DCCX a.u.c.") or in full ("anno Domini MDXXIV",
// "anno DCCX ab urbe condita").
std::string LatinYearText(int year, bool longForm, bool asCityYear = false);

} // namespace tempidex
