// Numbers as a scan or a copyist garbles them: a letter of no numeral among a numeral's (pxii,
// MCMSCIV), a letter wrong in a number run together (tricesemosecundo), an m read as rn or an in
// as m (rnccxcix, qumto). Such a word is never read as the number it may have been; it is a number
// no rule reads, and a clause that holds one is refused rather than read without it. Words are
// as tokens.h folds them.
#pragma once

#include "tokens.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace tempidex {

// A word with an m for the two letters at `at`, which a scan read for one (rn, in).
std::string WithMFor(std::string_view word, std::size_t at);

// Whether a word is an ordinal with its "in" read as an m (qumto for quinto).
bool IsOrdinalWithMForIn(std::string_view key);

// Whether a word is an ordinal with one of its letters read as two, as scans read them: ii for
// u (qiiarto, seciindo), in for m (priino, deciina), cl for d (duoclecima).
bool IsOrdinalReadAsTwoLetters(std::string_view key);

// Whether a word is a numeral with one letter of no numeral among its own (pxii, FIII, MCMSCIV,
// ccclxeiido), or with an m read as rn or in (rnccxcix).
bool IsGarbledNumeral(const Token &t);

// Whether a word is an ordinal or a numeral run together with its parts, a letter of which is
// wrong or one too many (tricesemosecundo, lxxoprrimo). It tries every letter: call it only
// where a number may stand.
bool IsGarbledRunTogether(std::string_view key, std::string_view text);

// Whether a word ends in a count of days run on to it without a space, as scans and copies
// lose it between a place and the date: "Lateraniiii kalendas", "Capuaeiv K. Febr.",
// "Lateraninono kalendas", "Auinioneviij idus", "Perusiipridie idus"; the count, `least` to 19,
// in numerals (marked or not) or an ordinal, after three letters or more; or a V alone
// (Petrumv nonas), or pridie; with `least` 1, only a feminine ordinal, as before a Sunday or a
// feria (intercia dominica). Call it for a word no table knows there: read as a name, the count
// would be lost.
bool EndsInACountRunOn(std::string_view key, std::string_view text, int least);

// Whether a word as written ends in "ijo", two with the scribes' final j and the ordinal's
// mark, which no Latin word ends in: "Venerisijo idus" is "Veneris ijo idus". (Two unmarked,
// -ii, ends genitives and places: Perusii.)
bool EndsInAMarkedTwo(std::string_view written);

// Whether a word ends in an ordinal of five letters and more run on to it, after three letters
// or more: "Datatertio" (decimo kalendas).
bool EndsInAnOrdinalRunOn(std::string_view key);

// Whether a word begins with a number run on to the word after it, as scans lose the space
// after a year's last part: "sextopontificatus", "lxxxiijpontificatus", "ccclxxiidoindictione",
// "octauodie", "septimoapostolica". Read as a word, the year would lose its last part.
bool BeginsWithANumberRunOn(std::string_view key, std::string_view text);

// Whether a word is "anno", "die", a named day or a word of the year's formula with a number of
// three letters or more run on to it: "annomcccc", "dominimccci", "diequinta".
bool EndsInANumberRunOn(std::string_view key, std::string_view text);

// Whether a word ends in "vi" after a vowel, as a verb's perfect does (notavi, audivi) and a
// place with VI run on to it may (Romevi kalendas, Dyrrachivi K.).
bool EndsInVi(std::string_view text);

// Where the first capital of no numeral after a small letter stands in a word as written; 0
// for none. `markAside`: not after a small o, an ordinal's mark (MoCCoLXXX, but
// MCCCCLviiijTertio).
std::size_t CapitalAfterSmall(std::string_view written, bool markAside);

// Whether a word as written is an ordinal or a numeral with a capitalised word run on to it:
// "quartoRex", "cccclxxxvjSeptimo". (The ASCII letters of the word as written, and its key.)
bool HasANumberBeforeACapital(std::string_view key, std::string_view written);

// Whether a word as written ends in a named day or a month run on to it with its capital:
// "TragurioKal", "DataId", "kalendasAprilis". Read as one word, the date would be lost.
bool EndsInANamedDayRunOn(std::string_view written);

// Whether a word as written is a numeral in capitals with a word run on to it: "MDXXIIIIRagusii",
// "MDXXXIetc", "XXIISACRI". (A numeral whose letters go on small, MCCCCLviiij, is one numeral;
// a word in capitals that begins with letters of numerals, LIBENS, CIVITATE, is a word.)
bool IsNumeralRunOnToAWord(std::string_view written);

} // namespace tempidex
