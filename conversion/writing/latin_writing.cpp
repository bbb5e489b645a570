#include "latin_writing.h"

#include "reading/grammar/number_phrases.h"
#include "reading/words/month_names.h"
#include "reading/words/numbers.h"
#include "window/window_lists.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace tempidex {
namespace {

// As a date in full writes the named days: after "ante diem" and pridie, and on the day itself.
constexpr std::array<std::string_view, 3> ReferenceAccusative{"Kalendas", "Nonas", "Idus"};
constexpr std::array<std::string_view, 3> ReferenceAblative{"Kalendis", "Nonis", "Idibus"};

// The ordinal in the accusative, as "ante diem" takes it: "tertium", "tertium decimum",
// "duodevicesimum". `value` is 2 to 20.
std::string OrdinalWord(int value) {
    const auto stem = [](int v) {
        return std::find_if(Ordinals.begin(), Ordinals.end(),
                            [v](const Ordinal &o) { return o.value == v; })
            ->stem;
    };
    if (value > 12 && value < 18) // tertium decimum .. septimum decimum
        return std::string(stem(value - 10)).append("um ").append(stem(10)).append("um");
    return std::string(stem(value)).append("um");
}

// The month's name as an adjective agreeing with Kalendas, Nonas, Idus (accusative) or
// Kalendis, Nonis, Idibus (ablative): "Ianuarias", "Octobribus".
std::string MonthAdjective(int month, bool ablative) {
    const MonthName &name = MonthNames[static_cast<std::size_t>(month - 1)];
    const std::string_view ending =
        name.thirdDeclension ? (ablative ? "ibus" : "es") : (ablative ? "is" : "as");
    return std::string(name.stem).append(ending);
}

void AppendInFull(std::string &latin, const RomanDay &day, bool leapYear) {
    const auto reference = static_cast<std::size_t>(day.reference);
    if (day.count == 1) {
        latin.append(ReferenceAblative[reference]).append(" ");
        latin.append(MonthAdjective(day.month, true));
    } else {
        if (day.count == 2)
            latin.append("pridie ");
        else
            latin.append(day.doubled ? "ante diem bis " : "ante diem ")
                .append(OrdinalWord(day.count))
                .append(" ");
        latin.append(ReferenceAccusative[reference]).append(" ");
        latin.append(MonthAdjective(day.month, false));
    }
    if (leapYear)
        latin.append(" (a. i.)");
}

void AppendAsListed(std::string &latin, const RomanDay &day, bool leapYear) {
    if (day.count != 1)
        latin.append(Designations[EntryOf(DesignationMeaning{day.count, day.doubled})]).append(" ");
    latin.append(ReferenceDays[static_cast<std::size_t>(day.reference)]).append(" ");
    latin.append(MonthEntries[EntryOf(MonthMeaning{day.month, leapYear})]);
}

} // namespace

std::string RomanNumeral(int value) {
    struct Symbol {
        int value;
        std::string_view text;
    };
    static constexpr std::array<Symbol, 13> symbols{{{1000, "M"},
                                                     {900, "CM"},
                                                     {500, "D"},
                                                     {400, "CD"},
                                                     {100, "C"},
                                                     {90, "XC"},
                                                     {50, "L"},
                                                     {40, "XL"},
                                                     {10, "X"},
                                                     {9, "IX"},
                                                     {5, "V"},
                                                     {4, "IV"},
                                                     {1, "I"}}};
    std::string numeral;
    for (const Symbol &symbol : symbols)
        for (; value >= symbol.value; value -= symbol.value)
            numeral.append(symbol.text);
    return numeral;
}

std::string LatinYearText(int year, bool longForm, bool asCityYear) {
    if (year >= 1 && !asCityYear) {
        const std::string numeral = RomanNumeral(year);
        if (longForm)
            return "anno Domini " + numeral;
        // A numeral below M beside a date is no year by its form alone, nor is a letter alone
        // (M, an initial as often): they need their era.
        return year < 1000 || numeral.size() == 1 ? "A.D. " + numeral : numeral;
    }
    const std::string city = RomanNumeral(year + YearsOfTheCityAtAD1 - 1);
    return longForm ? "anno " + city + " ab urbe condita" : city + " a.u.c.";
}

std::string WriteLatinDate(const LatinDate &date, bool longForm) {
    std::string latin;
    if (longForm)
        AppendInFull(latin, date.day, date.leapYear);
    else
        AppendAsListed(latin, date.day, date.leapYear);
    if (date.year)
        latin.append(" ").append(LatinYearText(*date.year, longForm));
    return latin;
}

} // namespace tempidex
