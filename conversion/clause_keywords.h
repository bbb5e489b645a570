// The words a dating clause is read by, besides the date's own names (latin_names.h): "anno"
// and the formulas of the Christian era, the years of reigns, consuls, indictions, hours,
// weekdays, and the small words of a designation. Each word of a clause is looked up once, in
// one walk over its letters through a tree of all of them.
#pragma once

#include "latin_date.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tempidex {

enum class Key : std::uint8_t {
    Anno,      // anno, ao, an
    Reign,     // pontificatus, regni, imperii: the year of a reign, never the date's
    Formula,   // a word of a year's formula: incarnationis, Domini, salutis, ab urbe condita
    Consul,    // coss., conss., consulibus: the consuls give the year
    Indiction, // indictione, ind.
    Hour,      // hora
    Feria,     // feria tertia: Tuesday
    Weekday,   // dominica, die Lunae, sabbato
    Die,
    Mensis,
    Sub,
    A, // a. d.; and "a" of a formula (anno a nativitate)
    D,
    AD,
    Ante,
    Diem,
    Bis,
    Pridie,
    Postridie,
    Et,
    I,  // a. i.
    AI, // ai
    Diei,
    Noctis,
    Digits,   // 1524
    Roman,    // letters numerals are written with, a numeral or not: MDXXIV, IIX, di
    Ordinal,  // begins as an ordinal does: tertio, septimodecimo, millesimo (or nonas)
    Month,    // begins as a month's name does, three letters or more: Ian, Martii (or Martis)
    EraStart, // may begin an era's spelling (A. D., a. u. c., P. C. N., B. C.)
};

// How a word is read: an exact keyword, or a stem that begins it (incarnationis, pontificatus).
struct Keyword {
    std::string_view word;
    bool stem;
    Key key;
    std::int8_t value = 0; // a weekday (0 Sunday), or the YearCount a formula word names
};

