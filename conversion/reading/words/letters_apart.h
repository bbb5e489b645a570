// How close two words are: whether a scribe's slip of one letter makes one of the other, for
// the names and ordinals that are read from a misspelling (month_names.h, words.h).
#pragma once

#include <string_view>
#include <utility>

namespace tempidex {

// Whether `a` becomes `b` by one letter added, dropped, changed, or two neighbours swapped.
constexpr bool OneLetterApart(std::string_view a, std::string_view b) {
    if (a.size() > b.size())
        std::swap(a, b);
    if (b.size() - a.size() > 1)
        return false;
    std::size_t same = 0;
    while (same < a.size() && a[same] == b[same])
        ++same;
    if (same == b.size())
        return false;        // the same word
    if (a.size() < b.size()) // a letter more in b
        return a.substr(same) == b.substr(same + 1);
    if (a.substr(same + 1) == b.substr(same + 1)) // one letter changed
        return true;
    return same + 1 < a.size() && a[same] == b[same + 1] && a[same + 1] == b[same] &&
           a.substr(same + 2) == b.substr(same + 2);
}

} // namespace tempidex
