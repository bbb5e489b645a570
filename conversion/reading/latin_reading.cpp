#include "latin_reading.h"

#include "characters.h"
#include "readings.h"
#include "rules.h"
#include "words.h"

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
    const Words words(line);
    if (words.tooMany()) {
        reading.fault = LineFault::TooManyWords;
        return reading;
    }
    // Every phrase of every rule, over every word of the line.
    Phrases phrases;
    for (std::size_t at = 0; at < words.size(); ++at)
        for (const Rule rule : Grammar)
            rule(words, at, phrases);
    return ChooseReadings(words, phrases);
}

} // namespace tempidex
