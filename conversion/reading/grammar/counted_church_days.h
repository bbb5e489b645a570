// The days the church year counts, read where the rule of church days begins
// (church_rules.cpp): the Sundays counted from a feast, and so many days after one.
#pragma once

#include "phrases.h"
#include "reading/words/words.h"

#include <cstddef>

namespace tempidex {

// dominica tertia post Pentecosten, tercia dominica adventus, secunda dominica quadragesime
void CountedSunday(const Words &words, std::size_t at, Phrases &phrases);
// tertio die post festum sancti Martini; and a day of a feast, tercia die pasche
void DaysAfterAFeast(const Words &words, std::size_t at, Phrases &phrases);

} // namespace tempidex
