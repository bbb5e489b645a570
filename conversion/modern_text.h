// A modern date as one line of text, for the command line: read as people write it, and
// written as the program answers ("14 Dicembre 1524").
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tempidex {

enum class ModernReading : unsigned char { Read, NoDate, WrongYear };

struct ModernDate {
    ModernReading reading = ModernReading::NoDate;
    int day = 0, month = 0;  // as written: whether the day exists is the caller's to decide
    std::optional<int> year; // astronomical (0 is 1 BC)
    int weekday = -1;        // written before it ("lunedì 3 marzo 2025"): 0 Sunday; -1 none
};

// D/M, D.M or D-M with blanks around the parts, then /Y, .Y or -Y; ISO YYYY-MM-DD, and
// -YYYY-MM-DD for the years before AD 1 (-0043 is 44 BC); D mese with the Italian month's name
// in any case, or three letters or more of it with a dot ("gen.", "sett."), then Y; the day
// with an ordinal mark ("1° gennaio", "1º maggio"), the weekday before it ("lunedì 3 marzo
// 2025"). The year as ReadYear (years.h) reads it: 1524, 44 a.C.
ModernDate ReadModernDate(std::string_view text);

// Appends the answer's date: "14 Dicembre", "14 Dicembre 1524", "15 Marzo 44 a.C.", the month
// named as the month list's own month does when it holds the day ("Gennaio").
void AppendModernDate(std::string &out, int day, int month, std::optional<int> year);

} // namespace tempidex
