// The marks editors put in a text, found where they begin in a line: a gloss in brackets
// that holds a number, a note on the text ([sic]), a gap of words lost (..., [---]). Where
// each ends, for tokens.h to read it as no letters of a word.
#pragma once

#include <cstddef>
#include <string_view>

namespace tempidex {

// Where an editor's gloss opened at `open` ends: a bracket that holds a digit, "(412 mart. 3)",
// "(47)", "[a. 1195]". 0 where it is no gloss: "(a. i.)", "K(alendis)".
std::size_t GlossEnd(std::string_view line, std::size_t open);

// Where an editor's note on the text ends, when one begins at `at`: [sic], (sic), [!], (!),
// and the signs for a monogram, a chrismon or a seal, (M.), (SS.), (C.), (L. S.); `at` itself
// where none does.
std::size_t EditorsNoteEnd(std::string_view line, std::size_t at);

// Where an edition's mark of the page or leaf of its source ends, when one begins at `at`:
// [fol. 3v], [f. 12r], [p. 45], (pag. 7), [S. 45], [col. 2], [Bl. 4]. It stands between words,
// wherever the page turned: inside a year or a saint's name. `at` itself where none begins.
std::size_t PageMarkEnd(std::string_view line, std::size_t at);

// Where a gap an editor marks ends, when one begins at `at`: three dots and more, spaced or
// not (..., . . .), an ellipsis (…), three dashes in a bracket ([---], [- - -]: a bare "---" is
// the window's own mark of a day with no count), or the letters lost in a bracket, counted or
// dotted ([3], [..], [-]). `at` itself where none does.
std::size_t GapEnd(std::string_view line, std::size_t at);

// Whether a gap may begin at `at`: a dot with another after it, alone or after a space; a dash
// right after a bracket; an ellipsis; a bracket of letters lost. (Most full stops end an
// abbreviation: "Kal. Mai.")
bool MayBeginAGap(std::string_view line, std::size_t at);

} // namespace tempidex
