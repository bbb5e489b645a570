// A TEI edition's dates given their dating attributes (--tei): each <date> whose text is a
// Latin date gets `when`, the day in ISO 8601 (the proleptic Gregorian calendar), and where the
// day was reckoned in the Julian calendar also `when-custom` with the Julian day and
// `datingMethod="#julian"`, as the EpiDoc guidelines do. Nothing else in the file changes, byte
// for byte: expat reports where each start tag stands, and the attributes are written into
// that tag alone. A <date> that already has `when` is checked; one that cannot be read, or
// names no year, is left as it was; each with a warning naming its line.
#pragma once

#include "writing/answers.h"

#include <string>
#include <string_view>

namespace tempidex {

struct EditionRun {
    std::string out;      // the document, its dates given their attributes
    std::string warnings; // "riga N: avviso: ...", a line each
    std::string error;    // not well-formed XML, or not in UTF-8: nothing else holds
    bool someFailed = false;
};

EditionRun DateTeiEdition(std::string_view document, const LineOptions &options);

} // namespace tempidex
