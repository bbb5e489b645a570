#include "month_names.h"

#include "letters_apart.h"

namespace tempidex {

int MonthNear(std::string_view key) {
    if (key.size() < 5)
        return 0;
    // The h that notaries put before a vowel (hoctubris, hiunii): the word without it is a
    // month's name, or a name with its own slip of a letter. No month begins with an h.
    const bool notarysH =
        key[0] == 'h' && std::string_view("aeiou").find(key[1]) != std::string_view::npos;
    const std::string_view word = notarysH ? key.substr(1) : key;
    int found = 0, exact = 0;
    bool unique = true;
    ForEachMonthForm([&](const std::string &form, int month, bool) {
        // Whole forms only: an abbreviation is too short to tell a slip from another word.
        // (Nor the months by their numbers: a letter more or less in VIIIbris is another
        // number, IX or VII, and another month.)
        const bool numbered =
            form.find("br") != std::string::npos &&
            std::string_view("0123456789iux").find(form[0]) != std::string_view::npos;
        if (form.size() < 4 || form[0] != word[0] || numbered)
            return;
        if (notarysH && form == word)
            exact = month;
        if (!OneLetterApart(form, word))
            return;
        unique = unique && (found == 0 || found == month);
        found = month;
    });
    return exact != 0 ? exact : unique ? found : 0;
}

} // namespace tempidex
