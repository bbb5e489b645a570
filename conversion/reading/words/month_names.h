// The Latin names of the months: each name, the stem its other cases are built on and the
// declension that ends them, and every form that is read: three letters or more of the name or
// of its stem (Ian., Sept.; the old names of July and August from Quint. and Sext.), or the
// stem with a case ending (Ianuarias, Martiis, Octobribus, Mais). July's and August's names
// from before Caesar and Augustus, and March as the Middle Ages spelt it, are read but never
// written. A name that scribes misspelt by one letter (Febroarii, Magii, Setembris) is read
// where only one month is that close.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace tempidex {

struct MonthName {
    std::string_view nominative, stem;
    int month;
    bool thirdDeclension; // Apriles, Aprilibus; the others Ianuarias, Ianuariis
    // A name of the Middle Ages, never cut to the inscriptions' contracted ablative: "marcis"
    // is the ablative of the mark of silver (pro XX marcis argenti), not of March.
    bool medieval = false;
    // The fewest letters it is cut to: "qui", "quin" and "sex" are words (die XV qui fuit
    // dominica, sex testibus), so July's and August's old names are read from Quint., Sext.
    std::size_t shortest = 3;
};

inline constexpr auto MonthNames = std::to_array<MonthName>({
    {"Ianuarius", "Ianuari", 1, false},
    {"Februarius", "Februari", 2, false},
    {"Martius", "Marti", 3, false},
    {"Aprilis", "April", 4, true},
    {"Maius", "Mai", 5, false},
    {"Iunius", "Iuni", 6, false},
    {"Iulius", "Iuli", 7, false},
    {"Augustus", "August", 8, false},
    {"September", "Septembr", 9, true},
    {"October", "Octobr", 10, true},
    {"November", "Novembr", 11, true},
    {"December", "Decembr", 12, true},
    {"Quintilis", "Quintil", 7, true, false, 5},
    {"Quinctilis", "Quinctil", 7, true, false, 5},
    {"Sextilis", "Sextil", 8, true, false, 4},
    {"Marcius", "Marci", 3, false, true}, // the medieval spelling: Kalendas Marcii
    {"Mayus", "May", 5, false, true},     // kalendas may, mensis may: Danish and Flemish letters
    {"Iuny", "Iuny", 6, true, true},      // die 28. Juny 1642, as the Roman curia's clerks wrote
    {"Iuly", "Iuly", 7, true, true},
    // The names of Frankish and Lombard scribes: mense madio, kal. genuarius
    {"Madius", "Madi", 5, false, true},
    {"Genuarius", "Genuari", 1, false, true},
    // and Italy's notaries', after the months' Italian names: mensis agusti, die 28 austi (as
    // Naples said it), octubris (never cut short of five letters: "aus" is a German word)
    {"Agustus", "Agust", 8, false, true, 5},
    {"Austus", "Aust", 8, false, true, 5},
    {"Octuber", "Octubr", 10, true, true, 5},
    // The abbreviations of German and Danish chanceries: Septbr., Octbr., Novbr., Decbr.
    {"Septbr", "Septbr", 9, true},
    {"Octbr", "Octbr", 10, true},
    {"Novbr", "Novbr", 11, true},
    {"Decbr", "Decbr", 12, true},
    // The last four months by their numbers as the year of Romulus counted them, as letters
    // of the 16th century write them: 7bris is September, IXbris November, Xbris December.
    {"7bris", "7br", 9, true},
    {"8bris", "8br", 10, true},
    {"9bris", "9br", 11, true},
    {"10bris", "10br", 12, true},
    // (never cut shorter than the number and its "br": VII and VIII are numerals)
    {"VIIbris", "VIIbr", 9, true, false, 5},
    {"VIIIbris", "VIIIbr", 10, true, false, 6},
    {"IXbris", "IXbr", 11, true, false, 4},
    {"Xbris", "Xbr", 12, true},
});

// "s" alone: the contracted ablative of inscriptions, Mais, Martis (for Maiis, Martiis).
inline constexpr std::array<std::string_view, 18> CaseEndings{
    "a",    "ae", "am",  "arum", "as",   "e",  "em", "es", "i",
    "ibus", "is", "ium", "o",    "orum", "os", "s",  "um", "us"};

// Calls `add(form, month, whole)` with every form of every month that is read, as tokens.h
// folds words (lower case, J as I) and with V as U; `whole` for a name written out, not cut
// short (Ianuarius, Maii, but not Ian, Mai).
template <typename Add> void ForEachMonthForm(Add &&add) {
    const auto asKey = [](std::string_view name) {
        std::string key;
        for (char c : name) {
            c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
            key.push_back(c == 'v' ? 'u' : c == 'j' ? 'i' : c);
        }
        return key;
    };
    for (const MonthName &name : MonthNames) {
        const std::string nominative = asKey(name.nominative), stem = asKey(name.stem);
        for (const std::string &whole : {nominative, stem})
            for (std::size_t size = name.shortest; size <= whole.size(); ++size)
                add(whole.substr(0, size), name.month,
                    size == nominative.size() && whole == nominative);
        for (const std::string_view ending : CaseEndings)
            if (!(name.medieval && ending == "s"))
                add(stem + std::string(ending), name.month, true);
    }
}

// The month that a word misspelt by one letter names (a letter more, less, another, or two
// swapped, the first letter kept), where one month alone is that close: 0 for none. The h a
// notary put before a vowel is not counted (hiunii, hoctubris). `key` is the word as read, V as
// U, of five letters or more.
int MonthNear(std::string_view key);

} // namespace tempidex
