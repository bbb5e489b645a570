#include "month_names.h"

#include "letters_apart.h"

namespace tempidex {

int MonthNear(std::string_view key) {
    if (key.size() < 5)
        return 0;
    int found = 0;
    bool unique = true;
    ForEachMonthForm([&](const std::string &form, int month, bool) {
        // Whole forms only: an abbreviation is too short to tell a slip from another word.
        if (form.size() < 4 || form[0] != key[0] || !OneLetterApart(form, key))
            return;
        unique = unique && (found == 0 || found == month);
        found = month;
    });
    return unique ? found : 0;
}

} // namespace tempidex
