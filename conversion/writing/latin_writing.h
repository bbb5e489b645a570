// Writing a Latin date: short, as the window's lists write it ("a. d. XIX Kal. Ian."), or in
// full, as a sentence ("ante diem undevicesimum Kalendas Ianuarias", "Idibus Martiis"), with
// its year in Latin after it: in Roman numerals from AD 1000 ("MDXXIV"), with its era below
// that ("A.D. XLIV", "anno Domini XLIV"), as a year of the city before Christ ("DCCX a.u.c.").
#pragma once

#include "reading/date_reading.h"

#include <string>

namespace tempidex {

// The Latin of `date` (postridie is written as the named day it follows: it is read, never
// written). Short, it is the three list texts joined by spaces, the " --- " of the named day
// left out; `date.leapYear` writes the month "Mar. (a. i.)", or "(a. i.)" after it in full.
std::string WriteLatinDate(const LatinDate &date, bool longForm);

// The year in Latin; any year, asked, as a year of the city.
std::string LatinYearText(int year, bool longForm, bool asCityYear = false);

// Roman numerals of 1 and more: MDXXIV; a thousand is M however many there are.
std::string RomanNumeral(int value);

} // namespace tempidex
