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
        if (form.size() < 4 || form[0] != word[0])
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
