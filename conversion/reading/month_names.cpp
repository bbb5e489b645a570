#include "month_names.h"

#include <vector>

namespace tempidex {
namespace {

// Whether `a` becomes `b` by one letter added, dropped, changed, or two neighbours swapped.
bool OneEditApart(std::string_view a, std::string_view b) {
    if (a.size() > b.size())
        std::swap(a, b);
    if (b.size() - a.size() > 1)
        return false;
    std::size_t same = 0;
    while (same < a.size() && a[same] == b[same])
        ++same;
    if (same == b.size())
        return false; // the same word
    if (a.size() < b.size()) // a letter more in b
        return a.substr(same) == b.substr(same + 1);
    if (a.substr(same + 1) == b.substr(same + 1)) // one letter changed
        return true;
    return same + 1 < a.size() && a[same] == b[same + 1] && a[same + 1] == b[same] &&
           a.substr(same + 2) == b.substr(same + 2);
}

} // namespace

int MonthNear(std::string_view key) {
    if (key.size() < 5)
        return 0;
    int found = 0;
    bool unique = true;
    ForEachMonthForm([&](const std::string &form, int month) {
        // Whole forms only: an abbreviation is too short to tell a slip from another word.
        if (form.size() < 4 || form[0] != key[0] || !OneEditApart(form, key))
            return;
        unique = unique && (found == 0 || found == month);
        found = month;
    });
    return unique ? found : 0;
}

} // namespace tempidex
