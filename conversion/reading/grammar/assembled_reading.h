// One reading of a line made from the phrases a choice takes (readings.h makes the choices):
// its date, its year and what the words around them say, or the fault that makes it no
// reading. The phrases must fit together: no date read two ways, no two years, a year known
// only by its form beside the date, no gap an editor marks where a count or a year stands.
#pragma once

#include "phrases.h"
#include "reading/date_reading.h"
#include "reading/latin_reading.h"
#include "reading/words/words.h"

#include <cstddef>
#include <memory_resource>
#include <string_view>
#include <vector>

namespace tempidex {

// One reading of the line from the phrases chosen: its date, its year and what the words
// around them say; or the fault that makes it no reading.
struct Assembled {
    LineFault fault = LineFault::None;
    std::string_view faultText;
    bool written = false; // the fault is in how a phrase is written, not in how they fit
    DateReading reading;
};

// The reading the phrases `choice` takes (their indexes, in word order) make, into `made`.
void Assemble(const Words &words, const Phrases &phrases,
              const std::pmr::vector<std::size_t> &choice, Assembled &made);

// Whether two readings give the same date and year, counted alike.
bool SameReading(const DateReading &a, const DateReading &b);

} // namespace tempidex
