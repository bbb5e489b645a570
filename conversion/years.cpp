#include "years.h"

#include <charconv>

namespace tempidex {

std::optional<int> ReadYear(std::string_view text) {
    const Words<12> words = Split<12>(text);
    if (words.count == 0 || !StartsAYear(words, 0))
        return std::nullopt;
    return YearOf(words, 0);
}

void AppendModernYear(std::string &out, int year) {
    std::array<char, 8> digits{};
    const int number = year >= 1 ? year : 1 - year;
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), number).ptr;
    out.append(digits.data(), end);
    if (year < 1)
        out.append(" a.C.");
}

std::string ModernYearText(int year) {
    std::string text;
    AppendModernYear(text, year);
    return text;
}

std::string LatinYearText(int year, bool longForm, bool asCityYear) {
    if (year >= 1 && !asCityYear) {
        const std::string numeral = RomanNumeral(year);
        // A letter alone (L, C, M) is read as an initial, never as a year: it needs its era.
        if (longForm || numeral.size() == 1)
            return (longForm ? "anno Domini " : "A.D. ") + numeral;
        return numeral;
    }
    const std::string city = RomanNumeral(year + YearsOfTheCityAtAD1 - 1);
    return longForm ? "anno " + city + " ab urbe condita" : city + " a.u.c.";
}

} // namespace tempidex
