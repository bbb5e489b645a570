// Choosing the readings of a line among the phrases the grammar found in it. A reading takes
// phrases that do not overlap, and must account for every word that cannot be skipped: every
// number, every named day (Kal., Non., Id.) and every "anno". Among the readings, those that
// take words no other reading takes beyond them all are kept (the reading of "VI Kal. Mai."
// that leaves out the VI is not); each kept reading must have a date, a year only by its
// form must stand next to it, and its dates and years must agree. Readings that say different
// things are all returned: nothing is decided by which rule came first.
#pragma once

#include "phrases.h"
#include "reading/latin_reading.h"
#include "reading/words/words.h"

namespace tempidex {

// `memory` keeps the readings tried.
LineReading ChooseReadings(const Words &words, const Phrases &phrases,
                           std::pmr::memory_resource *memory);

} // namespace tempidex
