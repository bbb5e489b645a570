// The words a dating clause is read by, in one table: the named days (Kal., Nonas, Idibus), the
// small words of a designation (a. d., pridie, bis), "anno" and the words of the year's
// formulas, the signs of a reign, of consuls, of an indiction, an hour or a weekday, the verbs
// that say what a date is the date of, and the words that say the year stands elsewhere. Every
// spelling a source writes is listed whole, in the alphabetical order of the words as they are
// read (lower case, J as I, V as U); months, numerals and ordinals are read by their own rules
// (latin_names.h, numbers.h).
#pragma once

#include "reading/date_reading.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace tempidex {

enum class Kind : std::uint8_t {
    Reference,  // Kal., Non., Id. in every spelling: value, a Reference
    A,          // a. d.; and "a" of a formula: anno a nativitate
    D,          // a. d.
    AD,         // ad: a. d. in one word
    Ante,       // ante diem
    Diem,       //
    Bis,        // a. d. bis VI
    Pridie,     // the day before
    Postridie,  // the day after
    I,          // (a. i.): the March of a leap year
    AI,         //
    Connective, // autem, vero: "quarto decimo autem Kalendas Iulii"
    Die,        // die XX mensis Maii
    Last,       // ultima, ultimo: the month's last day, "die ultima Maii", "ultima ianuarii"
    Mensis,     // mensis, mense
    Sub,        // sub die
    Et,         // primo et vicesimo; Honorio et Theodosio
    Thousand,   // mille: anno Domini mille ducentesimo
    Anno,       // anno, ao, an
    Formula,    // a word of a year's formula: value, the YearCount it names (or Unmarked)
    World,      // anno mundi: a year of the world, no year of ours
    Era,        // Era MCCCLXXVI: the Spanish era, 38 years ahead of the Christian one
    Reign,      // pontificatus, regni, imperii: the year of a reign, never the date's
    Reigning,   // regnante, imperante: a reign named before its year
    Pope,       // papae III: the pope's number, in his name
    Consul,     // coss., consulibus: the consuls give the year
    Indiction,  // indictione
    Computus,   // epacta, concurrente, luna, cyclo: the almanac's numbers
    Hour,       // hora
    NearHour,   // inter, circa, usque: an act between or near the canonical hours
    Feria,      // feria tertia: Tuesday
    Weekday,    // dominica, sabbato: value, 0 Sunday to 6 Saturday
    DayName,    // die Lunae, die Martis: value, the weekday after "die"
    Given,      // datum, actum, scriptum: the date of the document
    Received,   // acc., accepta: the day a law reached its province
    Posted,     // pp., proposita, lecta: the day it was posted or read
    AsAbove,    // supra, eodem, praedicto: the year written before (infrascripto: after)
    Diei,       // hora diei tertia
    Noctis,     //
    EraStart,   // how an era's spelling begins: a, ad, p, post (number_phrases.h)
    In,         // in, infra: in octava
    Church,     // festo, vigilia, crastino, octava: a day by a feast
    Numbered,   // nr., num.: an edition's number of the document, no date's
    Lived,      // vixit annos XV: an epitaph's age, no date's
    Style,      // more veneto, stilo florentino: value, the YearStyle the clause's year is in
    Calendar,   // vetere calculo, stilo novo, Gregoriani: value, a Calendar; the noun none
    // Not in the table: what words.h finds a word is.
    Number,  // a number, or a word that can begin one
    Capital, // a capital letter alone: an initial, or an era's
};

inline constexpr int KindCount = static_cast<int>(Kind::Capital) + 1;
static_assert(KindCount <= 64, "a word's kinds are a 64-bit set");

struct Keyword {
    std::string_view word;
    Kind kind;
    std::int8_t value = 0;
};

// Every keyword, in the table's alphabetical order.
std::span<const Keyword> AllKeywords();

} // namespace tempidex
