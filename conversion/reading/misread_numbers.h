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

// Whether a word is a numeral with one letter of no numeral among its own (pxii, FIII, MCMSCIV,
// ccclxeiido), or with an m read as rn or in (rnccxcix).
bool IsGarbledNumeral(const Token &t);

// Whether a word is an ordinal or a numeral run together with its parts, a letter of which is
// wrong or one too many (tricesemosecundo, lxxoprrimo). It tries every letter: call it only
// where a number may stand.
bool IsGarbledRunTogether(std::string_view key, std::string_view text);

} // namespace tempidex
