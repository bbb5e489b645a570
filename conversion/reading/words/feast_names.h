// The names of feasts as charters write them, read into the feasts of the church year
// (calendar/church_year.h). A name is compared by the stems of its words, so that its cases
// (Nativitatis, Nativitatem, Nativitate) and the scribes' spellings (Johannis, Iohannis,
// Ioannis; beate, beatae; Katherine, Catharinae; Annunciacionis, Annuntiationis) read alike;
// the titles before and inside it (sancti, beatae, gloriosae virginis, episcopi) are skipped.
#pragma once

#include "name_stems.h"
#include "words.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tempidex {

// Whether the name of a feast, or the words before one (octava, festum, dominica), may begin
// with this word (tokens.h's key): the first word of a name, a title, an epithet. Most words are
// none, and no name is looked for from them.
bool MayBeginFeast(std::string_view key);

struct FeastRead {
    int feast = -1;      // in Feasts(); -1 where the words name two feasts alike
    std::size_t end = 0; // the word after the name
};

// The feast whose name begins at word `at`, titles first skipped: the longest name there.
// `season`, where the clause said it before the name ("estivale festum beati Martini"): the
// word that follows the name in the table to say which feast (aestivalis, hiemalis), and only
// a name that goes on with it is read.
std::optional<FeastRead> FeastAt(const Words &words, std::size_t at, std::string_view season = {});

} // namespace tempidex
