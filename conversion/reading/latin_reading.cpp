#include "latin_reading.h"

#include "reading/grammar/readings.h"
#include "reading/grammar/rules.h"
#include "reading/words/characters.h"
#include "reading/words/words.h"

#include <array>
#include <bit>
#include <cstddef>
#include <memory_resource>

namespace tempidex {
namespace {

// For each kind of word, the rules a phrase of which it can begin, one bit each in the grammar's
// order: a word is one kind or two, and is given to those rules alone, in that order.
constexpr auto RulesOfKind = [] {
    static_assert(Grammar.size() <= 32);
    std::array<std::uint32_t, 64> rules{};
    for (std::size_t kind = 0; kind < rules.size(); ++kind)
        for (std::size_t rule = 0; rule < Grammar.size(); ++rule)
            if ((Grammar[rule].begins >> kind & 1u) != 0)
                rules[kind] |= std::uint32_t{1} << rule;
    return rules;
}();

std::uint32_t RulesBegunBy(std::uint64_t kinds) {
    std::uint32_t rules = 0;
    for (; kinds != 0; kinds &= kinds - 1)
        rules |= RulesOfKind[static_cast<std::size_t>(std::countr_zero(kinds))];
    return rules;
}

// A line that is not read: blank, or at fault. (A reading is made where it is returned: it holds
// four readings of a date, and making one for every line cost a tenth of a date's reading.)
LineReading NotRead(bool blank, LineFault fault) {
    LineReading reading;
    reading.blank = blank;
    reading.fault = fault;
    return reading;
}

} // namespace

LineReading ReadLatinLine(std::string_view line, WordMemo *memo) {
    if (line.size() > LongestLine)
        return NotRead(false, LineFault::TooLong);
    if (IsBlankLine(line))
        return NotRead(true, LineFault::None);
    // The words, their phrases and the readings tried are kept here while the line is read:
    // most lines take a few kilobytes, and a longer line goes on in the heap.
    std::array<std::byte, 32 * 1024> room;
    std::pmr::monotonic_buffer_resource memory(room.data(), room.size());
    const Words words(line, &memory, memo);
    if (words.tooMany())
        return NotRead(false, LineFault::TooManyWords);
    // Every phrase of every rule, over every word of the line a phrase of it can begin with.
    Phrases phrases(&memory);
    phrases.reserve(2 * words.size());
    for (std::size_t at = 0; at < words.size(); ++at)
        for (std::uint32_t rules = RulesBegunBy(words.kindsOf(at)); rules != 0; rules &= rules - 1)
            Grammar[static_cast<std::size_t>(std::countr_zero(rules))].read(words, at, phrases);
    return ChooseReadings(words, phrases, &memory);
}

} // namespace tempidex