inline constexpr auto Keywords = std::to_array<Keyword>({
    {"anno", false, Key::Anno},
    {"ao", false, Key::Anno},
    {"an", false, Key::Anno},
    {"pontificat", true, Key::Reign},
    {"pontif", true, Key::Reign},
    {"pont", false, Key::Reign},
    {"regni", false, Key::Reign},
    {"regno", false, Key::Reign},
    {"regnum", false, Key::Reign},
    {"imperii", true, Key::Reign},
    {"principat", true, Key::Reign},
    {"ducat", false, Key::Reign},
    {"episcopat", true, Key::Reign},
    {"cos", false, Key::Consul},
    {"coss", false, Key::Consul},
    {"conss", false, Key::Consul},
    {"cons", false, Key::Consul},
    {"css", false, Key::Consul},
    {"consulibus", false, Key::Consul},
    {"consule", false, Key::Consul},
    {"consulatu", false, Key::Consul},
    {"consulatum", false, Key::Consul},
    {"indictione", false, Key::Indiction},
    {"indictionis", false, Key::Indiction},
    {"indictio", false, Key::Indiction},
    {"ind", false, Key::Indiction},
    {"indict", false, Key::Indiction},
    {"hora", false, Key::Hour},
    {"horam", false, Key::Hour},
    {"horae", false, Key::Hour},
    {"horis", false, Key::Hour},
    {"feria", false, Key::Feria},
    // The weekdays as charters name them: feria secunda is Monday, dies Lunae too.
    {"dominica", false, Key::Weekday, 0},
    {"dominico", false, Key::Weekday, 0},
    {"solis", false, Key::Weekday, 0},
    {"lunae", false, Key::Weekday, 1},
    {"lune", false, Key::Weekday, 1},
    {"martis", false, Key::Weekday, 2},
    {"mercurii", false, Key::Weekday, 3},
    {"iovis", false, Key::Weekday, 4},
    {"veneris", false, Key::Weekday, 5},
    {"saturni", false, Key::Weekday, 6},
    {"sabbato", false, Key::Weekday, 6},
    {"sabbati", false, Key::Weekday, 6},
    {"sabbatum", false, Key::Weekday, 6},
    {"sabbatho", false, Key::Weekday, 6},
    // The formulas of the Christian era, and which beginning each counts from; the exact
    // words join them (anno a nativitate, post Christum natum, a Christo nato).
    {"incarnation", true, Key::Formula, static_cast<std::int8_t>(YearCount::Incarnation)},
    {"incarnacion", true, Key::Formula, static_cast<std::int8_t>(YearCount::Incarnation)},
    {"incarn", true, Key::Formula, static_cast<std::int8_t>(YearCount::Incarnation)},
    {"nativitat", true, Key::Formula, static_cast<std::int8_t>(YearCount::Nativity)},
    {"natali", true, Key::Formula, static_cast<std::int8_t>(YearCount::Nativity)},
    {"nat", false, Key::Formula, static_cast<std::int8_t>(YearCount::Nativity)},
    {"domini", true, Key::Formula, static_cast<std::int8_t>(YearCount::Christian)},
    {"dni", false, Key::Formula, static_cast<std::int8_t>(YearCount::Christian)},
    {"dom", false, Key::Formula, static_cast<std::int8_t>(YearCount::Christian)},
    {"christ", true, Key::Formula, static_cast<std::int8_t>(YearCount::Christian)},
    {"xpi", false, Key::Formula, static_cast<std::int8_t>(YearCount::Christian)},
    {"salutis", true, Key::Formula, static_cast<std::int8_t>(YearCount::Christian)},
    {"nostr", true, Key::Formula, static_cast<std::int8_t>(YearCount::Christian)},
    {"reparat", true, Key::Formula, static_cast<std::int8_t>(YearCount::Christian)},
    {"gratia", true, Key::Formula, static_cast<std::int8_t>(YearCount::Christian)},
    {"gratie", true, Key::Formula, static_cast<std::int8_t>(YearCount::Christian)},
    {"humanitatis", true, Key::Formula, static_cast<std::int8_t>(YearCount::Christian)},
    {"aerae", true, Key::Formula, static_cast<std::int8_t>(YearCount::Christian)},
    {"erae", true, Key::Formula, static_cast<std::int8_t>(YearCount::Christian)},
    {"post", true, Key::Formula, static_cast<std::int8_t>(YearCount::Christian)},
    {"urbis", true, Key::Formula, static_cast<std::int8_t>(YearCount::City)},
    {"urbe", true, Key::Formula, static_cast<std::int8_t>(YearCount::City)},
    {"condit", true, Key::Formula, static_cast<std::int8_t>(YearCount::City)},
    {"ab", false, Key::Formula},
    {"a", false, Key::Formula},
    {"natum", false, Key::Formula},
    {"nato", false, Key::Formula},
    {"nostri", false, Key::Formula},
    // The small words of a date.
    {"die", false, Key::Die},
    {"mensis", false, Key::Mensis},
    {"sub", false, Key::Sub},
    {"a", false, Key::A},
    {"d", false, Key::D},
    {"ad", false, Key::AD},
    {"ante", false, Key::Ante},
    {"diem", false, Key::Diem},
    {"bis", false, Key::Bis},
    {"pridie", false, Key::Pridie},
    {"prid", false, Key::Pridie},
    {"pr", false, Key::Pridie},
    {"postridie", false, Key::Postridie},
    {"postrid", false, Key::Postridie},
    {"postr", false, Key::Postridie},
    {"et", false, Key::Et},
    {"i", false, Key::I},
    {"ai", false, Key::AI},
    {"diei", false, Key::Diei},
    {"noctis", false, Key::Noctis},
});

// What one word of a clause is (its month, wanted for few words, is looked up apart).
struct WordKind {
    std::uint32_t keys;
    std::int8_t reference; // a Reference, or -1
    std::int8_t weekday;   // 0 Sunday, or -1
    YearCount formula;     // where keys has Key::Formula

    constexpr bool is(Key key) const { return (keys >> static_cast<unsigned>(key) & 1u) != 0; }
    constexpr void set(Key key) { keys |= 1u << static_cast<unsigned>(key); }
};

// A word as a clause's words are folded (clause_words.h): lower case, J as I.
WordKind Classify(std::string_view word);

} // namespace tempidex
