// Two words a scan or a copyist ran together where the second must be read apart: a day's
// count and "die" (xxiadie), a month and "anno" (martiasanno), a count and its named day
// (VIkalendas octobris).
#pragma once

#include <cstddef>
#include <string_view>

namespace tempidex {

// Where the second word begins in a word as a token folds it (`text`, and `key` with V as U)
// that ends at `end` in `line`; 0 where the word is one.
std::size_t SecondWordStart(std::string_view text, std::string_view key, std::string_view line,
                            std::size_t end);

} // namespace tempidex
