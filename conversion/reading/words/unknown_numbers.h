// Numbers no table knows, read from a word alone: ordinals run together (septuagesimoprimo),
// cut short (millº), misspelt by a letter (octano); numerals run together with their scribes'
// endings (mocdosecundo); and the signs that a word is part of an ordinal. Words are as
// tokens.h folds them.
#pragma once

#include <string_view>

namespace tempidex {

// The value of the ordinal that a word misspelt by one letter is (quatodecimo, octabo, cuarto),
// where one value alone is that close; 0 for none. `key` as ClassOf's, of five letters or more.
int OrdinalNear(std::string_view key);

// Whether a word of four letters and more is a letter apart from some ordinal's form, its first
// letter included (hexto, nolo, qono): beside a number, a number misspelt that no rule can read.
bool NearAnOrdinal(std::string_view key);

// The value of a number in words run together, each part smaller than the place of the one
// before (septuagesimoprimo, millesimoquadringentesimosexagesimo); 0 for any other word. `key`
// as ClassOf's.
int OrdinalsRunTogether(std::string_view key);

// An ordinal cut short and marked as one (millº, ducº): the value of the ordinals whose stems
// begin so, where they all have one; 0 for none, -1 for several (quinº). `key` as ClassOf's.
int ShortenedOrdinal(std::string_view key);

// A number written as one word of numerals run together with their endings (mocccc,
// mocdosecundo, mcdxxxprimo, lxxoprimo); -1 for any other word. `text` as folded, V kept.
int PartsRunTogether(std::string_view text);

// Whether a word's last four letters end some ordinal's form (-rtio, -simo): a word that ends
// otherwise ends with no ordinal.
bool MayEndAsAnOrdinal(std::string_view key);

// Whether a word's first four letters begin some ordinal's form (tric-, quin-).
bool MayBeginAsAnOrdinal(std::string_view key);

// Whether a word looks like part of an ordinal: -esim-, -decim-.
bool LooksLikeAnOrdinal(std::string_view key);

} // namespace tempidex
