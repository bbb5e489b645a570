// A modern date as one line of text, for --to-latin: read as people write it.
//
// D/M, D.M or D-M with blanks around the parts, then /Y, .Y or -Y; ISO YYYY-MM-DD, and
// -YYYY-MM-DD for the years before AD 1 (-0043 is 44 BC); D mese with the Italian month's name
// in any case, or three letters or more of it with a dot ("gen.", "sett."), then Y; the day
// with an ordinal mark ("1° gennaio", "1º maggio"), the weekday before it ("lunedì 3 marzo
// 2025"). The year in digits or Roman numerals, with an era or without: 1524, MDXXIV, 44 a.C.,
// DCCX a.u.c., from 753 BC to AD 9999. A year with a minus sign outside ISO is refused: it
// reads as 44 BC to a historian and 45 BC to an astronomer.
#pragma once

#include <optional>
#include <string_view>

namespace tempidex {

enum class ModernReading : unsigned char { Read, NoDate, WrongYear, SignedYear };

struct ModernDate {
    ModernReading reading = ModernReading::NoDate;
    int day = 0, month = 0;    // as written: whether the day exists is the caller's to decide
    std::optional<int> year;   // astronomical (0 is 1 BC)
    int weekday = -1;          // written before it ("lunedì 3 marzo 2025"): 0 Sunday; -1 none
    std::string_view yearText; // the year as written, where it is wrong
};

ModernDate ReadModernDate(std::string_view text);

} // namespace tempidex
