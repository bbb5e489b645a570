#include "latin_reading.h"

#include "characters.h"
#include "readings.h"
#include "rules.h"
#include "words.h"

#include <array>
#include <cstddef>
#include <memory_resource>

namespace tempidex {

LineReading ReadLatinLine(std::string_view line) {
    LineReading reading;
    if (line.size() > LongestLine) {
        reading.fault = LineFault::TooLong;
        return reading;
    }
    if (IsBlankLine(line)) {
        reading.blank = true;
        return reading;
    }
    // The words, their phrases and the readings tried are kept here while the line is read:
    // most lines take a few kilobytes, and a longer line goes on in the heap.
    std::array<std::byte, 32 * 1024> room;
    std::pmr::monotonic_buffer_resource memory(room.data(), room.size());
    const Words words(line, &memory);
    if (words.tooMany()) {
        reading.fault = LineFault::TooManyWords;
        return reading;
    }
    // Every phrase of every rule, over every word of the line a phrase of it can begin with.
    Phrases phrases(&memory);
    phrases.reserve(2 * words.size());
    for (std::size_t at = 0; at < words.size(); ++at)
        for (const GrammarRule &rule : Grammar)
            if ((words.kindsOf(at) & rule.begins) != 0)
                rule.read(words, at, phrases);
    return ChooseReadings(words, phrases, &memory);
}

} // namespace tempidex
