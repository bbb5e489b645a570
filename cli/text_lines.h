// The lines of a text whose every line ends in "\n" (the warnings the core writes), one at a
// time, for each output to frame in its own way.
#pragma once

#include <algorithm>
#include <string_view>

namespace tempidex {

// Calls `each` with every line of `text`, without its "\n"; a last line without one counts too.
template <typename Each> void ForEachLineOf(std::string_view text, Each &&each) {
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        each(text.substr(at, end - at));
        at = end + 1;
    }
}

} // namespace tempidex
