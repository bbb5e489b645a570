// Writing a Latin date: short, as the window's lists write it ("a. d. XIX Kal. Ian."), or in
// full, as a sentence ("ante diem undevicesimum Kalendas Ianuarias", "Idibus Martiis"), with
// its year in Latin after it (years.h).
#pragma once

#include "latin_date.h"

#include <string>

namespace tempidex {

// The Latin of `date` (postridie is written as the named day it follows: it is read, never
// written). Short, it is the three list texts joined by spaces, the " --- " of the named day
// left out; `date.leapYear` writes the month "Mar. (a. i.)", or "(a. i.)" after it in full.
std::string WriteLatinDate(const LatinDate &date, bool longForm);

} // namespace tempidex
